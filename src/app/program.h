#pragma once
// The running program: resource bundle, engine and main window, brought up and
// taken down in the order the program depends on.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "files/folders.h"
#include "resource_store.h"

namespace velmora {

class GameUi;
class MainWindow;
class QtGameUi;
class TfrmCardCounter;
class TableView;
class TfrmDemo;
class TMainGame;

struct ProgramOptions {
  fs::path programFolder{};
  fs::path dataFolder{};
  QString game{}; // a game to deal at start-up, by number or name
  QString deal{}; // its deal number; a new one when empty
  QString open{}; // a saved game to go on with at start-up
};

// Tells the player why the program cannot run. The default shows a message
// box and repeats the text on standard error for a terminal or a log.
using FatalReporter = std::function<void(const QString& caption, const QString& text)>;
void ShowFatalMessage(const QString& caption, const QString& text);

// The text that tells the player the bundle is damaged.
QString DamagedBundleText(const QString& bundle);
// A picture of the bundle that cannot be decoded is told to the player once,
// from the event loop while `context` lives (it may be found while the table
// is being painted), and repeated on standard error.
void ReportDamagedPictures(ResourceStore& resources, GameUi& ui, const QObject& context);

class Program {
 public:
  explicit Program(ProgramOptions options, FatalReporter reportFatal = ShowFatalMessage);
  ~Program();

  // Loads the bundle, initialises the engine and shows the main window. On
  // failure the player has been told why; the value is the exit code.
  std::optional<int> start();

  MainWindow& mainWindow() { return *window_; }
  TableView& table() { return *table_; }
  TfrmDemo& demoWindow() { return *demoWindow_; }
  TfrmCardCounter& cardCounter() { return *cardCounter_; }
  QtGameUi& ui() { return *ui_; }
  TMainGame& game() { return *game_; }

 private:
  int fail(const QString& caption, const QString& text);
  void playSplashSound();
  void showTable();
  void showDemoWindow();
  void createCardCounter();
  void dealGivenGame();

  ProgramOptions options_;
  FatalReporter reportFatal_;
  ResourceStore resources_;
  std::unique_ptr<QtGameUi> ui_;
  QObject uiMessages_;  // a message waiting for the event loop goes with it
  std::unique_ptr<TMainGame> game_;
  std::unique_ptr<MainWindow> window_;
  TableView* table_ = nullptr;  // owned by the window
  TfrmDemo* demoWindow_ = nullptr;  // owned by the window
  TfrmCardCounter* cardCounter_ = nullptr;  // owned by the window
  bool resultPanelCounted_ = false;  // a result panel was shown since the table last changed
};

}  // namespace velmora
