#pragma once
// The close of the main window with a game in progress: the game is held
// (put aside for the next start without a win or a loss), left as a loss, or
// the player is asked which.
#include "files/ini_document.h"
#include "shell/program_state.h"

namespace velmora {

enum class CloseWithGame {
  Leave,  // the close goes on; a game in progress is then recorded as lost
  Hold,   // the game is held without a question
  Ask,    // the hold-and-exit dialog decides, and may cancel the close
};

// `holdAllowed`: "Hold and exit..." can be chosen now (the game's rules allow
// it). The menu's "Hold and exit..." holds; otherwise "ConfirmSaveAndExit" "Y"
// asks, and "N" with "ConfirmSaveAndExitType" 1 holds.
CloseWithGame DecideCloseWithGame(const ProgramState& state, bool holdAllowed, const IniDocument& preferences);

}  // namespace velmora
