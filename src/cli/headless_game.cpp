#include "headless_game.h"

#include <ostream>

#include "game_catalogue.h"
#include "rules/load_game_rules.h"

namespace velmora::cli {

void TerminalUi::showMessage(std::string_view, std::string_view text, Icon) {
  err_ << "velmora-cli: " << ForTerminal(text) << "\n";
}

bool TerminalUi::askQuestion(std::string_view, std::string_view text) {
  err_ << "velmora-cli: " << ForTerminal(text) << " (answered Cancel)\n";
  return false;
}

HeadlessGame::HeadlessGame(const Options& options, std::ostream& err)
    : ui_(err), game_(Folders(options.programFolder, options.dataFolder), ui_) {}

std::unique_ptr<HeadlessGame> HeadlessGame::Open(const Options& options, std::ostream& err) {
  std::unique_ptr<HeadlessGame> headless(new HeadlessGame(options, err));
  if (!LoadCatalogueForCommand(options, headless->game().catalogue(), err)) return nullptr;
  return headless;
}

std::optional<int> HeadlessGame::findGame(const std::string& wanted) const {
  const int game = FindGame(game_.catalogue(), wanted);
  return game >= 0 ? std::optional(game) : std::nullopt;
}

bool HeadlessGame::deal(int gameNumber, const std::string& dealDigits) {
  game_.rules().clearForGame();
  if (!LoadGameRules(game_.catalogue(), gameNumber, game_.rules())) return false;
  ConfigStore& store = game_.store();
  store.setGameNumber(gameNumber);
  store.write(store::GameName, game_.catalogue().GameName(gameNumber));
  store.write(store::DealNumber, dealDigits);
  return StartNewGame(game_, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true});
}

}  // namespace velmora::cli
