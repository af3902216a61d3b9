#pragma once
// The checks that keep an unplayable game out of the rule file: a deck the
// engine cannot deal, foundations that hold nothing, cards dealt to piles the
// game does not have, a deal that needs more cards than the deck holds or
// leaves cards nowhere, a building code the engine does not know.
#include <optional>
#include <string>
#include <vector>

#include "rules/rule_file.h"

namespace velmora {

// What makes the rules unplayable, one sentence each; empty when playable.
std::vector<std::string> PlayabilityProblems(const RuleValues& rules);

// The first building code of a pile in use that the engine does not know, as
// "tableau_building[3] has the unknown building code 200"; none when all are known.
std::optional<std::string> UnknownBuildingCode(const RuleValues& rules);

}  // namespace velmora
