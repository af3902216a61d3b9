#pragma once
// The commands of play that reach the engine: a new deal of the current game,
// and the state of the window's commands after a deal.
namespace velmora {

class MainWindow;
class TMainGame;

void ConnectGameCommands(MainWindow& window, TMainGame& game);

// The window's commands and panels follow a game just dealt.
void ShowDealtGame(MainWindow& window, TMainGame& game);

}  // namespace velmora
