#pragma once
// The deal steps that send dealt tableau cards up to the foundations, each
// card judged by the move rules as it lay when it was dealt: alone, with
// nothing dealt above it yet. A card sent up lies face up on its foundation
// and counts in the opening score as any card on a foundation does.
#include "game/deal_table.h"

namespace velmora {

// The base-card sweep (pre-fill 93 to 95, deal types 2 and 4): every tableau
// card that fits a foundation goes up, scanned pile by pile (rule 24 not 0)
// or position by position; the place a card left is examined again, for the
// card that slid down into it.
void SweepBaseCards(DealContext& deal);

// Pre-fill 96: every Ace of the tableau goes to the first foundation that
// takes it; a pile it leaves empty takes the waste's top card, or the
// stock's when the waste is empty, face up.
void AcesToFoundations(DealContext& deal);

// Deal type 7: the bottom card of each tableau pile goes to the foundation of
// the same number when it fits there.
void BottomCardsToFoundations(DealContext& deal);

}  // namespace velmora
