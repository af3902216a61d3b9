#pragma once
// The main window: the table of the current game, and the close and first
// activation handling of the program.
#include <QMainWindow>

namespace velmora {

class TMainGame;

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(TMainGame& game, QWidget* parent = nullptr);

  // Places the window as it was left, on the screen it is shown on.
  void restorePlacement();

 signals:
  // Emitted once, after the window's first paint.
  void firstPainted();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Runs once, on the first activation: the place where a held game is
  // resumed or the choice of a game begins.
  void firstActivation();

  TMainGame& game_;
  bool painted_ = false;
};

}  // namespace velmora
