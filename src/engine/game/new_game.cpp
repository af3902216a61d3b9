#include "game/new_game.h"

#include "cards/deal_generator.h"
#include "families/game_family.h"
#include "game/rule_index.h"
#include "shell/main_game.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

void Run(const std::function<void()>& step) {
  if (step) step();
}

// The state of the previous game that a new one must not inherit.
void ResetGameState(TMainGame& game) {
  ProgramState& state = game.state();
  for (int w : {88, word::StockPressed, 91, 99, 113, 114}) state.setWord(w, 0);
  state.setWord(116, -1);
  state.counters[0] = 0;
  game.piles().clear();
  game.history().clear();
  state.set(flag::GameInProgress, false);
  for (int w : {word::DemoRunning, 112, 117}) state.setWord(w, 0);
  if (game.ui().demoWindowShown()) game.ui().showDemoWindow(false);
  game.store().write(store::SingleUndoUsed, "0");
  game.store().write(store::SingleRedoUsed, "0");
}

bool Deal(TMainGame& game, const NewGameRequest& request) {
  ProgramState& state = game.state();
  if (game.rules()[rule::DeckCards] != 0)
    game.rules().restoreDealCopy();  // the previous deal rewrote base ranks and fill rules
  else
    Run(game.seams().applyCardSettings);
  state.set(flag::ClockRuns, false);
  state.setWord(73, 1);
  game.store().write(store::Score, "0");
  if (request.mode == DealMode::NewDealNumber) {
    state.setWord(117, 1);
    game.store().write(store::DealNumber, NewDealNumber(game.random()));
  }
  auto digits = ParseDealNumber(game.store().dealNumber());
  if (!digits) {  // nothing but a deal number ever reaches the store; a new one is the safe answer
    game.store().write(store::DealNumber, NewDealNumber(game.random()));
    digits = ParseDealNumber(game.store().dealNumber());
  }
  DealContext context{game.rules(), game.cards(), game.piles(), state, *digits};
  return DealTable(context, game.seams().deal);
}

}  // namespace

std::string NewDealNumber(std::mt19937& random) {
  std::uniform_int_distribution<std::int64_t> first(0, 9'999'998), second(0, 999'998);
  std::int64_t number = 0;
  while (number == 0) number = first(random) * second(random);
  return FormatNumber(number, kDealNumberDigits);
}

bool StartNewGame(TMainGame& game, const NewGameRequest& request) {
  ResetGameState(game);
  if (request.fill) {
    game.state().set(flag::ClockRuns, false);
    request.fill();
  } else if (request.deal && !Deal(game, request)) {
    // A table that could not be dealt is no game: no clock runs and nothing
    // is ever recorded for it.
    game.piles().clear();
    game.state().set(flag::ClockRuns, false);
    game.ui().showMessage("Velmora 2001", kDeckSizeError, GameUi::Icon::Information);
    if (!request.quiet) game.ui().showTable(GameUi::TableChange::Layout);
    return false;
  }
  Run(game.seams().rememberDealNumber);
  Run(game.seams().recordLastPlayed);
  ProgramState& state = game.state();
  state.set(flag::GameInProgress, true);
  state.set(flag::GameWon, false);
  if (!state.on(flag::ClockRuns)) {
    state.times[0] = MonotonicMilliseconds();
    state.set(flag::ClockRuns, true);
  }
  game.irregularPiles().refill(game.random());
  if (!request.quiet) game.ui().showTable(GameUi::TableChange::Layout);
  Run(game.seams().afterDeal);
  if (game.family().facts().wonTestAfterDeal) Run(game.seams().familyWonTest);
  return true;
}

}  // namespace velmora
