#pragma once
// Names for the values of a rule: what `tableau_building = alternate_colours`
// means instead of a bare 3. Each kind of value (building codes, fill rules,
// deal types, ...) keeps its named constants and this table of names side by
// side in one header, so the engine's switches and the game definitions use
// the same words.
#include <string_view>

namespace velmora {

struct ValueName {
  int value;
  std::string_view name;     // lower_snake_case, as game definitions write it
  std::string_view meaning;  // one short phrase for a player reading the rules
};

}  // namespace velmora
