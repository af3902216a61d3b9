// velmora-cli rules GAME: the rules a game is played by - its non-zero rule
// values by name, a custom game's changes applied.
#include <iomanip>
#include <ostream>

#include "command_options.h"
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
  for (int index = 0; index < kRuleCount; ++index)
    if (rules[index] != 0) out << std::setw(4) << index << "  " << RuleName(index) << " = " << rules[index] << "\n";
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
