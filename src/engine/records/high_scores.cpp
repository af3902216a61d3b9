#include "records/high_scores.h"

#include <algorithm>
#include <vector>

#include "records/keyed_file.h"
#include "records/overall_score.h"
#include "records/player_names.h"
#include "records/record_clock.h"
#include "records/statistics_record.h"
#include "shell/autoplay_switch.h"
#include "shell/main_game.h"
#include "text/fixed_text.h"
#include "text/utf8.h"

namespace velmora {
namespace {

constexpr std::size_t kEntryBody = 83;
constexpr std::string_view kEntryEnd = " x";
constexpr std::string_view kDefaultDeal = "000000000000000";
constexpr std::int64_t kUnusedScore = -999999;
constexpr std::int64_t kUnusedSeconds = 999999;

constexpr std::array<std::string_view, kHighScoreRanks> kChampions{
    "* Marie", "* Charlie", "* Jim",   "* Karen",  "* Anne",  "* Cliff",    "* Marilyn", "* Bill",  "* Steve", "* Peggy",
    "* Mark",  "* Sue",     "* Barbara", "* Thomas", "* Chris", "* Kevin", "* Michelle", "* Peter", "* Sara", "* Micael"};

constexpr int kRuleCards = 371;
constexpr int kRuleMaximumScore = 49;


struct Standing {
  std::int64_t score;
  std::int64_t seconds;
};

Standing StandingOf(std::string_view value) {
  const auto entry = ParseHighScore(value);
  if (!entry) return {kUnusedScore, kUnusedSeconds};
  return {entry->score, entry->seconds};
}

// The rules that set a game's champions: a custom game takes its base game's.
std::pair<int, int> ChampionRules(TMainGame& game, int gameNumber) {
  const Catalogue& catalogue = game.catalogue();
  const int base = gameNumber >= kFirstCustomGame ? catalogue.CustomGame(gameNumber).base : gameNumber;
  if (const RuleValues* rules = catalogue.ColumnRules(catalogue.GameColumn(base)))
    return {(*rules)[kRuleCards], (*rules)[kRuleMaximumScore]};
  return {game.rules()[kRuleCards], game.rules()[kRuleMaximumScore]};
}

std::vector<KeyedValue> ListValues(const std::vector<std::string>& names, const HighScoreList& list) {
  std::vector<KeyedValue> values;
  for (int rank = 0; rank < kHighScoreRanks; ++rank)
    values.push_back({names[static_cast<std::size_t>(rank)], FullWidthHighScore(list[static_cast<std::size_t>(rank)])});
  return values;
}

std::vector<std::string> ListNames(std::string_view scoringMode) {
  std::vector<std::string> names;
  for (int rank = 1; rank <= kHighScoreRanks; ++rank) names.push_back(HighScoreName(scoringMode, rank));
  return names;
}

bool Eligible(const TMainGame& game) {
  return game.state().word(word::StatisticsDisabled) == 0 && game.state().word(word::FirstMove) != 0;
}

}  // namespace

std::string FormatHighScore(const HighScoreEntry& entry) {
  std::string value;
  value.reserve(kHighScoreWidth);
  value.append(FormatNumber(std::clamp<std::int64_t>(entry.score, -99999, 999999), 6)).append(" ");
  value.append(FormatNumber(std::clamp<std::int64_t>(entry.seconds, 0, 999999), 6)).append(" ");
  value.append(PadOrCutCharacters(entry.date, 8)).append(" ");
  value.append(PadOrCutCharacters(entry.timeOfDay, 8)).append(" ");
  value.append(PadOrCutCharacters(entry.player, kLongestPlayerName)).append(" ");
  value.append(PadOrCutCharacters(entry.dealNumber, 15)).append(" ");
  value.append(entry.won ? "Won " : "Lost");
  value.append(kEntryEnd);
  return value;
}

std::optional<HighScoreEntry> ParseHighScore(std::string_view value) {
  // Positions count characters: a player name of 30 characters fills 30 of them.
  const auto field = [&](std::size_t position, std::size_t width) {
    return FixedWidthField(value, kHighScoreWidth, position - 1, width);
  };
  const auto score = ParseInteger(field(1, 6));
  if (!score) return std::nullopt;
  HighScoreEntry entry;
  entry.score = *score;
  entry.seconds = ParseInteger(field(8, 6)).value_or(0);
  entry.date = field(15, 8);
  entry.timeOfDay = field(24, 8);
  entry.player = TrimRight(field(33, kLongestPlayerName));
  entry.dealNumber = TrimRight(field(64, 15));
  entry.won = field(80, 4) == "Won ";
  return entry;
}

std::string FullWidthHighScore(std::string_view value) {
  // A value of exactly the full width in bytes may be one an earlier version
  // laid out in bytes: it keeps that layout.
  const std::string body =
      value.size() == kHighScoreWidth ? PadOrCut(value, kEntryBody) : PadOrCutCharacters(value, kEntryBody);
  return body + std::string(kEntryEnd);
}

std::string UnusedHighScore() { return FullWidthHighScore(""); }

std::string HighScoreName(std::string_view scoringMode, int rank) {
  return std::string(scoringMode) + "-" + FormatNumber(rank, 2);
}

std::array<std::int64_t, kHighScoreRanks> DefaultChampionScores(int cards, int maximum) {
  std::int64_t c = cards;
  std::int64_t d = 52;
  if (maximum != -1) {
    c = 52;
    if (maximum < 92) d = maximum / 2;
  }
  std::int64_t step = c == 52 ? -3 : -6;
  if (d < 30) step = -2;
  std::array<std::int64_t, kHighScoreRanks> scores{};
  std::int64_t score = c * d / 52;
  for (int rank = 1; rank <= kHighScoreRanks; ++rank) {
    if (rank > 1) score += rank <= 13 ? step : step + 1;
    scores[static_cast<std::size_t>(rank - 1)] = std::max<std::int64_t>(score, 1);
  }
  return scores;
}

HighScoreList DefaultHighScores(int cards, int maximum, std::string_view date, std::string_view timeOfDay) {
  const auto scores = DefaultChampionScores(cards, maximum);
  HighScoreList list;
  for (std::size_t rank = 0; rank < list.size(); ++rank) {
    HighScoreEntry entry{scores[rank], scores[rank] * 5, std::string(date), std::string(timeOfDay),
                         std::string(kChampions[rank]), std::string(kDefaultDeal), true};
    list[rank] = FormatHighScore(entry);
  }
  return list;
}

int RankFor(const HighScoreList& list, std::int64_t score, std::int64_t seconds) {
  for (std::size_t rank = 0; rank < list.size(); ++rank) {
    const Standing standing = StandingOf(list[rank]);
    if (standing.score < score || (standing.score == score && standing.seconds > seconds))
      return static_cast<int>(rank) + 1;
  }
  return 0;
}

HighScoreList FindHighScores(std::string_view fileText, int gameNumber, std::string_view scoringMode) {
  const auto names = ListNames(scoringMode);
  const std::vector<std::string_view> views(names.begin(), names.end());
  const auto values = keyed::FindMany(fileText, GameSection(gameNumber), views, {});
  HighScoreList list;
  std::copy(values.begin(), values.end(), list.begin());
  return list;
}

bool HighScoresCleared(std::string_view fileText) {
  const auto cleared = keyed::Find(fileText, "Clear scores", "Cleared");
  return cleared && *cleared == "Y";
}

namespace {

// The game's list, with its champions when it is empty and may have them;
// true in `.second` when the champions were made now.
std::pair<HighScoreList, bool> ListWithChampions(TMainGame& game, std::string_view fileText, int gameNumber,
                                                 std::string_view scoringMode, const RecordMoment& now) {
  HighScoreList list = FindHighScores(fileText, gameNumber, scoringMode);
  if (!TrimRight(list[0]).empty() || HighScoresCleared(fileText) || !Eligible(game)) return {list, false};
  const auto [cards, maximum] = ChampionRules(game, gameNumber);
  return {DefaultHighScores(cards, maximum, now.date, now.timeOfDay), true};
}

FileOutcome StoreList(KeyedFile& file, std::string text, int gameNumber, std::string_view scoringMode,
                      const HighScoreList& list) {
  const std::vector<std::string> names = ListNames(scoringMode);  // the values' names point into it
  const auto values = ListValues(names, list);
  keyed::Set(text, GameSection(gameNumber), values);
  return file.store(text);
}

std::string HeaderText() { return "[Version]\r\nVersion=0300\r\n"; }

}  // namespace

HighScoreList ReadHighScores(TMainGame& game, int gameNumber, std::string_view scoringMode) {
  KeyedFile file(game.data(), std::string(kHighScoreFile));
  const auto text = file.load();
  if (!text) return {};
  const auto [list, made] = ListWithChampions(game, *text, gameNumber, scoringMode, CurrentMoment());
  if (made && game.state().word(word::StatisticsDisabled) == 0) StoreList(file, *text, gameNumber, scoringMode, list);
  return list;
}

HighScoreInsertion InsertHighScore(TMainGame& game, const HighScoreEntry& entry) {
  HighScoreInsertion insertion;
  if (!Eligible(game)) return insertion;
  const int gameNumber = game.store().gameNumber();
  const std::string scoringMode = game.store().read(store::ScoringMode);
  const UserData::UpdateHold hold = game.data().holdForUpdate();
  if (!hold) return {.outcome = hold.outcome()};
  if (auto header = EnsureRecordHeader(game.data(), kHighScoreFile); !header) {
    insertion.outcome = header;
    return insertion;
  }
  KeyedFile file(game.data(), std::string(kHighScoreFile));
  const auto text = file.load();
  if (!text) {
    insertion.outcome = FileOutcome::Failure("Read error on file " + file.name());
    return insertion;
  }
  if (!IsAcceptablePlayerName(entry.player)) {
    insertion.outcome = RefusedName(entry.player, file.name());
    return insertion;
  }
  auto [list, made] = ListWithChampions(game, *text, gameNumber, scoringMode, {entry.date, entry.timeOfDay});
  insertion.rank = RankFor(list, entry.score, entry.seconds);
  if (insertion.rank > 0) {
    const auto at = list.begin() + (insertion.rank - 1);
    std::move_backward(at, list.end() - 1, list.end());
    *at = FormatHighScore(entry);
  }
  if (made || insertion.rank > 0) insertion.outcome = StoreList(file, *text, gameNumber, scoringMode, list);
  if (!insertion.outcome) {
    insertion.rank = 0;
    return insertion;
  }
  insertion.outcome = UpdateOverallScore(game, {gameNumber, entry.player, false, entry.seconds, entry.score});
  return insertion;
}

FileOutcome EnsureRecordHeader(UserData& data, std::string_view fileName) {
  if (data.exists(fileName)) return {};
  FileOutcome outcome = data.replace(fileName, HeaderText());
  if (!outcome) outcome.message = WriteErrorMessage(fileName, outcome);
  return outcome;
}

}  // namespace velmora
