#pragma once
// Drawing helpers shared by the program and the bundle generator: suit
// symbols, text as outlines and a canvas at a scale. The generator draws the
// bundle's own card faces with them, and the program draws the same faces
// itself when a picture of the bundle cannot be read.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <cstdint>
#include <optional>

namespace velmora::art {

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
// machine makes the same pixels. Without a font file the system's font of that kind stands in.
QPainterPath TextOutline(const QString& text, const TextStyle& style);
// The same with its ink box centred on `centre`:
QPainterPath CentredText(const QString& text, const TextStyle& style, QPointF centre);
// ... or with the ink box's top-left corner at `topLeft`.
QPainterPath TextAt(const QString& text, const TextStyle& style, QPointF topLeft);
// The first font file that cannot be loaded; none when all can.
std::optional<QString> MissingFontFile();

// A transparent image of `width` x `height` natural pixels drawn at `scale`
// (any size, for a table scaled to its window), with a painter whose
// coordinates are natural pixels.
class Canvas {
 public:
  Canvas(int width, int height, qreal scale, QColor fill = Qt::transparent);
  QPainter& painter() { return painter_; }
  QImage finish();

 private:
  QImage image_;
  QPainter painter_;
};

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

QColor Mix(const QColor& a, const QColor& b, double t);

}  // namespace velmora::art
