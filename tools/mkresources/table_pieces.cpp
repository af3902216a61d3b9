#include "table_pieces.h"

#include <cmath>

#include "card_sheet_layout.h"
#include "drawing_kit.h"

namespace velmora::mkres {
namespace {

enum class MarkSymbol { Plain, Filled, Dotted, Rank, Redeal, NoRedeal, Star, Diamond };

struct MarkDesign {
  const char* code;
  MarkSymbol symbol;
  const char* rank;  // for rank marks
};

// Rank marks: 010 ace, 012 two, 013 to 020 three to ten, 006 jack, 003 queen, 011 king.
constexpr MarkDesign kMarks[] = {
    {"001", MarkSymbol::Filled, ""},   {"003", MarkSymbol::Rank, "Q"},     {"004", MarkSymbol::Plain, ""},
    {"005", MarkSymbol::Dotted, ""},   {"006", MarkSymbol::Rank, "J"},     {"008", MarkSymbol::NoRedeal, ""},
    {"009", MarkSymbol::Diamond, ""},  {"010", MarkSymbol::Rank, "A"},     {"011", MarkSymbol::Rank, "K"},
    {"012", MarkSymbol::Rank, "2"},    {"013", MarkSymbol::Rank, "3"},     {"014", MarkSymbol::Rank, "4"},
    {"015", MarkSymbol::Rank, "5"},    {"016", MarkSymbol::Rank, "6"},     {"017", MarkSymbol::Rank, "7"},
    {"018", MarkSymbol::Rank, "8"},    {"019", MarkSymbol::Rank, "9"},     {"020", MarkSymbol::Rank, "10"},
    {"021", MarkSymbol::Star, ""},     {"022", MarkSymbol::Redeal, ""},    {"_WASTE", MarkSymbol::Dotted, ""},
    {"_TABLEAU", MarkSymbol::Plain, ""},
};

const QColor kMarkLine(255, 255, 255, 150);
const QColor kMarkFill(255, 255, 255, 38);

qreal Radius(cards::PixelSize size) { return size.width < 40 ? 2.5 : size.width / 16.0; }

void DrawRedealArrow(QPainter& p, QPointF centre, qreal r, qreal pen) {
  p.setPen(QPen(kMarkLine, pen, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)), 100 * 16, 290 * 16);
  const qreal a = 100 * M_PI / 180;
  const QPointF tip = centre + QPointF(std::cos(a) * r, -std::sin(a) * r);
  QPainterPath head;
  head.moveTo(tip + QPointF(-pen * 2.2, -pen * 1.6));
  head.lineTo(tip + QPointF(pen * 1.8, 0));
  head.lineTo(tip + QPointF(-pen * 2.2, pen * 1.6));
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kMarkLine);
  p.drawPath(head);
}

void DrawSymbol(QPainter& p, const MarkDesign& mark, cards::PixelSize size) {
  const QPointF centre(size.width / 2.0, size.height / 2.0);
  const qreal unit = size.width;
  p.setPen(Qt::NoPen);
  p.setBrush(kMarkLine);
  switch (mark.symbol) {
    case MarkSymbol::Plain:
    case MarkSymbol::Filled:
    case MarkSymbol::Dotted: return;
    case MarkSymbol::Rank: {
      const qreal em = size.width < 40 ? 17 : unit * 0.55;
      p.drawPath(CentredText(QLatin1String(mark.rank), {Typeface::Serif, em, QLatin1String(mark.rank).size() > 1 ? 0.75 : 1.0}, centre));
      return;
    }
    case MarkSymbol::Redeal: return DrawRedealArrow(p, centre, unit * 0.27, std::max(1.2, unit / 24));
    case MarkSymbol::NoRedeal: {
      const qreal r = unit * 0.27;
      p.setPen(QPen(kMarkLine, std::max(1.2, unit / 24)));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(centre, r, r);
      p.drawLine(centre + QPointF(-r * 0.7, r * 0.7), centre + QPointF(r * 0.7, -r * 0.7));
      return;
    }
    case MarkSymbol::Star: {
      QPainterPath star;
      for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 ? 0.13 : 0.32) * unit;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const QPointF q = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        i ? star.lineTo(q) : star.moveTo(q);
      }
      star.closeSubpath();
      p.drawPath(star);
      return;
    }
    case MarkSymbol::Diamond:
      p.drawPath(SuitPath(Suit::Diamonds, QRectF(centre - QPointF(unit * 0.25, unit * 0.25), QSizeF(unit * 0.5, unit * 0.5))));
      return;
  }
}

QImage DrawMark(const MarkDesign& mark, cards::PixelSize size, int scale) {
  Canvas canvas(size.width, size.height, scale);
  QPainter& p = canvas.painter();
  const bool dotted = mark.symbol == MarkSymbol::Dotted;
  p.setPen(QPen(kMarkLine, 1, dotted ? Qt::DotLine : Qt::SolidLine));
  p.setBrush(mark.symbol == MarkSymbol::Filled ? QColor(255, 255, 255, 70) : kMarkFill);
  const qreal r = Radius(size);
  p.drawRoundedRect(QRectF(0.5, 0.5, size.width - 1, size.height - 1), r, r);
  DrawSymbol(p, mark, size);
  return canvas.finish();
}

constexpr int kShadowDepth = 9;

// Darkness of the shadow at `distance` pixels out from the card edge.
int ShadowAlpha(qreal distance) {
  const qreal t = std::clamp(1.0 - distance / kShadowDepth, 0.0, 1.0);
  return int(110 * t * t + 0.5);
}

// The right piece runs down the card's right edge, the bottom piece along its
// bottom edge; both fade out at their starting ends, and the right piece ends
// with the rounded shadow corner.
QImage DrawShadowPiece(cards::PixelSize size, bool right, int scale) {
  const int length = right ? size.height + 2 : size.width - kShadowDepth + 1;
  const int width = right ? kShadowDepth : length, height = right ? length : kShadowDepth;
  QImage image(width * scale, height * scale, QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const qreal across = (right ? x : y) / qreal(scale) + 0.5;
      const qreal along = (right ? y : x) / qreal(scale) + 0.5;
      qreal distance = across;
      if (right && along > length - kShadowDepth) distance = std::hypot(across, along - (length - kShadowDepth));
      const qreal fadeIn = std::clamp(along / 4.0, 0.0, 1.0);
      image.setPixel(x, y, qRgba(0, 0, 0, int(ShadowAlpha(distance) * fadeIn)));
    }
  return image;
}

// Edges of the cards under a raised pile: row (or column) k shows one card
// edge, starting k - 2 pixels in, for up to 16 layers.
constexpr int kEdgeLayers = 16;

QImage DrawPileEdges(cards::PixelSize size, bool alongBottom, int scale) {
  const int length = (alongBottom ? size.width : size.height) + 11;
  Canvas canvas(alongBottom ? length : kEdgeLayers, alongBottom ? kEdgeLayers : length, scale);
  QPainter& p = canvas.painter();
  const int cardLength = alongBottom ? size.width : size.height;
  for (int k = 0; k < kEdgeLayers; ++k) {
    const int start = std::max(0, k - 2);
    const int end = std::min(length, k - 2 + cardLength);
    const QColor body = k % 2 ? QColor(214, 214, 206) : QColor(246, 246, 240);
    const QRectF line = alongBottom ? QRectF(start, k, end - start, 1) : QRectF(k, start, 1, end - start);
    p.fillRect(line, body);
    const QRectF tip = alongBottom ? QRectF(end - 1, k, 1, 1) : QRectF(k, end - 1, 1, 1);
    p.fillRect(tip, QColor(90, 90, 90));
  }
  return canvas.finish();
}

}  // namespace

void StageTablePieces(BundleWriter& bundle) {
  for (const cards::SizeLetterInfo& size : cards::kSizeLetters) {
    const QString letter(QLatin1Char(size.letter));
    for (const MarkDesign& mark : kMarks)
      bundle.addScalableBitmap(QLatin1Char('W') + letter + QLatin1String(mark.code),
                               [&](int scale) { return DrawMark(mark, size.card, scale); });
    for (const bool first : {true, false}) {
      const QString part = first ? QStringLiteral("1") : QStringLiteral("2");
      bundle.addScalableBitmap(QStringLiteral("SHADOW_") + letter + part,
                               [&](int scale) { return DrawShadowPiece(size.card, first, scale); });
      bundle.addScalableBitmap(QStringLiteral("3D_BORDER_") + letter + part,
                               [&](int scale) { return DrawPileEdges(size.card, !first, scale); });
    }
  }
}

}  // namespace velmora::mkres
