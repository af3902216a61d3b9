#include "hints/demo.h"

#include "game/new_game.h"
#include "hints/show_legal_move.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kStartWaitMs = 200;
constexpr int kBetweenMovesMs = 500;

bool Playing(const TMainGame& game) {
  const ProgramState& state = game.state();
  return state.word(word::PlayMode) == play_mode::Demo && state.on(flag::GameInProgress) && !state.on(flag::GameWon);
}

// Presses on the stock with no card moved in between: more than a whole
// round of the stock and the waste means the position only repeats.
class StockRounds {
 public:
  bool repeating(const TMainGame& game, const Hint& made) {
    if (made.kind != HintKind::Stock) {
      presses_ = 0;
      return false;
    }
    const auto cards = game.piles().pile(kStock).size() + game.piles().pile(kWaste).size();
    return ++presses_ > static_cast<int>(cards) + 1;
  }

 private:
  int presses_ = 0;
};

}  // namespace

void StartDemo(TMainGame& game, const DemoWatcher& watcher) {
  GameUi& ui = game.ui();
  if (ui.demoWindowShown()) return;  // a demonstration runs already: no second loop inside it
  if (!game.state().on(flag::GameInProgress))
    StartNewGame(game, {.deal = true, .animate = true, .mode = DealMode::NewDealNumber});
  if (game.state().word(word::PlayMode) != play_mode::Player) StopDemo(game, true);
  ui.showDemoWindow(true);
  PlayDemo(game, watcher);
}

void PlayDemo(TMainGame& game, const DemoWatcher& watcher) {
  ProgramState& state = game.state();
  GameUi& ui = game.ui();
  if (!state.on(flag::GameInProgress)) return;
  state.setWord(word::PlayMode, play_mode::Demo);
  ui.showDemoMoves(state.word(word::DemoMoves));
  ui.pauseFor(kStartWaitMs);
  StockRounds stockRounds;
  for (int made = 0; Playing(game) && (watcher.maxMoves < 0 || made < watcher.maxMoves); ++made) {
    const auto hint = ShowLegalMove(game, HintRequest::Demo);
    if (!hint) break;
    state.setWord(word::DemoMoves, state.word(word::DemoMoves) + 1);
    ui.showDemoMoves(state.word(word::DemoMoves));
    if (watcher.moveMade) watcher.moveMade(*hint);
    if (stockRounds.repeating(game, *hint)) {
      ui.showDemoDescription("End of Demo");
      break;
    }
    ui.pauseFor(kBetweenMovesMs);
  }
  if (state.word(word::PlayMode) == play_mode::Demo) state.setWord(word::PlayMode, play_mode::Player);
  if (!state.on(flag::GameInProgress)) ui.showDemoWindow(false);  // the game ended
  ui.showTable(GameUi::TableChange::Piles);
}

void StopDemo(TMainGame& game, bool force) {
  ProgramState& state = game.state();
  const int mode = state.word(word::PlayMode);
  if (!force && mode != play_mode::HintShown && mode != play_mode::Playback) return;
  GameUi& ui = game.ui();
  ui.showDemoWindow(false);
  state.setWord(word::PlayMode, play_mode::Player);
  game.carry().clear();
  ui.hideHintArrow();
  ui.showTable(GameUi::TableChange::Piles);
}

void PauseDemo(TMainGame& game) { game.state().setWord(word::PlayMode, play_mode::Player); }

}  // namespace velmora
