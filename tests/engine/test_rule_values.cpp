// The names of rule values: each rule with named values knows its kind, the
// names stay inside the rule's range, and a closed kind takes no other number.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rules/rule_schema.h"

namespace velmora {
namespace {

TEST(RuleValuesTest, EveryNameIsAValueOfItsRuleAndUniqueInItsKind) {
  for (const RuleInfo& info : RuleSchema()) {
    const ValueKind* kind = ValueKindOf(info);
    if (kind == nullptr) continue;
    std::set<std::string_view> names;
    for (const ValueName& entry : kind->names) {
      EXPECT_TRUE(RuleTakes(info, entry.value)) << info.name << ": " << entry.name << " = " << entry.value;
      EXPECT_TRUE(names.insert(entry.name).second) << info.name << ": " << entry.name << " twice";
      EXPECT_FALSE(entry.meaning.empty()) << info.name << ": " << entry.name;
      if (kind->ranksByName) {
        for (const ValueName& rank : kRankNames) EXPECT_NE(entry.name, rank.name) << info.name;
      }
    }
  }
}

TEST(RuleValuesTest, ARuleTakesItsNamesAndPlainNumbersOnly) {
  struct Case {
    std::string_view rule;
    int value;
    bool taken;
  } cases[] = {
      {"tableau_fill", 13, true},          // a rank
      {"tableau_fill", -1, true},          // any_card
      {"tableau_fill", 91, true},          // one_below_base
      {"tableau_fill", 86, true},          // a letter code
      {"tableau_fill", 50, false},         // in range, but neither a rank nor a name
      {"tableau_fill", 89, false},         // a letter without a rule
      {"foundation_base_rank", 0, true},   // none
      {"foundation_base_rank", 14, false},
      {"tableau_direction", 2, true},
      {"tableau_wrap", 2, true},
      {"tableau_unit_size", 0, true},      // counts
      {"tableau_unit_size", 104, true},
      {"tableau_unit_size", -7, true},     // free_cells_doubled
      {"tableau_unit_size", -2, false},    // a negative code without a name
      {"tableau_unit_size", -17, false},   // out of range
      {"reserve_take", -12, false},
      {"deals", -1, true},
      {"deals", 7, true},
      {"unit_sequence_check", 5, false},
      {"stock_deal_count", 3, true},       // no names: the range alone
  };
  for (const Case& c : cases) {
    const RuleInfo* info = FindRule(c.rule);
    ASSERT_NE(info, nullptr) << c.rule;
    EXPECT_EQ(RuleTakes(*info, c.value), c.taken) << c.rule << " = " << c.value;
  }
}

TEST(RuleValuesTest, RanksAreNamedWhereARuleTakesARank) {
  const ValueKind& fill = *ValueKindOf(*FindRule("tableau_fill"));
  ASSERT_NE(FindValue(fill, "king"), nullptr);
  EXPECT_EQ(FindValue(fill, "king")->value, 13);
  EXPECT_EQ(FindValue(fill, 1)->name, "ace");
  EXPECT_EQ(FindValue(fill, -1)->name, "any_card");
  const ValueKind& direction = *ValueKindOf(*FindRule("tableau_direction"));
  EXPECT_EQ(FindValue(direction, "king"), nullptr) << "a direction is no rank";
  EXPECT_EQ(FindValue(direction, 13), nullptr);
}

}  // namespace
}  // namespace velmora
