#pragma once
// The window that closes a memory game: won or lost, with a green or red
// picture, and a page for the game's family that shows how the score was
// made, count by count. "OK" closes it; the other buttons close it and lead
// on to a new deal, another game or the same deal again.
#include <QString>
#include <array>
#include <functional>

#include "dialog_base.h"
#include "shell/game_ui.h"

class QLabel;
class QPushButton;

namespace velmora {

class MainWindow;
class TMainGame;

class MemoryResultDialog final : public DialogBase {
  Q_OBJECT

 public:
  enum class Way { NewGame, OpenGame, Restart };
  static constexpr std::size_t kWays = 3;

  explicit MemoryResultDialog(const GameUi::MemoryResult& result, QWidget* parent = nullptr);

  // What a button does once the dialog has closed; a way without one only closes it.
  void setHandler(Way way, std::function<void()> handler);
  QPushButton* button(Way way) const { return buttons_[static_cast<std::size_t>(way)]; }
  QPushButton* okButton() const { return ok_; }
  // The green or red picture.
  const QLabel* picture() const { return picture_; }

 private:
  std::array<QPushButton*, kWays> buttons_{};
  std::array<std::function<void()>, kWays> handlers_{};
  QPushButton* ok_ = nullptr;
  QLabel* picture_ = nullptr;
};

// "Matches", "26 x 7 =", "182": the three cells of a count's line.
struct CountCells {
  QString what;
  QString product;
  QString points;
};
CountCells CountLine(const GameUi::MemoryResult::Count& count);

// The picture of a won game (a green disc with a tick) or a lost one (a red
// disc with a cross), `side` pixels square.
QPixmap ResultPicture(bool won, int side);

// The memory result over the main window; its buttons run the window's new
// deal, game selection and restart once the end of the game is done.
// Closing it while no game is in progress redraws the table.
void ShowMemoryResultDialog(MainWindow& window, TMainGame& game, const GameUi::MemoryResult& result);

}  // namespace velmora
