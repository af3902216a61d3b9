#include "rules/custom_override.h"

#include <algorithm>
#include <optional>

#include "rules/empty_pile_codes.h"
#include "rules/move_codes.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr int kStockDealCount = 22, kDeals = 15;
constexpr int kTableauPiles = 368, kFoundations = 367;
constexpr int kTableauFill = 132, kTableauDirection = 172, kTableauBuilding = 212;
constexpr int kFoundationDirection = 68, kFoundationBuilding = 84;
constexpr int kMaxTableau = 40, kMaxFoundations = 16;
constexpr int kNotApplied = -1;

// The field at 1-based characters first..first+width-1 as a number.
std::optional<int> Field(std::string_view text, std::size_t first, std::size_t width) {
  if (text.size() < first - 1 + width) return std::nullopt;
  const auto value = ParseInteger(text.substr(first - 1, width));
  if (!value || *value < -32768 || *value > 32767) return std::nullopt;
  return static_cast<int>(*value);
}

// The dialog counts directions as 0 up, 1 down; the rules as 1 up, 0 down.
int DirectionRule(int choice) {
  constexpr int kChosenUp = 0, kChosenDown = 1;
  return choice == kChosenUp ? direction::Up : choice == kChosenDown ? direction::Down : choice;
}

// The dialog's order of methods against the building codes.
int BuildingRule(int choice) {
  switch (choice) {
    case 1: return 3;   // alternating colours
    case 3: return 1;   // in colour
    case 4: return 21;  // any suit but its own
    default: return choice;
  }
}

void SetRange(RuleRecord& rules, int first, int count, int value) {
  for (int k = 0; k < count; ++k) rules[first + k] = static_cast<std::int16_t>(value);
}

int PilesInUse(const RuleRecord& rules, int countRule, int most) { return std::clamp<int>(rules[countRule], 0, most); }

void ApplyStock(std::string_view text, RuleRecord& rules) {
  const auto dealCount = Field(text, 1, 3);
  if (!dealCount) return;
  rules[kStockDealCount] = static_cast<std::int16_t>(*dealCount);
  if (const auto deals = Field(text, 4, 3)) rules[kDeals] = static_cast<std::int16_t>(*deals);
}

void ApplyFill(std::string_view text, RuleRecord& rules) {
  const auto fill = Field(text, 7, 1);
  if (!fill || *fill < 1 || *fill > 3) return;
  constexpr int kFillRule[] = {fill::OneBelowBase, fill::AnyCard, fill::Nothing};
  SetRange(rules, kTableauFill, PilesInUse(rules, kTableauPiles, kMaxTableau), kFillRule[*fill - 1]);
}

// A direction field and the method field after it, converted as a pair: when
// the direction fails, the method counts as not set too.
void ApplyPair(std::string_view text, std::size_t first, RuleRecord& rules, int directionFirst, int buildingFirst,
               int piles) {
  const auto direction = Field(text, first, 2);
  if (!direction) return;
  if (*direction != kNotApplied) SetRange(rules, directionFirst, piles, DirectionRule(*direction));
  const auto building = Field(text, first + 2, 3);
  if (building && *building != kNotApplied) SetRange(rules, buildingFirst, piles, BuildingRule(*building));
}

}  // namespace

std::optional<std::string> FormatOverride(const CustomChoices& c) {
  std::string text = FormatNumber(c.stockDealCount, 3) + FormatNumber(c.deals, 3) + FormatNumber(c.fill, 1) +
                     FormatNumber(c.tableauDirection, 2) + FormatNumber(c.tableauBuilding, 3) +
                     FormatNumber(c.foundationDirection, 2) + FormatNumber(c.foundationBuilding, 3);
  if (text.find('*') != std::string::npos) return std::nullopt;
  return text;
}

void ApplyOverride(std::string_view text, RuleRecord& rules) {
  ApplyStock(text, rules);
  ApplyFill(text, rules);
  ApplyPair(text, 8, rules, kTableauDirection, kTableauBuilding, PilesInUse(rules, kTableauPiles, kMaxTableau));
  ApplyPair(text, 13, rules, kFoundationDirection, kFoundationBuilding,
            PilesInUse(rules, kFoundations, kMaxFoundations));
}

}  // namespace velmora
