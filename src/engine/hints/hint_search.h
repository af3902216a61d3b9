#pragma once
// The search behind "Show a legal move" and the demonstration: one useful
// move of the position, looked for in a fixed order - what autoplay would
// move, the waste's top card, the reserves, the tableau from the bottom card
// of each pile up, the same with the reserves as targets, a press on a
// tableau pile in the discard families, the family's own moves, and last a
// press on the stock.
// Pointless moves and the moves the hint memory holds are passed over.
#include <optional>

#include "cards/card.h"
#include "hints/hint_memory.h"
#include "piles/pile_names.h"

namespace velmora {

class TMainGame;

enum class HintKind {
  Card,     // the card and the cards above it go to a pile
  TurnUp,   // a face-down top card of the tableau is turned face up
  Discard,  // a press on the card sends it to the discard pile
  Press,    // a press on the card that the family takes (a selection, a memory card)
  Stock,    // a press on the stock
};

struct Hint {
  HintKind kind = HintKind::Card;
  CardId card = kNoCard;  // none for a press on the stock
  PileRef from{PileGroup::Stock, 0};
  PileRef to{PileGroup::Stock, 0};
  int cards = 1;          // cards in the moving unit
  bool autoplay = false;  // a card autoplay would send to a foundation
  friend bool operator==(const Hint&, const Hint&) = default;
};

// The first move the search finds, or none. Changes nothing.
std::optional<Hint> FindHint(const TMainGame& game, const HintMemory& memory);

// Whether a press on the stock would turn, deal or redeal cards.
bool StockPressMayChange(const TMainGame& game);

}  // namespace velmora
