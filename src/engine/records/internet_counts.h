#pragma once
// "DATA\STAT_UNI.DAT": per player and built-in game, the games won and lost
// that were dealt for the internet single-game statistics, as scrambled,
// checked values.
#include <cstdint>
#include <optional>
#include <string_view>

#include "files/user_data.h"

namespace velmora {

class TMainGame;

inline constexpr std::string_view kInternetCountsFile = "DATA\\STAT_UNI.DAT";
inline constexpr std::string_view kInternetCountsCorrupted =
    "It appears as if the Internet Single Game Values are incorrect or corrupted.\rThe Internet Single Game "
    "Values will be deleted and reset to zero.";

struct InternetCounts {
  std::int64_t won = 0;
  std::int64_t lost = 0;
};

// No value when either entry fails its check.
std::optional<InternetCounts> ReadInternetCounts(std::string_view fileText, std::string_view player, int gameNumber);

// Adds one result (or, with `reset`, takes both counts back to zero); both entries
// change together. A damaged file is moved aside after telling the player.
FileOutcome UpdateInternetCounts(TMainGame& game, int gameNumber, std::string_view player, bool won, bool reset);

}  // namespace velmora
