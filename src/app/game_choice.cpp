#include "game_choice.h"

#include <QApplication>
#include <QTimer>

#include "catalogue/play_game.h"
#include "game_commands.h"
#include "history/held_game.h"
#include "main_window.h"
#include "shell/main_game.h"

namespace velmora {

GameChoice::GameChoice(MainWindow& window, TMainGame& game, const ResourceStore* resources,
                       OpenGameDialog::MarkSource marks, PlayerRecords records)
    : QObject(&window), window_(window), game_(game), records_(std::move(records)),
      dialog_(new OpenGameDialog(game, resources, std::move(marks), &window)),
      savedGames_(new SavedGameCommands(window, game)) {
  dialog_->setPlayersEditor([this] { runPlayersDialog(dialog_); });
  game.catalogue().hooks().endRunningGame = [this] {
    if (game_.state().on(flag::GameInProgress) && game_.playSeams().endGame) game_.playSeams().endGame();
    game_.state().set(flag::GameInProgress, false);
    game_.state().set(flag::ClockRuns, false);
    game_.piles().clear();
    game_.history().clear();
    game_.ui().showTable(GameUi::TableChange::Layout);
    QTimer::singleShot(0, &window_, [this] { ShowDealtGame(window_, game_); });
  };
  window.connectCommand(Command::OpenGame, [this] { openGame(); });
  window.connectCommand(Command::Players, [this] { editPlayers(); });
  // Looked at from the event loop, after a game named on the command line was dealt.
  connect(&window, &MainWindow::firstActivated, this, [this] { QTimer::singleShot(0, this, [this] { begin(); }); });
}

void GameChoice::begin() {
  if (game_.state().on(flag::GameInProgress)) return;  // named on the command line: a held game waits
  if (ResumeHeldGame(game_, ScreenFacts(window_)) == ResumeOutcome::Resumed)
    ShowDealtGame(window_, game_);
  else
    openGame();
}

void GameChoice::openGame() {
  if (dialog_->isVisible()) return;
  for (;;) {
    const std::string player = game_.store().playerName();
    const auto choice = dialog_->choose();
    game_.store().write(store::UserDefault, player);
    if (!dialog_->savedGameWanted()) {
      if (choice) play(*choice);
      return;
    }
    const OpenOutcome opened = savedGames_->open();
    if (opened == OpenOutcome::Opened || opened == OpenOutcome::Won) return;
  }
}

void GameChoice::play(const OpenGameDialog::Choice& choice) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool dealt = PlayGame(game_,
                              {.number = choice.number,
                               .name = choice.name,
                               .player = choice.player,
                               .mode = DealMode::NewDealNumber,
                               .remember = false},
                              ScreenFacts(window_));
  QApplication::restoreOverrideCursor();
  if (dealt) ShowDealtGame(window_, game_);
  window_.gameChanged();
}

bool GameChoice::runPlayersDialog(QWidget* parent) {
  PlayersDialog players(game_, records_, parent);
  players.exec();
  if (players.playerChanged()) {  // the game of the player before was left: the table is cleared
    game_.state().set(flag::GameInProgress, false);
    game_.state().set(flag::ClockRuns, false);
    game_.piles().clear();
    game_.ui().showTable(GameUi::TableChange::Layout);
    ShowDealtGame(window_, game_);
  }
  window_.gameChanged();
  return players.playerChanged();
}

void GameChoice::editPlayers() {
  if (runPlayersDialog(&window_) && !dialog_->isVisible()) openGame();
}

}  // namespace velmora
