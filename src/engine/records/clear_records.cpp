#include "records/clear_records.h"

#include <set>
#include <vector>

#include "records/high_scores.h"
#include "records/internet_counts.h"
#include "records/keyed_file.h"
#include "records/overall_score.h"
#include "records/results_log.h"
#include "records/statistics_record.h"
#include "shell/main_game.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kClearScoresSection = "Clear scores";
constexpr std::string_view kHeader = "[Version]\r\nVersion=0300\r\n";

ClearResult Failed(const FileOutcome& outcome) { return {false, outcome.message}; }
ClearResult ReadFailed(std::string_view file) { return {false, "Read error on file " + std::string(file)}; }

bool IsRecordSection(std::string_view key) { return key != kVersionSection && key != kClearScoresSection; }

// The game sections of a keyed file that the scope covers.
std::vector<std::string> GameSections(std::string_view text, const RecordScope& scope) {
  if (scope.gameNumber) return {GameSection(*scope.gameNumber)};
  std::vector<std::string> sections;
  for (std::string& key : keyed::Sections(text))
    if (IsRecordSection(key)) sections.push_back(std::move(key));
  return sections;
}

bool InScope(const RecordScope& scope, std::string_view player) {
  return !scope.player || TrimRight(*scope.player) == TrimRight(player);
}

std::string ZeroedStatistics(std::string text, const RecordScope& scope) {
  const std::string zero = FormatStatistics({});
  for (const std::string& section : GameSections(text, scope)) {
    std::vector<KeyedValue> zeroed;
    const auto entries = keyed::Entries(text, section);
    std::vector<std::string> names;
    for (const auto& [name, value] : entries)
      if (InScope(scope, name)) names.push_back(name);
    for (const std::string& name : names) zeroed.push_back({name, zero});
    keyed::Set(text, section, zeroed);
  }
  return text;
}

// Removes the won and lost counts of the scope's games from the scope's players.
std::string WithoutInternetCounts(std::string text, const RecordScope& scope) {
  for (const std::string& player : keyed::Sections(text)) {
    if (!InScope(scope, player)) continue;
    std::vector<std::string> names;
    for (const auto& [name, value] : keyed::Entries(text, player)) {
      const bool counted = name.starts_with("GW-") || name.starts_with("GL-");
      if (counted && (!scope.gameNumber || name.substr(3) == GameSection(*scope.gameNumber))) names.push_back(name);
    }
    const std::vector<std::string_view> views(names.begin(), names.end());
    keyed::Remove(text, player, views);
  }
  return text;
}

bool ConcernsSession(TMainGame& game, const RecordScope& scope) {
  return !scope.gameNumber || !scope.player || *scope.gameNumber == game.store().gameNumber();
}

FileOutcome Store(UserData& data, std::string_view name, std::string_view text) {
  KeyedFile file(data, std::string(name));
  return file.store(text);
}

FileOutcome RemoveFile(UserData& data, std::string_view name) {
  if (data.remove(name) == RemoveStatus::Failed)
    return FileOutcome::Failure("Error in deleting the file: " + std::string(name));
  return {};
}

ClearResult ClearEveryStatistic(TMainGame& game) {
  UserData& data = game.data();
  if (auto stored = Store(data, kStatisticsFile, kHeader); !stored) return Failed(stored);
  if (auto removed = RemoveFile(data, kInternetCountsFile); !removed) return Failed(removed);
  if (auto removed = RemoveFile(data, kResultsLogFile); !removed) return Failed(removed);
  return {true, {}};
}

ClearResult ClearSomeStatistics(TMainGame& game, const RecordScope& scope) {
  UserData& data = game.data();
  const auto statistics = KeyedFile(data, std::string(kStatisticsFile)).load();
  if (!statistics) return ReadFailed(kStatisticsFile);
  const auto counts = KeyedFile(data, std::string(kInternetCountsFile)).load();
  if (!counts) return ReadFailed(kInternetCountsFile);
  // Every new text is made before the first file changes.
  const std::string zeroed = ZeroedStatistics(*statistics, scope);
  const std::string uncounted = WithoutInternetCounts(*counts, scope);
  if (zeroed != *statistics)
    if (auto stored = Store(data, kStatisticsFile, zeroed); !stored) return Failed(stored);
  if (uncounted != *counts)
    if (auto stored = Store(data, kInternetCountsFile, uncounted); !stored) return Failed(stored);
  if (auto removed = RemoveLogLines(data, scope.gameNumber, scope.player); !removed) return Failed(removed);
  return {true, {}};
}

// The list without the scope's players; the removed players' names.
std::set<std::string> RemovePlayers(HighScoreList& list, const RecordScope& scope) {
  std::set<std::string> removed;
  HighScoreList kept;
  std::size_t next = 0;
  for (const std::string& value : list) {
    const auto entry = ParseHighScore(value);
    if (entry && InScope(scope, entry->player)) {
      removed.insert(entry->player);
      continue;
    }
    if (entry) kept[next++] = value;
  }
  for (std::size_t rank = 0; rank < kept.size(); ++rank) kept[rank] = FullWidthHighScore(kept[rank]);
  list = kept;
  return removed;
}

ClearResult ClearEveryHighScore(TMainGame& game) {
  UserData& data = game.data();
  const std::string cleared = std::string(kHeader) + "\r\n[Clear scores]\r\nCleared=Y\r\n";
  if (auto stored = Store(data, kHighScoreFile, cleared); !stored) return Failed(stored);
  if (auto removed = RemoveFile(data, kOverallScoreFile); !removed) return Failed(removed);
  return {true, {}};
}

ClearResult ClearSomeHighScores(TMainGame& game, const RecordScope& scope) {
  UserData& data = game.data();
  const auto text = KeyedFile(data, std::string(kHighScoreFile)).load();
  if (!text) return ReadFailed(kHighScoreFile);
  const std::string mode = game.store().read(store::ScoringMode);
  std::string updated = *text;
  std::vector<std::pair<int, std::set<std::string>>> contributions;
  for (const std::string& section : GameSections(*text, scope)) {
    const auto number = ParseInteger(section);
    if (!number) continue;
    HighScoreList list = FindHighScores(updated, static_cast<int>(*number), mode);
    std::set<std::string> removed = RemovePlayers(list, scope);
    if (removed.empty()) continue;
    std::vector<std::string> names;
    for (int rank = 1; rank <= kHighScoreRanks; ++rank) names.push_back(HighScoreName(mode, rank));
    std::vector<KeyedValue> values;
    for (std::size_t i = 0; i < names.size(); ++i) values.push_back({names[i], list[i]});
    keyed::Set(updated, section, values);
    contributions.emplace_back(static_cast<int>(*number), std::move(removed));
  }
  if (updated != *text)
    if (auto stored = Store(data, kHighScoreFile, updated); !stored) return Failed(stored);
  for (const auto& [number, players] : contributions)
    for (const std::string& player : players)
      if (auto taken = UpdateOverallScore(game, {number, player, true, 0, 0}); !taken) return Failed(taken);
  return {true, {}};
}

ClearResult Succeeded(ClearResult result, std::string_view message) {
  if (result.ok) result.message = message;
  return result;
}

}  // namespace

ClearResult ClearStatistics(TMainGame& game, const RecordScope& scope) {
  const UserData::UpdateHold hold = game.data().holdForUpdate();
  if (!hold) return Failed(hold.outcome());
  const bool everything = !scope.gameNumber && !scope.player;
  ClearResult result = everything ? ClearEveryStatistic(game) : ClearSomeStatistics(game, scope);
  if (result.ok && ConcernsSession(game, scope)) game.store().resetSessionCounters();
  return Succeeded(result, "Statistics have been cleared.");
}

ClearResult ClearHighScores(TMainGame& game, const RecordScope& scope) {
  const UserData::UpdateHold hold = game.data().holdForUpdate();
  if (!hold) return Failed(hold.outcome());
  const bool everything = !scope.gameNumber && !scope.player;
  return Succeeded(everything ? ClearEveryHighScore(game) : ClearSomeHighScores(game, scope),
                   "Hi-Scores have been cleared.");
}

ClearResult ClearAllValues(TMainGame& game) {
  const UserData::UpdateHold hold = game.data().holdForUpdate();
  if (!hold) return Failed(hold.outcome());
  if (ClearResult result = ClearStatistics(game, {}); !result.ok) return result;
  if (ClearResult result = ClearHighScores(game, {}); !result.ok) return result;
  if (game.recordSeams().clearSeriesScores)
    if (auto cleared = game.recordSeams().clearSeriesScores(); !cleared) return Failed(cleared);
  return {true, "Statistics, Hi-Scores, Log, Overall Score and Series have been cleared."};
}

ClearResult TrimResultsLog(TMainGame& game, std::size_t keep) {
  const UserData::UpdateHold hold = game.data().holdForUpdate();
  if (!hold) return Failed(hold.outcome());
  const FileOutcome trimmed = TrimLog(game.data(), keep);
  if (!trimmed) return Failed(trimmed);
  return {true, "Log Statistics have been cleared."};
}

ClearResult ClearResultsLog(TMainGame& game) {
  const UserData::UpdateHold hold = game.data().holdForUpdate();
  if (!hold) return Failed(hold.outcome());
  const FileOutcome cleared = ClearLog(game.data());
  if (!cleared) return Failed(cleared);
  return {true, "Log Statistics have been cleared."};
}

}  // namespace velmora
