#include "records/player_names.h"

#include <algorithm>

#include "text/fixed_text.h"

namespace velmora {

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 32 || code == 127;
  });
}

bool IsAcceptablePlayerName(std::string_view name) {
  return !Trim(name).empty() && name.size() <= kLongestPlayerName && name.front() != '[' &&
         name.find('=') == std::string_view::npos && !HasControlCharacter(name);
}

}  // namespace velmora
