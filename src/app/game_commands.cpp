#include "game_commands.h"

#include <QApplication>
#include <QScreen>

#include "game/new_game.h"
#include "history/bookmark.h"
#include "history/undo.h"
#include "play/end_game.h"
#include "play/leave_game.h"
#include "records/keyed_file.h"
#include "records/statistics_record.h"
#include "scoring/score.h"
#include "game_won_dialog.h"
#include "main_window.h"
#include "qt_game_ui.h"
#include "shell/main_game.h"
#include "table/prepare_game.h"

namespace velmora {
namespace {

constexpr std::string_view kUndoSwitchedOff = "2";  // the player's Undo_Enabled
constexpr int kFallbackScreenWidth = 1024;
constexpr int kFewColoursDepth = 8;

bool HasCurrentGame(const TMainGame& game) { return game.catalogue().Knows(game.store().gameNumber()); }

void NewDeal(MainWindow& window, TMainGame& game) {
  if (!HasCurrentGame(game)) {
    window.action(Command::OpenGame)->trigger();
    return;
  }
  if (!ConfirmQuitGame(game)) return;
  EndGame(game);  // a game left in progress counts as lost
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (game.store().isOn(store::SoundsEnabled) && game.store().isOn(store::SoundsNewGame)) game.ui().playSound("New");
  StartNewGame(game, {.deal = true, .animate = true, .mode = DealMode::NewDealNumber});
  QApplication::restoreOverrideCursor();
  ShowDealtGame(window, game);
}

// "Quit game": the game counts as lost and another one is chosen.
void Quit(MainWindow& window, TMainGame& game) {
  if (QuitGame(game) != LeaveOutcome::Done) return;
  game.ui().showTable(GameUi::TableChange::Piles);
  window.action(Command::OpenGame)->trigger();
}

// The same deal from its start. Asked, it acts only on a game in progress;
// unasked (the game-won dialog), also on a game just ended.
void Restart(MainWindow& window, TMainGame& game, bool ask) {
  if (RestartGame(game, ask) == LeaveOutcome::Done) ShowDealtGame(window, game);
}

// After the table was put back as it was: the piles, the score, the commands.
void ShowRestoredTable(MainWindow& window, TMainGame& game) {
  RecomputeScore(game);
  game.ui().showTable(GameUi::TableChange::Piles);
  window.setCommandAllowed(Command::GoToBookmark, HasBookmark(game));
}

void StepThroughHistory(MainWindow& window, TMainGame& game, HistorySide side) {
  if (!TakeHistoryStep(game, side)) {
    game.ui().beep();
    return;
  }
  ShowRestoredTable(window, game);
}

// The current player's totals in the current game; none while statistics are off.
std::optional<GameWonDialog::Totals> PlayerTotals(TMainGame& game) {
  if (game.state().word(word::StatisticsDisabled) != 0) return std::nullopt;
  const auto text = KeyedFile(game.data(), std::string(kStatisticsFile)).load();
  const StatisticsRecord record =
      text ? FindStatistics(*text, game.store().gameNumber(), game.store().playerName()).record : StatisticsRecord{};
  return GameWonDialog::Totals{static_cast<int>(record.won), static_cast<int>(record.lost)};
}

}  // namespace

DisplayFacts ScreenFacts(const QWidget& window) {
  const QScreen* screen = window.screen();
  return {screen ? screen->size().width() : kFallbackScreenWidth, !screen || screen->depth() > kFewColoursDepth};
}

void ConnectGameCommands(MainWindow& window, TMainGame& game) {
  // A deal finds the rule record empty only before the current game was prepared.
  game.seams().applyCardSettings = [&window, &game] { PrepareCurrentGame(game, ScreenFacts(window)); };
  window.connectCommand(Command::NewGame, [&window, &game] { NewDeal(window, game); });
  window.connectCommand(Command::QuitGame, [&window, &game] { Quit(window, game); });
  window.connectCommand(Command::RestartGame, [&window, &game] { Restart(window, game, true); });
  window.connectCommand(Command::Undo, [&window, &game] { StepThroughHistory(window, game, HistorySide::Undo); });
  window.connectCommand(Command::Redo, [&window, &game] { StepThroughHistory(window, game, HistorySide::Redo); });
  window.connectCommand(Command::InsertBookmark, [&window, &game] {
    if (InsertBookmark(game)) window.setCommandAllowed(Command::GoToBookmark, true);
  });
  window.connectCommand(Command::GoToBookmark, [&window, &game] {
    if (GoToBookmark(game)) ShowRestoredTable(window, game);
  });
  ShowHistoryCommands(window, game);
}

void ShowDealtGame(MainWindow& window, TMainGame& game) {
  for (Command command : {Command::Pause, Command::QuitGame, Command::Save, Command::InsertBookmark})
    window.setCommandAllowed(command, game.state().on(flag::GameInProgress));
  window.setCommandAllowed(Command::GoToBookmark, HasBookmark(game));
  ShowHistoryCommands(window, game);
  window.gameChanged();
  window.showScore(game.store().readNumber(store::Score).value_or(0));
  window.updateClock();
}

void ShowHistoryCommands(MainWindow& window, const TMainGame& game) {
  const bool undoOn = game.store().read(store::UndoEnabled) != kUndoSwitchedOff;
  window.setCommandAllowed(Command::Undo, undoOn && !game.history().undo().empty());
  window.setCommandAllowed(Command::Redo, undoOn && !game.history().redo().empty());
}

void ShowEndedGame(MainWindow& window, std::int64_t seconds) {
  for (Command command :
       {Command::Pause, Command::QuitGame, Command::Save, Command::InsertBookmark, Command::GoToBookmark})
    window.setCommandAllowed(command, false);
  window.hidePileSize();
  window.showElapsedTime(seconds);
}

void RestartUnasked(MainWindow& window, TMainGame& game) { Restart(window, game, false); }

void ShowGameWonDialog(MainWindow& window, TMainGame& game) {
  GameWonDialog dialog(ToDisplayText(game.store().read(store::GameName)), PlayerTotals(game), &window);
  dialog.setHandler(GameWonDialog::Way::NewGame, [&window, &game] { NewDeal(window, game); });
  dialog.setHandler(GameWonDialog::Way::Restart, [&window, &game] { Restart(window, game, false); });
  if (dialog.exec() == QDialog::Rejected && !game.state().on(flag::GameInProgress))
    game.ui().showTable(GameUi::TableChange::Piles);
}

}  // namespace velmora
