#pragma once
// Our own card faces: bold corner indexes that stay legible down to the
// tiniest size, pips laid out as on printed cards, framed court cards.
#include <QImage>

#include "card_sheet_layout.h"
#include "drawing_kit.h"

namespace velmora::mkres {

struct FaceStyle {
  QColor face;
  QColor edge;
  QColor suitInk[4];  // by suit
  QColor courtTint;
  bool pipsOnNumberCards;  // false: one large pip in the middle
};

// rank 1 (ace) to 13 (king)
QImage DrawIndexFace(const FaceStyle& style, cards::PixelSize size, int rank, Suit suit, int scale);
QImage DrawJoker(cards::PixelSize size, int scale);
// The white card with its edge, corners left transparent.
void DrawBlankCard(QPainter& painter, cards::PixelSize size, const QColor& face, const QColor& edge);

}  // namespace velmora::mkres
