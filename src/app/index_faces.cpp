#include "index_faces.h"

#include <array>

namespace velmora::art {
namespace {

constexpr const char* kRankText[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

// Pip centres on number cards, as fractions of the pip area; pips in the lower
// half are drawn upside down.
struct Pip {
  float x, y;
};
constexpr std::array<std::array<Pip, 10>, 11> kPipLayouts{{
    {},
    {},
    {{{0.5f, 0.f}, {0.5f, 1.f}}},
    {{{0.5f, 0.f}, {0.5f, 0.5f}, {0.5f, 1.f}}},
    {{{0.f, 0.f}, {1.f, 0.f}, {0.f, 1.f}, {1.f, 1.f}}},
    {{{0.f, 0.f}, {1.f, 0.f}, {0.5f, 0.5f}, {0.f, 1.f}, {1.f, 1.f}}},
    {{{0.f, 0.f}, {1.f, 0.f}, {0.f, 0.5f}, {1.f, 0.5f}, {0.f, 1.f}, {1.f, 1.f}}},
    {{{0.f, 0.f}, {1.f, 0.f}, {0.5f, 0.25f}, {0.f, 0.5f}, {1.f, 0.5f}, {0.f, 1.f}, {1.f, 1.f}}},
    {{{0.f, 0.f}, {1.f, 0.f}, {0.5f, 0.25f}, {0.f, 0.5f}, {1.f, 0.5f}, {0.5f, 0.75f}, {0.f, 1.f}, {1.f, 1.f}}},
    {{{0.f, 0.f}, {1.f, 0.f}, {0.f, 1.f / 3}, {1.f, 1.f / 3}, {0.5f, 0.5f}, {0.f, 2.f / 3}, {1.f, 2.f / 3},
      {0.f, 1.f}, {1.f, 1.f}}},
    {{{0.f, 0.f}, {1.f, 0.f}, {0.5f, 1.f / 6}, {0.f, 1.f / 3}, {1.f, 1.f / 3}, {0.f, 2.f / 3}, {1.f, 2.f / 3},
      {0.5f, 5.f / 6}, {0.f, 1.f}, {1.f, 1.f}}},
}};
constexpr std::array<int, 11> kPipCounts{0, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10};

bool IsTiny(cards::PixelSize size) { return size.width < 40; }
// Narrow cards get relatively larger indexes so that they stay easy to read.
bool IsNarrow(cards::PixelSize size) { return size.width < 65; }

qreal CornerRadius(cards::PixelSize size) { return IsTiny(size) ? 2.5 : size.width / 16.0; }

void DrawPip(QPainter& p, Suit suit, QPointF centre, qreal side, bool upsideDown) {
  QPainterPath pip = SuitPath(suit, QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side));
  if (upsideDown) {
    QTransform flip;
    flip.translate(centre.x(), centre.y());
    flip.rotate(180);
    flip.translate(-centre.x(), -centre.y());
    pip = flip.map(pip);
  }
  p.drawPath(pip);
}

// The rank and a small pip in the top-left corner.
void DrawCornerIndex(QPainter& p, cards::PixelSize size, int rank, Suit suit) {
  const qreal em = size.width * (IsNarrow(size) ? 0.29 : 0.25);
  const QString text = QString::fromLatin1(kRankText[rank - 1]);
  const TextStyle style{Typeface::Sans, em, rank == 10 ? 0.6 : 1.0};
  const qreal column = size.width * 0.12;  // centre of the index column
  const QPainterPath rankPath = TextOutline(text, style);
  const QRectF ink = rankPath.boundingRect();
  const qreal top = size.width * 0.07;
  p.drawPath(rankPath.translated(QPointF(column, top) - QPointF(ink.center().x(), ink.top())));
  const qreal pip = size.width * (IsNarrow(size) ? 0.155 : 0.14);
  DrawPip(p, suit, QPointF(column, top + ink.height() + pip * 0.5 + size.width * 0.035), pip, false);
}

void DrawTinyFace(QPainter& p, cards::PixelSize size, int rank, Suit suit) {
  const QString text = QString::fromLatin1(kRankText[rank - 1]);
  const TextStyle style{Typeface::Sans, 15.5, rank == 10 ? 0.62 : 1.0};
  p.drawPath(TextAt(text, style, QPointF(2.5, 2.5)));
  DrawPip(p, suit, QPointF(size.width - 7.0, size.height - 7.5), 10.5, false);
}

QRectF PipArea(cards::PixelSize size) {
  const qreal marginX = size.width * (IsNarrow(size) ? 0.32 : 0.29);
  const qreal marginY = size.height * 0.15;
  return QRectF(marginX, marginY, size.width - 2 * marginX, size.height - 2 * marginY);
}

void DrawPips(QPainter& p, cards::PixelSize size, int rank, Suit suit) {
  const QRectF area = PipArea(size);
  const qreal side = size.width * (IsNarrow(size) ? 0.16 : 0.185);
  for (int i = 0; i < kPipCounts[rank]; ++i) {
    const Pip pip = kPipLayouts[rank][i];
    DrawPip(p, suit, QPointF(area.left() + pip.x * area.width(), area.top() + pip.y * area.height()), side,
            pip.y > 0.5f);
  }
}

void DrawCourt(QPainter& p, const FaceStyle& style, cards::PixelSize size, int rank, Suit suit, const QColor& ink) {
  const qreal inset = size.width * 0.22;
  const QRectF frame(inset, size.height * 0.09, size.width - 2 * inset, size.height * 0.82);
  p.setPen(QPen(ink, std::max(1.0, size.width / 60.0)));
  p.setBrush(style.courtTint);
  p.drawRect(frame);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  const QString letter = QString::fromLatin1(kRankText[rank - 1]);
  p.drawPath(CentredText(letter, {Typeface::Serif, frame.width() * 1.05}, frame.center()));
  const qreal pip = frame.width() * 0.28;
  DrawPip(p, suit, QPointF(frame.center().x(), frame.top() + pip * 0.8), pip, false);
  DrawPip(p, suit, QPointF(frame.center().x(), frame.bottom() - pip * 0.8), pip, true);
}

void DrawCentre(QPainter& p, const FaceStyle& style, cards::PixelSize size, int rank, Suit suit, const QColor& ink) {
  const QPointF centre(size.width / 2.0, size.height / 2.0);
  if (rank >= 11) return DrawCourt(p, style, size, rank, suit, ink);
  if (rank == 1) return DrawPip(p, suit, centre, size.width * 0.42, false);
  if (style.pipsOnNumberCards) return DrawPips(p, size, rank, suit);
  DrawPip(p, suit, centre, size.width * 0.36, false);
}

void RotateHalfTurn(QPainter& p, cards::PixelSize size) {
  p.translate(size.width, size.height);
  p.rotate(180);
}

const QColor kPlainRed(200, 16, 46);
const QColor kPlainBlack(26, 26, 26);
const QColor kPlainBackColour(31, 64, 140);
const QColor kPlainBackFrame(235, 235, 225);
constexpr qreal kBackFrameInset = 0.1;  // of the card's width

}  // namespace

FaceStyle PlainFaceStyle() {
  return {Qt::white, QColor(70, 70, 70), {kPlainRed, kPlainRed, kPlainBlack, kPlainBlack}, QColor(252, 236, 214), true};
}

QImage DrawPlainBack(cards::PixelSize size, qreal scale) {
  Canvas canvas(size.width, size.height, scale);
  QPainter& p = canvas.painter();
  DrawBlankCard(p, size, kPlainBackColour, kPlainBlack);
  const qreal inset = size.width * kBackFrameInset;
  p.setPen(QPen(kPlainBackFrame, std::max(1.0, size.width / 40.0)));
  p.setBrush(Qt::NoBrush);
  const qreal r = CornerRadius(size);
  p.drawRoundedRect(QRectF(inset, inset, size.width - 2 * inset, size.height - 2 * inset), r, r);
  return canvas.finish();
}

void DrawBlankCard(QPainter& p, cards::PixelSize size, const QColor& face, const QColor& edge) {
  p.setPen(QPen(edge, 1));
  p.setBrush(face);
  const qreal r = CornerRadius(size);
  p.drawRoundedRect(QRectF(0.5, 0.5, size.width - 1, size.height - 1), r, r);
}

QImage DrawIndexFace(const FaceStyle& style, cards::PixelSize size, int rank, Suit suit, qreal scale) {
  Canvas canvas(size.width, size.height, scale);
  QPainter& p = canvas.painter();
  DrawBlankCard(p, size, style.face, style.edge);
  const QColor ink = style.suitInk[int(suit)];
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  if (IsTiny(size)) {
    DrawTinyFace(p, size, rank, suit);
    return canvas.finish();
  }
  DrawCornerIndex(p, size, rank, suit);
  p.save();
  RotateHalfTurn(p, size);
  DrawCornerIndex(p, size, rank, suit);
  p.restore();
  DrawCentre(p, style, size, rank, suit, ink);
  return canvas.finish();
}

QImage DrawJoker(cards::PixelSize size, qreal scale) {
  Canvas canvas(size.width, size.height, scale);
  QPainter& p = canvas.painter();
  DrawBlankCard(p, size, QColor(255, 253, 246), QColor(60, 60, 60));
  const QPointF centre(size.width / 2.0, size.height / 2.0);
  // A jester's star in four suit colours.
  const qreal outer = size.width * (IsTiny(size) ? 0.42 : 0.3);
  const QColor colours[] = {QColor(200, 16, 46), QColor(31, 95, 191), QColor(30, 123, 52), QColor(230, 160, 20)};
  for (int i = 0; i < 8; ++i) {
    QPainterPath ray;
    const qreal a = i * M_PI / 4;
    ray.moveTo(centre);
    ray.lineTo(centre + QPointF(std::cos(a - 0.3) * outer * 0.45, std::sin(a - 0.3) * outer * 0.45));
    ray.lineTo(centre + QPointF(std::cos(a) * outer, std::sin(a) * outer));
    ray.lineTo(centre + QPointF(std::cos(a + 0.3) * outer * 0.45, std::sin(a + 0.3) * outer * 0.45));
    ray.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colours[i % 4]);
    p.drawPath(ray);
  }
  p.setBrush(QColor(30, 30, 30));
  p.drawEllipse(centre, outer * 0.16, outer * 0.16);
  if (IsTiny(size)) return canvas.finish();
  const TextStyle style{Typeface::Sans, size.width * 0.13};
  const QString word = QStringLiteral("JOKER");
  p.setBrush(QColor(200, 16, 46));
  for (const bool turned : {false, true}) {
    p.save();
    if (turned) RotateHalfTurn(p, size);
    for (int i = 0; i < word.size(); ++i)
      p.drawPath(CentredText(word.mid(i, 1), style, QPointF(size.width * 0.11, size.height * (0.09 + i * 0.085))));
    p.restore();
  }
  return canvas.finish();
}

}  // namespace velmora::art
