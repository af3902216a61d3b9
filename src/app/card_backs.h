#pragma once
// Card backs ("decks"): 28 designs of patterns, scenes and emblems, drawn at
// any card size and scale. The bundle generator keeps them at the natural and
// twice the size; the program draws them itself for a table scaled larger.
#include <QImage>
#include <vector>

#include "card_sheet_layout.h"

namespace velmora::art {

// The one back kept at every card size; the others are drawn for the normal
// size and scaled to the others.
inline constexpr int kDecoratedDeck = 11;

// The numbers of the decks that have a design, in order.
std::vector<int> CardBackDecks();

// The back of `deck` at `size` natural pixels drawn at `scale`; an empty image
// for a deck without a design.
QImage DrawCardBack(int deck, cards::PixelSize size, qreal scale);

}  // namespace velmora::art
