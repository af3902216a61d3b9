// The game clock: the shown time, a game played across midnight, a pause.
#include <gtest/gtest.h>

#include "shell/game_clock.h"

namespace velmora {
namespace {

constexpr std::int64_t Ms(int hours, int minutes, int seconds) {
  return ((hours * 60LL + minutes) * 60 + seconds) * 1000;
}

TEST(GameClock, ElapsedSeconds) {
  struct Case {
    const char* what;
    std::int64_t start, now, seconds;
  } cases[] = {
      {"just started", Ms(10, 0, 0), Ms(10, 0, 0), 0},
      {"part of a second is not yet a second", Ms(10, 0, 0), Ms(10, 0, 0) + 999, 0},
      {"an hour and a bit", Ms(10, 0, 0), Ms(11, 2, 3) + 500, 3723},
      {"one second across midnight", Ms(23, 59, 59), Ms(0, 0, 0), 1},
      {"across midnight", Ms(23, 59, 50), Ms(0, 0, 10), 20},
      {"started at midnight", Ms(0, 0, 0), Ms(0, 0, 30), 30},
      // Readings of a monotonic clock are far beyond one day; only their difference counts.
      {"monotonic readings", 5'000'000'000'000, 5'000'000'090'000, 90},
  };
  for (const Case& c : cases) EXPECT_EQ(ElapsedSeconds(c.start, c.now), c.seconds) << c.what;
}

TEST(GameClock, ClockText) {
  struct Case {
    std::int64_t seconds;
    const char* text;
  } cases[] = {
      {0, "0:00:00"}, {59, "0:00:59"}, {60, "0:01:00"}, {3723, "1:02:03"}, {35999, "9:59:59"},
      {97200, "27:00:00"}, {-5, "0:00:00"},
  };
  for (const Case& c : cases) EXPECT_EQ(ClockText(c.seconds), c.text) << c.seconds;
  EXPECT_EQ(ClockText(3723, '.'), "1.02.03");
}

TEST(GameClock, APauseDoesNotCount) {
  const std::int64_t start = Ms(10, 0, 0), paused = Ms(10, 5, 0), resumed = Ms(10, 45, 0);
  const std::int64_t newStart = StartAfterPause(start, paused, resumed);
  EXPECT_EQ(ElapsedSeconds(newStart, resumed), 300);
  EXPECT_EQ(ElapsedSeconds(newStart, resumed + 1000), 301);
}

}  // namespace
}  // namespace velmora
