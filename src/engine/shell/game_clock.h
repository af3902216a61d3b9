#pragma once
// The game clock: how long the current game has been played, and the
// "h:nn:ss" text the time panel shows.
#include <cstdint>
#include <string>

namespace velmora {

inline constexpr std::int64_t kMillisecondsPerDay = 24 * 60 * 60 * 1000;

// Whole seconds of play from `startMs` to `nowMs`. A reading earlier than the
// start comes from a clock of the time of day that has passed midnight since:
// it counts (24:00:00 - start) + now, so the game keeps counting without a
// jump or a lost second.
std::int64_t ElapsedSeconds(std::int64_t startMs, std::int64_t nowMs);

// The start that leaves the paused span out: the clock shows at `nowMs` what
// it showed when it was paused at `pausedMs`.
std::int64_t StartAfterPause(std::int64_t startMs, std::int64_t pausedMs, std::int64_t nowMs);

// Hours without padding, minutes and seconds with two digits: "0:00:00",
// "1:02:03", "27:00:00". A negative span shows as zero.
std::string ClockText(std::int64_t seconds, char separator = ':');

}  // namespace velmora
