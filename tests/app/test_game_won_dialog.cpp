// The end of a game in the window: the game-won dialog and its ways on, and
// the commands that end a game in progress before they go on.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "app_test_support.h"
#include "game_commands.h"
#include "game_won_dialog.h"
#include "main_window.h"
#include "play/end_game.h"
#include "records/statistics_record.h"
#include "shell/startup.h"
#include "table/prepare_game.h"

namespace velmora {
namespace {

using testing::GameFixture;
using testing::ModalDriver;
using Way = GameWonDialog::Way;

QStringList LabelTexts(const QWidget& dialog) {
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

TEST(GameWonDialog, EveryWayIsShownAndOnlyThoseThatExistWork) {
  GameWonDialog dialog(QStringLiteral("FreeCell"), GameWonDialog::Totals{2, 1});
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Game won"));
  const std::pair<Way, const char*> captions[] = {
      {Way::NewGame, "   &New game..."},   {Way::Restart, "&Restart game..."}, {Way::Statistics, "  &Statistics...     "},
      {Way::OpenGame, " &Open a game..."}, {Way::SelectGame, "S&elect game... "}, {Way::RandomGame, "R&andom game"},
  };
  for (const auto& [way, caption] : captions) {
    EXPECT_EQ(dialog.button(way)->text(), QString::fromLatin1(caption));
    EXPECT_FALSE(dialog.button(way)->isEnabled()) << caption;
  }
  EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("Cancel"));

  int dealt = 0;
  dialog.setHandler(Way::NewGame, [&] { ++dealt; });
  ASSERT_TRUE(dialog.button(Way::NewGame)->isEnabled());
  dialog.button(Way::NewGame)->click();
  EXPECT_EQ(dealt, 1);
  EXPECT_EQ(dialog.result(), QDialog::Accepted) << "the dialog closes after its way ran";
}

TEST(GameWonDialog, ThePlayersTotalsWithTheirShares) {
  struct Case {
    int won, lost;
    const char* percent;
  } cases[] = {{2, 1, "67"}, {1, 2, "33"}, {1, 1, "50"}, {1, 199, "1"}, {0, 0, ""}};
  for (const Case& c : cases) EXPECT_EQ(WonPercent(c.won, c.lost), QString::fromLatin1(c.percent)) << c.won << "/" << c.lost;

  const GameWonDialog shown(QStringLiteral("FreeCell"), GameWonDialog::Totals{2, 1});
  const QStringList texts = LabelTexts(shown);
  for (const char* text : {"Won:", "Lost:", "Total:", "3", "(67%)", "(33%)"})
    EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
  const GameWonDialog statisticsOff(QStringLiteral("FreeCell"), std::nullopt);
  EXPECT_TRUE(LabelTexts(statisticsOff).isEmpty()) << "a plain page while statistics are off";
}

class EndOfGameWindowTest : public ::testing::Test, protected GameFixture {
 protected:
  EndOfGameWindowTest() {
    EXPECT_FALSE(InitialiseProgram(game, {}).has_value());
    window = std::make_unique<MainWindow>(game, &resources);
    ConnectGameCommands(*window, game);
  }

  void deal() {
    ASSERT_FALSE(DealNamedGame(game, "FreeCell", "0000000000001", {1280, true}).has_value());
    ShowDealtGame(*window, game);
  }

  StatisticsRecord freeCellRecord() {
    const FileContents file = game.data().read(kStatisticsFile, 1 << 20);
    return FindStatistics(file.data, game.store().gameNumber(), game.store().playerName()).record;
  }

  std::unique_ptr<MainWindow> window;
};

TEST_F(EndOfGameWindowTest, ANewGameEndsTheGameInProgressAsLost) {
  deal();
  const std::string firstDeal = game.store().dealNumber();
  window->action(Command::NewGame)->trigger();
  EXPECT_EQ(freeCellRecord().lost, 1);
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
  EXPECT_NE(game.store().dealNumber(), firstDeal);
}

TEST_F(EndOfGameWindowTest, ClosingTheProgramEndsTheGameInProgressAsLost) {
  deal();
  ASSERT_TRUE(window->close());
  EXPECT_EQ(freeCellRecord().lost, 1);
  EXPECT_FALSE(game.state().on(flag::GameInProgress));
}

TEST_F(EndOfGameWindowTest, AnEndedGameSwitchesItsCommandsOff) {
  deal();
  ASSERT_TRUE(window->action(Command::Pause)->isEnabled());
  ShowEndedGame(*window, 75);
  EXPECT_FALSE(window->action(Command::Pause)->isEnabled());
  EXPECT_FALSE(window->action(Command::InsertBookmark)->isEnabled());
  EXPECT_EQ(window->clockText(), QStringLiteral("0:01:15"));
}

TEST_F(EndOfGameWindowTest, NewGameFromTheGameWonDialogDealsAgain) {
  deal();
  game.state().set(flag::GameWon, true);
  EndGame(game);
  ASSERT_FALSE(game.state().on(flag::GameInProgress));
  ModalDriver newGame([](QWidget& dialog) {
    auto* won = qobject_cast<GameWonDialog*>(&dialog);
    ASSERT_NE(won, nullptr);
    won->button(Way::NewGame)->click();
  });
  ShowGameWonDialog(*window, game);
  EXPECT_TRUE(newGame.sawDialog());
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
  EXPECT_EQ(freeCellRecord().won, 1) << "the won game counts once; the new deal is not ended";
  EXPECT_EQ(freeCellRecord().lost, 0);
}

}  // namespace
}  // namespace velmora
