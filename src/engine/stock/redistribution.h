#pragma once
// Redealing by redistribution: when the stock is used up, the cards of the
// tableau are gathered, put in a fixed order and dealt again, in the style of
// rule 16 (4 to 15). The order is the same for every game and every deal, so
// a redeal is as repeatable as the deal itself.
#include <vector>

#include "cards/card.h"

namespace velmora {

class TMainGame;

// Runs the redistribution of rule 16 on the table. The caller has recorded
// the undo step and raised the pass counter.
void Redistribute(TMainGame& game);

// The fixed shuffle of the gathered cards: start in the middle (half the
// length, halves rounded to even), take the card there to the end of the
// dealing list, then step on by 5 when the dealing list has an even number
// of cards and by 2 when odd, wrapping to the front past the end.
std::vector<CardId> FixedShuffle(std::vector<CardId> gathered);

}  // namespace velmora
