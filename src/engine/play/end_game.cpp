#include "play/end_game.h"

#include "families/game_family.h"
#include "families/memory_result.h"
#include "game/rule_index.h"
#include "history/bookmark.h"
#include "records/record_clock.h"
#include "scoring/score.h"
#include "shell/game_clock.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kWonPauseMs = 200;

// The seconds of play the game clock shows now.
std::int64_t ClockSeconds(const TMainGame& game) {
  const ProgramState& state = game.state();
  if (!state.on(flag::ClockRuns)) return 0;
  return ElapsedSeconds(state.times[0], MonotonicMilliseconds());
}

// A game with a score to win is won by its score alone.
bool DecideWon(TMainGame& game) {
  ProgramState& state = game.state();
  const int scoreToWin = game.rules()[rule::ScoreToWin];
  if (scoreToWin != 0) state.set(flag::GameWon, StoredScore(game) >= scoreToWin);
  return state.on(flag::GameWon);
}

std::int64_t StopClock(TMainGame& game) {
  const std::int64_t seconds = ClockSeconds(game);
  game.state().set(flag::ClockRuns, false);
  return seconds;
}

// The memory games show how their score was made, before the records.
void ShowMemoryResult(TMainGame& game, bool won) {
  if (game.family().facts().showsResult) game.ui().showMemoryResult(MemoryResultOf(game, won));
}

void MarkEnded(TMainGame& game) {
  game.carry().clear();
  ProgramState& state = game.state();
  state.set(flag::GameWon, false);
  state.set(flag::GameInProgress, false);
  state.set(flag::EndOfGameSeen, true);
  state.setWord(word::CloseAfterAnimation, 0);
}

void CelebrateWin(TMainGame& game) {
  game.ui().pauseFor(kWonPauseMs);
  if (game.store().isOn(store::SoundsGameWon)) game.ui().playSound("Won");
  game.ui().playWinningAnimation();
}

}  // namespace

EndOfGame EndGame(TMainGame& game) {
  GameUi& ui = game.ui();
  ProgramState& state = game.state();
  if (ui.demoWindowShown()) ui.showDemoWindow(false);
  if (!state.on(flag::GameInProgress)) return {};
  EndOfGame end;
  end.ended = true;
  end.won = DecideWon(game);
  const RecordMoment when = CurrentMoment();
  end.seconds = StopClock(game);
  DropBookmark(game);
  ui.gameEnded(end.seconds);
  ShowMemoryResult(game, end.won);
  end.record = RecordFinishedGame(game, {.won = end.won,
                                         .seconds = static_cast<int>(end.seconds),
                                         .date = when.date,
                                         .timeOfDay = when.timeOfDay});
  MarkEnded(game);
  if (end.won) CelebrateWin(game);
  // The records have handed a series game's result to the series already.
  const bool series = state.word(word::SeriesInProgress) >= 1;
  const bool newGameStarted = state.on(flag::GameInProgress);
  if (state.word(word::CloseAfterAnimation) == 1)
    ui.closeMainWindow();
  else if (end.won && !newGameStarted && !series)
    ui.showGameWon();
  return end;
}

}  // namespace velmora
