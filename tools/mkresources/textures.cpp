#include "textures.h"

#include <array>
#include <cmath>
#include <vector>

#include "drawing_kit.h"

namespace velmora::mkres {
namespace {

constexpr int kTile = 128;

// Value noise on a lattice that wraps around the tile, so tiles join seamlessly.
class TileNoise {
 public:
  TileNoise(std::uint64_t seed, int octaves) {
    Random random(seed);
    for (int o = 0; o < octaves; ++o) {
      const int cells = 4 << o;
      std::vector<double> grid(cells * cells);
      for (double& v : grid) v = random.unit();
      layers_.push_back({cells, std::move(grid)});
    }
  }

  // About 0..1; `x`, `y` in tile pixels, `stretchX` < 1 draws the grain out sideways.
  double at(double x, double y, double stretchX = 1) const {
    double sum = 0, weight = 0, amplitude = 1;
    for (const Layer& layer : layers_) {
      sum += amplitude * layer.at(x * stretchX, y);
      weight += amplitude;
      amplitude *= 0.5;
    }
    return sum / weight;
  }

 private:
  struct Layer {
    int cells;
    std::vector<double> grid;
    double value(int i, int j) const {
      i = ((i % cells) + cells) % cells;
      j = ((j % cells) + cells) % cells;
      return grid[j * cells + i];
    }
    double at(double x, double y) const {
      const double u = x * cells / kTile, v = y * cells / kTile;
      const int i = int(std::floor(u)), j = int(std::floor(v));
      auto smooth = [](double t) { return t * t * (3 - 2 * t); };
      const double fu = smooth(u - i), fv = smooth(v - j);
      const double top = value(i, j) + (value(i + 1, j) - value(i, j)) * fu;
      const double bottom = value(i, j + 1) + (value(i + 1, j + 1) - value(i, j + 1)) * fu;
      return top + (bottom - top) * fv;
    }
  };
  std::vector<Layer> layers_;
};

enum class Kind {
  Felt, Marble, Wood, Weave, Bricks, Parquet, Paper, Metal, Stripes, Checks, Zigzag,
  Stones, Stars, Water, Swirl, Bubbles, Letters, Grass, Leaves, Clouds
};

struct Rgb {
  int r, g, b;
  QColor colour() const { return QColor(r, g, b); }
};

struct TileDesign {
  int number;
  Kind kind;
  Rgb dark, light;
};

constexpr TileDesign kTiles[] = {
    // For displays of few colours: parquet, moquette, cloth, cane-brake, thousand rows.
    {101, Kind::Parquet, {120, 72, 36}, {196, 140, 82}},
    {102, Kind::Felt, {30, 70, 40}, {60, 120, 70}},
    {103, Kind::Weave, {40, 60, 110}, {90, 120, 180}},
    {104, Kind::Stripes, {150, 120, 60}, {220, 190, 120}},
    {105, Kind::Checks, {20, 90, 60}, {40, 140, 90}},
    // Colours fantasy
    {257, Kind::Swirl, {60, 20, 110}, {240, 120, 60}},
    {258, Kind::Swirl, {10, 70, 90}, {120, 230, 180}},
    {259, Kind::Swirl, {110, 10, 40}, {250, 200, 80}},
    {260, Kind::Swirl, {20, 30, 80}, {150, 110, 240}},
    {261, Kind::Checks, {70, 40, 120}, {230, 180, 70}},  // puzzle
    // Fractal
    {262, Kind::Clouds, {10, 20, 60}, {250, 110, 40}},
    {263, Kind::Clouds, {20, 60, 20}, {220, 240, 90}},
    // Geometricals
    {264, Kind::Checks, {40, 40, 50}, {110, 110, 130}},  // labyrinth
    {265, Kind::Zigzag, {120, 30, 30}, {230, 200, 160}},
    // Marbles
    {266, Kind::Stones, {90, 90, 95}, {200, 200, 205}},  // granite
    {267, Kind::Marble, {200, 200, 195}, {250, 250, 248}},
    {268, Kind::Marble, {20, 60, 40}, {120, 180, 140}},
    {269, Kind::Marble, {110, 60, 50}, {230, 200, 180}},
    {270, Kind::Marble, {20, 20, 30}, {120, 120, 140}},
    // Metal
    {271, Kind::Metal, {40, 70, 120}, {160, 190, 230}},
    {272, Kind::Metal, {130, 90, 20}, {250, 220, 120}},
    {273, Kind::Stripes, {90, 90, 100}, {210, 210, 220}},  // ribbon
    // Nature
    {274, Kind::Clouds, {70, 120, 200}, {250, 250, 255}},
    {275, Kind::Leaves, {30, 70, 20}, {150, 190, 60}},
    {276, Kind::Grass, {40, 90, 30}, {140, 200, 80}},
    {277, Kind::Stones, {100, 90, 80}, {200, 190, 170}},  // river's stones
    {278, Kind::Stars, {5, 10, 35}, {250, 250, 220}},
    {279, Kind::Water, {10, 70, 130}, {120, 200, 240}},
    // Others
    {280, Kind::Bubbles, {20, 60, 110}, {170, 220, 250}},
    {281, Kind::Checks, {30, 30, 30}, {80, 130, 80}},  // reticular
    {282, Kind::Parquet, {90, 90, 90}, {180, 170, 150}},  // floor
    {283, Kind::Letters, {60, 50, 40}, {230, 220, 200}},
    {284, Kind::Bubbles, {40, 80, 160}, {250, 250, 255}},  // spheres in the sky
    {285, Kind::Felt, {170, 120, 40}, {240, 200, 110}},   // wax
    {286, Kind::Swirl, {30, 90, 60}, {230, 100, 160}},    // fantasy
    // Patterns
    {287, Kind::Zigzag, {20, 60, 100}, {200, 220, 240}},
    {288, Kind::Checks, {110, 20, 20}, {200, 160, 120}},
    {289, Kind::Stripes, {20, 80, 60}, {180, 220, 190}},
    {290, Kind::Weave, {100, 60, 100}, {220, 170, 210}},
    // Surfaces
    {291, Kind::Water, {140, 190, 200}, {240, 250, 255}},  // glass
    {292, Kind::Felt, {50, 50, 60}, {110, 110, 120}},
    {293, Kind::Felt, {120, 40, 30}, {190, 90, 60}},
    {294, Kind::Felt, {20, 40, 90}, {70, 100, 170}},
    {295, Kind::Paper, {170, 160, 130}, {230, 225, 200}},
    {296, Kind::Marble, {60, 40, 20}, {170, 130, 90}},
    {297, Kind::Clouds, {60, 60, 70}, {170, 170, 180}},
    {298, Kind::Metal, {60, 60, 60}, {170, 170, 170}},
    {299, Kind::Stones, {40, 60, 40}, {120, 150, 110}},
    // Tissue
    {300, Kind::Weave, {110, 30, 30}, {190, 80, 70}},  // carpet
    {301, Kind::Weave, {40, 80, 50}, {100, 150, 110}},  // cloth
    {302, Kind::Weave, {180, 150, 70}, {240, 220, 140}},  // straw
    {303, Kind::Weave, {190, 180, 160}, {240, 235, 220}},  // linen
    {304, Kind::Felt, {0, 70, 40}, {20, 120, 70}},  // moquette
    {305, Kind::Felt, {70, 20, 60}, {130, 50, 110}},
    {306, Kind::Felt, {20, 50, 100}, {50, 90, 160}},
    // Paper
    {307, Kind::Paper, {200, 190, 160}, {250, 245, 230}},  // fold paper
    {308, Kind::Stripes, {170, 190, 170}, {235, 240, 225}},  // wall-paper
    // Walls
    {309, Kind::Bricks, {130, 50, 30}, {200, 110, 80}},
    {310, Kind::Bricks, {90, 70, 60}, {170, 140, 120}},
    {311, Kind::Stones, {80, 80, 80}, {170, 165, 155}},  // stone wall
    // Wood
    {312, Kind::Wood, {100, 55, 25}, {170, 110, 60}},   // carved
    {313, Kind::Felt, {150, 100, 60}, {210, 160, 110}},  // cork
    {314, Kind::Wood, {50, 28, 14}, {100, 60, 30}},
    {315, Kind::Wood, {60, 35, 20}, {120, 75, 40}},
    {316, Kind::Wood, {190, 150, 100}, {240, 210, 160}},
    {317, Kind::Wood, {200, 170, 120}, {245, 225, 185}},
    {318, Kind::Wood, {130, 80, 40}, {200, 140, 80}},
    {319, Kind::Parquet, {140, 90, 45}, {210, 160, 100}},
    {320, Kind::Wood, {180, 140, 90}, {225, 195, 145}},  // ply-wood
    // More of the player's favourite kinds
    {321, Kind::Felt, {0, 80, 30}, {10, 110, 50}},
    {322, Kind::Marble, {150, 140, 120}, {235, 230, 215}},
    {323, Kind::Wood, {90, 40, 20}, {150, 80, 45}},
    {324, Kind::Clouds, {20, 40, 80}, {90, 140, 200}},
};

struct Shader {
  TileNoise noise;
  Kind kind;
  Random random;
  std::array<double, 16> spots{};  // per-tile random numbers for the patterned kinds
};

double Fraction(double v) { return v - std::floor(v); }

// A value 0..1 mapped later from the dark to the light colour.
double Tone(const Shader& s, double x, double y) {
  const double n = s.noise.at(x, y);
  const double turn = 2 * M_PI / kTile;
  switch (s.kind) {
    case Kind::Felt: return 0.35 + 0.3 * n + 0.35 * s.noise.at(x * 8, y * 8) * 0.5;
    case Kind::Paper: return 0.75 + 0.25 * s.noise.at(x * 4, y * 4) - 0.15 * (s.noise.at(x, y, 0.1) > 0.7);
    case Kind::Marble: return std::pow(std::abs(std::sin((x + y) * turn * 2 + n * 9)), 0.35);
    case Kind::Wood: return 0.5 + 0.5 * std::sin(y * turn * 6 + n * 10 + 0.4 * s.noise.at(x, y * 6));
    case Kind::Metal: return 0.35 + 0.45 * s.noise.at(x, y * 8, 0.05) + 0.2 * std::sin(y * turn);
    case Kind::Weave: {
      const int cell = int(x / 8) + int(y / 8);
      const double along = cell % 2 ? Fraction(y / 8) : Fraction(x / 8);
      const double across = cell % 2 ? Fraction(x / 8) : Fraction(y / 8);
      return 0.25 + 0.5 * std::sin(across * M_PI) * (0.7 + 0.3 * std::sin(along * M_PI)) + 0.25 * n;
    }
    case Kind::Stripes: return 0.3 + 0.4 * (std::sin(x * turn * 8) > 0) + 0.3 * n;
    case Kind::Checks: return 0.25 + 0.5 * ((int(x / 16) + int(y / 16)) % 2) + 0.25 * n;
    case Kind::Zigzag: return 0.2 + 0.6 * (std::sin((y + std::abs(Fraction(x / 32) - 0.5) * 32) * turn * 8) > 0) + 0.2 * n;
    case Kind::Water: return 0.5 + 0.35 * std::sin((y + 6 * std::sin(x * turn * 2)) * turn * 10 + n * 6) + 0.15 * n;
    case Kind::Swirl: return 0.5 + 0.5 * std::sin(n * 18 + std::sin(x * turn) * 2);
    case Kind::Clouds: return std::pow(n, 1.6) * 1.6;
    case Kind::Stars: return 0.1 * n;
    case Kind::Grass: return 0.3 + 0.5 * s.noise.at(x * 6, y, 1) + 0.2 * n;
    case Kind::Bricks: {
      const int row = int(y / 16);
      const double bx = Fraction((x + (row % 2) * 16) / 32), by = Fraction(y / 16);
      const bool mortar = bx < 0.06 || by < 0.12;
      return mortar ? 1.15 : 0.2 + 0.5 * n + 0.3 * s.noise.at(x * 4, y * 4);
    }
    case Kind::Parquet: {
      const int block = (int(x / 32) + int(y / 32)) % 2;
      const double grain = block ? s.noise.at(x * 8, y, 0.1) : s.noise.at(x, y * 8, 1);
      const bool seam = Fraction(block ? y / 8 : x / 8) < 0.1;
      return seam ? 0.05 : 0.3 + 0.6 * grain;
    }
    case Kind::Stones: {
      // cobbles: the gap between the nearest two of eight seed points, wrapped around the tile
      double nearest = 1e9, second = 1e9;
      for (int i = 0; i < 8; ++i)
        for (int dx = -1; dx <= 1; ++dx)
          for (int dy = -1; dy <= 1; ++dy) {
            const double d = std::hypot(x - s.spots[2 * i] * kTile - dx * kTile, y - s.spots[2 * i + 1] * kTile - dy * kTile);
            if (d < nearest) {
              second = nearest;
              nearest = d;
            } else if (d < second) {
              second = d;
            }
          }
      return std::min(1.0, (second - nearest) / 10) * (0.6 + 0.4 * n);
    }
    case Kind::Bubbles:
    case Kind::Letters:
    case Kind::Leaves: return 0.3 + 0.4 * n;
  }
  return n;
}

// Shapes drawn over the shaded tile, repeated across its edges so it stays seamless.
void DrawShapes(QPainter& p, Shader& s, const TileDesign& design) {
  const QColor light = design.light.colour();
  for (int i = 0; i < 24; ++i) {
    const QPointF at(s.random.between(0, kTile), s.random.between(0, kTile));
    const qreal size = s.random.between(4, 14);
    const QString letter(QChar(QLatin1Char(char('A' + s.random.below(26)))));
    const int angle = s.random.below(360);
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy) {
        const QPointF c = at + QPointF(dx * kTile, dy * kTile);
        switch (design.kind) {
          case Kind::Stars:
            p.setPen(Qt::NoPen);
            p.setBrush(light);
            p.drawEllipse(c, size / 14, size / 14);
            break;
          case Kind::Bubbles: {
            QRadialGradient g(c - QPointF(size / 3, size / 3), size);
            g.setColorAt(0, QColor(255, 255, 255, 200));
            g.setColorAt(1, QColor(light.red(), light.green(), light.blue(), 60));
            p.setPen(QPen(QColor(255, 255, 255, 120), 0.6));
            p.setBrush(g);
            p.drawEllipse(c, size * 0.7, size * 0.7);
            break;
          }
          case Kind::Letters:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(light.red(), light.green(), light.blue(), 150));
            p.drawPath(CentredText(letter, {Typeface::Serif, size * 1.6}, c));
            break;
          case Kind::Leaves:
            p.save();
            p.translate(c);
            p.rotate(angle);
            p.setPen(QPen(Mix(light, Qt::black, 0.5), 0.6));
            p.setBrush(Mix(light, design.dark.colour(), s.random.between(0, 0.5)));
            p.drawEllipse(QPointF(0, 0), size, size * 0.45);
            p.restore();
            break;
          default: return;
        }
      }
  }
}

QImage DrawTile(const TileDesign& design) {
  Shader shader{TileNoise(std::uint64_t(design.number) * 104729, 5), design.kind, Random(design.number), {}};
  for (double& spot : shader.spots) spot = shader.random.unit();
  QImage tile(kTile, kTile, QImage::Format_RGB32);
  const QColor dark = design.dark.colour(), light = design.light.colour();
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      const double t = std::clamp(Tone(shader, x + 0.5, y + 0.5), 0.0, 1.15);
      tile.setPixel(x, y, (t > 1 ? Mix(light, Qt::white, (t - 1) * 4) : Mix(dark, light, t)).rgb());
    }
  QPainter p(&tile);
  p.setRenderHint(QPainter::Antialiasing);
  DrawShapes(p, shader, design);
  return tile;
}

// While a game is paused the table is covered by this tile: dark green cloth.
constexpr TileDesign kPauseTile{1, Kind::Weave, {0, 60, 20}, {0, 96, 32}};

}  // namespace

void StageBackgrounds(BundleWriter& bundle) {
  for (const TileDesign& design : kTiles)
    bundle.addBitmap(QStringLiteral("B%1").arg(design.number, 3, 10, QLatin1Char('0')), DrawTile(design));
  bundle.addBitmap(QStringLiteral("Y001"), DrawTile(kPauseTile));
}

}  // namespace velmora::mkres
