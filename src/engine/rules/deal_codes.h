#pragma once
// The codes that shape a deal: the deal type (rule 34), the pre-fill code of
// each foundation and the base-card rule of the foundations.
#include "rules/rule_values.h"

namespace velmora {

namespace deal_type {
inline constexpr int Plain = 0;
}  // namespace deal_type

namespace prefill {
inline constexpr int Nothing = 0;
}  // namespace prefill

namespace base_card_rule {
inline constexpr int Nothing = 0;
}  // namespace base_card_rule

inline constexpr ValueName kDealTypeNames[] = {
    {deal_type::Plain, "plain", "no special step"},
};
inline constexpr ValueName kPrefillNames[] = {
    {prefill::Nothing, "nothing", "no card"},
};
inline constexpr ValueName kBaseCardRuleNames[] = {
    {base_card_rule::Nothing, "nothing", "no base card"},
};

}  // namespace velmora
