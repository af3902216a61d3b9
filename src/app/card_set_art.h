#pragma once
// The card sets of the bundle: how each face is drawn, at any card size and
// scale. Sets 1, 2, 3 and 5 take their larger faces from freely licensed SVG
// decks laid over a plain card of ours; set 4 and the small sizes of every
// set are our own index faces. The bundle generator keeps the faces at the
// natural and twice the size; the program draws them itself for a table
// scaled larger than that.
#include <QColor>
#include <QImage>
#include <QString>
#include <span>

#include "card_art.h"
#include "card_sheet_layout.h"

class QSvgRenderer;

namespace velmora::art {

struct CardSetDesign {
  int number;
  const char* svgDeck;  // the deck file the large faces come from; nullptr: our own faces
  QColor face, edge, red, black, diamonds, clubs, courtTint;
};

std::span<const CardSetDesign> CardSetDesigns();
// The set of that number; none for a number without a design.
const CardSetDesign* FindCardSetDesign(int number);

// Our own faces serve a set without a deck, and every set at the small sizes:
// scaled artwork turns to mush there.
bool UsesOwnFaces(const CardSetDesign& set, char sizeLetter);

// The bundle's name of the set's deck artwork ("CARDSET_001").
QString DeckArtworkName(int setNumber);

// The face of `rank` (1 ace to 13 king) and `suit` at `size` natural pixels
// drawn at `scale`. `deck` is the set's artwork, needed when the set does not
// use its own faces at this size.
QImage DrawSetFace(const CardSetDesign& set, QSvgRenderer* deck, const cards::SizeLetterInfo& size, int rank,
                   Suit suit, qreal scale);

}  // namespace velmora::art
