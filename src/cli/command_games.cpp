// velmora-cli games: the catalogue - every built-in game of the rule file and
// the player's custom games - with number, type and name.
#include <iomanip>
#include <ostream>

#include "game_catalogue.h"

namespace velmora::cli {
namespace {

void PrintGame(int number, int type, const std::string& name, std::ostream& out) {
  out << std::setw(4) << number << "  " << std::setw(4) << type << "  " << name << "\n";
}

int RunGames(const Options& options, std::ostream& out, std::ostream& err) {
  Catalogue catalogue;
  if (!LoadCatalogueForCommand(options, catalogue, err)) return 1;
  out << "game  type  name\n";
  for (const GameEntry* game : catalogue.games()) PrintGame(game->number, game->type, game->name, out);
  for (const CustomGameRecord& record : catalogue.customGames().records())
    PrintGame(record.number, kCustomGameType, record.name + " (custom game of " + catalogue.GameName(record.base) + ")",
              out);
  return 0;
}

Runner DefineGames(CLI::App&) { return RunGames; }

}  // namespace

extern const Command kGamesCommand{"games", "list the games: number, type and name", DefineGames};

}  // namespace velmora::cli
