#include "rules/rule_values.h"

#include <algorithm>

namespace velmora {
namespace {

template <typename Matches>
const ValueName* FindIn(const ValueKind& kind, Matches matches) {
  const auto named = std::find_if(kind.names.begin(), kind.names.end(), matches);
  if (named != kind.names.end()) return &*named;
  const auto shadowed = [&kind](const ValueName& entry) {
    return std::any_of(kind.names.begin(), kind.names.end(),
                       [&entry](const ValueName& own) { return own.value == entry.value; });
  };
  const auto other = std::find_if(kind.otherwise.begin(), kind.otherwise.end(),
                                  [&](const ValueName& entry) { return matches(entry) && !shadowed(entry); });
  if (other != kind.otherwise.end()) return &*other;
  if (!kind.ranksByName) return nullptr;
  const auto rank = std::find_if(std::begin(kRankNames), std::end(kRankNames), matches);
  return rank != std::end(kRankNames) ? rank : nullptr;
}

}  // namespace

const ValueName* FindValue(const ValueKind& kind, int value) {
  return FindIn(kind, [value](const ValueName& entry) { return entry.value == value; });
}

const ValueName* FindValue(const ValueKind& kind, std::string_view name) {
  return FindIn(kind, [name](const ValueName& entry) { return entry.name == name; });
}

bool KindTakes(const ValueKind& kind, int value) {
  return (value >= kind.plainLow && value <= kind.plainHigh) || FindValue(kind, value) != nullptr;
}

}  // namespace velmora
