#pragma once
// The cards the player carries with the mouse: taken from a pile with the
// cards above them, drawn at the pointer until they are dropped or put back.
// While carried they stay in their pile; the table leaves them out of its
// picture and draws them at `at` instead.
#include "cards/card.h"
#include "piles/pile_geometry.h"
#include "piles/pile_names.h"
#include "play/table_rect.h"

namespace velmora {

struct Carry {
  CardId card = kNoCard;     // the bottom card of the carried unit; none when nothing is carried
  CardId unitTop = kNoCard;  // the unit's top card
  PileRef from{PileGroup::Stock, 0};
  int fromIndex = 0;     // the bottom card's place in its pile (0 = the pile's bottom card)
  TablePoint grab;       // the pointer's offset inside the bottom card
  TablePoint at;         // the bottom card's top-left corner now, in window coordinates
  TablePoint start;      // the bottom card's corner when the carry began
  TableRect unit;        // the unit's rectangle when the carry began
  bool pointerMoved = false;
  bool single = false;   // one card taken from the middle of a row (gap games): the cards above it stay

  bool active() const { return card != kNoCard; }
  // The unit's rectangle where the pointer has taken it.
  TableRect rect() const { return unit.movedBy(at.x - start.x, at.y - start.y); }
  void clear() { *this = Carry{}; }
};

}  // namespace velmora
