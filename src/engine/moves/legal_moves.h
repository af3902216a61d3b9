#pragma once
// Every move the rules allow in one position: each card that may be taken,
// with the cards above it, to each pile that may receive it. Hints, autoplay,
// the demonstration and tools ask this without touching the screen.
#include <vector>

#include "moves/move_rules.h"

namespace velmora {

struct LegalMove {
  CardId card = kNoCard;  // the bottom card of the moving unit
  PileRef from{PileGroup::Stock, 0};
  PileRef to{PileGroup::Stock, 0};
  int cards = 0;  // cards in the unit
  friend bool operator==(const LegalMove&, const LegalMove&) = default;
};

// Fills `out` (cleared first; its memory is reused) with the moves of the
// position `rules` was made for: sources in pile order (waste, foundations,
// tableau, reserves; in each pile the top card first), and for each source
// the foundations, tableau piles and reserves in that order. Turning a
// face-down card is not a move of a card and is not listed.
void ListLegalMoves(const MoveRules& rules, std::vector<LegalMove>& out);
std::vector<LegalMove> LegalMoves(const MoveRules& rules);

}  // namespace velmora
