#pragma once
// "DATA\STAT_GLO.DAT": per player the overall score - the sum of the player's
// best score in every built-in game - and the overall time of those results,
// with each game's contribution, all as scrambled, checked values.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/user_data.h"
#include "records/scrambled_values.h"

namespace velmora {

class TMainGame;

inline constexpr std::string_view kOverallScoreFile = "DATA\\STAT_GLO.DAT";
inline constexpr std::string_view kOverallScoreCorrupted =
    "It appears as if the Overall Score Values are incorrect or corrupted.\rThe Overall Score Values will be "
    "deleted and reset to zero.";

struct OverallScore {
  OverallTotals totals;
  std::int64_t bestScore = 0;  // of the game asked about
  std::int64_t bestSeconds = 0;
};

// A player's entries in the file's text; no value when any of them fails its
// check or does not read as a number.
std::optional<OverallScore> ReadOverallScore(std::string_view fileText, std::string_view player, int gameNumber);

struct OverallStanding {
  std::string player;
  OverallTotals totals;
};

// Every player's totals, highest score first and, for equal scores, shortest
// time first; no value when any player's totals fail their check.
std::optional<std::vector<OverallStanding>> ReadOverallStandings(std::string_view fileText);

struct OverallScoreUpdate {
  int gameNumber = 0;
  std::string player;
  bool force = false;  // take the game's contribution as given, even when lower
  std::int64_t seconds = 0;
  std::int64_t score = 0;
};

// Puts a better result of a built-in game into the player's overall score
// (the five entries change together). A damaged file is moved aside after
// telling the player and the update is skipped.
FileOutcome UpdateOverallScore(TMainGame& game, const OverallScoreUpdate& update);

// Moves a damaged scrambled file aside with its message; an error when it
// cannot be moved.
FileOutcome SetAsideCorrupted(TMainGame& game, std::string_view fileName, std::string_view message);

// A filler digit 0 to 8 from the game's random source.
FillerSource GameFiller(TMainGame& game);

}  // namespace velmora
