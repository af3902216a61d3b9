#pragma once
// The first move of a deal decides whether the game counts in the records:
// made by the player (play mode 0) it counts, made by the demonstration it
// never does, whoever makes the later moves.
#include "shell/program_state.h"

namespace velmora {

inline void NoteFirstMove(ProgramState& state) {
  if (state.word(word::FirstMove) >= 0) return;  // decided by an earlier move
  state.setWord(word::FirstMove, state.word(word::PlayMode) == 0 ? 1 : 0);
}

}  // namespace velmora
