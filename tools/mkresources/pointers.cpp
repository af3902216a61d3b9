#include "pointers.h"

#include "drawing_kit.h"

namespace velmora::mkres {
namespace {

constexpr int kSide = 32;

struct Look {
  QColor fill;
  QColor outline;
};

QPainterPath Arrow(qreal size) {
  QPainterPath arrow;
  const qreal k = size / 20.0;
  arrow.moveTo(0, 0);
  arrow.lineTo(0, 17 * k);
  arrow.lineTo(4.2 * k, 13 * k);
  arrow.lineTo(7.2 * k, 19.5 * k);
  arrow.lineTo(10 * k, 18.2 * k);
  arrow.lineTo(7.2 * k, 12 * k);
  arrow.lineTo(12.5 * k, 12 * k);
  arrow.closeSubpath();
  return arrow;
}

// A right hand pointing up with its index finger; the fingertip is at (6, 0).
QPainterPath PointingHand() {
  QPainterPath hand;
  hand.setFillRule(Qt::WindingFill);
  hand.addRoundedRect(QRectF(3.5, 0.5, 5, 15), 2.5, 2.5);   // index finger
  hand.addRoundedRect(QRectF(8, 9, 4.5, 8), 2.2, 2.2);      // folded fingers
  hand.addRoundedRect(QRectF(12, 10, 4.5, 7.5), 2.2, 2.2);
  hand.addRoundedRect(QRectF(16, 11, 4, 7), 2, 2);
  hand.addRoundedRect(QRectF(3.5, 13, 17, 13), 4, 4);       // palm
  QPainterPath thumb;
  thumb.addRoundedRect(QRectF(-1, 12, 7, 4.5), 2.2, 2.2);
  return hand.united(QTransform().rotate(30).map(thumb).translated(3, -2)).simplified();
}

// A closed hand holding cards.
QPainterPath GrippingHand() {
  QPainterPath hand;
  hand.setFillRule(Qt::WindingFill);
  for (int i = 0; i < 4; ++i) hand.addRoundedRect(QRectF(4 + i * 4.2, 8, 4.4, 7), 2.2, 2.2);
  hand.addRoundedRect(QRectF(3.5, 11, 17.5, 14), 4, 4);
  hand.addRoundedRect(QRectF(0, 13, 7, 4.5), 2.2, 2.2);
  return hand.simplified();
}

void Carried(QPainter& p, QPointF at) {
  p.setPen(QPen(QColor(60, 60, 60), 0.8));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(at, QSizeF(9, 12)), 1.5, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 16, 46));
  p.drawPath(SuitPath(Suit::Hearts, QRectF(at + QPointF(2, 3), QSizeF(5, 5))));
}

QImage DrawArrow(qreal size, bool carrying, const Look& look, int scale) {
  Canvas canvas(kSide, kSide, scale);
  QPainter& p = canvas.painter();
  if (carrying) Carried(p, QPointF(size * 0.45, size * 0.55));
  p.setPen(QPen(look.outline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(look.fill);
  p.drawPath(Arrow(size).translated(0.6, 0.6));
  return canvas.finish();
}

QImage DrawHand(bool carrying, bool left, const Look& look, int scale) {
  Canvas canvas(kSide, kSide, scale);
  QPainter& p = canvas.painter();
  if (left) {
    p.translate(kSide, 0);
    p.scale(-1, 1);
  }
  p.translate(4, 2);
  if (carrying) Carried(p, QPointF(6, 2));
  p.setPen(QPen(look.outline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(look.fill);
  p.drawPath(carrying ? GrippingHand() : PointingHand());
  return canvas.finish();
}

}  // namespace

void StagePointers(BundleWriter& bundle) {
  const Look black{QColor(20, 20, 20), Qt::white};
  const Look white{Qt::white, QColor(10, 10, 10)};
  const Look skin{QColor(250, 214, 170), QColor(110, 60, 30)};
  const Look glove{QColor(255, 255, 255), QColor(40, 40, 90)};
  for (const bool carrying : {false, true}) {
    const QString form = carrying ? QStringLiteral("B") : QStringLiteral("A");
    bundle.addPointer(QStringLiteral("CUR_ARROW1") + form, [&](int s) { return DrawArrow(14, carrying, white, s); }, {1, 1});
    bundle.addPointer(QStringLiteral("CUR_ARROW2") + form, [&](int s) { return DrawArrow(22, carrying, black, s); }, {1, 1});
    // The hotspot of a hand is its fingertip, or the middle of the grip.
    const QPoint rightTip = carrying ? QPoint(14, 14) : QPoint(10, 3);
    const QPoint leftTip(kSide - 1 - rightTip.x(), rightTip.y());
    bundle.addPointer(QStringLiteral("CUR_RIGHT_HAND1") + form, [&](int s) { return DrawHand(carrying, false, skin, s); }, rightTip);
    bundle.addPointer(QStringLiteral("CUR_RIGHT_HAND2") + form, [&](int s) { return DrawHand(carrying, false, glove, s); }, rightTip);
    bundle.addPointer(QStringLiteral("CUR_LEFT_HAND1") + form, [&](int s) { return DrawHand(carrying, true, skin, s); }, leftTip);
    bundle.addPointer(QStringLiteral("CUR_LEFT_HAND2") + form, [&](int s) { return DrawHand(carrying, true, glove, s); }, leftTip);
  }
}

}  // namespace velmora::mkres
