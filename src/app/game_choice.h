#pragma once
// Choosing what to play: "Open a game..." with the selection dialog,
// "Players..." with the players dialog, and the selection dialog that opens
// on the first activation when no game is held.
#include "open_game_dialog.h"
#include "players_dialog.h"

namespace velmora {

class MainWindow;
class ResourceStore;
class TMainGame;

class GameChoice : public QObject {
  Q_OBJECT

 public:
  GameChoice(MainWindow& window, TMainGame& game, const ResourceStore* resources,
             OpenGameDialog::MarkSource marks, PlayerRecords records);

  // "Open a game...": the dialog, then the chosen game dealt for the chosen
  // player. The player current before stays current when nothing is chosen.
  void openGame();
  // "Players...": a change of player leaves the running game and opens the
  // selection.
  void editPlayers();

  OpenGameDialog& dialog() { return *dialog_; }

 private:
  // True when another player was made current.
  bool runPlayersDialog(QWidget* parent);

  MainWindow& window_;
  TMainGame& game_;
  PlayerRecords records_;
  OpenGameDialog* dialog_;  // created once, owned by the window
};

}  // namespace velmora
