#include "families/family_step.h"

#include "hints/show_legal_move.h"
#include "history/undo.h"
#include "play/first_move.h"
#include "scoring/score.h"
#include "shell/main_game.h"

namespace velmora {

void SetWonFlag(TMainGame& game) {
  const auto& test = game.playSeams().gameWonTest;
  game.state().set(flag::GameWon, test && test());
}

void FinishFamilyStep(TMainGame& game) {
  ProgramState& state = game.state();
  const int mode = state.word(word::PlayMode);
  NoteFirstMove(state);
  state.setWord(word::HintShown, 0);
  RecomputeScore(game);
  if (mode != play_mode::Demo) game.hintMemory().keepLast();  // the demonstration remembers its whole game
  if (mode == play_mode::Player || mode == play_mode::Demo) RecordStep(game, HistorySide::Redo, true);
  game.ui().showTable(GameUi::TableChange::Piles);
}

}  // namespace velmora
