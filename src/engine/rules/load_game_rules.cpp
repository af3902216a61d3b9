#include "rules/load_game_rules.h"

#include "catalogue/catalogue.h"
#include "rules/custom_override.h"

namespace velmora {

bool LoadGameRules(const Catalogue& catalogue, int game, RuleRecord& rules) {
  const bool custom = game >= kFirstCustomGame;
  const CustomGameRef customGame = custom ? catalogue.CustomGame(game) : CustomGameRef{};
  const RuleValues* column = catalogue.ColumnRules(catalogue.GameColumn(custom ? customGame.base : game));
  if (!column) return false;
  const auto& given = catalogue.contents().given;
  for (int index = 0; index < kRuleCount; ++index)
    if (given[static_cast<std::size_t>(index)]) rules[index] = (*column)[static_cast<std::size_t>(index)];
  if (custom) ApplyOverride(customGame.override, rules);
  rules.saveDealCopy();
  return true;
}

std::optional<std::vector<int>> ReadGameRules(const Catalogue& catalogue, int game, std::span<const int> indices) {
  const RuleValues* column = catalogue.ColumnRules(catalogue.GameColumn(game));
  if (!column) return std::nullopt;
  std::vector<int> values;
  for (int index : indices)
    values.push_back(index >= 0 && index < kRuleCount ? (*column)[static_cast<std::size_t>(index)] : 0);
  return values;
}

}  // namespace velmora
