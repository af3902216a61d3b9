#pragma once
// The game played in a terminal, full screen: `velmora-cli tty`, and
// `velmora-cli play` when standard input is a terminal and no script is
// given; a new deal, or a saved game where it was left. The command line takes the play language (cards also as the table
// shows them in letters: "move 7H Fila3") and hint, undo, redo, new, help
// and quit. A finished game is recorded as `play` records it: won, or lost
// when a new deal or quit leaves it after a first move; a deal left without
// a move records nothing.
#include <iosfwd>
#include <string>

#include "cli.h"

namespace velmora::cli {

struct TerminalRequest {
  std::string game;  // by number or name; Klondike (draw one) when empty
  std::string deal;  // 13 digits; a random deal when empty
  std::string savedGame;  // a saved game to go on with instead of a deal
  bool autoplay = false;
};

// Exit code: 0 played, 1 the game could not start or its result could not
// be written.
int PlayInTerminal(const Options& options, const TerminalRequest& request, std::ostream& err);

}  // namespace velmora::cli
