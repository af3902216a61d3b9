#include "main_window.h"

#include <QCloseEvent>
#include <QScreen>
#include <QTimer>

#include "colours.h"
#include "qt_game_ui.h"
#include "shell/main_game.h"
#include "shell/startup.h"

namespace velmora {
namespace {

// The table: an area in the table colour until games are dealt onto it.
class Table final : public QWidget {
 public:
  Table(QColor colour, QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
  }
};

// The fixed colour wins over the chosen one when it is set (above 0).
QColor TableColour(const ConfigStore& store) {
  const auto fixed = store.readNumber(store::BackgroundFixedColour).value_or(0);
  return FromStoredColour(fixed > 0 ? fixed : store.readNumber(store::BackgroundColour).value_or(0));
}

}  // namespace

MainWindow::MainWindow(TMainGame& game, QWidget* parent) : QMainWindow(parent), game_(game) {
  setWindowTitle(QStringLiteral("Velmora 2001"));
  setCentralWidget(new Table(TableColour(game.store()), this));
  setMinimumSize(320, 240);
}

void MainWindow::restorePlacement() {
  const QScreen* screen = this->screen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  const WindowPlacement placement = ReadWindowPlacement(game_.preferences().open(), available.width(), available.height());
  QRect wanted(placement.left, placement.top, placement.width, placement.height);
  // A placement from another, larger screen is pulled back onto this one.
  wanted.setSize(wanted.size().boundedTo(available.size()).expandedTo(minimumSize()));
  if (!available.intersects(wanted)) wanted.moveTopLeft(available.topLeft() + QPoint(50, 50));
  setGeometry(wanted);
  if (placement.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate && game_.state().on(flag::FirstActivationPending)) firstActivation();
  if (event->type() == QEvent::UpdateRequest || event->type() == QEvent::Paint) {
    if (!painted_) {
      painted_ = true;
      QTimer::singleShot(0, this, &MainWindow::firstPainted);
    }
  }
  return handled;
}

void MainWindow::firstActivation() { game_.state().set(flag::FirstActivationPending, false); }

void MainWindow::closeEvent(QCloseEvent* event) {
  const QRect frame = normalGeometry();
  const WindowPlacement placement{frame.left(), frame.top(), frame.width(), frame.height(), isMaximized()};
  if (!QueryClose(game_, placement)) {
    event->ignore();
    return;
  }
  WriteExitPreferences(game_);
  event->accept();
}

}  // namespace velmora
