#include "records/record_check.h"

#include <array>
#include <set>

#include "records/high_scores.h"
#include "records/internet_counts.h"
#include "records/keyed_file.h"
#include "records/overall_score.h"
#include "records/results_log.h"
#include "records/scrambled_values.h"
#include "records/statistics_record.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

using Faults = std::vector<std::string>;

constexpr std::string_view kClearScoresSection = "Clear scores";
constexpr std::size_t kScoreFieldWidth = 6;  // a high-score entry starts with its score
constexpr std::size_t kEntryPrefixLength = 3;  // "GS-", "GW-", ...
// No game is stored under this number: reading its overall score checks the
// player's totals alone.
constexpr int kNoGame = -1;

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The sections that hold records: every one but the header and the marks.
std::vector<std::string> RecordSections(std::string_view text) {
  std::vector<std::string> sections = keyed::Sections(text);
  std::erase_if(sections, [](const std::string& key) { return key == kVersionSection || key == kClearScoresSection; });
  return sections;
}

Faults StatisticsFaults(std::string_view text) {
  Faults faults;
  for (const std::string& game : RecordSections(text))
    for (const auto& [player, value] : keyed::Entries(text, game))
      if (!ParseStatistics(value))
        faults.push_back("game " + game + ", player " + Quoted(player) +
                         ": the record is not seven numbers in their fixed places");
  return faults;
}

Faults HighScoreFaults(std::string_view text) {
  Faults faults;
  for (const std::string& game : RecordSections(text))
    for (const auto& [rank, value] : keyed::Entries(text, game)) {
      const bool unused = Trim(std::string_view(value).substr(0, kScoreFieldWidth)).empty();
      if (!unused && !ParseHighScore(value))
        faults.push_back("game " + game + ", entry " + rank + ": the score is not a number");
    }
  return faults;
}

Faults ResultsLogFaults(std::string_view text) {
  const std::size_t skipped = SplitLog(text).skipped;
  if (skipped == 0) return {};
  return {std::to_string(skipped) + " line(s) are not " + std::to_string(kLogLineWidth) +
          " characters long (cut short?); every reader skips them"};
}

// The game numbers of a player's entries that start with one of the prefixes.
std::set<int> GamesOfEntries(std::string_view text, std::string_view player, std::string_view first,
                             std::string_view second) {
  std::set<int> games;
  for (const auto& [name, value] : keyed::Entries(text, player)) {
    const std::string_view prefix = std::string_view(name).substr(0, kEntryPrefixLength);
    if (prefix != first && prefix != second) continue;
    if (const auto game = ParseInteger(std::string_view(name).substr(kEntryPrefixLength)))
      games.insert(static_cast<int>(*game));
  }
  return games;
}

Faults OverallScoreFaults(std::string_view text) {
  Faults faults;
  for (const std::string& player : keyed::Sections(text)) {
    if (!ReadOverallScore(text, player, kNoGame)) {
      faults.push_back("player " + Quoted(player) + ": the overall score fails its check");
      continue;  // every game's reading checks the totals too
    }
    for (int game : GamesOfEntries(text, player, "GS-", "GT-"))
      if (!ReadOverallScore(text, player, game))
        faults.push_back("player " + Quoted(player) + ", game " + GameSection(game) +
                         ": the best score fails its check");
  }
  return faults;
}

Faults InternetCountsFaults(std::string_view text) {
  Faults faults;
  for (const std::string& player : keyed::Sections(text))
    for (int game : GamesOfEntries(text, player, "GW-", "GL-"))
      if (!ReadInternetCounts(text, player, game))
        faults.push_back("player " + Quoted(player) + ", game " + GameSection(game) +
                         ": the games won and lost fail their check");
  return faults;
}

struct RecordFileKind {
  std::string_view name;
  std::uintmax_t maxBytes;
  Faults (*faults)(std::string_view text);
};

constexpr std::array kRecordFiles{
    RecordFileKind{kResultsLogFile, kResultsLogMaxBytes, ResultsLogFaults},
    RecordFileKind{kStatisticsFile, kRecordFileMaxBytes, StatisticsFaults},
    RecordFileKind{kInternetCountsFile, kRecordFileMaxBytes, InternetCountsFaults},
    RecordFileKind{kHighScoreFile, kRecordFileMaxBytes, HighScoreFaults},
    RecordFileKind{kOverallScoreFile, kRecordFileMaxBytes, OverallScoreFaults},
};

const RecordFileKind* KindOf(std::string_view name) {
  for (const RecordFileKind& kind : kRecordFiles)
    if (EqualsIgnoringCase(kind.name, name)) return &kind;
  return nullptr;
}

FileVerdict Check(const UserData& data, const RecordFileKind& kind) {
  FileVerdict verdict;
  verdict.name = kind.name;
  const FileContents contents = data.read(kind.name, kind.maxBytes);
  verdict.status = contents.status;
  switch (contents.status) {
    case ReadStatus::Ok: verdict.faults = kind.faults(contents.data); break;
    case ReadStatus::Missing: break;
    case ReadStatus::TooLarge:
      verdict.faults.push_back("the file is larger than " + std::to_string(kind.maxBytes >> 20) +
                               " MiB, too large to be read");
      break;
    case ReadStatus::Unreadable: verdict.faults.push_back("the file cannot be read"); break;
  }
  return verdict;
}

}  // namespace

std::vector<std::string> RecordFileFaults(std::string_view name, std::string_view text) {
  const RecordFileKind* kind = KindOf(name);
  return kind ? kind->faults(text) : Faults{};
}

FileVerdict CheckRecordFile(const UserData& data, std::string_view name) {
  const RecordFileKind* kind = KindOf(name);
  if (kind) return Check(data, *kind);
  FileVerdict unknown;
  unknown.name = name;
  return unknown;
}

std::vector<FileVerdict> CheckRecordFiles(const UserData& data) {
  std::vector<FileVerdict> verdicts;
  for (const RecordFileKind& kind : kRecordFiles) verdicts.push_back(Check(data, kind));
  return verdicts;
}

}  // namespace velmora
