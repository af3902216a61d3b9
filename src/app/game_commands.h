#pragma once
// The commands of play that reach the engine: a new deal of the current game,
// quitting and restarting it, the state of the window's commands after a deal
// and after the end of a game, and the dialog that follows a win.
#include <cstdint>

#include "table/card_size.h"

class QWidget;

namespace velmora {

class MainWindow;
class TMainGame;

// With no current game (none chosen yet), "New game" opens the game
// selection; a current game whose rules are not loaded yet (the game of an
// earlier session) has them loaded before its deal. "New game" and "Quit
// game" leave a game in progress only when the player agrees; "Restart game"
// acts only while a game is in progress.
void ConnectGameCommands(MainWindow& window, TMainGame& game);

// What a game's card size is settled for: the screen the window is on.
DisplayFacts ScreenFacts(const QWidget& window);

// The window's commands and panels follow a game just dealt.
void ShowDealtGame(MainWindow& window, TMainGame& game);

// Undo and Redo are enabled only while there is a step to take back or
// to take again.
void ShowHistoryCommands(MainWindow& window, const TMainGame& game);

// The window's commands and time panel follow a game that ended after
// `seconds` of play.
void ShowEndedGame(MainWindow& window, std::int64_t seconds);

// The same deal again from its start without asking: also a game just ended.
void RestartUnasked(MainWindow& window, TMainGame& game);
// The game-won dialog, its ways on that exist switched on.
void ShowGameWonDialog(MainWindow& window, TMainGame& game);

}  // namespace velmora
