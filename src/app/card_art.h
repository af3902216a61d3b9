#pragma once
// Small drawing helpers shared by the generators: suit symbols, text as
// outlines, a repeatable random number source, and a canvas at a scale.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <cstdint>

namespace velmora::mkres {

enum class Suit { Hearts, Diamonds, Clubs, Spades };
inline constexpr Suit kSuits[] = {Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades};

// The suit symbol filling `box` (kept to the symbol's own proportions, centred).
QPainterPath SuitPath(Suit suit, const QRectF& box);

enum class Typeface { Sans, Serif, SansBook };
struct TextStyle {
  Typeface face;
  qreal pixelSize;    // em size
  qreal stretch = 1;  // horizontal scale, below 1 to narrow wide text
};
// Text as an outline at the origin's baseline, drawn from the font files themselves so that every
// machine makes the same pixels.
QPainterPath TextOutline(const QString& text, const TextStyle& style);
// The same with its ink box centred on `centre`:
QPainterPath CentredText(const QString& text, const TextStyle& style, QPointF centre);
// ... or with the ink box's top-left corner at `topLeft`.
QPainterPath TextAt(const QString& text, const TextStyle& style, QPointF topLeft);

// A repeatable source of random numbers (the same seed gives the same pictures).
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  double unit() { return double(next() >> 11) / double(std::uint64_t(1) << 53); }  // [0, 1)
  double between(double low, double high) { return low + (high - low) * unit(); }
  int below(int limit) { return int(next() % std::uint64_t(limit)); }

 private:
  std::uint64_t state_;
};

// A transparent image of `width` x `height` natural pixels drawn at `scale`,
// with a painter whose coordinates are natural pixels.
class Canvas {
 public:
  Canvas(int width, int height, int scale, QColor fill = Qt::transparent);
  QPainter& painter() { return painter_; }
  QImage finish();

 private:
  QImage image_;
  QPainter painter_;
};

QColor Mix(const QColor& a, const QColor& b, double t);

}  // namespace velmora::mkres
