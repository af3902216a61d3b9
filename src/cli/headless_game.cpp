#include "headless_game.h"

#include <algorithm>
#include <ostream>

#include "catalogue/catalogue_startup.h"
#include "rules/load_game_rules.h"
#include "text/fixed_text.h"

namespace velmora::cli {
namespace {

// Message boxes break lines with CR; a terminal wants LF.
std::string ForTerminal(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '\r', '\n');
  return out;
}

}  // namespace

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
  if (!RequireProgramFiles(options, err)) return nullptr;
  std::unique_ptr<HeadlessGame> headless(new HeadlessGame(options, err));
  TMainGame& game = headless->game();
  if (const auto failure = LoadCatalogueFiles(game.catalogue(), game.data())) {
    err << "velmora-cli: " << ForTerminal(failure->text) << "\n";
    return nullptr;
  }
  return headless;
}

std::optional<int> HeadlessGame::findGame(const std::string& wanted) const {
  const Catalogue& catalogue = game_.catalogue();
  if (const auto number = ParseInteger(wanted); number && catalogue.Knows(static_cast<int>(*number)))
    return static_cast<int>(*number);
  const int byName = catalogue.GameNumberByName(wanted);
  return byName >= 0 ? std::optional(byName) : std::nullopt;
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
