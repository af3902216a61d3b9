// velmora-cli rules GAME: the rules a game is played by - its rules that are
// not 0 (and the named 0s of the piles in use), by name, with their values by
// name and what those mean, a custom game's changes applied. The lines read
// as the game's definition does.
#include <iomanip>
#include <ostream>

#include "command_options.h"
#include "game_catalogue.h"
#include "rules/game_definition.h"
#include "rules/load_game_rules.h"

namespace velmora::cli {
namespace {

constexpr int kIndexWidth = 4;

void PrintHeading(const Catalogue& catalogue, int game, std::ostream& out) {
  out << "game " << game << ": " << catalogue.GameName(game);
  if (game >= kFirstCustomGame) {
    const CustomGameRef custom = catalogue.CustomGame(game);
    out << " (custom game of " << custom.base << ": " << catalogue.GameName(custom.base) << ", changes "
        << custom.override << ")";
  } else {
    out << " (type " << catalogue.GameType(game) << ")";
  }
  out << "\n";
}

int RunRules(const Options& options, const std::string& wanted, std::ostream& out, std::ostream& err) {
  Catalogue catalogue;
  if (!LoadCatalogueForCommand(options, catalogue, err)) return 1;
  const int game = FindGame(catalogue, wanted);
  RuleRecord rules;
  if (game < 0 || !LoadGameRules(catalogue, game, rules)) {
    err << "velmora-cli rules: no game \"" << wanted << "\" (see velmora-cli games)\n";
    return 1;
  }
  PrintHeading(catalogue, game, out);
  for (const RuleLine& line : RuleLines(rules.values(), NamedZeros::ShownForPilesInUse)) {
    out << std::setw(kIndexWidth) << line.info->first << "  " << line.text;
    for (std::size_t k = 0; k < line.meanings.size(); ++k) out << (k == 0 ? "  (" : "; ") << line.meanings[k];
    out << (line.meanings.empty() ? "\n" : ")\n");
  }
  return 0;
}

Runner DefineRules(CLI::App& command) {
  auto game = std::make_shared<std::string>();
  command.add_option("GAME", *game, "the game, by number or name")->type_name("GAME")->required()->check(kNotEmpty);
  return [game](const Options& options, std::ostream& out, std::ostream& err) {
    return RunRules(options, *game, out, err);
  };
}

}  // namespace

extern const Command kRulesCommand{"rules", "show a game's rules by name (GAME: number or name)", DefineRules};

}  // namespace velmora::cli
