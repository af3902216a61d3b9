#pragma once
// The rule record: the 490 rule values of the current game, and the copy of
// the values a deal rewrites (tableau fill rules, foundation base ranks), so
// that every new deal starts from the rules as loaded.
#include <array>
#include <cstdint>

#include "rules/rule_schema.h"

namespace velmora {

class RuleRecord {
 public:
  std::int16_t operator[](int index) const { return values_[static_cast<std::size_t>(index)]; }
  std::int16_t& operator[](int index) { return values_[static_cast<std::size_t>(index)]; }

  // Sets rules 0 to 488 to 0 before a game is loaded; rule 489 keeps its value.
  void clearForGame();

  // Keeps rules 132 to 171 and 52 to 67 as loaded, and puts them back.
  void saveDealCopy();
  void restoreDealCopy();

  const std::array<std::int16_t, kRuleCount>& values() const { return values_; }

 private:
  static constexpr int kFillFirst = 132, kFillCount = 40;
  static constexpr int kBaseFirst = 52, kBaseCount = 16;

  std::array<std::int16_t, kRuleCount> values_{};
  std::array<std::int16_t, kFillCount> fillCopy_{};
  std::array<std::int16_t, kBaseCount> baseCopy_{};
};

}  // namespace velmora
