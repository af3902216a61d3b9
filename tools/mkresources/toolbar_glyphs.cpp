#include "toolbar_glyphs.h"

#include <cmath>

#include "drawing_kit.h"

namespace velmora::mkres {
namespace {

// Glyphs are drawn in a 24 x 24 box and scaled for the small toolbar.
constexpr int kDesign = 24;
constexpr int kLarge = 24;
constexpr int kSmall = 16;

using GlyphPainter = void (*)(QPainter&);

void MiniCard(QPainter& p, QRectF box, qreal angle = 0) {
  p.save();
  p.translate(box.center());
  p.rotate(angle);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(-box.width() / 2, -box.height() / 2, box.width(), box.height()), 1.5, 1.5);
  p.restore();
}

void Arrowhead(QPainter& p, QPointF tip, qreal angleDegrees, qreal size, const QColor& colour) {
  p.save();
  p.translate(tip);
  p.rotate(angleDegrees);
  QPainterPath head;
  head.moveTo(0, 0);
  head.lineTo(-size, -size * 0.75);
  head.lineTo(-size, size * 0.75);
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(head);
  p.restore();
}

void CurvedArrow(QPainter& p, bool toLeft, const QColor& colour) {
  p.save();
  if (toLeft) {
    p.translate(kDesign, 0);
    p.scale(-1, 1);
  }
  p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath path;
  path.moveTo(4, 19);
  path.cubicTo(4, 8, 12, 6, 17, 9);
  p.drawPath(path);
  Arrowhead(p, QPointF(22, 12), 35, 7, colour);
  p.restore();
}

void DrawNew(QPainter& p) {
  MiniCard(p, QRectF(4, 4, 13, 18));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 16, 46));
  p.drawPath(SuitPath(Suit::Hearts, QRectF(6.5, 8, 8, 8)));
  p.setBrush(QColor(250, 200, 20));
  QPainterPath star;
  for (int i = 0; i < 16; ++i) {
    const qreal r = i % 2 ? 2 : 5.5, a = i * M_PI / 8;
    const QPointF q(18.5 + std::cos(a) * r, 5.5 + std::sin(a) * r);
    i ? star.lineTo(q) : star.moveTo(q);
  }
  p.drawPath(star);
}

void DrawOpen(QPainter& p) {
  p.setPen(QPen(QColor(150, 100, 10), 1));
  p.setBrush(QColor(240, 190, 60));
  p.drawRoundedRect(QRectF(2, 6, 20, 15), 1.5, 1.5);
  MiniCard(p, QRectF(7, 3, 10, 13), 10);
  p.setBrush(QColor(250, 210, 90));
  QPainterPath flap;
  flap.moveTo(2, 21);
  flap.lineTo(5, 11);
  flap.lineTo(23, 11);
  flap.lineTo(20, 21);
  flap.closeSubpath();
  p.drawPath(flap);
}

void DrawFastSearch(QPainter& p) {
  p.setPen(QPen(QColor(90, 60, 30), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(15, 15), QPointF(21, 21));
  QRadialGradient lens(QPointF(8, 8), 9);
  lens.setColorAt(0, QColor(230, 245, 255));
  lens.setColorAt(1, QColor(120, 170, 220));
  p.setPen(QPen(QColor(50, 60, 80), 2));
  p.setBrush(lens);
  p.drawEllipse(QPointF(10, 10), 7, 7);
}

void DrawRestart(QPainter& p) {
  const QColor green(30, 140, 60);
  p.setPen(QPen(green, 3, Qt::SolidLine, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 290 * 16);
  Arrowhead(p, QPointF(18, 3), 20, 6.5, green);
}

void DrawUndo(QPainter& p) { CurvedArrow(p, true, QColor(30, 90, 190)); }
void DrawRedo(QPainter& p) { CurvedArrow(p, false, QColor(30, 90, 190)); }

void DrawAutoplay(QPainter& p) {
  MiniCard(p, QRectF(3, 9, 11, 14));
  MiniCard(p, QRectF(10, 2, 11, 14));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(26, 26, 26));
  p.drawPath(SuitPath(Suit::Spades, QRectF(12, 5, 7, 7)));
  const QColor gold(230, 140, 0);
  p.setPen(QPen(gold, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(6, 19), QPointF(12, 13));
  Arrowhead(p, QPointF(15, 10), -45, 5, gold);
}

void DrawStat(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.drawLine(QPointF(2.5, 2), QPointF(2.5, 21.5));
  p.drawLine(QPointF(2, 21.5), QPointF(22, 21.5));
  const QColor colours[] = {QColor(200, 40, 40), QColor(240, 170, 20), QColor(40, 130, 200)};
  const qreal heights[] = {8, 13, 18};
  for (int i = 0; i < 3; ++i) {
    p.setBrush(colours[i]);
    p.drawRect(QRectF(5 + i * 6, 21 - heights[i], 4.5, heights[i]));
  }
}

void DrawRules(QPainter& p) {
  p.setPen(QPen(QColor(20, 40, 100), 1));
  p.setBrush(QColor(40, 80, 170));
  p.drawRoundedRect(QRectF(4, 2, 16, 20), 1.5, 1.5);
  p.setBrush(QColor(245, 240, 225));
  p.drawRect(QRectF(6, 19, 14, 3));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(CentredText(QStringLiteral("?"), {Typeface::Sans, 15}, QPointF(12.5, 10.5)));
}

void DrawExit(QPainter& p) {
  p.setPen(QPen(QColor(90, 50, 20), 1));
  p.setBrush(QColor(170, 110, 60));
  p.drawRect(QRectF(3, 2, 11, 20));
  p.setBrush(QColor(240, 200, 60));
  p.drawEllipse(QPointF(11.5, 12), 1, 1);
  const QColor red(200, 30, 30);
  p.setPen(QPen(red, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(12, 12), QPointF(18, 12));
  Arrowhead(p, QPointF(23, 12), 0, 6, red);
}

void DrawSave(QPainter& p) {
  p.setPen(QPen(QColor(20, 30, 60), 1));
  p.setBrush(QColor(50, 80, 150));
  p.drawRoundedRect(QRectF(3, 3, 18, 18), 1.5, 1.5);
  p.setBrush(QColor(235, 235, 235));
  p.drawRect(QRectF(7, 3, 10, 7));
  p.setBrush(QColor(250, 250, 250));
  p.drawRect(QRectF(6, 13, 12, 8));
  p.setBrush(QColor(50, 80, 150));
  p.drawRect(QRectF(13, 4, 2, 5));
}

QImage Render(GlyphPainter paint, int side, int scale, bool disabled) {
  Canvas canvas(side, side, scale);
  canvas.painter().scale(qreal(side) / kDesign, qreal(side) / kDesign);
  paint(canvas.painter());
  QImage image = canvas.finish().convertToFormat(QImage::Format_ARGB32);
  if (!disabled) return image;
  // Greyed: light grey from the glyph's brightness, half transparent.
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      const int grey = 120 + qGray(c) / 3;
      image.setPixel(x, y, qRgba(grey, grey, grey, qAlpha(c) * 2 / 3));
    }
  return image;
}

struct Glyph {
  const char* name;
  GlyphPainter paint;
  bool canBeDisabled;
  bool smallOnly;
};

constexpr Glyph kGlyphs[] = {
    {"TB_NEW", DrawNew, false, false},          {"TB_OPEN", DrawOpen, false, false},
    {"TB_FASTSEARCH", DrawFastSearch, false, false}, {"TB_RESTART", DrawRestart, false, false},
    {"TB_UNDO", DrawUndo, true, false},         {"TB_REDO", DrawRedo, true, false},
    {"TB_AUTOPLAY", DrawAutoplay, true, false}, {"TB_STAT", DrawStat, false, false},
    {"TB_RULES", DrawRules, false, false},      {"TB_EXIT", DrawExit, false, false},
    {"TB_SAVE", DrawSave, false, true},
};

}  // namespace

void StageToolbarGlyphs(BundleWriter& bundle) {
  for (const Glyph& glyph : kGlyphs) {
    const QString large = QLatin1String(glyph.name);
    const QString small = large + QLatin1Char('1');
    for (const bool disabled : {false, true}) {
      if (disabled && !glyph.canBeDisabled) continue;
      const QString suffix = disabled ? QStringLiteral("_DIS") : QString();
      if (!glyph.smallOnly)
        bundle.addScalableBitmap(large + suffix, [&](int scale) { return Render(glyph.paint, kLarge, scale, disabled); });
      bundle.addScalableBitmap(small + suffix, [&](int scale) { return Render(glyph.paint, kSmall, scale, disabled); });
    }
  }
}

}  // namespace velmora::mkres
