#pragma once
// The memory games that find pairs (families 37 and 39): the cards lie face
// down on the tableau, two are turned up in turn, and a pair leaves the
// table for the discard pile, a "000" in its place.
#include "cards/card.h"

namespace velmora {

class TMainGame;

// A press on a face-down tableau card: it turns face up, one step for undo.
// When it is the second card face up, the two are a pair that goes to the
// discard pile, or a miss that turns them back. Then the score; once no
// card lies face down the game ends. False when the card does not react (it
// lies face up, elsewhere, or two cards are still face up).
bool TurnMemoryCard(TMainGame& game, CardId card);

// A miss: the misses count one more and the face-up tableau cards turn face
// down again, one after the other.
void MissTurnBack(TMainGame& game);

}  // namespace velmora
