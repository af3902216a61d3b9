#include "game_commands.h"

#include <QApplication>

#include "game/new_game.h"
#include "main_window.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

bool HasCurrentGame(const TMainGame& game) { return game.catalogue().Knows(game.store().gameNumber()); }

void NewDeal(MainWindow& window, TMainGame& game) {
  if (!HasCurrentGame(game)) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (game.store().isOn(store::SoundsEnabled) && game.store().isOn(store::SoundsNewGame)) game.ui().playSound("New");
  StartNewGame(game, {.deal = true, .animate = true, .mode = DealMode::NewDealNumber});
  QApplication::restoreOverrideCursor();
  ShowDealtGame(window, game);
}

}  // namespace

void ConnectGameCommands(MainWindow& window, TMainGame& game) {
  window.connectCommand(Command::NewGame, [&window, &game] { NewDeal(window, game); });
}

void ShowDealtGame(MainWindow& window, TMainGame& game) {
  window.setCommandAllowed(Command::Pause, game.state().on(flag::GameInProgress));
  window.gameChanged();
  window.showScore(game.store().readNumber(store::Score).value_or(0));
  window.updateClock();
}

}  // namespace velmora
