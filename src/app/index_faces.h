#pragma once
// Card faces drawn from scratch: bold corner indexes that stay legible down
// to the tiniest size, pips laid out as on printed cards, framed court cards.
// The bundle generator makes the bundle's own card set with them; the
// program draws them itself for a card whose picture cannot be read.
#include <QImage>

#include "card_art.h"
#include "card_sheet_layout.h"

namespace velmora::art {

struct FaceStyle {
  QColor face;
  QColor edge;
  QColor suitInk[4];  // by suit
  QColor courtTint;
  bool pipsOnNumberCards;  // false: one large pip in the middle
};

// White cards with red hearts and diamonds, black clubs and spades.
FaceStyle PlainFaceStyle();

// rank 1 (ace) to 13 (king)
QImage DrawIndexFace(const FaceStyle& style, cards::PixelSize size, int rank, Suit suit, qreal scale);
QImage DrawJoker(cards::PixelSize size, qreal scale);
// A plain back: a framed card of one colour.
QImage DrawPlainBack(cards::PixelSize size, qreal scale);
// The white card with its edge, corners left transparent.
void DrawBlankCard(QPainter& painter, cards::PixelSize size, const QColor& face, const QColor& edge);

}  // namespace velmora::art
