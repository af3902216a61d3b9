#pragma once
// The questions the move rules hand to a game family's own procedures. A
// family that has no procedure of its own refuses, which is what the default
// answers do; a family that needs one overrides the answer.
#include "cards/card.h"

namespace velmora {

class FamilyTests {
 public:
  virtual ~FamilyTests() = default;

  // Family 23: a card from a tableau pile offered to foundation k.
  virtual bool mayGoFromTableauToFoundation(int /*k*/, CardId /*card*/) const { return false; }
  // Waste priority 2 (`wasteFirst` 1) or 3 (0): the waste card offered to tableau pile i.
  virtual bool mayPlaceWasteCard(CardId /*card*/, int /*wasteFirst*/, int /*i*/) const { return false; }
  // Reserve take rule -14: whether the card may be taken from reserve j (0-based).
  virtual bool mayTakeFromReserve(int /*j*/, CardId /*card*/) const { return false; }
  // Grid games: whether the card may be taken from tableau pile i.
  virtual bool mayTakeFromGrid(int /*i*/, CardId /*card*/) const { return false; }
  // A building code decided by the family (5, 62, 67, 113) for pile p;
  // `top` is 0 on an empty pile.
  virtual bool mayBuild(int /*code*/, CardId /*top*/, CardId /*card*/, int /*p*/, bool /*toFoundation*/) const {
    return false;
  }
};

}  // namespace velmora
