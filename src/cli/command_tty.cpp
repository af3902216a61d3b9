// velmora-cli tty ([--game GAME] [--deal D] | --open FILE) [--autoplay]: the
// game played full screen in the terminal (terminal_game.h), Klondike (draw
// one) on a random deal unless the game and deal are named, or the saved game
// opened where it was left.
#include "command_options.h"
#include "terminal_game.h"

namespace velmora::cli {
namespace {

Runner DefineTty(CLI::App& command) {
  auto request = std::make_shared<TerminalRequest>();
  AddOpenOption(command, request->savedGame, AddGameOption(command, request->game, Need::Optional),
                AddDealOption(command, request->deal, Need::Optional));
  command.add_flag("--autoplay", request->autoplay, "autoplay sends cards to the foundations");
  return [request](const Options& options, std::ostream&, std::ostream& err) {
    return PlayInTerminal(options, *request, err);
  };
}

}  // namespace

extern const Command kTtyCommand{"tty", "play a game full screen in this terminal", DefineTty};

}  // namespace velmora::cli
