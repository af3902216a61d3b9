#pragma once
// "DATA\STAT.DAT": one record per game and player - games won and lost, the
// longest and current streaks and the total of the final scores - as a
// 67-character value of seven zero-padded numbers.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/keyed_file.h"

namespace velmora {

inline constexpr std::string_view kStatisticsFile = "DATA\\STAT.DAT";
inline constexpr std::string_view kVersionSection = "Version";

struct StatisticsRecord {
  std::int64_t won = 0;
  std::int64_t lost = 0;
  std::int64_t longestWinning = 0;
  std::int64_t longestLosing = 0;
  std::int64_t currentWinning = 0;
  std::int64_t currentLosing = 0;
  std::int64_t scoreTotal = 0;
  friend bool operator==(const StatisticsRecord&, const StatisticsRecord&) = default;
};

inline constexpr std::size_t kStatisticsValueWidth = 67;

// The section of a game: its number in 4 digits.
std::string GameSection(int gameNumber);

std::string FormatStatistics(const StatisticsRecord& record);
// No value when the text is not a record of that layout.
std::optional<StatisticsRecord> ParseStatistics(std::string_view value);

// The record after one more result; counters stop at the largest number their
// field holds instead of overflowing it.
StatisticsRecord AddResult(StatisticsRecord record, bool won, std::int64_t score);

// A player's record of a game as stored.
enum class RecordRead { Found, Missing, Unreadable };
struct StatisticsLookup {
  RecordRead status = RecordRead::Missing;
  StatisticsRecord record;  // zero unless found
};
StatisticsLookup FindStatistics(std::string_view fileText, int gameNumber, std::string_view player);

// Adds one result to the record of (game, player). A record that cannot be
// read is left as it is and the answer says so.
FileOutcome RecordStatistics(UserData& data, int gameNumber, std::string_view player, bool won, std::int64_t score);

}  // namespace velmora
