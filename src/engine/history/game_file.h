#pragma once
// The game file: a game in progress as lines of text, with its whole undo
// history. Bookmarks are written in it (and saved and held games share it).
// Lines end in CR LF:
//   0      header 1: "[S-0530]", game number, appearance, time, scoring
//          mode, score and pass counter in fixed columns (95 characters)
//   1      header 2: player, deal number and the 16 foundation base ranks
//          (98 characters)
//   2-11   empty
//   12-80  the 69 piles as card-state strings, in snapshot order
//   then   "[UNDO - Stock]", "[UNDO - Foundations]", "[UNDO - Piles]" and
//          "[UNDO - Reserves]", each followed by its undo list, oldest first,
//          and "[UNDO - Log]" followed by the undo log on one line.
// Files of older layouts had fewer pile slots; reading adds the missing ones.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "history/history_stack.h"

namespace velmora {

class TMainGame;

inline constexpr std::string_view kGameFileVersion = "0530";

struct GameFileContents {
  std::string version;  // four digits, "0530" for files of this layout
  int gameNumber = -1;
  std::int64_t elapsedSeconds = 0;  // the clock when the file was written
  std::string scoringMode;  // two characters, as the scoring setting holds them
  std::int64_t score = 0;
  int passCounter = 1;
  int memoryMisses = 0;  // the misses of a memory game
  std::string player;      // as written, trailing blanks removed
  std::string dealNumber;  // as written, trailing blanks removed
  std::array<std::optional<int>, kFoundations> baseRanks;  // no value: the pair was not a number
  PileSnapshot table;
  HistoryStack::Lists undo;
  std::string undoLog;
  // A file of an older layout whose undo history did not convert to whole
  // snapshots: its table is kept, its history left out.
  bool historyDropped = false;
};

// The whole file for the running game.
std::string GameFileText(const TMainGame& game);

// The contents of a file, or why it cannot be used: a file too short for
// the layout, a header that is not one, a pile that is not a card-state
// string (card ids 0 to 108, faces "0" and "1"), or undo lists that are not
// whole snapshots of one length with a log entry each.
struct GameFileRead {
  std::optional<GameFileContents> contents;
  std::string fault;
};
GameFileRead ReadGameFile(std::string_view text);

// Puts a file's table on the running game with its undo history, the deal
// count that history carries, the pass counter, scoring mode, score and the
// base ranks it holds. The clock, the redo history and the player stay.
void PutBackGameFile(TMainGame& game, GameFileContents&& contents);

}  // namespace velmora
