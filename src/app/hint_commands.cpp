#include "hint_commands.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "demo_window.h"
#include "hints/demo.h"
#include "hints/show_legal_move.h"
#include "main_window.h"
#include "shell/main_game.h"

namespace velmora {

HintCommands::HintCommands(MainWindow& window, TMainGame& game, TfrmDemo& demoWindow)
    : QObject(&window), window_(window), game_(game), demoWindow_(demoWindow) {
  window.connectCommand(Command::ShowLegalMove, [this] { ShowLegalMove(game_, HintRequest::Command); });
  window.connectCommand(Command::Demo, [this] { demo(); });
  connect(&window, &MainWindow::ticked, this, [this] { HintTimerTick(game_); });
  connect(&demoWindow, &TfrmDemo::pauseClicked, this, [this] { PauseDemo(game_); });
  connect(&demoWindow, &TfrmDemo::playClicked, this, [this] { play(); });
  connect(&demoWindow, &TfrmDemo::closed, this, [this] { StopDemo(game_, true); });
  qApp->installEventFilter(this);
}

// While the demonstration's loop runs, the main window's close is refused
// and the demonstration stopped (the loop must end before the window goes);
// the close follows once the loop has ended. A shown hint simply ends, and
// the close goes on. A key anywhere ends a shown hint too.
bool HintCommands::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Close) {
    if (running_) closeRequested_ = true;
    else EndHint(game_);
  }
  if (event->type() == QEvent::KeyPress) EndHint(game_);
  return QObject::eventFilter(watched, event);
}

void HintCommands::demo() {
  if (demoWindow_.isVisible()) return;
  if (!game_.state().on(flag::GameInProgress)) window_.action(Command::NewGame)->trigger();
  if (!game_.state().on(flag::GameInProgress)) return;  // no game was chosen, or none could be dealt
  runDemo([this] { StartDemo(game_); });
}

// Play resumes from the current position: the running loop goes on, or a
// new one starts while the window is shown.
void HintCommands::play() {
  if (running_) {
    if (game_.state().on(flag::GameInProgress)) game_.state().setWord(word::PlayMode, play_mode::Demo);
    return;
  }
  if (demoWindow_.isVisible()) runDemo([this] { PlayDemo(game_); });
}

template <typename Run>
void HintCommands::runDemo(Run run) {
  running_ = true;
  demoWindow_.setButtonDown(TfrmDemo::Button::Play);
  run();
  running_ = false;
  if (demoWindow_.buttonDown() == TfrmDemo::Button::Play) demoWindow_.setButtonDown(TfrmDemo::Button::None);
  window_.updateCommands();
  if (closeRequested_) {
    closeRequested_ = false;
    QTimer::singleShot(0, &window_, &QWidget::close);
  }
}

}  // namespace velmora
