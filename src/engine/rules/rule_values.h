#pragma once
// Names for the values of a rule: what `tableau_building = alternate_colours`
// means instead of a bare 3. Each kind of value (building codes, fill rules,
// deal types, ...) keeps its named constants and this table of names side by
// side in one header, so the engine's switches and the game definitions use
// the same words.
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace velmora {

struct ValueName {
  int value;
  std::string_view name;     // lower_snake_case, as game definitions write it
  std::string_view meaning;  // one short phrase for a player reading the rules
};

// The ranks by name, for every rule that takes a rank.
inline constexpr ValueName kRankNames[] = {
    {1, "ace", "an Ace"},   {2, "two", "a 2"},     {3, "three", "a 3"},   {4, "four", "a 4"},   {5, "five", "a 5"},
    {6, "six", "a 6"},      {7, "seven", "a 7"},   {8, "eight", "an 8"},  {9, "nine", "a 9"},   {10, "ten", "a 10"},
    {11, "jack", "a Jack"}, {12, "queen", "a Queen"}, {13, "king", "a King"},
};

// How the values of a rule are written. A closed kind takes only the values
// of its names; an open kind also takes the plain numbers from `plainLow` to
// `plainHigh` (counts, ranks, card ids), and a kind of ranks takes them by
// name too.
struct ValueKind {
  std::string_view what;  // "a building code", for messages
  std::span<const ValueName> names;
  // Names of another kind for the values `names` leaves out: a reserve's
  // acceptance codes are building codes, some with a meaning of their own.
  std::span<const ValueName> otherwise = {};
  int plainLow = 1, plainHigh = 0;  // none unless set
  bool ranksByName = false;
};

// The entry of `value`, or of `name`, in the kind's names or its rank names.
const ValueName* FindValue(const ValueKind& kind, int value);
const ValueName* FindValue(const ValueKind& kind, std::string_view name);

// Whether the rule may hold `value`: one of the names, or a plain number.
bool KindTakes(const ValueKind& kind, int value);

// Two tables of names as one, for kinds that share names with another.
template <std::size_t A, std::size_t B>
constexpr std::array<ValueName, A + B> JoinNames(const ValueName (&first)[A], const ValueName (&second)[B]) {
  std::array<ValueName, A + B> joined{};
  for (std::size_t k = 0; k < A; ++k) joined[k] = first[k];
  for (std::size_t k = 0; k < B; ++k) joined[A + k] = second[k];
  return joined;
}

}  // namespace velmora
