#include "catalogue/catalogue_startup.h"

#include "shell/main_game.h"

namespace velmora {

StartupFailure DamagedRuleFileFailure(const fs::path& ruleFile, const std::string& fault) {
  return {"Error", "The rule file is damaged and cannot be used:\r" + ruleFile.string() + "\r" + fault +
                       "\rReinstall the program."};
}

std::optional<StartupFailure> LoadCatalogueFiles(Catalogue& catalogue, UserData& data) {
  const fs::path ruleFile = data.folders().programFile(kRuleFileName);
  std::error_code error;
  if (!fs::is_regular_file(ruleFile, error)) return RuleFileFailure(ruleFile);
  if (auto fault = catalogue.loadRuleFile(ruleFile)) return DamagedRuleFileFailure(ruleFile, *fault);
  catalogue.loadCustomGames(data);
  return std::nullopt;
}

std::optional<StartupFailure> LoadGameCatalogue(TMainGame& game) {
  if (auto failure = LoadCatalogueFiles(game.catalogue(), game.data())) return failure;
  ConfigStore& store = game.store();
  if (!game.catalogue().Knows(store.gameNumber())) {
    store.setGameNumber(-1);
    store.write(store::GameName, "");
  }
  return std::nullopt;
}

}  // namespace velmora
