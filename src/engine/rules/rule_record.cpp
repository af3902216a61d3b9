#include "rules/rule_record.h"

#include <algorithm>

namespace velmora {

void RuleRecord::clearForGame() { std::fill(values_.begin(), values_.end() - 1, std::int16_t{0}); }

void RuleRecord::saveDealCopy() {
  std::copy_n(values_.begin() + kFillFirst, kFillCount, fillCopy_.begin());
  std::copy_n(values_.begin() + kBaseFirst, kBaseCount, baseCopy_.begin());
}

void RuleRecord::restoreDealCopy() {
  std::copy(fillCopy_.begin(), fillCopy_.end(), values_.begin() + kFillFirst);
  std::copy(baseCopy_.begin(), baseCopy_.end(), values_.begin() + kBaseFirst);
}

}  // namespace velmora
