#include "command_options.h"

#include "cards/deal_generator.h"

namespace velmora::cli {

const CLI::Validator kNotEmpty(
    [](const std::string& value) { return value.empty() ? std::string("needs a value") : std::string(); }, "");

namespace {

// The deal number replaced by its 13 digits, so that the command reads it as
// the engine keeps it.
const CLI::Validator kDealNumber(
    [](std::string& value) {
      const auto digits = ParseDealNumber(value);
      if (!digits) return "expects a deal number from " + std::string(kDealNumberRange);
      value = *digits;
      return std::string();
    },
    "");

CLI::Option* WithNeed(CLI::Option* option, Need need) { return option->required(need == Need::Required); }

}  // namespace

CLI::Option* AddGameOption(CLI::App& command, std::string& game, Need need) {
  return WithNeed(command.add_option("--game", game, "the game, by number or name")->type_name("GAME")->check(kNotEmpty),
              need);
}

CLI::Option* AddDealOption(CLI::App& command, std::string& deal, Need need) {
  return WithNeed(command.add_option("--deal", deal, "the deal number, from " + std::string(kDealNumberRange))
                  ->type_name("D")
                  ->transform(kDealNumber),
              need);
}

CLI::Option* AddMovesOption(CLI::App& command, std::string& file) {
  return command.add_option("--moves", file, "read the script of moves from FILE instead of standard input")
      ->type_name("FILE")
      ->check(kNotEmpty);
}

CLI::Option* AddOpenOption(CLI::App& command, std::string& file, CLI::Option* game, CLI::Option* deal) {
  return command.add_option("--open", file, "go on with the saved game in FILE instead of dealing")
      ->type_name("FILE")
      ->check(kNotEmpty)
      ->excludes(game)
      ->excludes(deal);
}

CLI::Option* AddSaveOption(CLI::App& command, std::string& file) {
  return command.add_option("--save", file, "write the game as it stands to FILE, a saved game")
      ->type_name("FILE")
      ->check(kNotEmpty);
}

}  // namespace velmora::cli
