#pragma once
// Taking up the game catalogue at start-up: the rule file is read and checked
// whole (a damaged one stops the program with the fault named), the custom
// games are read, and a stored current game the catalogue lacks is forgotten.
#include <optional>
#include <string>

#include "shell/startup.h"

namespace velmora {

class TMainGame;

StartupFailure DamagedRuleFileFailure(const fs::path& ruleFile, const std::string& fault);

std::optional<StartupFailure> LoadGameCatalogue(TMainGame& game);

}  // namespace velmora
