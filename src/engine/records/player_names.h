#pragma once
// Which player names the record files can hold. A name becomes a section key,
// an entry name and a fixed-width field, so it must not break a line, open a
// section or end an entry name early.
#include <string_view>

namespace velmora {

inline constexpr std::size_t kLongestPlayerName = 30;

// Not empty or blank, at most 30 characters, no control characters, no "="
// and not starting with "[".
bool IsAcceptablePlayerName(std::string_view name);

bool HasControlCharacter(std::string_view text);

}  // namespace velmora
