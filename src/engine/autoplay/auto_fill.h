#pragma once
// The automatic fill: in games whose rules say so (rule 23), empty tableau
// piles (and in some games empty reserves) get cards at once from reserve 1,
// the waste or the stock. The fill belongs to the step that emptied the
// pile: it makes no undo step of its own.
namespace velmora {

class TMainGame;

// One pass over the empty piles; true when a card moved.
bool AutoFill(TMainGame& game);

}  // namespace velmora
