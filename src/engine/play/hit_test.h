#pragma once
// What lies under a point of the table: the pile, the card and the card's
// rectangle, in window coordinates (the layout's places less the scroll
// offset). Piles the layout leaves unplaced are never hit.
#include <optional>
#include <vector>

#include "cards/card.h"
#include "piles/pile_names.h"
#include "play/table_rect.h"

namespace velmora {

class TMainGame;

struct PileHit {
  PileRef pile{PileGroup::Stock, 0};
  CardId card = kNoCard;  // none on an empty pile or between its cards
  int index = -1;         // the card's place in its pile (0 the bottom card)
  TableRect rect;         // the card's rectangle, or the empty pile's
};

// The rectangle of the card at `index` of the pile; an index past the top
// card is where the next card would lie.
TableRect CardRect(const TMainGame& game, PileRef pile, int index);

// Every card of the pile, or its empty place: no value when unplaced.
std::optional<TableRect> PileRect(const TMainGame& game, PileRef pile);

// The piles a point is searched in, in order: the stock list, the tableau
// (from the last pile when tableau piles stand side by side), the
// foundations and the reserves the game uses.
std::vector<PileRef> PilesInHitOrder(const TMainGame& game);

// The first pile whose rectangle holds the point, and within it the topmost
// card whose rectangle holds it.
std::optional<PileHit> HitTest(const TMainGame& game, TablePoint point);

// A point where HitTest finds the card: a corner or the middle of its
// rectangle that no card above it covers. No value for a card not on a
// placed pile or covered whole.
std::optional<TablePoint> PointOnCard(const TMainGame& game, CardId card);

}  // namespace velmora
