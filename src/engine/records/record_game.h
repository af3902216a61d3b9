#pragma once
// What the end of a game hands to the records: the one call that writes a
// finished game into every statistics file, in their fixed order (results
// log, statistics record, internet counts, high-score list with the overall
// score). The game number, its name, the player, the scoring mode, the score
// and the deal number are read from the configuration store.
#include <string>

namespace velmora {

class TMainGame;

struct FinishedGame {
  bool won = false;
  int seconds = 0;        // playing time
  std::string date;       // "yyyymmdd", when the game ended
  std::string timeOfDay;  // "hh:mm:ss"
};

struct RecordOutcome {
  bool recorded = false;  // false when statistics are off or the game is not eligible
  int highScoreRank = 0;  // 1 to 20 when the result entered the game's list, else 0
  bool saved = true;      // false when a file of the result could not be written
};

// Records the current game once. Failed writes are told to the player through
// the game's screen and leave each file as it was before that write.
RecordOutcome RecordFinishedGame(TMainGame& game, const FinishedGame& result);

}  // namespace velmora
