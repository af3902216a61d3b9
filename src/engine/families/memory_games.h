#pragma once
// The memory games: the cards lie face down on the tableau. In the games that
// find pairs (families 37 and 39) two are turned up in turn, and a pair
// leaves the table for the discard pile, a "000" in its place; in
// Ace-To-King (family 36) they are turned up in rank order; in Forget me not
// (family 38) ten cards shown at the deal are to be matched by their twins.
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

// Ace-To-King: a press on a face-down tableau card turns it face up, one
// step for undo, and adds it to the run, the face-up cards. A card that
// does not go on with the run (the first not an Ace, or not one rank above
// the card before it, an Ace after a King) is a miss: the face-up cards
// turn back and the run starts again. Then the score; once no card lies
// face down the game ends. False when the card does not react.
bool TurnInRankOrder(TMainGame& game, CardId card);

// Ace-To-King: the cards of the run turned so far.
int RunLength(const TMainGame& game);

// Forget me not: the places among tableau piles 1 to 10 whose first card is
// the twin of the first card of the foundation with the same number,
// counted only once all ten places hold a card.
int RememberedMatches(const TMainGame& game);

}  // namespace velmora
