#pragma once
// The scrambled values of the overall score ("STAT_GLO.DAT") and of the
// internet single-game counts ("STAT_UNI.DAT"): digits mixed with random
// filler digits, guarded by check values, and shifted by the key "62817".
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// A source of filler digits 0 to 8.
using FillerSource = std::function<char()>;

std::string ScrambleValue(std::string_view plain);
std::string UnscrambleValue(std::string_view scrambled);

// The sum over the characters (position i from 1, code a) of
// a + a * i / 2 + (i + a) % 3 + i.
std::int64_t CheckValue(std::string_view text);

// What a missing entry reads as, scrambled.
std::string MissingValue();
std::string MissingCheckEntry();  // "T03"

// The overall score and time ("T01", "T02") and their check ("T03").
std::string PlainOverallScore(std::int64_t score, const FillerSource& filler);
std::string PlainOverallTime(std::int64_t seconds, const FillerSource& filler);
std::string PlainOverallCheck(std::string_view plainScore, std::string_view plainTime);
std::optional<std::int64_t> ReadOverallScore(std::string_view plain);
std::optional<std::int64_t> ReadOverallTime(std::string_view plain);

struct OverallTotals {
  std::int64_t score = 0;
  std::int64_t seconds = 0;
};
// Reads the plain "T01", "T02" and "T03"; no value when a number is
// unreadable or the check fails.
std::optional<OverallTotals> CheckOverall(std::string_view plainScore, std::string_view plainTime,
                                          std::string_view plainCheck);

// The six-digit entries. The score and won layouts carry the digits at
// positions 2-3, 5-6, 8-9; the time and lost layouts at 3-4, 6-7, 9-10. The
// won and lost entries' check also covers the entry's name.
enum class SixDigitLayout { Score, Time };
std::string PlainSixDigits(std::int64_t value, SixDigitLayout layout, std::string_view checkedName,
                           const FillerSource& filler);
// The value when it reads and passes its check.
std::optional<std::int64_t> CheckSixDigits(std::string_view plain, SixDigitLayout layout, std::string_view checkedName);

}  // namespace velmora
