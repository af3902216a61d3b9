#include "text/fixed_text.h"

#include <algorithm>
#include <charconv>

#include "text/utf8.h"

namespace velmora {

std::string FormatNumber(std::int64_t n, int width) {
  if (width <= 0) return {};
  const bool negative = n < 0;
  // Work on the magnitude as unsigned so that INT64_MIN formats too.
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
  const std::string digits = std::to_string(magnitude);
  const std::size_t needed = digits.size() + (negative ? 1 : 0);
  if (needed > static_cast<std::size_t>(width)) return std::string(static_cast<std::size_t>(width), '*');
  std::string out;
  out.reserve(static_cast<std::size_t>(width));
  if (negative) out.push_back('-');
  out.append(static_cast<std::size_t>(width) - needed, '0');
  out += digits;
  return out;
}

std::string_view TrimRight(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

std::string_view TrimLeft(std::string_view text) {
  const auto begin = text.find_first_not_of(' ');
  return begin == std::string_view::npos ? std::string_view{} : text.substr(begin);
}

std::string_view Trim(std::string_view text) {
  constexpr std::string_view blanks = " \t";
  const auto begin = text.find_first_not_of(blanks);
  if (begin == std::string_view::npos) return {};
  const auto end = text.find_last_not_of(blanks);
  return text.substr(begin, end - begin + 1);
}

std::string PadOrCut(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, WholeCharactersWithin(text, width)));
  out.resize(width, ' ');
  return out;
}

std::string_view LastChars(std::string_view text, std::size_t n) {
  return n >= text.size() ? text : text.substr(text.size() - n);
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

std::string ToLower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), FoldCase);
  return out;
}

}  // namespace velmora
