#include "records/internet_counts.h"

#include <array>

#include "records/keyed_file.h"
#include "records/overall_score.h"
#include "records/player_names.h"
#include "records/scrambled_values.h"
#include "records/statistics_record.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

std::string WonEntry(int gameNumber) { return "GW-" + GameSection(gameNumber); }
std::string LostEntry(int gameNumber) { return "GL-" + GameSection(gameNumber); }

}  // namespace

std::optional<InternetCounts> ReadInternetCounts(std::string_view fileText, std::string_view player, int gameNumber) {
  const std::string wonName = WonEntry(gameNumber);
  const std::string lostName = LostEntry(gameNumber);
  const std::array<std::string_view, 2> names{wonName, lostName};
  const std::array<std::string, 2> defaults{MissingValue(), MissingValue()};
  const auto values = keyed::FindMany(fileText, player, names, defaults);
  const auto won = CheckSixDigits(UnscrambleValue(values[0]), SixDigitLayout::Score, wonName);
  const auto lost = CheckSixDigits(UnscrambleValue(values[1]), SixDigitLayout::Time, lostName);
  if (!won || !lost) return std::nullopt;
  return InternetCounts{*won, *lost};
}

FileOutcome UpdateInternetCounts(TMainGame& game, int gameNumber, std::string_view player, bool won, bool reset) {
  const UserData::UpdateHold hold = game.data().holdForUpdate();
  if (!hold) return hold.outcome();
  KeyedFile file(game.data(), std::string(kInternetCountsFile));
  const auto text = file.load();
  if (!text) return FileOutcome::Failure("Read error on file " + file.name());
  // A reset only removes entries; a count needs a whole name.
  if (!keyed::IsWritableKey(player) || (!reset && !IsAcceptablePlayerName(player)))
    return RefusedName(player, file.name());
  std::string updated = *text;
  const std::string wonName = WonEntry(gameNumber);
  const std::string lostName = LostEntry(gameNumber);
  if (reset) {
    // Missing entries read as zero.
    const std::array<std::string_view, 2> names{wonName, lostName};
    keyed::Remove(updated, player, names);
    return updated == *text ? FileOutcome{} : file.store(updated);
  }
  auto counts = ReadInternetCounts(*text, player, gameNumber);
  if (!counts) return SetAsideCorrupted(game, kInternetCountsFile, kInternetCountsCorrupted);
  ++(won ? counts->won : counts->lost);

  const FillerSource filler = GameFiller(game);
  const std::array<KeyedValue, 2> values{{
      {wonName, ScrambleValue(PlainSixDigits(counts->won, SixDigitLayout::Score, wonName, filler))},
      {lostName, ScrambleValue(PlainSixDigits(counts->lost, SixDigitLayout::Time, lostName, filler))},
  }};
  keyed::Set(updated, player, values);
  return file.store(updated);
}

}  // namespace velmora
