// velmora-cli rules GAME: the rules a game is played by - its non-zero rule
// values by name, a custom game's changes applied.
#include <iomanip>
#include <ostream>

#include "game_catalogue.h"
#include "rules/load_game_rules.h"

namespace velmora::cli {
namespace {

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

int RunRules(const Options& options, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "velmora-cli rules: needs one game, by number or name\n";
    return 2;
  }
  Catalogue catalogue;
  if (!LoadCatalogueForCommand(options, catalogue, err)) return 1;
  const int game = FindGame(catalogue, args[0]);
  RuleRecord rules;
  if (game < 0 || !LoadGameRules(catalogue, game, rules)) {
    err << "velmora-cli rules: no game \"" << args[0] << "\" (see velmora-cli games)\n";
    return 1;
  }
  PrintHeading(catalogue, game, out);
  for (int index = 0; index < kRuleCount; ++index)
    if (rules[index] != 0) out << std::setw(4) << index << "  " << RuleName(index) << " = " << rules[index] << "\n";
  return 0;
}

}  // namespace

extern const Command kRulesCommand{"rules", "GAME", "show a game's rules by name (GAME: number or name)", RunRules};

}  // namespace velmora::cli
