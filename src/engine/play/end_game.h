#pragma once
// The end of a game, won or lost: the clock stops, the game's commands go
// off, the result goes to the records once, and a won game gets its sound,
// its winning animation and the game-won dialog (or its series takes over).
#include <cstdint>

#include "records/record_game.h"

namespace velmora {

class TMainGame;

struct EndOfGame {
  bool ended = false;  // false when no game was in progress: nothing was done
  bool won = false;
  std::int64_t seconds = 0;
  RecordOutcome record;
};

// Ends the game in progress; program flag 8 says whether it was won, unless
// the game has a score to win (rule 50), which then decides. A second call
// finds no game in progress and does nothing.
EndOfGame EndGame(TMainGame& game);

}  // namespace velmora
