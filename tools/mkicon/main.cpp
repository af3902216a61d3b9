// mkicon: draws the application icon - two fanned cards on a round felt tile -
// as a scalable SVG, and renders it to the PNG sizes of the icon theme.
//
//   mkicon ICON_NAME THEME_FOLDER SIZE...
//
// writes THEME_FOLDER/scalable/apps/ICON_NAME.svg and
// THEME_FOLDER/NxN/apps/ICON_NAME.png for every SIZE N.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The drawing is made on a square of kCanvas units.
constexpr int kCanvas = 256;
constexpr int kLargestPicture = 4096;

// The felt tile fills the canvas but for a small margin, with round corners.
constexpr int kTileMargin = 8;
constexpr int kTileCornerRadius = 44;

// A card is a rounded rectangle in the proportions of a real card, turned
// about the middle of its lower edge so that the two fan out.
struct Card {
  int left;
  int top;
  int turnDegrees;
};
constexpr int kCardWidth = 112;
constexpr int kCardHeight = 160;
constexpr int kCardCornerRadius = 12;
constexpr int kCardBorder = 4;
constexpr int kBackInset = 12;  // the frame of white around the back's pattern
constexpr int kBackPatternStep = 16;
constexpr Card kBackCard{48, 40, -14};
constexpr Card kFaceCard{96, 52, 10};

// The heart on the face card, drawn in a box of kHeartBox units.
constexpr int kHeartBox = 100;
constexpr int kHeartSize = 72;
constexpr int kCornerHeartSize = 22;
constexpr int kCornerHeartInset = 10;

std::string TurnedAboutItsFoot(const Card& card) {
  std::ostringstream out;
  out << "rotate(" << card.turnDegrees << ' ' << card.left + kCardWidth / 2 << ' ' << card.top + kCardHeight << ')';
  return out.str();
}

std::string RoundedRect(int left, int top, int width, int height, int radius, const std::string& attributes) {
  std::ostringstream out;
  out << "<rect x=\"" << left << "\" y=\"" << top << "\" width=\"" << width << "\" height=\"" << height
      << "\" rx=\"" << radius << "\" " << attributes << "/>\n";
  return out.str();
}

// A heart of `size` units whose box starts at (left, top).
std::string Heart(int left, int top, int size) {
  std::ostringstream out;
  out << "<path transform=\"translate(" << left << ' ' << top << ") scale(" << double(size) / kHeartBox
      << ")\" fill=\"#d0202e\" d=\"M50 28 C50 8 16 0 8 26 C2 48 30 66 50 94 C70 66 98 48 92 26 C84 0 50 8 50 28 Z\"/>\n";
  return out.str();
}

std::string Tile() {
  const int side = kCanvas - 2 * kTileMargin;
  return "<defs><linearGradient id=\"felt\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
         "<stop offset=\"0\" stop-color=\"#2f9a52\"/><stop offset=\"1\" stop-color=\"#156b32\"/>"
         "</linearGradient></defs>\n" +
         RoundedRect(kTileMargin, kTileMargin, side, side, kTileCornerRadius,
                     "fill=\"url(#felt)\" stroke=\"#0c4a22\" stroke-width=\"4\"");
}

struct Field {
  int left;
  int top;
  int width;
  int height;
};

// The lattice of the back: lines at 45 degrees each way, every
// kBackPatternStep units, cut to the field (the SVG of the icon theme has no
// clipping), as path data.
std::string Lattice(const Field& field) {
  std::ostringstream out;
  const int right = field.left + field.width;
  const int bottom = field.top + field.height;
  // A falling line is x = y + shift, a rising one x = shift - y.
  for (int shift = field.left - field.height; shift < right + field.height; shift += kBackPatternStep) {
    const int fallingTop = std::max(field.top, field.left - shift);
    const int fallingBottom = std::min(bottom, right - shift);
    if (fallingTop < fallingBottom)
      out << 'M' << fallingTop + shift << ' ' << fallingTop << " L" << fallingBottom + shift << ' ' << fallingBottom
          << ' ';
    const int risingShift = shift + field.top + field.height;
    const int risingTop = std::max(field.top, risingShift - right);
    const int risingBottom = std::min(bottom, risingShift - field.left);
    if (risingTop < risingBottom)
      out << 'M' << risingShift - risingTop << ' ' << risingTop << " L" << risingShift - risingBottom << ' '
          << risingBottom << ' ';
  }
  return out.str();
}

// The back: a white frame around a blue field crossed by a diagonal lattice.
std::string BackCard() {
  const Card& card = kBackCard;
  const Field field{card.left + kBackInset, card.top + kBackInset, kCardWidth - 2 * kBackInset,
                    kCardHeight - 2 * kBackInset};
  std::ostringstream out;
  out << "<g transform=\"" << TurnedAboutItsFoot(card) << "\">\n"
      << RoundedRect(card.left, card.top, kCardWidth, kCardHeight, kCardCornerRadius,
                     "fill=\"#ffffff\" stroke=\"#1b2a3a\" stroke-width=\"" + std::to_string(kCardBorder) + "\"")
      << RoundedRect(field.left, field.top, field.width, field.height, kCardCornerRadius / 2, "fill=\"#2456a6\"")
      << "<path stroke=\"#7fa6e0\" stroke-width=\"3\" fill=\"none\" d=\"" << Lattice(field) << "\"/>\n</g>\n";
  return out.str();
}

// The face: a white card with a large heart and a small one in the corner.
std::string FaceCard() {
  const Card& card = kFaceCard;
  std::ostringstream out;
  out << "<g transform=\"" << TurnedAboutItsFoot(card) << "\">\n"
      << RoundedRect(card.left, card.top, kCardWidth, kCardHeight, kCardCornerRadius,
                     "fill=\"#ffffff\" stroke=\"#1b2a3a\" stroke-width=\"" + std::to_string(kCardBorder) + "\"")
      << Heart(card.left + (kCardWidth - kHeartSize) / 2, card.top + (kCardHeight - kHeartSize) / 2, kHeartSize)
      << Heart(card.left + kCornerHeartInset, card.top + kCornerHeartInset, kCornerHeartSize) << "</g>\n";
  return out.str();
}

QByteArray IconSvg() {
  std::ostringstream out;
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kCanvas << "\" height=\"" << kCanvas
      << "\" viewBox=\"0 0 " << kCanvas << ' ' << kCanvas << "\">\n"
      << Tile() << BackCard() << FaceCard() << "</svg>\n";
  return QByteArray::fromStdString(out.str());
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool RenderPng(QSvgRenderer& renderer, int size, const QString& path) {
  QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  QDir().mkpath(QFileInfo(path).path());
  return picture.save(path, "PNG");
}

// The sizes of the command line, or none when one is not a size.
std::optional<std::vector<int>> PictureSizes(const char* const* arguments, int count) {
  std::vector<int> sizes;
  for (int at = 0; at < count; ++at) {
    bool number = false;
    const int size = QString::fromLocal8Bit(arguments[at]).toInt(&number);
    if (!number || size < 1 || size > kLargestPicture) {
      std::fprintf(stderr, "mkicon: %s is not a picture size (1 to %d)\n", arguments[at], kLargestPicture);
      return std::nullopt;
    }
    sizes.push_back(size);
  }
  return sizes;
}

}  // namespace

int main(int argc, char** argv) {
  constexpr int kFirstSize = 3;
  const auto sizes = argc > kFirstSize ? PictureSizes(argv + kFirstSize, argc - kFirstSize) : std::nullopt;
  if (!sizes) {
    std::fprintf(stderr, "usage: mkicon ICON_NAME THEME_FOLDER SIZE...\n");
    return 2;
  }
  const QString name = QString::fromLocal8Bit(argv[1]);
  const QString theme = QString::fromLocal8Bit(argv[2]);
  const QByteArray svg = IconSvg();
  const QString svgPath = theme + QStringLiteral("/scalable/apps/") + name + QStringLiteral(".svg");
  if (!WriteFile(svgPath, svg)) {
    std::fprintf(stderr, "mkicon: cannot write %s\n", qPrintable(svgPath));
    return 1;
  }
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "mkicon: the drawing is not valid SVG\n");
    return 1;
  }
  for (int size : *sizes) {
    const QString png = theme + QStringLiteral("/%1x%1/apps/").arg(size) + name + QStringLiteral(".png");
    if (!RenderPng(renderer, size, png)) {
      std::fprintf(stderr, "mkicon: cannot write %s\n", qPrintable(png));
      return 1;
    }
  }
  return 0;
}
