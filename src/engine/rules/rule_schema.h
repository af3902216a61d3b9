#pragma once
// The meaning of every rule index 0 to 489: a symbolic name, the values the
// engine understands and what the rule does. Game definitions name rules by
// these names, the rule file compiler checks values against the ranges, and
// the command-line tool prints rules by name.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "rules/rule_values.h"

namespace velmora {

inline constexpr int kRuleCount = 490;

// One rule, or a family of per-pile rules at consecutive indices (tableau
// piles, foundations, reserves), numbered from pile 1 in definitions.
struct RuleInfo {
  int first;   // rule index of pile 1 (or of the single rule)
  int count;   // 1 for a single rule
  std::string_view name;
  int min;
  int max;
  std::string_view meaning;
};

// Every entry, in rule index order; together they cover 0 to 489 once.
std::span<const RuleInfo> RuleSchema();

// The entry holding rule `index` (0 to 489).
const RuleInfo& RuleInfoOf(int index);

// The names of the rule's values, or null when it takes plain numbers only.
const ValueKind* ValueKindOf(const RuleInfo& info);

// Whether the rule may hold `value`: within its range, and a value its kind takes.
bool RuleTakes(const RuleInfo& info, int value);

// The entry of a name ("tableau_fill"), matched exactly.
const RuleInfo* FindRule(std::string_view name);

// "stock_deal_count" or "tableau_fill[3]" for a per-pile rule.
std::string RuleName(int index);

// A rule index from a printed name: "tableau_fill[3]" or "stock_deal_count".
std::optional<int> RuleIndexByName(std::string_view name);

}  // namespace velmora
