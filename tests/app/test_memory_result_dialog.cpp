// The window that closes a memory game: its caption and picture, the page
// that shows how the score was made, and its buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "app_test_support.h"
#include "game_commands.h"
#include "main_window.h"
#include "memory_result_dialog.h"
#include "play/end_game.h"
#include "shell/startup.h"
#include "table/prepare_game.h"

namespace velmora {
namespace {

using testing::GameFixture;
using testing::ModalDriver;
using Way = MemoryResultDialog::Way;

GameUi::MemoryResult Concentration(bool won) {
  GameUi::MemoryResult result;
  result.won = won;
  result.page = "Concentration";
  result.heading = "Cards: 52";
  result.counts = {{"Matches", 26, 7, 182}, {"Misses", 12, -1, -12}};
  result.start = -52;
  result.total = 118;
  result.scoreToWin = 100;
  return result;
}

QStringList LabelTexts(const QWidget& dialog) {
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

TEST(MemoryResultDialog, CaptionAndPictureSayWonOrLost) {
  const struct {
    bool won;
    const char* caption;
    bool green;
  } cases[] = {{true, "Game Won", true}, {false, "Game Lost", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    const MemoryResultDialog dialog(Concentration(c.won));
    EXPECT_EQ(dialog.windowTitle(), QString::fromLatin1(c.caption));
    const QImage picture = dialog.picture()->pixmap().toImage();
    const QColor middleLeft = picture.pixelColor(picture.width() / 6, picture.height() / 2);
    EXPECT_EQ(middleLeft.green() > middleLeft.red(), c.green);
  }
}

// The family's page lists each count as "what", "n x each =", "points" in
// columns, then the start, the total and the score to win.
TEST(MemoryResultDialog, ThePageShowsHowTheScoreWasMade) {
  const MemoryResultDialog dialog(Concentration(true));
  const auto* pages = dialog.findChild<QTabWidget*>();
  ASSERT_NE(pages, nullptr);
  ASSERT_EQ(pages->count(), 1);
  EXPECT_EQ(pages->tabText(0), QStringLiteral("Concentration"));
  const QStringList texts = LabelTexts(*pages->widget(0));
  for (const char* text : {"Cards: 52", "Matches", "26 x 7 =", "182", "Misses", "12 x -1 =", "-12", "Start", "-52",
                           "Total", "118", "(Score to win: 100)"})
    EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
  QStringList buttons;
  for (const QPushButton* button : dialog.findChildren<QPushButton*>()) buttons << button->text();
  EXPECT_EQ(buttons, (QStringList{"OK", "New...", " Open...", "Restart..."}));
}

class MemoryResultWindowTest : public ::testing::Test, protected GameFixture {
 protected:
  MemoryResultWindowTest() {
    EXPECT_FALSE(InitialiseProgram(game, {}).has_value());
    window = std::make_unique<MainWindow>(game, &resources);
    ConnectGameCommands(*window, game);
    EXPECT_FALSE(DealNamedGame(game, "FreeCell", "0000000000001", {1280, true}).has_value());
    ShowDealtGame(*window, game);
    EndGame(game);
  }

  std::unique_ptr<MainWindow> window;
};

// OK only closes; "New..." closes and then deals, once the dialog is gone.
TEST_F(MemoryResultWindowTest, OkClosesAndNewDealsAfterTheDialogClosed) {
  ASSERT_FALSE(game.state().on(flag::GameInProgress));
  ModalDriver ok([](QWidget& dialog) { qobject_cast<MemoryResultDialog*>(&dialog)->okButton()->click(); });
  ShowMemoryResultDialog(*window, game, Concentration(false));
  EXPECT_TRUE(ok.sawDialog());
  QApplication::processEvents();
  EXPECT_FALSE(game.state().on(flag::GameInProgress));

  const std::string firstDeal = game.store().dealNumber();
  ModalDriver newGame([](QWidget& dialog) { qobject_cast<MemoryResultDialog*>(&dialog)->button(Way::NewGame)->click(); });
  ShowMemoryResultDialog(*window, game, Concentration(false));
  EXPECT_TRUE(newGame.sawDialog());
  EXPECT_FALSE(game.state().on(flag::GameInProgress)) << "nothing is dealt while the game's end is still recorded";
  QApplication::processEvents();
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
  EXPECT_NE(game.store().dealNumber(), firstDeal);
}

// "Restart..." deals the same deal again, though the game has ended.
TEST_F(MemoryResultWindowTest, RestartDealsTheSameDealAgain) {
  const std::string deal = game.store().dealNumber();
  ModalDriver restart([](QWidget& dialog) { qobject_cast<MemoryResultDialog*>(&dialog)->button(Way::Restart)->click(); });
  ShowMemoryResultDialog(*window, game, Concentration(false));
  ASSERT_TRUE(restart.sawDialog());
  QApplication::processEvents();
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
  EXPECT_EQ(game.store().dealNumber(), deal);
}

}  // namespace
}  // namespace velmora
