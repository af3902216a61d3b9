#include "records/player_names.h"

#include <algorithm>

#include "text/fixed_text.h"
#include "text/utf8.h"

namespace velmora {

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 32 || code == 127;
  });
}

std::optional<std::string> PlayerNameProblem(std::string_view name) {
  if (Trim(name).empty()) return "Please enter at least 1 character.";
  if (!IsValidUtf8(name)) return "A player name must be UTF-8 text.";
  if (CountCharacters(name) > kLongestPlayerName) return "A player name has at most 30 characters.";
  if (name.front() == '[' || name.find('=') != std::string_view::npos || HasControlCharacter(name))
    return "A player name cannot start with \"[\" or hold \"=\" or control characters.";
  return std::nullopt;
}

bool IsAcceptablePlayerName(std::string_view name) { return !PlayerNameProblem(name); }

}  // namespace velmora
