#pragma once
// How a family's own change of the table ends its step, as every move of the
// executor does: the first-move flag, the shown hint forgotten, the score
// recomputed, the redo side discarded (the step's redo record taken), and
// the piles redrawn. The caller has recorded the undo step and made the
// change.
namespace velmora {

class TMainGame;

// The won test asked after a family's change: program flag 8.
void SetWonFlag(TMainGame& game);

void FinishFamilyStep(TMainGame& game);

}  // namespace velmora
