#include "table_painter.h"

#include <QRegion>
#include <algorithm>

#include "table/card_size.h"

namespace velmora {
namespace {

const QColor kCardEdge(244, 244, 236);
const QColor kCardEdgeLine(120, 120, 110);

QPoint At(TablePoint point) { return {point.x, point.y}; }

// Where a card's shadow falls: down its right side and along its bottom.
QRegion ShadowRegion(QPoint card, QSize size) {
  QRegion region(QRect(card.x() + size.width(), card.y() + kShadowDepth - 2, kShadowDepth, size.height() + 2));
  return region.united(QRect(card.x() + kShadowDepth - 1, card.y() + size.height(), size.width() - kShadowDepth + 1,
                             kShadowDepth));
}

// Shadows are painted from the top card down, each only where no shadow lies
// yet, so overlapping cards do not darken the table twice.
void PaintShadows(QPainter& painter, const ScenePile& pile, const TablePictures& pictures) {
  const QSize size = pictures.cardSize();
  QRegion shaded;
  for (auto card = pile.cards.rbegin(); card != pile.cards.rend(); ++card) {
    const QPoint at = At(card->place) + QPoint(pile.raised, pile.raised);  // a stack throws it from its foot
    const QRegion region = ShadowRegion(at, size).subtracted(shaded);
    if (region.isEmpty()) continue;
    // Clipped rectangle by rectangle: a scaled table keeps rectangles as
    // rectangles, where a region would be clipped as a slow general shape.
    for (const QRect& part : region) {
      painter.setClipRect(part);
      painter.drawImage(QPoint(at.x() + size.width(), at.y() + kShadowDepth - 2), pictures.shadowRight());
      painter.drawImage(QPoint(at.x() + kShadowDepth - 1, at.y() + size.height()), pictures.shadowBottom());
    }
    shaded += region;
  }
  painter.setClipping(false);
}

// The edges of the cards under a stacked pile, below and right of its top.
void PaintStackEdges(QPainter& painter, const ScenePile& pile, QSize size) {
  if (pile.raised == 0 || pile.cards.empty()) return;
  const QPoint top = At(pile.cards.front().place);
  const qreal radius = std::max(2.0, size.width() / 16.0);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(kCardEdgeLine, 1));
  painter.setBrush(kCardEdge);
  for (int layer = pile.raised; layer >= 1; --layer)
    painter.drawRoundedRect(QRectF(top.x() + layer + 0.5, top.y() + layer + 0.5, size.width() - 1, size.height() - 1),
                            radius, radius);
  painter.setRenderHint(QPainter::Antialiasing, false);
}

// A selected card is drawn inverted; its rounded corners stay transparent,
// so the table shows through them as it does beside any card.
QImage Inverted(const QImage& picture) {
  QImage inverted = picture.convertToFormat(QImage::Format_ARGB32);
  inverted.invertPixels(QImage::InvertRgb);
  return inverted;
}

void PaintCards(QPainter& painter, const ScenePile& pile, const TablePictures& pictures) {
  for (const SceneCard& card : pile.cards) {
    const QImage& picture = card.faceUp ? pictures.face(card.card) : pictures.back();
    painter.drawImage(At(card.place), card.selected ? Inverted(picture) : picture);
  }
}

}  // namespace

void PaintTableScene(QPainter& painter, const TableScene& scene, const TablePictures& pictures,
                     const TablePaintOptions& options) {
  for (const ScenePile& pile : scene.piles)
    if (pile.cards.empty() && !pile.emptyMark.empty())
      painter.drawImage(At(pile.place), pictures.mark(QString::fromStdString(pile.emptyMark)));
  for (const ScenePile& pile : scene.piles) {
    if (pile.cards.empty()) continue;
    if (options.shadows) PaintShadows(painter, pile, pictures);
    PaintStackEdges(painter, pile, pictures.cardSize());
    PaintCards(painter, pile, pictures);
  }
}

int LowestCardEdge(const TableScene& scene, QSize card) {
  int lowest = 0;
  for (const ScenePile& pile : scene.piles) {
    lowest = std::max(lowest, pile.place.y + card.height());
    for (const SceneCard& each : pile.cards) lowest = std::max(lowest, each.place.y + card.height());
  }
  return lowest;
}

}  // namespace velmora
