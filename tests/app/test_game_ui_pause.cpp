// The engine's pauses on screen: the window's events go on while the time
// passes, so the player can still act during the pause after a deal.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include "app_test_support.h"
#include "qt_game_ui.h"

namespace velmora {
namespace {

class GameUiPauseTest : public ::testing::Test, protected testing::GameFixture {};

TEST_F(GameUiPauseTest, EventsRunWhileThePauseLasts) {
  QtGameUi windows(resources);
  bool handled = false;
  QObject context;
  QTimer::singleShot(10, &context, [&handled] { handled = true; });
  QElapsedTimer clock;
  clock.start();
  windows.pauseFor(100);
  EXPECT_TRUE(handled) << "an event that came during the pause was handled";
  EXPECT_GE(clock.elapsed(), 90) << "the pause lasted its time";
}

}  // namespace
}  // namespace velmora
