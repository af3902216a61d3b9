#include "records/results_log.h"

#include <algorithm>

#include "records/keyed_file.h"
#include "records/player_names.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kVersionMark = "0600";

std::string_view Field(std::string_view line, std::size_t position, std::size_t width) {
  return line.substr(position - 1, width);
}

bool MatchesFilter(std::string_view line, std::optional<int> gameNumber, std::optional<std::string_view> player) {
  if (gameNumber && ParseInteger(Field(line, 26, 4)) != *gameNumber) return false;
  if (player && TrimRight(Field(line, 82, 30)) != TrimRight(*player)) return false;
  return true;
}

template <typename Keep>
std::string Filtered(std::string_view text, Keep keep) {
  std::string out;
  const LogContents log = SplitLog(text);
  out.reserve(log.lines.size() * (kLogLineWidth + 2));
  for (std::size_t i = 0; i < log.lines.size(); ++i)
    if (keep(i, log.lines.size(), log.lines[i])) out.append(log.lines[i]).append(kLineEnd);
  return out;
}

FileOutcome Rewrite(UserData& data, std::string_view text) {
  FileOutcome outcome = data.replace(kResultsLogFile, text);
  if (!outcome) outcome.message = WriteErrorMessage(kResultsLogFile, outcome);
  return outcome;
}

}  // namespace

std::string FormatLogLine(const LogLine& line) {
  std::string out;
  out.reserve(kLogLineWidth);
  out.append(PadOrCut(line.date, 8)).append(" ");
  out.append(PadOrCut(line.timeOfDay, 8)).append(" ");
  out.append(FormatNumber(std::clamp<std::int64_t>(line.seconds, 0, 999999), 6)).append(" ");
  out.append(FormatNumber(line.gameNumber, 4)).append(" ");
  out.append(PadOrCut(line.gameName, 50)).append(" ");
  out.append(PadOrCut(line.player, 30)).append(" ");
  out.append(line.won ? "Won  " : "Lost ");
  out.append(PadOrCut(line.scoringMode, 2)).append(" ");
  out.append(PadOrCut(line.score, 6)).append(" ");
  out.append(PadOrCut(line.dealNumber, 15)).append(" ");
  out.append(kVersionMark);
  return out;
}

std::optional<LogLine> ParseLogLine(std::string_view text) {
  if (text.size() != kLogLineWidth) return std::nullopt;
  LogLine line;
  line.date = Field(text, 1, 8);
  line.timeOfDay = Field(text, 10, 8);
  line.seconds = ParseInteger(Field(text, 19, 6)).value_or(0);
  line.gameNumber = static_cast<int>(ParseInteger(Field(text, 26, 4)).value_or(-1));
  line.gameName = TrimRight(Field(text, 31, 50));
  line.player = TrimRight(Field(text, 82, 30));
  line.won = Field(text, 113, 4) == "Won ";
  line.scoringMode = Field(text, 118, 2);
  line.score = Trim(Field(text, 121, 6));
  line.dealNumber = Trim(Field(text, 128, 15));
  return line;
}

LogContents SplitLog(std::string_view text) {
  LogContents log;
  log.lines.reserve(text.size() / (kLogLineWidth + 2) + 1);
  for (std::size_t at = 0; at < text.size();) {
    std::size_t newline = text.find('\n', at);
    const bool ended = newline != std::string_view::npos;
    if (!ended) newline = text.size();
    std::string_view line = text.substr(at, newline - at);
    if (ended && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() == kLogLineWidth)
      log.lines.push_back(line);
    else if (!line.empty())
      ++log.skipped;
    at = newline + 1;
  }
  return log;
}

FileOutcome AppendLogLine(UserData& data, const LogLine& line) {
  if (!IsAcceptablePlayerName(line.player) || HasControlCharacter(line.gameName))
    return RefusedName(line.player, kResultsLogFile);
  FileOutcome outcome = data.appendLine(kResultsLogFile, FormatLogLine(line) + std::string(kLineEnd));
  if (!outcome) outcome.message = WriteErrorMessage(kResultsLogFile, outcome);
  return outcome;
}

std::optional<std::string> LoadLog(const UserData& data) {
  FileContents contents = data.read(kResultsLogFile, kResultsLogMaxBytes);
  if (contents.status == ReadStatus::Missing) return std::string();
  if (!contents.ok()) return std::nullopt;
  return std::move(contents.data);
}

FileOutcome TrimLog(UserData& data, std::size_t keep) {
  const auto text = LoadLog(data);
  if (!text) return FileOutcome::Failure("Read error on file " + std::string(kResultsLogFile));
  return Rewrite(data, Filtered(*text, [&](std::size_t index, std::size_t count, std::string_view) {
                   return index + keep >= count;
                 }));
}

FileOutcome ClearLog(UserData& data) {
  if (data.remove(kResultsLogFile) == RemoveStatus::Failed)
    return FileOutcome::Failure("Error in deleting the file: " + std::string(kResultsLogFile));
  return {};
}

FileOutcome RemoveLogLines(UserData& data, std::optional<int> gameNumber, std::optional<std::string_view> player) {
  const auto text = LoadLog(data);
  if (!text) return FileOutcome::Failure("Read error on file " + std::string(kResultsLogFile));
  if (text->empty()) return {};
  return Rewrite(data, Filtered(*text, [&](std::size_t, std::size_t, std::string_view line) {
                   return !MatchesFilter(line, gameNumber, player);
                 }));
}

}  // namespace velmora
