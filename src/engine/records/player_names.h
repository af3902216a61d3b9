#pragma once
// Which player names the record files can hold. A name becomes a section key,
// an entry name and a fixed-width field, so it must not break a line, open a
// section or end an entry name early; it is UTF-8 text and fits its fields of
// 30 characters whole, for a name cut to fit would merge with every other
// name that starts the same way.
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::size_t kLongestPlayerName = 30;  // characters

// Why the records cannot hold the name, as the message for the player: blank,
// not UTF-8 text, more than 30 characters, control characters, a "=" or a
// leading "[". No value for a name they can hold.
std::optional<std::string> PlayerNameProblem(std::string_view name);
bool IsAcceptablePlayerName(std::string_view name);

bool HasControlCharacter(std::string_view text);

}  // namespace velmora
