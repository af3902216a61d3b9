#pragma once
// How the `Preference` keys of the preference file fill the configuration
// store at start-up: one row per key, in the order they are copied, with the
// value each falls back to when the key is missing or out of range.
#include <cstdint>
#include <span>
#include <string_view>

#include "shell/store_items.h"

namespace velmora {

class ConfigStore;
class IniDocument;

enum class PreferenceKind {
  Switch,        // "Y" or "N"
  Choice,        // one character of `choices`
  Number,        // a decimal number within [min, max], stored as is
  PaddedNumber,  // a decimal number within [min, max], zero-padded to the width
  Text,          // any text that fits the width
};

struct PreferenceBinding {
  std::string_view key;
  StoreItem item;
  PreferenceKind kind;
  std::string_view fallback;
  std::string_view choices = {};
  std::int64_t min = 0;
  std::int64_t max = 0;
};

inline constexpr std::string_view kPreferenceSection = "Preference";

// The rows of the table, in copying order.
std::span<const PreferenceBinding> PreferenceBindings();

// The binding of one key, matched without regard to letter case.
const PreferenceBinding* FindPreferenceBinding(std::string_view key);

// The stored form of the key's value: the fallback when the key is missing,
// not of its kind or out of range.
std::string PreferenceValue(const IniDocument& file, const PreferenceBinding& binding);

}  // namespace velmora
