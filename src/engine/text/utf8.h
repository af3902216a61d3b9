#pragma once
// Text counted in characters: names are UTF-8, and a fixed-width field of 30
// holds 30 characters whatever their byte length. A byte that does not belong
// to a well-formed UTF-8 sequence counts as one character, as a one-byte code
// page would read it, so files written byte by byte keep their columns.
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF, no sequence cut short.
bool IsValidUtf8(std::string_view text);

std::size_t CountCharacters(std::string_view text);

// Where character `index` (0-based) starts; the text's size when it has fewer.
std::size_t CharacterOffset(std::string_view text, std::size_t index);

// The longest beginning of `text` that is whole characters and at most
// `bytes` long: a cut there never splits a character.
std::size_t WholeCharactersWithin(std::string_view text, std::size_t bytes);

// A field of a fixed-width line laid out in `lineWidth` characters, by its
// first character (0-based) and its width, as bytes of the line. Earlier
// versions laid these lines out in bytes: a line of exactly `lineWidth` bytes
// is read by bytes (the same thing for ASCII text), any other by characters.
struct FieldSpan {
  std::size_t begin = 0;
  std::size_t length = 0;
};
FieldSpan FixedWidthSpan(std::string_view line, std::size_t lineWidth, std::size_t first, std::size_t width);
std::string_view FixedWidthField(std::string_view line, std::size_t lineWidth, std::size_t first, std::size_t width);
// Whether the line is `lineWidth` wide in either reading.
bool HasFixedWidth(std::string_view line, std::size_t lineWidth);

// Cut to `width` characters, or padded with blanks to `width` characters.
std::string PadOrCutCharacters(std::string_view text, std::size_t width);

// One code point per character. A byte outside a well-formed sequence becomes
// U+DC80 to U+DCFF (code points UTF-8 text never holds), and encoding turns it
// back into that byte, so any text survives the round trip unchanged.
std::u32string DecodeCharacters(std::string_view text);
std::string EncodeCharacters(std::u32string_view text);

}  // namespace velmora
