#include "history/undo.h"

#include "families/game_family.h"
#include "game/rule_index.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

// Removal games keep their selection on foundation 1, which undo leaves empty.
bool FirstFoundationLeftOut(const RuleRecord& rules) {
  return rules[rule::RemovalTargetSum] != 0 || FamilyFor(rules[rule::Family]).facts().leavesFirstFoundationOut;
}

namespace undo_option {
constexpr char Unlimited[] = "0";
constexpr char OneStep[] = "1";
constexpr char Disabled[] = "2";
}  // namespace undo_option

bool StepAllowed(const TMainGame& game, HistorySide side) {
  const std::string option = game.store().read(store::UndoEnabled);
  if (option == undo_option::Disabled) return false;
  if (option != undo_option::OneStep) return true;
  const StoreItem used = side == HistorySide::Undo ? store::SingleUndoUsed : store::SingleRedoUsed;
  return game.store().read(used) != "1";
}

void AdjustPassCounter(TMainGame& game, int by) {
  ProgramState& state = game.state();
  state.setWord(word::PassCounter, state.word(word::PassCounter) + by);
}

// The tags of the step taken move from one log to the other, and the
// counters they name move with them.
void TransferLogEntry(TMainGame& game, HistorySide side) {
  GameHistory& history = game.history();
  StepLog& from = side == HistorySide::Undo ? history.undoLog() : history.redoLog();
  StepLog& to = side == HistorySide::Undo ? history.redoLog() : history.undoLog();
  if (from.empty() || to.empty()) return;
  const int sign = side == HistorySide::Undo ? -1 : 1;
  if (from.lastHasCode(step_tag::DealCountRaised)) game.state().counters[counter::DealCount] += sign;
  if (from.lastHasCode(step_tag::PassRaised)) AdjustPassCounter(game, sign);
  to.dropLast();
  to.append(from.lastEntry());
  from.dropLast();
}

}  // namespace

void RecordStep(TMainGame& game, HistorySide target, bool clear) {
  GameHistory& history = game.history();
  if (target == HistorySide::Undo) {
    game.store().write(store::SingleUndoUsed, "0");
    const bool leaveOut = FirstFoundationLeftOut(game.rules());
    history.undo().push(game.piles(), game.cards(), leaveOut ? std::optional(PileRef{PileGroup::Foundations, 0}) : std::nullopt);
    history.undoLog().append("");
    return;
  }
  game.store().write(store::SingleRedoUsed, "0");
  if (clear) {
    history.redo().clear();
    history.redoLog().clear();
    return;
  }
  history.redo().push(game.piles(), game.cards());
  history.redoLog().append("");
}

void TagStep(TMainGame& game, int code) { game.history().undoLog().replaceLastByCode(code); }

bool TakeHistoryStep(TMainGame& game, HistorySide side, bool quiet) {
  GameHistory& history = game.history();
  HistoryStack& source = side == HistorySide::Undo ? history.undo() : history.redo();
  if (!game.state().on(flag::GameInProgress) || source.empty()) return false;
  if (!StepAllowed(game, side)) return false;
  game.store().write(side == HistorySide::Undo ? store::SingleUndoUsed : store::SingleRedoUsed, "1");
  if (!quiet) {
    const bool undo = side == HistorySide::Undo;
    if (game.store().isOn(undo ? store::SoundsUndo : store::SoundsRedo)) game.ui().playSound(undo ? "Undo" : "Redo");
  }
  RecordStep(game, side == HistorySide::Undo ? HistorySide::Redo : HistorySide::Undo);
  const bool stockWasEmpty = game.piles().pile(kStock).empty();
  source.popOnto(game.piles(), game.cards());
  const bool stockIsEmpty = game.piles().pile(kStock).empty();
  // Turning the waste over refilled the stock and began a new pass. A
  // redistribution carries its pass in its tag, even when it left cards in
  // the stock: counting both would take back two passes.
  const StepLog& sourceLog = side == HistorySide::Undo ? history.undoLog() : history.redoLog();
  const bool passTagged = !sourceLog.empty() && sourceLog.lastHasCode(step_tag::PassRaised);
  if (!passTagged && side == HistorySide::Undo && !stockWasEmpty && stockIsEmpty) AdjustPassCounter(game, -1);
  if (!passTagged && side == HistorySide::Redo && stockWasEmpty && !stockIsEmpty) AdjustPassCounter(game, 1);
  TransferLogEntry(game, side);
  if (history.undo().empty()) game.state().setWord(word::StartPhase, 0);
  game.hintMemory().clear();  // the hints shown were for another position
  return true;
}

}  // namespace velmora
