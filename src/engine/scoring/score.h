#pragma once
// The score of the running game. It is never kept move by move: it is read
// off the table after every change (a move, a stock press, undo, redo, a game
// opened), so undo needs no record of it. The store keeps the last figure
// (item 122) for the score panel, the saved game and the records.
#include <cstdint>

namespace velmora {

class TMainGame;

// The score of the table by the game's family, stored in the store and
// shown on the score panel; returns it. The poker squares families keep a
// score of their own that this leaves alone (it returns the stored figure).
std::int64_t RecomputeScore(TMainGame& game);

// The standard score: the base of the deck (rule 47), the bonus units
// (rule 46), the jokers' penalty (rule 374), and 5 points for every card on
// a foundation or discarded to the third stock slot. 0 in every scoring mode
// but the standard one ("01").
std::int64_t StandardScore(const TMainGame& game);

// Adds 5 points per unit to the stored score in the standard scoring mode,
// and shows the stored score in every mode. The opening sweep of a deal uses
// it; the poker squares families are left alone.
void AddScore(TMainGame& game, int units);

// The score as the store holds it; 0 when it holds none.
std::int64_t StoredScore(const TMainGame& game);

}  // namespace velmora
