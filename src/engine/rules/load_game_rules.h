#pragma once
// Filling the rule record of a game from the catalogue's rule columns: a
// built-in game's column, or a custom game's base column with its override on
// top. Rules are keyed by the rule index that starts each [Sect2] line, so the
// file's line order never shifts a value onto another rule.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "rules/rule_record.h"

namespace velmora {

class Catalogue;

// Sets every rule the rule file gives for the game (the caller cleared the
// record first), applies a custom game's override and keeps the copy the deal
// restores. False, with the record unchanged, for a game the catalogue lacks,
// a custom game whose record is gone, or a game whose rules name a building
// code the engine does not know.
bool LoadGameRules(const Catalogue& catalogue, int game, RuleRecord& rules);

// Why the rules of a catalogued game are refused, in a sentence for the
// player; none when they load (or when the catalogue lacks the game).
std::optional<std::string> RulesRefusal(const Catalogue& catalogue, int game);

// Single rules of a built-in game straight from its column, in the order
// asked; no value for a game without a column.
std::optional<std::vector<int>> ReadGameRules(const Catalogue& catalogue, int game, std::span<const int> indices);

}  // namespace velmora
