#include "records/forget_game.h"

#include <algorithm>
#include <array>
#include <string>

#include "records/file_batch.h"
#include "records/high_scores.h"
#include "records/keyed_file.h"
#include "records/results_log.h"
#include "records/statistics_record.h"

namespace velmora {
namespace {

bool LogsGame(std::string_view text, int gameNumber) {
  const LogContents log = SplitLog(text);
  return std::any_of(log.lines.begin(), log.lines.end(), [&](std::string_view line) {
    const auto parsed = ParseLogLine(line);
    return parsed && parsed->gameNumber == gameNumber;
  });
}

}  // namespace

FileOutcome ForgetGameRecords(FileBatch& batch, int gameNumber) {
  const std::string section = GameSection(gameNumber);
  const auto withoutSection = [&](std::string_view text) {
    std::string kept(text);
    keyed::RemoveSection(kept, section);
    return kept;
  };
  for (const std::string_view file : std::array{kStatisticsFile, kHighScoreFile})
    if (FileOutcome read = batch.change(file, kRecordFileMaxBytes, withoutSection); !read) return read;
  // A log without the game's lines is left as it is, lines cut short by a crash included.
  return batch.change(kResultsLogFile, kResultsLogMaxBytes, [&](std::string_view text) {
    return LogsGame(text, gameNumber) ? WithoutLogLines(text, gameNumber, std::nullopt) : std::string(text);
  });
}

}  // namespace velmora
