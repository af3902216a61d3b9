// velmora-cli: the engine without windows, for players, tests and tools.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "files/folders.h"

namespace {

using velmora::cli::Command;
using velmora::cli::Options;

void PrintHelp(std::ostream& out) {
  out << "Usage: velmora-cli [--program-dir DIR] [--data-dir DIR] COMMAND [ARGUMENTS]\n"
         "       velmora-cli --help | --version\n\n"
         "Velmora 2001 without windows: deal, play and check games from the command line.\n\n"
         "Options:\n"
         "  --program-dir DIR  folder holding GAMES.DAT and SOL.RGF (default: the folder of this program,\n"
         "                     else ../share/velmora from it)\n"
         "  --data-dir DIR     the player's data folder (default: $XDG_DATA_HOME/velmora)\n"
         "  --help             show this help\n"
         "  --version          show the version\n\n"
         "Commands:\n";
  for (const Command& command : velmora::cli::Commands()) {
    std::string head = std::string(command.name) + (command.usage.empty() ? "" : " " + std::string(command.usage));
    out << "  " << head << std::string(head.size() < 30 ? 30 - head.size() : 1, ' ') << command.summary << "\n";
  }
}

const Command* FindCommand(std::string_view name) {
  for (const Command& command : velmora::cli::Commands())
    if (command.name == name) return &command;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  Options options{velmora::DefaultProgramFolder(), velmora::DefaultDataFolder()};
  std::vector<std::string> args(argv + 1, argv + argc);
  std::size_t at = 0;
  for (; at < args.size(); ++at) {
    const std::string& arg = args[at];
    if (arg == "--help" || arg == "-h") {
      PrintHelp(std::cout);
      return 0;
    }
    if (arg == "--version") {
      std::cout << "velmora-cli (Velmora 2001) " << VELMORA_VERSION << "\n";
      return 0;
    }
    if (arg == "--program-dir" || arg == "--data-dir") {
      if (at + 1 == args.size() || args[at + 1].empty()) {
        std::cerr << "velmora-cli: " << arg << " needs a folder\n";
        return 2;
      }
      (arg == "--program-dir" ? options.programFolder : options.dataFolder) = args[++at];
      continue;
    }
    break;
  }
  if (at == args.size()) {
    PrintHelp(std::cerr);
    return 2;
  }
  const Command* command = FindCommand(args[at]);
  if (!command) {
    std::cerr << "velmora-cli: unknown command '" << args[at] << "' (see velmora-cli --help)\n";
    return 2;
  }
  const std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(at) + 1, args.end());
  return command->run(options, rest, std::cout, std::cerr);
}
