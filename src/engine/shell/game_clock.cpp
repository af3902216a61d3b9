#include "shell/game_clock.h"

#include <cstdio>

namespace velmora {

std::int64_t ElapsedSeconds(std::int64_t startMs, std::int64_t nowMs) {
  const std::int64_t span = nowMs >= startMs ? nowMs - startMs : (kMillisecondsPerDay - startMs) + nowMs;
  return span > 0 ? span / 1000 : 0;
}

std::int64_t StartAfterPause(std::int64_t startMs, std::int64_t pausedMs, std::int64_t nowMs) {
  return nowMs - (pausedMs - startMs);
}

std::string ClockText(std::int64_t seconds, char separator) {
  if (seconds < 0) seconds = 0;
  char text[32];
  std::snprintf(text, sizeof text, "%lld%c%02lld%c%02lld", static_cast<long long>(seconds / 3600), separator,
                static_cast<long long>(seconds / 60 % 60), separator, static_cast<long long>(seconds % 60));
  return text;
}

}  // namespace velmora
