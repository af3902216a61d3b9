// velmora-cli: the engine without windows, for players, tests and tools.
#include <CLI/CLI.hpp>
#include <iostream>
#include <map>

#include "cli.h"
#include "command_help.h"
#include "files/folders.h"

namespace {

using velmora::cli::Command;
using velmora::cli::Options;
using velmora::cli::Runner;

constexpr int kUsageError = 2;

// The parser's message, with what the player typed escaped, after the name of
// the command it concerns.
int ReportUsageError(const CLI::App& app, const CLI::ParseError& error) {
  const auto parsed = app.get_subcommands();
  const std::string who = parsed.empty() ? "velmora-cli" : "velmora-cli " + parsed.back()->get_name();
  const auto left = app.remaining();
  if (parsed.empty() && !left.empty())  // the parser would only say that a command is wanted
    std::cerr << who << ": unknown " << (left.front().starts_with('-') ? "option" : "command") << " '"
              << velmora::cli::Escaped(left.front()) << "'";
  else
    std::cerr << who << ": " << velmora::cli::Escaped(error.what());
  std::cerr << " (see " << who << " --help)\n";
  return kUsageError;
}

// An empty folder name would quietly mean the current folder.
bool FoldersNamed(const CLI::App& app, const Options& options) {
  for (const auto& [option, folder] : {std::pair{"--program-dir", &options.programFolder}, {"--data-dir", &options.dataFolder}})
    if (app.count(option) > 0 && folder->empty()) {
      std::cerr << "velmora-cli: " << option << " needs a folder\n";
      return false;
    }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options{velmora::DefaultProgramFolder(), velmora::DefaultDataFolder()};
  CLI::App app("Velmora 2001 without windows: deal, play and check games from the command line.", "velmora-cli");
  app.formatter(std::make_shared<velmora::cli::HelpFormat>());
  app.set_version_flag("--version", std::string("velmora-cli (Velmora 2001) ") + VELMORA_VERSION, "show the version");
  app.set_help_flag("--help,-h", "show this help");
  app.add_option("--program-dir", options.programFolder,
                 "folder holding GAMES.DAT and SOL.RGF (default: the folder of this program, else ../share/velmora from it)")
      ->type_name("DIR");
  app.add_option("--data-dir", options.dataFolder, "the player's data folder (default: $XDG_DATA_HOME/velmora)")
      ->type_name("DIR");
  app.require_subcommand(1);
  std::map<const CLI::App*, Runner> runners;
  for (const Command& command : velmora::cli::Commands()) {
    CLI::App* sub = app.add_subcommand(std::string(command.name), std::string(command.summary));
    sub->group("Commands");
    runners[sub] = command.define(*sub);
  }
  if (argc == 1) {
    std::cerr << app.help();
    return kUsageError;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& done) {
    return app.exit(done);
  } catch (const CLI::ParseError& error) {
    return ReportUsageError(app, error);
  }
  if (!FoldersNamed(app, options)) return kUsageError;
  return runners.at(app.get_subcommands().front())(options, std::cout, std::cerr);
}
