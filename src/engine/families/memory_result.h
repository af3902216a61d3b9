#pragma once
// The page of the memory games' result window: how the score of the table
// was made, family by family (36 "Ace-To-King", 37 "Pairs", 38 "Forget me
// not", 39 "Concentration"). The families whose score is their own count it
// through the same page, so the page always adds up to the score.
#include "shell/game_ui.h"

namespace velmora {

class TMainGame;

// The result of the table as it stands, for a game won or lost.
GameUi::MemoryResult MemoryResultOf(const TMainGame& game, bool won);

// The score the page adds up: the start and the points of its counts.
std::int64_t MemoryTotal(const GameUi::MemoryResult& result);

}  // namespace velmora
