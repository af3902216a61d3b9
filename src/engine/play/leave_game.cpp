#include "play/leave_game.h"

#include <string>

#include "game/new_game.h"
#include "play/end_game.h"
#include "scoring/score.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr char kCaption[] = "Velmora 2001";

bool HasDealtTable(const TMainGame& game) {
  return game.catalogue().Knows(game.store().gameNumber()) && !game.piles().empty();
}

// The table as it was dealt: the oldest step of the history, or the table
// itself when no move was made.
PileSnapshot DealtTable(TMainGame& game) {
  if (!game.history().undo().empty()) game.history().undo().restoreOldest(game.piles(), game.cards());
  return TakeSnapshot(game.piles(), game.cards());
}

void PlayRestartSound(TMainGame& game) {
  const ConfigStore& store = game.store();
  if (store.isOn(store::SoundsEnabled) && store.isOn(store::SoundsRestart)) game.ui().playSound("Restart");
}

}  // namespace

bool ConfirmQuitGame(TMainGame& game, std::string_view question) {
  const ProgramState& state = game.state();
  if (state.on(flag::AnimationRuns)) return false;
  if (game.store().read(store::ConfirmQuitGame) == "N") return true;
  if (!state.on(flag::GameInProgress) || state.on(flag::GameWon)) return true;
  return game.ui().askQuestion(kCaption, question);
}

LeaveOutcome QuitGame(TMainGame& game) {
  if (!ConfirmQuitGame(game)) return LeaveOutcome::Declined;
  return EndGame(game).won ? LeaveOutcome::Won : LeaveOutcome::Done;
}

LeaveOutcome RestartGame(TMainGame& game, bool ask) {
  const ProgramState& state = game.state();
  if (state.on(flag::AnimationRuns) || !HasDealtTable(game)) return LeaveOutcome::Declined;
  if (ask) {
    if (!state.on(flag::GameInProgress)) return LeaveOutcome::Declined;
    const std::string question = "Restart this game?\rGame number: " + game.store().dealNumber();
    if (!state.on(flag::GameWon) && !game.ui().askQuestion(kCaption, question)) return LeaveOutcome::Declined;
  }
  if (EndGame(game).won) return LeaveOutcome::Won;
  const PileSnapshot dealt = DealtTable(game);
  StartNewGame(game, {.deal = false,
                      .animate = true,
                      .mode = DealMode::KeepDealNumber,
                      .fill = [&game, &dealt] {
                        RestoreSnapshot(dealt, game.piles(), game.cards());
                        game.state().setWord(word::PassCounter, 1);
                        RecomputeScore(game);
                      }});
  PlayRestartSound(game);
  return LeaveOutcome::Done;
}

}  // namespace velmora
