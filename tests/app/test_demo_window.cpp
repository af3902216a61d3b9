// "Show a legal move" and the demonstration in the real program: the hint
// arrow goes after three ticks of the clock or with a press; "Demo" plays a deal of Klondike to
// its last card in the window, each move a step undo takes back; Pause
// stops it and Play goes on from where it stopped; a close of the main
// window during the demonstration stops it first. With VELMORA_SCREENSHOTS
// set, pictures of the screen at the start, half-way and at the end are kept
// there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "demo_window.h"
#include "game_won_dialog.h"
#include "hints/show_legal_move.h"
#include "main_window.h"
#include "program.h"
#include "qt_game_ui.h"
#include "table_view.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kCardsInFoundations = 52;

class DemoWindowTest : public ::testing::Test {
 protected:
  DemoWindowTest() {
    QDir().mkpath(scratch.filePath("program"));
    for (const char* name : {"GAMES.DAT", "SOL.RGF"})
      QFile::copy(QStringLiteral(VELMORA_PROGRAM_DIR "/") + name, scratch.filePath("program/") + name);
  }

  // Klondike (draw one), a deal the demonstration wins.
  void start(const QString& deal) {
    program = std::make_unique<Program>(ProgramOptions{scratch.filePath("program").toStdString(),
                                                       scratch.filePath("data").toStdString(), "1", deal},
                                        [](const QString&, const QString& text) { ADD_FAILURE() << text.toStdString(); });
    ASSERT_FALSE(program->start().has_value());
    program->ui().setWaitPercent(10);
    QApplication::processEvents();
  }

  TMainGame& game() { return program->game(); }
  int moves() const { return program->game().state().word(word::DemoMoves); }
  int cardsInFoundations() {
    int cards = 0;
    for (int k = 0; k < 4; ++k) cards += static_cast<int>(game().piles().pile({PileGroup::Foundations, k}).size());
    return cards;
  }

  void keepScreenshot(const char* name) {
    const QByteArray folder = qgetenv("VELMORA_SCREENSHOTS");
    if (folder.isEmpty() || !QGuiApplication::primaryScreen()) return;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(folder) + "/demo-" + name + ".png");
  }

  QTemporaryDir scratch;
  std::unique_ptr<Program> program;
};

TEST_F(DemoWindowTest, PlaysADealToItsLastCard) {
  start("20");
  TfrmDemo& demo = program->demoWindow();
  bool startShot = false, halfShot = false, gameWonShown = false;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (auto* won = qobject_cast<GameWonDialog*>(QApplication::activeModalWidget())) {
      gameWonShown = true;
      keepScreenshot("won");
      won->cancelButton()->click();
      return;
    }
    if (!startShot && moves() >= 3) {
      startShot = true;
      keepScreenshot("start");
    }
    if (!halfShot && cardsInFoundations() >= kCardsInFoundations / 2) {
      halfShot = true;
      keepScreenshot("half-way");
    }
  });
  watch.start(20);
  program->mainWindow().action(Command::Demo)->trigger();  // returns when the demonstration has ended
  watch.stop();
  keepScreenshot("end");

  EXPECT_EQ(cardsInFoundations(), kCardsInFoundations);
  EXPECT_TRUE(gameWonShown) << "the demonstration's win ends the game like any other";
  EXPECT_TRUE(startShot && halfShot) << "the table was watched while the demonstration played";
  EXPECT_EQ(game().state().word(word::PlayMode), play_mode::Player);
  EXPECT_EQ(game().history().undo().steps(), moves()) << "each move of the demonstration is one step";
  if (demo.isVisible()) {
    EXPECT_EQ(demo.movesText(), QString::number(moves()));
    EXPECT_EQ(demo.description(), "End of Demo");
  }
  EXPECT_EQ(game().state().word(word::FirstMove), 0) << "the demonstration made the deal's first move";
}

TEST_F(DemoWindowTest, PauseStopsAndPlayGoesOnFromThere) {
  start("20");
  TfrmDemo& demo = program->demoWindow();
  int pausedAt = -1;
  QTimer::singleShot(0, [&] {  // runs inside the demonstration's first wait
    QTimer* pause = new QTimer(&demo);
    QObject::connect(pause, &QTimer::timeout, [&, pause] {
      if (moves() < 2) return;
      pause->stop();
      demo.findChild<QToolButton*>("btnPause")->click();
      pausedAt = moves();
    });
    pause->start(5);
  });
  program->mainWindow().action(Command::Demo)->trigger();
  ASSERT_GE(pausedAt, 2);
  EXPECT_LE(moves(), pausedAt + 1) << "the move under way when Pause came is the last";
  EXPECT_TRUE(demo.isVisible()) << "the window stays after Pause";
  const int stepsAfterPause = game().history().undo().steps();

  program->mainWindow().action(Command::Demo)->trigger();
  EXPECT_EQ(game().history().undo().steps(), stepsAfterPause) << "Demo while the window is shown does nothing";

  // Play goes on; a close of the main window stops it and then closes.
  QTimer::singleShot(0, [&] { QTimer::singleShot(400, &program->mainWindow(), &QWidget::close); });
  demo.findChild<QToolButton*>("btnPlay")->click();
  EXPECT_GT(game().history().undo().steps(), stepsAfterPause);
  EXPECT_LT(cardsInFoundations(), kCardsInFoundations) << "the close stopped the demonstration";
  QApplication::processEvents();
  EXPECT_FALSE(program->mainWindow().isVisible()) << "the close followed once the demonstration had stopped";
}

TEST_F(DemoWindowTest, TheHintArrowGoesOnTheThirdTickOrWithAPress) {
  start("20");
  QAction* hint = program->mainWindow().action(Command::ShowLegalMove);
  ASSERT_TRUE(hint->isEnabled());
  EXPECT_EQ(hint->shortcut(), QKeySequence("M"));
  const int steps = game().history().undo().steps();
  hint->trigger();
  ASSERT_TRUE(program->table().isHintArrowShown());
  program->table().viewport()->repaint();
  keepScreenshot("hint");
  EXPECT_EQ(game().history().undo().steps(), steps) << "a hint only shows its move";
  emit program->mainWindow().ticked();
  emit program->mainWindow().ticked();
  EXPECT_TRUE(program->table().isHintArrowShown());
  emit program->mainWindow().ticked();
  EXPECT_FALSE(program->table().isHintArrowShown());
  EXPECT_EQ(game().state().word(word::PlayMode), play_mode::Player);

  hint->trigger();
  ASSERT_TRUE(program->table().isHintArrowShown());
  QTest::mousePress(program->table().viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(program->table().viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(program->table().isHintArrowShown());
}

}  // namespace
}  // namespace velmora
