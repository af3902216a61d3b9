#include "rules/load_game_rules.h"

#include "catalogue/catalogue.h"
#include "rules/custom_override.h"
#include "rules/game_check.h"

namespace velmora {

namespace {

// The game's rules over what the record holds; false for a game without a column.
bool FillRules(const Catalogue& catalogue, int game, RuleRecord& rules) {
  const bool custom = game >= kFirstCustomGame;
  const CustomGameRef customGame = custom ? catalogue.CustomGame(game) : CustomGameRef{};
  const RuleValues* column = catalogue.ColumnRules(catalogue.GameColumn(custom ? customGame.base : game));
  if (!column) return false;
  const auto& given = catalogue.contents().given;
  for (int index = 0; index < kRuleCount; ++index)
    if (given[static_cast<std::size_t>(index)]) rules[index] = (*column)[static_cast<std::size_t>(index)];
  if (custom) ApplyOverride(customGame.override, rules);
  return true;
}

}  // namespace

bool LoadGameRules(const Catalogue& catalogue, int game, RuleRecord& rules) {
  RuleRecord loaded = rules;
  if (!FillRules(catalogue, game, loaded) || UnknownBuildingCode(loaded.values())) return false;
  rules = loaded;
  rules.saveDealCopy();
  return true;
}

std::optional<std::string> RulesRefusal(const Catalogue& catalogue, int game) {
  RuleRecord loaded;
  if (!FillRules(catalogue, game, loaded)) return std::nullopt;
  const auto unknown = UnknownBuildingCode(loaded.values());
  if (!unknown) return std::nullopt;
  return "This game cannot be played: its rule " + *unknown + ".";
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
