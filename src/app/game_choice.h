#pragma once
// Choosing what to play: "Open a game..." with the selection dialog, a saved
// game opened from there or from the File menu, "Players..." with the players
// dialog, and on the first activation the held game resumed, or else the
// selection dialog.
#include "open_game_dialog.h"
#include "players_dialog.h"
#include "saved_game_commands.h"

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
  // "Open a saved game..." in the dialog closes it for the file dialog; it
  // comes back when no saved game replaced the running one.
  void openGame();
  // "Players...": a change of player leaves the running game and opens the
  // selection.
  void editPlayers();

  OpenGameDialog& dialog() { return *dialog_; }
  SavedGameCommands& savedGames() { return *savedGames_; }

 private:
  // True when another player was made current.
  bool runPlayersDialog(QWidget* parent);
  void play(const OpenGameDialog::Choice& choice);
  // On the first activation: the held game, else the selection, unless a
  // game named on the command line is being played.
  void begin();

  MainWindow& window_;
  TMainGame& game_;
  PlayerRecords records_;
  OpenGameDialog* dialog_;  // created once, owned by the window
  SavedGameCommands* savedGames_;  // owned by the window
};

}  // namespace velmora
