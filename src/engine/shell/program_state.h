#pragma once
// The program-wide switches: one-byte program flags, two program values and
// the game object's 16-bit state words. Their meanings belong to the rules
// that set them; the names here are the ones start-up and shutdown use.
#include <array>
#include <chrono>
#include <cstdint>

namespace velmora {

namespace flag {
inline constexpr int HoldOnClose = 0;  // "Hold and exit" closes the window
inline constexpr int Paused = 1;       // any press on the table only beeps
inline constexpr int GameInProgress = 2;
inline constexpr int ClockRuns = 3;
inline constexpr int FirstActivationPending = 4;
inline constexpr int DoubleClickHandled = 5;  // the press that follows a double click is ignored
inline constexpr int AnimationRuns = 6;
inline constexpr int GameWon = 8;
inline constexpr int EndOfGameSeen = 9;  // autoplay stops when it sees it
}  // namespace flag

namespace word {
inline constexpr int CloseAfterAnimation = 71;
inline constexpr int PassCounter = 73;
inline constexpr int DealChoice = 74;  // 2 until the first game of the run is chosen  // passes through the stock, 1 after a deal
inline constexpr int StockPressed = 89;
inline constexpr int StartPhase = 91;  // 0 after a deal, raised by each move to at most 2
inline constexpr int FoundationHighlightMark = 103;
inline constexpr int RandomGameType = 104;
inline constexpr int AutoplayAllGames = 105;
inline constexpr int FastSearchType = 108;
inline constexpr int DemoRunning = 110;
inline constexpr int StatisticsDisabled = 115;
inline constexpr int PressX = 85;  // where the last button press on the table was
inline constexpr int PressY = 86;
inline constexpr int PlayMode = 110;  // 0 the player plays; 1 a hint is shown; 2 demo playback; 3 the tutor demo
inline constexpr int HintShown = 113;
inline constexpr int FirstMove = 116;  // -1 after a deal; 1 once the player has moved; 0 the demo moved first
inline constexpr int InternetEligible = 117;  // 1 when the deal counts for the internet single-game counts
inline constexpr int SeriesInProgress = 109;
inline constexpr int MemoryMisses = 99;  // the memory games' missed pairs, read by their score
inline constexpr int ResultPanelLeft = 79;  // the poker squares' result panel, in table pixels; width 0: none
inline constexpr int ResultPanelTop = 80;
inline constexpr int ResultPanelWidth = 81;
}  // namespace word

namespace counter {
inline constexpr int DealCount = 0;  // stock deals of the game that undo and redo carry along
}  // namespace counter

// A clock that never jumps: game times survive midnight and clock changes.
inline std::int64_t MonotonicMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

struct ProgramState {
  std::array<std::uint8_t, 10> flags{};
  std::array<std::int32_t, 2> values{};
  std::array<std::int32_t, 2> counters{};
  std::array<std::int64_t, 3> times{};  // program times in monotonic milliseconds; 0 the game clock's start
  std::array<std::int16_t, 128> words{};

  bool on(int f) const { return flags.at(static_cast<std::size_t>(f)) != 0; }
  void set(int f, bool value) { flags.at(static_cast<std::size_t>(f)) = value ? 1 : 0; }
  std::int16_t word(int w) const { return words.at(static_cast<std::size_t>(w)); }
  void setWord(int w, std::int64_t value) { words.at(static_cast<std::size_t>(w)) = static_cast<std::int16_t>(value); }
};

}  // namespace velmora
