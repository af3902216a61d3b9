#include "fuzz_targets.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue/catalogue_startup.h"
#include "files/folders.h"
#include "history/game_file.h"
#include "history/saved_game.h"
#include "records/high_scores.h"
#include "records/internet_counts.h"
#include "records/keyed_file.h"
#include "records/overall_score.h"
#include "records/results_log.h"
#include "records/scrambled_values.h"
#include "records/statistics_record.h"
#include "shell/main_game.h"
#include "shell/silent_ui.h"

namespace velmora::fuzz {
namespace {

std::string_view Text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Fails loudly, so that the fuzzer keeps the input.
void Require(bool holds) {
  if (!holds) std::abort();
}

// The game object saved games are checked against: the catalogue of the
// rule file beside the fuzzer, built once. Its data folder is never created,
// so nothing of a player's is read or written.
const TMainGame& CheckingGame() {
  static SilentUi ui;
  static TMainGame game(Folders(DefaultProgramFolder(), DefaultProgramFolder() / "fuzz-data-unused"), ui);
  static const bool loaded = [] {
    if (const auto failure = LoadGameCatalogue(game)) {
      std::fprintf(stderr, "the saved-game reader needs the rule file beside the fuzzer: %s\n", failure->text.c_str());
      return false;
    }
    return true;
  }();
  Require(loaded);
  return game;
}

}  // namespace

void SavedGameReader(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = Text(data, size);
  const GameFileRead read = ReadGameFile(text);
  Require(read.contents.has_value() == read.fault.empty());
  if (read.contents) {
    // What the reader hands out is what a game can take: piles and undo
    // entries of card states, whole snapshots with a log entry each.
    for (const std::string& pile : read.contents->table) Require(IsCardStateString(pile));
    Require(HistoryStack::Consistent(read.contents->undo));
  }
  const TMainGame& game = CheckingGame();
  const SavedGameCheck check = CheckSavedGame(game, text);
  Require(check.contents.has_value() == check.fault.empty());
  // The check only narrows what the reader takes.
  if (check.contents) Require(read.contents && game.catalogue().Knows(check.contents->gameNumber));
}

void KeyedFileReader(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = Text(data, size);
  const std::array<std::string_view, 3> names{"Bob", "01-01", "T01"};
  const std::array<std::string, 3> defaults{"a", "b", "c"};
  for (const std::string& section : keyed::Sections(text)) {
    keyed::FindMany(text, section, names, defaults);
    keyed::Entries(text, section);
  }
  const auto statistics = FindStatistics(text, 1, "Bob");
  if (statistics.status == RecordRead::Found) Require(ParseStatistics(FormatStatistics(statistics.record)).has_value());
  FindHighScores(text, 1, "01");
  HighScoresCleared(text);

  // A written value reads back, whatever the file held before.
  std::string changed(text);
  const KeyedValue value{"Bob", "000001 000002"};
  keyed::Set(changed, "0001", std::span(&value, 1));
  Require(keyed::Find(changed, "0001", "Bob") == "000001 000002");
  const std::array<std::string_view, 1> removed{"Bob"};
  keyed::Remove(changed, "0001", removed);
}

void ResultsLogReader(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = Text(data, size);
  const LogContents log = SplitLog(text);
  for (std::string_view line : log.lines) {
    const auto parsed = ParseLogLine(line);
    Require(parsed.has_value());
    Require(FormatLogLine(*parsed).size() == kLogLineWidth);
  }
}

void ScrambledValueReader(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = Text(data, size);
  ReadOverallScore(text, "Bob", 1);
  ReadInternetCounts(text, "Bob", 1);
  const std::string plain = UnscrambleValue(text);
  Require(ScrambleValue(plain) == text);
  const std::size_t third = plain.size() / 3;
  CheckOverall(std::string_view(plain).substr(0, third), std::string_view(plain).substr(third, third),
               std::string_view(plain).substr(2 * third));
  CheckSixDigits(plain, SixDigitLayout::Score, "GW-0001");
  CheckSixDigits(plain, SixDigitLayout::Time, "");
  ParseHighScore(text);
}

}  // namespace velmora::fuzz
