#include "records/scrambled_values.h"

#include <algorithm>
#include <array>

#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kKey = "62817";
constexpr std::string_view kCheckPrefix = "0600";
constexpr int kOverallDigits = 12;
constexpr std::size_t kMissingWidth = 30;

std::string Shift(std::string_view text, int direction) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const int key = static_cast<unsigned char>(kKey[i % kKey.size()]);
    out[i] = static_cast<char>((static_cast<unsigned char>(out[i]) + direction * key + 256) % 256);
  }
  return out;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::int64_t> Digits(std::string_view text) {
  if (!AllDigits(text)) return std::nullopt;
  return ParseInteger(text);
}

// The digits of a plain text at every second position from `first` (1-based).
std::optional<std::int64_t> SpacedDigits(std::string_view plain, std::size_t first, int count) {
  std::string digits;
  for (int i = 0; i < count; ++i) {
    const std::size_t at = first - 1 + 2 * static_cast<std::size_t>(i);
    if (at >= plain.size()) return std::nullopt;
    digits += plain[at];
  }
  return Digits(digits);
}

std::string Overall(std::int64_t value, std::size_t leading, std::size_t trailing, const FillerSource& filler) {
  const std::string digits = FormatNumber(std::clamp<std::int64_t>(value, 0, 999999999999), kOverallDigits);
  std::string plain;
  for (std::size_t i = 0; i < leading; ++i) plain += filler();
  for (char digit : digits) {
    plain += digit;
    plain += filler();
  }
  for (std::size_t i = 0; i < trailing; ++i) plain += filler();
  return plain;
}

// Where the three pairs of digits of a six-digit entry start (0-based).
std::array<std::size_t, 3> PairStarts(SixDigitLayout layout) {
  return layout == SixDigitLayout::Score ? std::array<std::size_t, 3>{1, 4, 7} : std::array<std::size_t, 3>{2, 5, 8};
}

constexpr std::size_t kSixDigitBody = 10;
constexpr int kCheckWidth = 6;

std::int64_t SixDigitCheck(std::string_view body, std::string_view checkedName) {
  return CheckValue(std::string(checkedName) + std::string(body));
}

}  // namespace

std::string ScrambleValue(std::string_view plain) { return Shift(plain, 1); }
std::string UnscrambleValue(std::string_view scrambled) { return Shift(scrambled, -1); }

std::int64_t CheckValue(std::string_view text) {
  std::int64_t sum = 0;
  for (std::size_t index = 0; index < text.size(); ++index) {
    const std::int64_t i = static_cast<std::int64_t>(index) + 1;
    const std::int64_t a = static_cast<unsigned char>(text[index]);
    sum += a + a * i / 2 + (i + a) % 3 + i;
  }
  return sum;
}

std::string MissingValue() { return ScrambleValue(std::string(kMissingWidth, '0')); }
std::string MissingCheckEntry() { return ScrambleValue(std::string(kCheckPrefix) + std::string(kMissingWidth, '0')); }

std::string PlainOverallScore(std::int64_t score, const FillerSource& filler) { return Overall(score, 2, 2, filler); }
std::string PlainOverallTime(std::int64_t seconds, const FillerSource& filler) { return Overall(seconds, 1, 3, filler); }

std::string PlainOverallCheck(std::string_view plainScore, std::string_view plainTime) {
  const std::string checked = std::string(kCheckPrefix) + std::string(plainScore) + std::string(plainTime);
  return std::string(kCheckPrefix) + FormatNumber(CheckValue(checked), 8);
}

std::optional<std::int64_t> ReadOverallScore(std::string_view plain) { return SpacedDigits(plain, 3, kOverallDigits); }
std::optional<std::int64_t> ReadOverallTime(std::string_view plain) { return SpacedDigits(plain, 2, kOverallDigits); }

std::optional<OverallTotals> CheckOverall(std::string_view plainScore, std::string_view plainTime,
                                          std::string_view plainCheck) {
  const auto score = ReadOverallScore(plainScore);
  const auto seconds = ReadOverallTime(plainTime);
  if (!score || !seconds || plainCheck.size() < 12) return std::nullopt;
  const auto stored = Digits(plainCheck.substr(4, 8));
  if (!stored) return std::nullopt;
  if (*score != 0 || *seconds != 0 || *stored != 0) {
    if (PlainOverallCheck(plainScore, plainTime) != std::string(kCheckPrefix) + FormatNumber(*stored, 8))
      return std::nullopt;
  }
  return OverallTotals{*score, *seconds};
}

std::string PlainSixDigits(std::int64_t value, SixDigitLayout layout, std::string_view checkedName,
                           const FillerSource& filler) {
  const std::string digits = FormatNumber(std::clamp<std::int64_t>(value, 0, 999999), 6);
  std::string body;
  for (std::size_t i = 0; i < kSixDigitBody; ++i) body += filler();
  const auto starts = PairStarts(layout);
  for (std::size_t pair = 0; pair < starts.size(); ++pair) body.replace(starts[pair], 2, digits.substr(2 * pair, 2));
  return body + FormatNumber(SixDigitCheck(body, checkedName), kCheckWidth);
}

std::optional<std::int64_t> CheckSixDigits(std::string_view plain, SixDigitLayout layout,
                                           std::string_view checkedName) {
  if (plain.size() < kSixDigitBody + kCheckWidth) return std::nullopt;
  std::string digits;
  for (std::size_t start : PairStarts(layout)) digits.append(plain.substr(start, 2));
  const auto value = Digits(digits);
  const auto stored = Digits(plain.substr(kSixDigitBody, kCheckWidth));
  if (!value || !stored) return std::nullopt;
  if ((*value != 0 || *stored != 0) && SixDigitCheck(plain.substr(0, kSixDigitBody), checkedName) != *stored)
    return std::nullopt;
  return value;
}

}  // namespace velmora
