// The clock panel and the pause screen: the time a game has been played, the
// pause that does not count, and the press that ends the pause going no
// further.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app_test_support.h"
#include "main_window.h"
#include "pause_screen.h"
#include "shell/game_clock.h"

namespace velmora {
namespace {

using testing::GameFixture;

// A table that counts what reaches it.
class RecordingTable final : public QWidget {
 public:
  int keys = 0;
  int presses = 0;
  int releases = 0;

 protected:
  void keyPressEvent(QKeyEvent*) override { ++keys; }
  void mousePressEvent(QMouseEvent*) override { ++presses; }
  void mouseReleaseEvent(QMouseEvent*) override { ++releases; }
};

class ClockAndPauseTest : public ::testing::Test, protected GameFixture {
 protected:
  ClockAndPauseTest() : window(game, &resources) {
    window.setTable(table);
    window.resize(800, 600);
    window.show();
    window.setCommandAllowed(Command::Pause, true);
  }

  // A game whose clock started `seconds` ago.
  void startClock(std::int64_t seconds) {
    game.state().times[0] = MonotonicMilliseconds() - seconds * 1000;
    game.state().set(flag::ClockRuns, true);
  }

  void press(QWidget* target) {
    const QPointF at(10, 10);
    QMouseEvent down(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(target, &up);
  }

  void key(QWidget* target, int code) {
    QKeyEvent down(QEvent::KeyPress, code, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, code, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(target, &up);
  }

  RecordingTable* table = new RecordingTable;
  MainWindow window;
};

TEST_F(ClockAndPauseTest, TheTimePanelShowsTheRunningClock) {
  EXPECT_EQ(window.clockText(), QStringLiteral("0:00:00"));
  startClock(3723);
  window.updateClock();
  EXPECT_EQ(window.clockText(), QStringLiteral("1:02:03"));
  game.state().set(flag::ClockRuns, false);
  startClock(5);
  game.state().set(flag::ClockRuns, false);
  window.updateClock();
  EXPECT_EQ(window.clockText(), QStringLiteral("1:02:03")) << "a stopped clock keeps its time";
}

TEST_F(ClockAndPauseTest, PausedTimeDoesNotCount) {
  startClock(70);
  window.action(Command::Pause)->trigger();
  ASSERT_TRUE(window.isPaused());
  EXPECT_FALSE(game.state().on(flag::ClockRuns));
  EXPECT_TRUE(window.findChild<PauseScreen*>()->isVisible());
  // As if the pause began 60 seconds ago, after 10 seconds of play.
  game.state().times[2] = game.state().times[0] + 10'000;
  window.action(Command::Pause)->trigger();
  EXPECT_FALSE(window.isPaused());
  EXPECT_TRUE(game.state().on(flag::ClockRuns));
  EXPECT_FALSE(window.findChild<PauseScreen*>()->isVisible());
  EXPECT_EQ(window.clockText(), QStringLiteral("0:00:10"));
}

TEST_F(ClockAndPauseTest, AClockThatWasStoppedStaysStopped) {
  window.setPaused(true);
  window.setPaused(false);
  EXPECT_FALSE(game.state().on(flag::ClockRuns));
}

TEST_F(ClockAndPauseTest, AnyPressEndsThePauseAndGoesNoFurther) {
  struct Case {
    const char* what;
    std::function<void()> act;
  } cases[] = {
      {"key on the table", [&] { key(table, Qt::Key_A); }},
      {"key on the window", [&] { key(&window, Qt::Key_Space); }},
      {"mouse on the table", [&] { press(table); }},
      {"mouse on the menu bar", [&] { press(window.menuWidget()); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    startClock(1);
    window.setPaused(true);
    c.act();
    EXPECT_FALSE(window.isPaused());
    EXPECT_EQ(table->keys + table->presses + table->releases, 0);
    EXPECT_FALSE(window.action(Command::Pause)->isChecked());
  }
  // Once the pause is over the table hears the player again.
  press(table);
  key(table, Qt::Key_B);
  EXPECT_EQ(table->presses, 1);
  EXPECT_EQ(table->releases, 1);
  EXPECT_EQ(table->keys, 1);
}

TEST_F(ClockAndPauseTest, PicturesStandCentredBelowTheTop) {
  struct Case {
    QSize area, upper, lower;
    QPoint upperAt, lowerAt;
  } cases[] = {
      // (800 - 300) / 2, max(100, (600 - 80 - 28 - 45) / 2); 15 below the upper one
      {{800, 600}, {300, 80}, {380, 28}, {250, 223}, {210, 318}},
      {{1280, 1000}, {300, 80}, {380, 28}, {490, 423}, {450, 518}},
      // a small table: never above 100 from the top nor closer than 5 to the left
      {{320, 240}, {300, 80}, {380, 28}, {10, 100}, {5, 195}},
  };
  for (const Case& c : cases) {
    const PauseScreen::Places places = PauseScreen::PlacesFor(c.area, c.upper, c.lower);
    EXPECT_EQ(places.upper.topLeft(), c.upperAt) << c.area.width();
    EXPECT_EQ(places.lower.topLeft(), c.lowerAt) << c.area.width();
  }
}

TEST_F(ClockAndPauseTest, ThePauseScreenCoversTheTableInDarkGreen) {
  startClock(1);
  window.setPaused(true);
  const QImage shot = window.centralWidget()->grab().toImage();
  const QColor corner = shot.pixelColor(2, shot.height() / 2);
  EXPECT_EQ(corner.red(), 0);
  EXPECT_EQ(corner.blue(), 0);
  EXPECT_GT(corner.green(), 60);
  window.setPaused(false);
}

}  // namespace
}  // namespace velmora
