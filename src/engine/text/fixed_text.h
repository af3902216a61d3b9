#pragma once
// The number and text routines of every fixed-width file and setting:
// zero-padded numbers, trims, padding to a width, plain integer parsing.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The decimal form of n right-aligned in `width` with zeros in front. A negative
// number keeps its minus sign in front of the zeros (-1 in width 4 is "-001");
// a number that does not fit becomes `width` '*' characters.
std::string FormatNumber(std::int64_t n, int width);

std::string_view TrimRight(std::string_view text);  // blanks only
std::string_view TrimLeft(std::string_view text);   // blanks only
std::string_view Trim(std::string_view text);       // blanks and tabs, both ends

// Cuts `text` to `width` bytes, or pads it on the right with blanks, for the
// layouts counted in bytes. A cut never splits a UTF-8 character: the bytes of
// a character that would not fit become blanks. Fields that hold names in
// characters use PadOrCutCharacters (text/utf8.h).
std::string PadOrCut(std::string_view text, std::size_t width);

// The last n characters of text (all of it when shorter).
std::string_view LastChars(std::string_view text, std::size_t n);

// A whole decimal integer: optional blanks, an optional sign, digits, optional
// blanks, nothing else. Empty, stray characters or overflow give no value.
std::optional<std::int64_t> ParseInteger(std::string_view text);

// ASCII letter case folding; the preference file and the data folder match
// names without regard to letter case.
char FoldCase(char c);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
std::string ToLower(std::string_view text);

}  // namespace velmora
