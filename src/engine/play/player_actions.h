#pragma once
// The mouse on the table: a press takes cards up (or turns a card, or
// presses the stock), the pointer carries them, the release drops them on
// the pile they overlap most or puts them back; a double click or a right
// click sends a card to a pile that takes it. Points are window coordinates
// of the table (the layout's places less the scroll offset). The window
// draws what the game object's carry says after each showTable(Carry).
#include <optional>
#include <vector>

#include "cards/card.h"
#include "piles/pile_names.h"
#include "play/table_rect.h"

namespace velmora {

class TMainGame;

enum class MouseButton { Left, Right };

// A button pressed on the table. A refused press beeps.
void PressAt(TMainGame& game, MouseButton button, bool ctrl, bool shift, int x, int y);
// The pointer moved: the carried cards follow it.
void PointerAt(TMainGame& game, int x, int y);
// The button released: the carried cards are dropped or fly back home.
void ReleaseAt(TMainGame& game);
// The button released with the carried cards held over one pile, as the
// keys let them go: they land on that pile if it takes them, and fly back
// home otherwise, never to a neighbour they happen to overlap.
void ReleaseOver(TMainGame& game, PileRef pile);
// A double click, at the point of the last press.
void DoubleClickAt(TMainGame& game);

// A left press on the card where it lies, as the family takes it (a
// selection, a turn, a gap filled): true when the family took it.
bool PressCard(TMainGame& game, CardId card);

// Sends the card under the point as a right click (or a double click) does,
// in the directions the player's preferences choose. True when it moved.
bool RightClickSend(TMainGame& game, int x, int y);
bool DoubleClickSend(TMainGame& game, int x, int y);

// The search of a send: the foundations (a single card), the tableau piles
// that hold cards and then the empty ones, the reserves (a single card not
// already in one) and the waste (with the tableau), each tried as a drop;
// true at the first move.
bool SendCard(TMainGame& game, CardId card, bool toFoundations, bool toTableau);

// A candidate pile of a drop and the area the carried rectangle shares with it.
struct DropCandidate {
  PileRef pile{PileGroup::Stock, 0};
  long area = 0;
  TableRect rect;
};

// The piles a drop of `carried` may land on, best first: the largest overlap,
// then the higher pile kind (reserve, foundation, tableau, waste), then the
// higher index; at most four. Only a tableau-to-foundation move is left
// while the opening phase lasts.
std::vector<DropCandidate> DropCandidates(const TMainGame& game, CardId card, const TableRect& carried);

struct DropOptions {
  std::optional<PileRef> target = std::nullopt;  // one pile only, as a send tries it; otherwise the overlapped piles
  bool autoplay = false;          // made by autoplay: "Dest_Autoplay" targets, no first-move flag
  bool animate = true;            // the cards fly from the carried rectangle to the pile
};

// Tries the candidates of a drop in order; true when a move was made.
bool TryDrop(TMainGame& game, CardId card, const TableRect& carried, const DropOptions& options = {});
// One candidate: the rectangles overlap, the pile takes the unit, the move is made.
bool DropOn(TMainGame& game, CardId card, const TableRect& carried, PileRef pile, const DropOptions& options);

}  // namespace velmora
