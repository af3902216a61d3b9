#include "catalogue/catalogue_startup.h"

#include "shell/main_game.h"

namespace velmora {

StartupFailure DamagedRuleFileFailure(const fs::path& ruleFile, const std::string& fault) {
  return {"Error", "The rule file is damaged and cannot be used:\r" + ruleFile.string() + "\r" + fault +
                       "\rReinstall the program."};
}

std::optional<StartupFailure> LoadGameCatalogue(TMainGame& game) {
  const fs::path ruleFile = game.data().folders().programFile(kRuleFileName);
  if (auto fault = game.catalogue().loadRuleFile(ruleFile)) return DamagedRuleFileFailure(ruleFile, *fault);
  game.catalogue().loadCustomGames(game.data());
  ConfigStore& store = game.store();
  if (!game.catalogue().Knows(store.gameNumber())) {
    store.setGameNumber(-1);
    store.write(store::GameName, "");
  }
  return std::nullopt;
}

}  // namespace velmora
