#include "records/overall_score.h"

#include <algorithm>
#include <array>
#include <random>

#include "records/keyed_file.h"
#include "records/player_names.h"
#include "records/statistics_record.h"
#include "shell/autoplay_switch.h"
#include "shell/main_game.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kScoreEntry = "T01";
constexpr std::string_view kTimeEntry = "T02";
constexpr std::string_view kCheckEntry = "T03";

std::string PerGameEntry(std::string_view prefix, int gameNumber) { return std::string(prefix) + GameSection(gameNumber); }

bool Beats(const OverallScoreUpdate& update, const OverallScore& stored) {
  if (update.force) return update.score != stored.bestScore || update.seconds != stored.bestSeconds;
  if (update.score <= 0) return false;
  return update.score > stored.bestScore ||
         (update.score == stored.bestScore && update.seconds < stored.bestSeconds);
}

}  // namespace

FillerSource GameFiller(TMainGame& game) {
  return [&game] { return static_cast<char>('0' + std::uniform_int_distribution<int>(0, 8)(game.random())); };
}

std::optional<OverallScore> ReadOverallScore(std::string_view fileText, std::string_view player, int gameNumber) {
  const std::string bestName = PerGameEntry("GS-", gameNumber);
  const std::string timeName = PerGameEntry("GT-", gameNumber);
  const std::array<std::string_view, 5> names{kScoreEntry, kTimeEntry, kCheckEntry, bestName, timeName};
  const std::array<std::string, 5> defaults{MissingValue(), MissingValue(), MissingCheckEntry(), MissingValue(),
                                            MissingValue()};
  const auto values = keyed::FindMany(fileText, player, names, defaults);
  const auto totals = CheckOverall(UnscrambleValue(values[0]), UnscrambleValue(values[1]), UnscrambleValue(values[2]));
  const auto best = CheckSixDigits(UnscrambleValue(values[3]), SixDigitLayout::Score, "");
  const auto seconds = CheckSixDigits(UnscrambleValue(values[4]), SixDigitLayout::Time, "");
  if (!totals || !best || !seconds) return std::nullopt;
  return OverallScore{*totals, *best, *seconds};
}

std::optional<std::vector<OverallStanding>> ReadOverallStandings(std::string_view fileText) {
  std::vector<OverallStanding> standings;
  for (std::string& player : keyed::Sections(fileText)) {
    const auto values = keyed::FindMany(fileText, player, std::array<std::string_view, 3>{kScoreEntry, kTimeEntry, kCheckEntry},
                                        std::array<std::string, 3>{MissingValue(), MissingValue(), MissingCheckEntry()});
    const auto totals = CheckOverall(UnscrambleValue(values[0]), UnscrambleValue(values[1]), UnscrambleValue(values[2]));
    if (!totals) return std::nullopt;
    standings.push_back({std::move(player), *totals});
  }
  std::stable_sort(standings.begin(), standings.end(), [](const OverallStanding& a, const OverallStanding& b) {
    return a.totals.score != b.totals.score ? a.totals.score > b.totals.score : a.totals.seconds < b.totals.seconds;
  });
  return standings;
}

FileOutcome SetAsideCorrupted(TMainGame& game, std::string_view fileName, std::string_view message) {
  game.ui().showMessage("Velmora 2001", message, GameUi::Icon::Warning);
  if (!game.data().moveAside(fileName))
    return FileOutcome::Failure("Error in renaming the file: " + std::string(fileName));
  return {};
}

FileOutcome UpdateOverallScore(TMainGame& game, const OverallScoreUpdate& update) {
  if (update.gameNumber < 0 || update.gameNumber >= kFirstCustomGame || update.score < 0) return {};
  const UserData::UpdateHold hold = game.data().holdForUpdate();
  if (!hold) return hold.outcome();
  KeyedFile file(game.data(), std::string(kOverallScoreFile));
  // Taking a contribution out (force) only touches a name already in the file,
  // even one an earlier version wrote cut short; a new result needs a whole name.
  if (!keyed::IsWritableKey(update.player) || (!update.force && !IsAcceptablePlayerName(update.player)))
    return RefusedName(update.player, file.name());
  const auto text = file.load();
  if (!text) return FileOutcome::Failure("Read error on file " + file.name());
  const auto stored = ReadOverallScore(*text, update.player, update.gameNumber);
  if (!stored) return SetAsideCorrupted(game, kOverallScoreFile, kOverallScoreCorrupted);
  if (!Beats(update, *stored)) return {};

  const FillerSource filler = GameFiller(game);
  const std::int64_t score = stored->totals.score + update.score - stored->bestScore;
  const std::int64_t seconds = stored->totals.seconds + update.seconds - stored->bestSeconds;
  const std::string plainScore = PlainOverallScore(score, filler);
  const std::string plainTime = PlainOverallTime(seconds, filler);
  const std::string bestName = PerGameEntry("GS-", update.gameNumber);
  const std::string timeName = PerGameEntry("GT-", update.gameNumber);
  const std::array<KeyedValue, 5> values{{
      {kScoreEntry, ScrambleValue(plainScore)},
      {kTimeEntry, ScrambleValue(plainTime)},
      {kCheckEntry, ScrambleValue(PlainOverallCheck(plainScore, plainTime))},
      {bestName, ScrambleValue(PlainSixDigits(update.score, SixDigitLayout::Score, "", filler))},
      {timeName, ScrambleValue(PlainSixDigits(update.seconds, SixDigitLayout::Time, "", filler))},
  }};
  std::string updated = *text;
  keyed::Set(updated, update.player, values);
  return file.store(updated);
}

}  // namespace velmora
