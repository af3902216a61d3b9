#pragma once
// Clearing records, as the statistics dialogs ask for it. Each operation
// answers with the message to show: the success message only when every
// file was rewritten; otherwise the error, with the file that failed.
#include <cstddef>
#include <optional>
#include <string>

namespace velmora {

class TMainGame;

// Which records: one game or all (no value), one player or all.
struct RecordScope {
  std::optional<int> gameNumber;
  std::optional<std::string> player;
};

struct ClearResult {
  bool ok = false;
  std::string message;
};

// Statistics records, internet counts and the matching log lines.
ClearResult ClearStatistics(TMainGame& game, const RecordScope& scope);
// High-score entries and their players' contributions to the overall score.
ClearResult ClearHighScores(TMainGame& game, const RecordScope& scope);
// Everything of all players and games, series scores included.
ClearResult ClearAllValues(TMainGame& game);

// Keeps the newest `keep` lines of the log; clears it all.
ClearResult TrimResultsLog(TMainGame& game, std::size_t keep);
ClearResult ClearResultsLog(TMainGame& game);

}  // namespace velmora
