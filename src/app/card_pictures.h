#pragma once
// Cuts the card pictures of one card set and size out of the resource
// bundle's suit sheets: the 53 face images (ace to king of hearts, diamonds,
// clubs and spades, then the joker) and the empty-pile marks.
#include <QHash>
#include <QImage>
#include <array>

#include "card_sheet_layout.h"
#include "resource_store.h"

namespace velmora {

using CardFaces = std::array<QImage, cards::kFaceCount>;

struct CardFaceChoice {
  char sizeLetter;
  int cardSet;                  // 1 to 999
  bool everySuitFromSpades;     // a game that shows one suit only
  qreal devicePixelRatio = 1;   // above 1: the twice-size pictures
};

// Faces whose sheet the bundle holds but cannot decode (a damaged bundle) are
// drawn plainly, with their index and pips, so that every card stays
// recognisable. Faces whose sheet is missing stay empty images; an unknown
// size letter gives no faces.
CardFaces CutCardFaces(const ResourceStore& store, const CardFaceChoice& choice);

// Every empty-pile mark of a size, by its code ("001" ... "022", "_WASTE", "_TABLEAU").
QHash<QString, QImage> LoadEmptyPileMarks(const ResourceStore& store, char sizeLetter, qreal devicePixelRatio = 1);

}  // namespace velmora
