#pragma once
// "DATA\STAT_LOG.DAT": one 147-character line per recorded game, the newest
// at the end. Lines are appended; a line cut short by a crash is skipped by
// every reader and counted apart, and the next append starts on a new line.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/user_data.h"

namespace velmora {

inline constexpr std::string_view kResultsLogFile = "DATA\\STAT_LOG.DAT";
inline constexpr std::size_t kLogLineWidth = 147;
inline constexpr std::uintmax_t kResultsLogMaxBytes = 256u << 20;

struct LogLine {
  std::string date;       // "yyyymmdd"
  std::string timeOfDay;  // "hh:mm:ss"
  std::int64_t seconds = 0;
  int gameNumber = 0;
  std::string gameName;
  std::string player;
  bool won = false;
  std::string scoringMode;  // 2 characters
  std::string score;        // the score item's text
  std::string dealNumber;
};

std::string FormatLogLine(const LogLine& line);
// The fields of a line of the full width; no value for any other line.
std::optional<LogLine> ParseLogLine(std::string_view line);

struct LogContents {
  std::vector<std::string_view> lines;  // the well-formed lines, oldest first
  std::size_t skipped = 0;              // lines of another width
};
// Splits a log's text; the views point into `text`.
LogContents SplitLog(std::string_view text);

// Adds a line at the end of the log, creating it when missing.
FileOutcome AppendLogLine(UserData& data, const LogLine& line);

// The log's text; empty when there is none, no value when it cannot be read.
std::optional<std::string> LoadLog(const UserData& data);

// Keeps the newest `keep` well-formed lines, in their order.
FileOutcome TrimLog(UserData& data, std::size_t keep);
FileOutcome ClearLog(UserData& data);

// Removes the lines of a game (or of all games: no value) and a player (or all
// players), comparing the fields without their trailing blanks.
FileOutcome RemoveLogLines(UserData& data, std::optional<int> gameNumber, std::optional<std::string_view> player);

}  // namespace velmora
