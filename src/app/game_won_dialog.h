#pragma once
// The dialog that follows a won game (TfrmGameWon): the player's totals in
// the game and the ways on from here. A way whose handler is not given is
// shown switched off.
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "dialog_base.h"

class QPushButton;

namespace velmora {

class GameWonDialog final : public DialogBase {
  Q_OBJECT

 public:
  enum class Way { NewGame, Restart, Statistics, OpenGame, SelectGame, RandomGame };
  static constexpr std::size_t kWays = 6;

  struct Totals {
    int won = 0;
    int lost = 0;
  };

  // `totals` is empty when the statistics are switched off.
  GameWonDialog(const QString& gameName, std::optional<Totals> totals, QWidget* parent = nullptr);

  // What a button does; the dialog closes after it ran.
  void setHandler(Way way, std::function<void()> handler);
  QPushButton* button(Way way) const { return buttons_[static_cast<std::size_t>(way)]; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  std::array<QPushButton*, kWays> buttons_{};
  std::array<std::function<void()>, kWays> handlers_{};
  QPushButton* cancel_ = nullptr;
};

// "67" for 2 won of 3; empty when no game was played.
QString WonPercent(int won, int lost);

}  // namespace velmora
