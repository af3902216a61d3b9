// The game a script plays: dealt from a game and a deal number, or opened
// from a saved game; and the game written out as a saved game.
#include <ostream>

#include "cards/deal_generator.h"
#include "files/ini_document.h"
#include "history/saved_game.h"
#include "play_script.h"
#include "shell/startup.h"

namespace velmora::cli {
namespace {

constexpr DisplayFacts kHeadlessDisplay{.screenWidth = kHeadlessScreenWidth};

// The player's settings as a new player has them, autoplay off until the
// command asks for it.
void TakeDefaultSettings(TMainGame& game) {
  LoadPreferences(game, IniDocument(), StartupEnvironment{});
  game.setAutoplay(false);
}

// The table laid out as on screen; a game won or lost stays on the table:
// the caller decides when it ends.
void ReadyForScript(HeadlessGame& headless) {
  headless.layOut();
  headless.game().playSeams().endGame = [] {};
}

std::unique_ptr<HeadlessGame> OpenForScript(const Options& options, const std::string& file, std::string_view command,
                                            std::ostream& err) {
  auto headless = HeadlessGame::Open(options, err);
  if (!headless) return nullptr;
  TMainGame& game = headless->game();
  TakeDefaultSettings(game);
  SavedGameCheck check = ReadSavedGame(game, file);
  if (!check.contents) {
    err << "velmora-cli " << command << ": " << Escaped(file) << " cannot be opened: " << Escaped(check.fault) << "\n";
    return nullptr;
  }
  if (!StartSavedGame(game, std::move(*check.contents), kHeadlessDisplay)) {
    err << "velmora-cli " << command << ": " << Escaped(file) << " cannot be opened: its game cannot start\n";
    return nullptr;
  }
  game.setAutoplay(false);  // the saved game's own setting is the window's, not the script's
  ReadyForScript(*headless);
  return headless;
}

}  // namespace

std::unique_ptr<HeadlessGame> DealForScript(const Options& options, const std::string& gameName,
                                            const std::string& deal, std::string_view command, std::ostream& err) {
  const auto dealNumber = ParseDealNumber(deal);
  if (!dealNumber) {
    err << "velmora-cli " << command << ": a deal number runs from " << kDealNumberRange << "\n";
    return nullptr;
  }
  auto headless = HeadlessGame::Open(options, err);
  if (!headless) return nullptr;
  const auto gameNumber = headless->findGame(gameName);
  if (!gameNumber) {
    err << "velmora-cli " << command << ": no game \"" << gameName << "\" (see velmora-cli games)\n";
    return nullptr;
  }
  TakeDefaultSettings(headless->game());
  if (!headless->deal(*gameNumber, *dealNumber)) return nullptr;
  ReadyForScript(*headless);
  return headless;
}

bool SourceNamed(const GameSource& source, std::string_view command, std::ostream& err) {
  if (!source.savedGame.empty() || (!source.game.empty() && !source.deal.empty())) return true;
  err << "velmora-cli " << command << ": needs --game GAME and --deal D (a deal number from " << kDealNumberRange
      << "), or --open FILE\n";
  return false;
}

std::unique_ptr<HeadlessGame> GameForScript(const Options& options, const GameSource& source, std::string_view command,
                                            std::ostream& err) {
  if (!source.savedGame.empty()) return OpenForScript(options, source.savedGame, command, err);
  return DealForScript(options, source.game, source.deal, command, err);
}

bool SaveForScript(TMainGame& game, const std::string& file, std::string_view command, std::ostream& err) {
  const FileOutcome saved = SaveGame(game, file);
  if (!saved) err << "velmora-cli " << command << ": the game was not saved: " << Escaped(saved.message) << "\n";
  return saved.ok;
}

}  // namespace velmora::cli
