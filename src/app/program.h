#pragma once
// The running program: resource bundle, engine and main window, brought up and
// taken down in the order the program depends on.
#include <QString>
#include <memory>
#include <optional>

#include "files/folders.h"
#include "resource_store.h"

namespace velmora {

class MainWindow;
class QtGameUi;
class TMainGame;

struct ProgramOptions {
  fs::path programFolder;
  fs::path dataFolder;
};

class Program {
 public:
  explicit Program(ProgramOptions options);
  ~Program();

  // Loads the bundle, initialises the engine and shows the main window. On
  // failure the player has been told why; the value is the exit code.
  std::optional<int> start();

  MainWindow& mainWindow() { return *window_; }
  TMainGame& game() { return *game_; }

 private:
  int fail(const QString& caption, const QString& text);
  void playSplashSound();

  ProgramOptions options_;
  ResourceStore resources_;
  std::unique_ptr<QtGameUi> ui_;
  std::unique_ptr<TMainGame> game_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace velmora
