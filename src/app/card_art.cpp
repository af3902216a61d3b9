#include "card_art.h"

#include <QFontDatabase>
#include <QHash>

namespace velmora::art {
namespace {

// Suit outlines drawn in a 100 x 100 box.
QPainterPath UnitHeart() {
  QPainterPath p;
  p.moveTo(50, 96);
  p.cubicTo(38, 80, 2, 60, 2, 31);
  p.cubicTo(2, 13, 14, 3, 28, 3);
  p.cubicTo(39, 3, 47, 10, 50, 21);
  p.cubicTo(53, 10, 61, 3, 72, 3);
  p.cubicTo(86, 3, 98, 13, 98, 31);
  p.cubicTo(98, 60, 62, 80, 50, 96);
  p.closeSubpath();
  return p;
}

QPainterPath UnitDiamond() {
  QPainterPath p;
  p.moveTo(50, 1);
  p.quadTo(66, 28, 88, 50);
  p.quadTo(66, 72, 50, 99);
  p.quadTo(34, 72, 12, 50);
  p.quadTo(34, 28, 50, 1);
  p.closeSubpath();
  return p;
}

QPainterPath Stem() {
  QPainterPath p;
  p.moveTo(47, 66);
  p.cubicTo(46, 82, 40, 92, 28, 98);
  p.lineTo(72, 98);
  p.cubicTo(60, 92, 54, 82, 53, 66);
  p.closeSubpath();
  return p;
}

QPainterPath UnitSpade() {
  QPainterPath p;
  p.moveTo(50, 2);
  p.cubicTo(62, 22, 98, 40, 98, 63);
  p.cubicTo(98, 79, 86, 87, 74, 87);
  p.cubicTo(64, 87, 56, 82, 50, 72);
  p.cubicTo(44, 82, 36, 87, 26, 87);
  p.cubicTo(14, 87, 2, 79, 2, 63);
  p.cubicTo(2, 40, 38, 22, 50, 2);
  p.closeSubpath();
  return p.united(Stem());
}

QPainterPath UnitClub() {
  QPainterPath p;
  p.addEllipse(QPointF(50, 25), 22, 22);
  p.addEllipse(QPointF(25, 59), 22, 22);
  p.addEllipse(QPointF(75, 59), 22, 22);
  QPainterPath middle;
  middle.moveTo(50, 30);
  middle.lineTo(66, 62);
  middle.lineTo(34, 62);
  middle.closeSubpath();
  p.setFillRule(Qt::WindingFill);
  return p.simplified().united(middle).united(Stem());
}

const QPainterPath& UnitSuit(Suit suit) {
  static const QPainterPath paths[] = {UnitHeart(), UnitDiamond(), UnitClub(), UnitSpade()};
  return paths[int(suit)];
}

QString FontFile(Typeface face) {
  switch (face) {
    case Typeface::Sans: return QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    case Typeface::Serif: return QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf");
    case Typeface::SansBook: break;
  }
  return QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
}

constexpr int kOutlinePixelSize = 200;  // outlines are made large, then scaled down

// The family of the font file; none when the file cannot be loaded.
std::optional<QString> LoadFontFile(Typeface face) {
  static QHash<int, QStringList> families;
  const int key = int(face);
  if (!families.contains(key))
    families.insert(key, QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(FontFile(face))));
  const QStringList& names = families[key];
  if (names.isEmpty()) return std::nullopt;
  return names.first();
}

QFont LoadFont(Typeface face) {
  static QHash<int, QFont> fonts;
  const int key = int(face);
  if (!fonts.contains(key)) {
    QFont font;
    if (const auto family = LoadFontFile(face)) {
      font.setFamily(*family);
    } else {
      font.setStyleHint(face == Typeface::Serif ? QFont::Serif : QFont::SansSerif);
      font.setFamily(font.defaultFamily());
    }
    font.setBold(face != Typeface::SansBook);
    font.setPixelSize(kOutlinePixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    fonts.insert(key, font);
  }
  return fonts.value(key);
}

}  // namespace

std::optional<QString> MissingFontFile() {
  for (const Typeface face : {Typeface::Sans, Typeface::Serif, Typeface::SansBook})
    if (!LoadFontFile(face)) return FontFile(face);
  return std::nullopt;
}

QPainterPath SuitPath(Suit suit, const QRectF& box) {
  const qreal side = std::min(box.width(), box.height());
  QTransform t;
  t.translate(box.center().x() - side / 2, box.center().y() - side / 2);
  t.scale(side / 100.0, side / 100.0);
  return t.map(UnitSuit(suit));
}

QPainterPath TextOutline(const QString& text, const TextStyle& style) {
  QPainterPath path;
  path.addText(0, 0, LoadFont(style.face), text);
  const qreal scale = style.pixelSize / kOutlinePixelSize;
  return QTransform::fromScale(scale * style.stretch, scale).map(path);
}

QPainterPath TextAt(const QString& text, const TextStyle& style, QPointF topLeft) {
  const QPainterPath path = TextOutline(text, style);
  return path.translated(topLeft - path.boundingRect().topLeft());
}

QPainterPath CentredText(const QString& text, const TextStyle& style, QPointF centre) {
  const QPainterPath path = TextOutline(text, style);
  return path.translated(centre - path.boundingRect().center());
}

Canvas::Canvas(int width, int height, qreal scale, QColor fill)
    : image_(qRound(width * scale), qRound(height * scale), QImage::Format_ARGB32_Premultiplied) {
  image_.fill(fill);
  painter_.begin(&image_);
  painter_.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  // The whole image maps onto the natural size, though its pixels are rounded.
  painter_.scale(qreal(image_.width()) / width, qreal(image_.height()) / height);
}

QImage Canvas::finish() {
  painter_.end();
  return image_;
}

std::uint64_t Random::next() {
  // splitmix64
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  auto lerp = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                lerp(a.alpha(), b.alpha()));
}

}  // namespace velmora::art
