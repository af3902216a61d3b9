#pragma once
// Taking up the game catalogue at start-up: the rule file is read and checked
// whole (a damaged one stops the program with the fault named), the custom
// games are read, and a stored current game the catalogue lacks is forgotten.
#include <optional>
#include <string>

#include "shell/startup.h"

namespace velmora {

class TMainGame;
class Catalogue;
class UserData;

StartupFailure DamagedRuleFileFailure(const fs::path& ruleFile, const std::string& fault);

// The rule file of the program folder and the custom games of the data folder.
std::optional<StartupFailure> LoadCatalogueFiles(Catalogue& catalogue, UserData& data);

// The same for the game object, which then forgets a stored game the
// catalogue lacks (game number -1, no game name).

std::optional<StartupFailure> LoadGameCatalogue(TMainGame& game);

}  // namespace velmora
