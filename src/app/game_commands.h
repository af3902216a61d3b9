#pragma once
// The commands of play that reach the engine: a new deal of the current game,
// the state of the window's commands after a deal and after the end of a game,
// and the dialog that follows a win.
#include <cstdint>

namespace velmora {

class MainWindow;
class TMainGame;

void ConnectGameCommands(MainWindow& window, TMainGame& game);

// The window's commands and panels follow a game just dealt.
void ShowDealtGame(MainWindow& window, TMainGame& game);

// The window's commands and time panel follow a game that ended after
// `seconds` of play.
void ShowEndedGame(MainWindow& window, std::int64_t seconds);

// The game-won dialog, its ways on that exist switched on.
void ShowGameWonDialog(MainWindow& window, TMainGame& game);

}  // namespace velmora
