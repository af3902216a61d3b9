#pragma once
// The override of a custom game: 17 characters of zero-padded numbers that
// change a few rules of its built-in base game. Each field is converted on
// its own; a field that does not convert, or a direction or method of -1, is
// not applied.
//
//   1-3   cards dealt by one press on the stock  -> stock_deal_count (22)
//   4-6   deals in all                            -> deals (15)
//   7     empty tableau pile: 1 King (or one rank below the base card),
//         2 any card, 3 none                      -> tableau_fill (132 + k)
//   8-9   tableau direction: 0 up, 1 down, 2 both -> tableau_direction (172 + k)
//   10-12 tableau building: 0 in suit, 1 alternating colours, 2 any suit,
//         3 in colour, 4 any suit but its own     -> tableau_building (212 + k)
//   13-14 foundation direction, as 8-9            -> foundation_direction (68 + k)
//   15-17 foundation building, as 10-12           -> foundation_building (84 + k)
#include <optional>
#include <string>
#include <string_view>

#include "rules/rule_record.h"

namespace velmora {

inline constexpr std::size_t kOverrideLength = 17;

// The choices of the customise dialog; -1 leaves a direction or method as it is,
// fill 0 leaves the fill rule as it is.
struct CustomChoices {
  int stockDealCount = 1;
  int deals = 1;
  int fill = 0;
  int tableauDirection = -1;
  int tableauBuilding = -1;
  int foundationDirection = -1;
  int foundationBuilding = -1;
};

// The override string of the choices; a value that does not fit its field
// gives no string.
std::optional<std::string> FormatOverride(const CustomChoices& choices);

// Applies the override on the rules of its base game, in the order stock
// dealing, deals, fill, tableau, foundations; only the piles in use
// (tableau_piles, foundations) change.
void ApplyOverride(std::string_view override, RuleRecord& rules);

}  // namespace velmora
