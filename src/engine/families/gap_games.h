#pragma once
// The gap games (families 32 and 46): each tableau pile is a row of places,
// card beside card, and "000" marks a gap. A card fills a gap that fits the
// card beside it, and its old place becomes a gap in turn.
#include <optional>

#include "cards/card.h"

namespace velmora {

class TMainGame;

// A place of a row: the tableau pile (from 0) and the place in it (from 0).
struct RowPlace {
  int row = 0;
  int place = 0;

  bool operator==(const RowPlace&) const = default;
};

// Whether the card may fill the gap at this place. In rows ordered one by
// one (32) a row starts with a 2 and goes on one rank higher in suit, so a
// King's gap stays empty; in rows ordered round the table (46) a card also
// fits before its neighbour one rank above, and an Ace follows a Queen.
bool FitsGap(const TMainGame& game, CardId card, RowPlace at);

// The first gap, rows in order and each row from its first place, where the
// card fits; or the first in one row.
std::optional<RowPlace> FirstFittingGap(const TMainGame& game, CardId card);
std::optional<RowPlace> FirstFittingGapInRow(const TMainGame& game, CardId card, int row);

// Moves a tableau card into the gap at `at`, leaving a gap where it lay: one
// step for undo, then the won flag and the score. An automatic fill shows
// the card flying. False when the card is not on the tableau or the place
// holds no gap.
bool FillGap(TMainGame& game, CardId card, RowPlace at, bool automatic);

}  // namespace velmora
