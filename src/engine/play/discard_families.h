#pragma once
// The families whose taken cards go to the discard pile (the third stock
// slot) at once instead of being carried: 2, 12 and 15.
#include "cards/card.h"

namespace velmora {

class TMainGame;

bool TakenCardsAreDiscarded(const TMainGame& game);

// Whether the family lets the card onto the discard pile. Family 2 takes a
// card one rank above or below the discard pile's top card, whatever its
// suit; a King and an Ace do not follow each other. The routines of
// families 12 and 15 are not known to the engine: they take nothing.
bool DiscardTakes(const TMainGame& game, CardId card);

}  // namespace velmora
