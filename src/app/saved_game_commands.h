#pragma once
// Saved games in the window: "Save..." writes the running game to a file the
// player names, and "Open a saved game..." (the File menu and the game
// selection) makes a saved game the running game again.
#include <QObject>

#include "file_chooser.h"
#include "history/saved_game.h"

namespace velmora {

class MainWindow;
class TMainGame;

class SavedGameCommands final : public QObject {
  Q_OBJECT

 public:
  // Connects "Save..." and "Open a saved game..." of the window; the files
  // are chosen in the desktop's file dialogs until another chooser is set.
  SavedGameCommands(MainWindow& window, TMainGame& game);

  void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

  // "Save...": a file that exists is replaced only when the player says so
  // ("No" chooses again); the folder of a written file is where both
  // dialogs start next time.
  void save();
  // "Open a saved game...": the file chosen and opened; cancelling the
  // choice is Declined.
  OpenOutcome open();

 private:
  // The file to write, once the player agreed to replace one that exists.
  std::optional<fs::path> chooseFileToWrite();

  MainWindow& window_;
  TMainGame& game_;
  FileChooser chooser_;
};

}  // namespace velmora
