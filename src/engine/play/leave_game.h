#pragma once
// Leaving a game: the player confirms before anything replaces a game in
// progress, quits it (a loss) or restarts the same deal (the abandoned
// attempt a loss, the table back as dealt).
#include <string_view>

namespace velmora {

class TMainGame;

// True when the running game may be left: always outside a game in progress
// or a won game, and when the player does not want to be asked
// ("ConfirmQuitGame" "N"); otherwise the player answers `question` (OK or
// Cancel). Never while an animation runs.
bool ConfirmQuitGame(TMainGame& game, std::string_view question = "Quit this game?");

enum class LeaveOutcome {
  Declined,  // nothing happened
  Done,      // the game was quit, or restarted
  Won,       // ending the game recorded a win: the won-game dialog takes over
};

// Quit game: confirmed, then ended and recorded as lost. The caller then
// shows the game selection unless the outcome is Won or Declined.
LeaveOutcome QuitGame(TMainGame& game);

// Restart: a game in progress asks "Restart this game?" with its deal number
// unless `ask` is false (the won-game dialog); the attempt is recorded as lost
// once; the table goes back to the dealt position with the clock at zero, the
// pass counter at 1 and the history empty, the same deal number kept.
// Declined when there is no dealt table to go back to.
LeaveOutcome RestartGame(TMainGame& game, bool ask = true);

}  // namespace velmora
