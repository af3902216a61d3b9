#pragma once
// The family's part of the clock: the program calls it once a second while a
// game is in progress, the command line when a script waits.
#include <cstdint>

namespace velmora {

class TMainGame;

// `now` is the monotonic time in milliseconds (MonotonicMilliseconds, or a
// later one for a scripted wait).
void FamilyClockTick(TMainGame& game, std::int64_t now);

}  // namespace velmora
