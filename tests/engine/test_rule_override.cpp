// The override of a custom game: field by field conversion, the translation of
// the dialog's choices into rule codes, and fields that are not applied.
#include <gtest/gtest.h>

#include "rules/custom_override.h"

namespace velmora {
namespace {

constexpr int kTableau = 5, kFoundations = 4;

// A base game: 5 tableau piles and 4 foundations with recognisable rules;
// the piles past them must never change.
RuleRecord BaseRules() {
  RuleRecord rules;
  rules[368] = kTableau;
  rules[367] = kFoundations;
  rules[22] = 7;
  rules[15] = 9;
  for (int k = 0; k < 40; ++k) {
    rules[132 + k] = 13;
    rules[172 + k] = 2;
    rules[212 + k] = 4;
  }
  for (int k = 0; k < 16; ++k) {
    rules[68 + k] = 2;
    rules[84 + k] = 4;
  }
  return rules;
}

struct Expected {
  int stockDeal, deals, fill, tableauDirection, tableauBuilding, foundationDirection, foundationBuilding;
};

void ExpectRules(const RuleRecord& rules, const Expected& e, const std::string& label) {
  EXPECT_EQ(rules[22], e.stockDeal) << label;
  EXPECT_EQ(rules[15], e.deals) << label;
  for (int k = 0; k < kTableau; ++k) {
    EXPECT_EQ(rules[132 + k], e.fill) << label << " pile " << k + 1;
    EXPECT_EQ(rules[172 + k], e.tableauDirection) << label << " pile " << k + 1;
    EXPECT_EQ(rules[212 + k], e.tableauBuilding) << label << " pile " << k + 1;
  }
  for (int k = 0; k < kFoundations; ++k) {
    EXPECT_EQ(rules[68 + k], e.foundationDirection) << label << " foundation " << k + 1;
    EXPECT_EQ(rules[84 + k], e.foundationBuilding) << label << " foundation " << k + 1;
  }
  EXPECT_EQ(rules[132 + kTableau], 13) << label << ": a pile not in use keeps its rule";
  EXPECT_EQ(rules[212 + kTableau], 4) << label;
  EXPECT_EQ(rules[84 + kFoundations], 4) << label;
}

TEST(RuleOverrideTest, FieldsAreConvertedAndTranslated) {
  const Expected unchanged{7, 9, 13, 2, 4, 2, 4};
  struct Case {
    std::string override;
    Expected expected;
  } cases[] = {
      // King fill, up in suit everywhere.
      {"00100310000000000", {1, 3, 91, 1, 0, 1, 0}},
      // Any card, down in alternating colours; foundations up or down, in colour.
      {"00300020100102003", {3, 0, -1, 0, 3, 2, 1}},
      // No fill; regardless of suit; any suit but its own.
      {"024-01302002-1004", {24, -1, 0, 2, 2, 2, 21}},
      // "-1" and "-01" leave directions and methods as they are; fill 0 too.
      {"0010020-1-01-1-01", {1, 2, 13, 2, 4, 2, 4}},
      // A stock field that fails leaves both stock rules.
      {"x0100310000000000", {7, 9, 91, 1, 0, 1, 0}},
      // A deals field that fails leaves only the deals.
      {"0010x310000000000", {1, 9, 91, 1, 0, 1, 0}},
      // A failed direction takes the method of its pair with it.
      {"0010031xx00000000", {1, 3, 91, 2, 4, 1, 0}},
      // A failed method leaves the direction of its pair applied.
      {"00100310000000abc", {1, 3, 91, 1, 0, 1, 4}},
      // A fill digit other than 1 to 3 is not applied.
      {"00100390000000000", {1, 3, 13, 1, 0, 1, 0}},
      // A string cut short applies what it holds.
      {"002004", {2, 4, 13, 2, 4, 2, 4}},
      {"", unchanged},
  };
  for (const Case& c : cases) {
    RuleRecord rules = BaseRules();
    ApplyOverride(c.override, rules);
    ExpectRules(rules, c.expected, "\"" + c.override + "\"");
  }
}

TEST(RuleOverrideTest, PileCountsOutsideTheTablesChangeNoOtherRule) {
  RuleRecord rules = BaseRules();
  rules[368] = 300;  // a damaged rule file must not make the override write past the tableau rules
  rules[367] = -4;
  rules[252] = 5;
  ApplyOverride("00100310000000000", rules);
  EXPECT_EQ(rules[171], 91);
  EXPECT_EQ(rules[172], 1);
  EXPECT_EQ(rules[252], 5) << "the wrap flags follow the tableau methods";
  EXPECT_EQ(rules[68], 2) << "no foundations in use";
}

TEST(RuleOverrideTest, ChoicesAreWrittenZeroPaddedWithMinusOne) {
  EXPECT_EQ(FormatOverride({3, -1, 2, -1, -1, 0, 4}), "003-012-1-0100004");
  EXPECT_EQ(FormatOverride({1, 1000, 0, -1, -1, -1, -1}), std::nullopt) << "deals do not fit three digits";
  RuleRecord rules = BaseRules();
  ApplyOverride(*FormatOverride({3, -1, 2, -1, -1, 0, 4}), rules);
  EXPECT_EQ(rules[22], 3);
  EXPECT_EQ(rules[15], -1);
  EXPECT_EQ(rules[132], -1);
  EXPECT_EQ(rules[172], 2);
  EXPECT_EQ(rules[68], 1);
  EXPECT_EQ(rules[84], 21);
}

}  // namespace
}  // namespace velmora
