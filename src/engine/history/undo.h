#pragma once
// Taking steps back and doing them again. The play engine records the table
// before every change it makes and tags steps that moved a counter; undo and
// redo swap the table for the newest snapshot of one side and carry the pass
// counter and the deal count along.
#include "history/game_history.h"

namespace velmora {

class TMainGame;

enum class HistorySide { Undo, Redo };

// Target undo: pushes the table onto the undo stack with an empty log entry
// (before every change of the table). Target redo: pushes the table onto the
// redo stack, or with `clear` empties the redo side (after each move of the
// player, so that a new move discards what was undone).
void RecordStep(TMainGame& game, HistorySide target, bool clear = false);

// Tags the newest undo step with a code of step_tag.
void TagStep(TMainGame& game, int code);

// One step back (Undo) or forward (Redo). False when the step is not allowed
// - no game in progress, nothing on that side, undo switched off, or the
// one-step limit reached - and then nothing changed: the caller beeps. After
// a step the caller redraws the table and recomputes the score. `quiet` (the
// tutorial's rewinding) plays no sound.
bool TakeHistoryStep(TMainGame& game, HistorySide side, bool quiet = false);

}  // namespace velmora
