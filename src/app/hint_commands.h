#pragma once
// "Show a legal move" and "Demo": the hint arrow ended by the main window's
// one-second timer or a key, the demonstration run from its command and its
// window's buttons, and a close of the main window during a demonstration
// carried out once the demonstration has stopped.
#include <QObject>

namespace velmora {

class MainWindow;
class TfrmDemo;
class TMainGame;

class HintCommands final : public QObject {
  Q_OBJECT

 public:
  HintCommands(MainWindow& window, TMainGame& game, TfrmDemo& demoWindow);

  // Whether a demonstration's loop is running (perhaps paused in a wait).
  bool demoRunning() const { return running_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void demo();
  void play();
  template <typename Run>
  void runDemo(Run run);

  MainWindow& window_;
  TMainGame& game_;
  TfrmDemo& demoWindow_;
  bool running_ = false;
  bool closeRequested_ = false;
};

}  // namespace velmora
