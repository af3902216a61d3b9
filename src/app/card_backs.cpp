#include "card_backs.h"

#include <cmath>

#include "card_art.h"
#include "card_sheet_layout.h"
#include "index_faces.h"

namespace velmora::art {
namespace {

enum class Motif {
  Lattice, Weave, Sun, Stars, Scales, Flowers, Flower, Rose, Swirls, Dabs, Rings, Glow, Shell,
  Snowman, Bear, Fish, Penguin, Eagle, Horseshoe, Clouds, Sea, Mountains, Hills, Lake
};

struct Rgb {
  int r, g, b;
  QColor colour() const { return QColor(r, g, b); }
};

struct BackDesign {
  int deck;
  Motif motif;
  Rgb ground, ink, accent;
};

constexpr BackDesign kBacks[] = {
    {1, Motif::Rings, {196, 160, 110}, {90, 56, 28}, {240, 220, 180}},      // Leonardo da Vinci
    {2, Motif::Glow, {24, 18, 14}, {200, 140, 50}, {120, 30, 20}},         // Goya
    {3, Motif::Snowman, {30, 60, 120}, {250, 250, 255}, {220, 60, 40}},    // Snowman
    {4, Motif::Scales, {20, 90, 50}, {210, 180, 60}, {10, 50, 30}},        // Dragon
    {5, Motif::Flowers, {170, 215, 130}, {240, 90, 120}, {250, 220, 60}},  // Flowers
    {6, Motif::Weave, {30, 70, 140}, {235, 240, 250}, {20, 40, 90}},       // Plaiting 2
    {7, Motif::Lattice, {24, 62, 160}, {230, 236, 255}, {250, 250, 250}},  // Classic blue
    {8, Motif::Lattice, {170, 24, 32}, {255, 230, 230}, {250, 250, 250}},  // Classic red
    {9, Motif::Lattice, {226, 112, 20}, {255, 240, 220}, {250, 250, 250}}, // Classic orange
    {10, Motif::Sun, {250, 170, 30}, {255, 230, 90}, {210, 80, 10}},       // Sun
    {11, Motif::Weave, {150, 30, 30}, {240, 200, 90}, {90, 10, 10}},       // Plaiting 1
    {12, Motif::Swirls, {20, 40, 110}, {240, 210, 70}, {110, 160, 220}},   // Van Gogh
    {13, Motif::Bear, {250, 215, 225}, {150, 95, 50}, {90, 55, 25}},       // Teddy bear
    {14, Motif::Rose, {20, 70, 40}, {200, 20, 50}, {120, 0, 20}},          // Roses
    {15, Motif::Flower, {60, 120, 200}, {255, 255, 255}, {250, 200, 30}},  // Flower
    {16, Motif::Shell, {110, 180, 170}, {250, 225, 205}, {200, 140, 120}}, // Botticelli
    {17, Motif::Stars, {12, 20, 60}, {255, 240, 160}, {200, 210, 255}},    // Stars
    {18, Motif::Eagle, {120, 170, 220}, {70, 45, 25}, {240, 240, 240}},    // Eagle
    {19, Motif::Fish, {20, 160, 180}, {255, 140, 0}, {255, 255, 255}},     // Tropical fish
    {20, Motif::Lake, {150, 200, 240}, {40, 110, 160}, {60, 120, 60}},     // Lake
    {21, Motif::Clouds, {90, 150, 230}, {255, 255, 255}, {200, 220, 245}}, // Clouds
    {22, Motif::Sea, {20, 90, 160}, {180, 220, 240}, {10, 50, 110}},       // Sea
    {23, Motif::Mountains, {140, 190, 240}, {70, 90, 120}, {255, 255, 255}},   // Mountains 1
    {24, Motif::Penguin, {200, 230, 250}, {20, 20, 30}, {250, 160, 20}},       // Penguin
    {25, Motif::Mountains, {250, 160, 90}, {90, 50, 90}, {255, 230, 200}},     // Mountains 2
    {26, Motif::Hills, {170, 220, 250}, {70, 150, 60}, {40, 110, 40}},         // Hills
    {27, Motif::Horseshoe, {110, 70, 40}, {200, 200, 205}, {70, 40, 20}},      // Horse
    {28, Motif::Dabs, {240, 220, 200}, {230, 120, 140}, {120, 170, 210}},      // Renoir
};


struct Panel {
  QPainter& p;
  QRectF area;
  const BackDesign& design;
  Random random;
  QColor ground() const { return design.ground.colour(); }
  QColor ink() const { return design.ink.colour(); }
  QColor accent() const { return design.accent.colour(); }
  QPointF at(qreal fx, qreal fy) const { return {area.left() + fx * area.width(), area.top() + fy * area.height()}; }
  qreal w() const { return area.width(); }
  qreal h() const { return area.height(); }
};

void Fill(Panel& k, const QColor& colour) {
  k.p.setPen(Qt::NoPen);
  k.p.setBrush(colour);
}

void VerticalGradient(Panel& k, const QColor& top, const QColor& bottom) {
  QLinearGradient g(k.area.topLeft(), k.area.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  k.p.fillRect(k.area, g);
}

void DrawLattice(Panel& k) {
  k.p.fillRect(k.area, k.ground());
  k.p.setPen(QPen(Mix(k.ground(), k.ink(), 0.55), 0.8));
  const qreal step = k.w() / 9;
  for (qreal d = -k.h(); d < k.w() + k.h(); d += step) {
    k.p.drawLine(QPointF(k.area.left() + d, k.area.top()), QPointF(k.area.left() + d - k.h(), k.area.bottom()));
    k.p.drawLine(QPointF(k.area.left() + d, k.area.top()), QPointF(k.area.left() + d + k.h(), k.area.bottom()));
  }
  k.p.setPen(QPen(k.ink(), 1.2));
  k.p.setBrush(k.ground());
  k.p.drawEllipse(k.area.center(), k.w() * 0.28, k.h() * 0.3);
  k.p.drawEllipse(k.area.center(), k.w() * 0.18, k.h() * 0.2);
  k.p.setBrush(k.accent());
  k.p.setPen(Qt::NoPen);
  k.p.drawPath(SuitPath(Suit::Spades, QRectF(k.at(0.5, 0.5) - QPointF(5, 5), QSizeF(10, 10))));
}

void DrawWeave(Panel& k) {
  k.p.fillRect(k.area, k.accent());
  const qreal band = k.w() / 6;
  for (int i = 0; i < 14; ++i)
    for (int j = 0; j < 14; ++j) {
      const QRectF cell(k.area.left() + i * band - band, k.area.top() + j * band - band, band, band);
      const bool across = (i + j) % 2 == 0;
      const QRectF strand = across ? cell.adjusted(0, band * 0.15, 0, -band * 0.15) : cell.adjusted(band * 0.15, 0, -band * 0.15, 0);
      QLinearGradient g(across ? strand.topLeft() : strand.topLeft(), across ? strand.bottomLeft() : strand.topRight());
      g.setColorAt(0, Mix(k.ground(), k.ink(), 0.2));
      g.setColorAt(0.5, k.ink());
      g.setColorAt(1, k.ground());
      k.p.fillRect(strand, g);
    }
}

void DrawSun(Panel& k) {
  QRadialGradient g(k.area.center(), k.h() * 0.7);
  g.setColorAt(0, k.ink());
  g.setColorAt(1, k.accent());
  k.p.fillRect(k.area, g);
  Fill(k, QColor(255, 240, 150, 120));
  for (int i = 0; i < 16; i += 2) {
    QPainterPath ray;
    ray.moveTo(k.area.center());
    ray.arcTo(QRectF(k.area.center() - QPointF(k.h(), k.h()), QSizeF(2 * k.h(), 2 * k.h())), i * 22.5, 22.5);
    ray.closeSubpath();
    k.p.drawPath(ray);
  }
  QRadialGradient disc(k.area.center(), k.w() * 0.24);
  disc.setColorAt(0, QColor(255, 255, 220));
  disc.setColorAt(1, k.ink());
  k.p.setBrush(disc);
  k.p.drawEllipse(k.area.center(), k.w() * 0.24, k.w() * 0.24);
}

QPainterPath StarPath(QPointF centre, qreal outer, qreal inner, int points) {
  QPainterPath star;
  for (int i = 0; i < 2 * points; ++i) {
    const qreal r = i % 2 ? inner : outer;
    const qreal a = -M_PI / 2 + i * M_PI / points;
    const QPointF q = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
    i ? star.lineTo(q) : star.moveTo(q);
  }
  star.closeSubpath();
  return star;
}

void DrawStars(Panel& k) {
  VerticalGradient(k, k.ground(), Mix(k.ground(), QColor(60, 40, 120), 0.6));
  Fill(k, k.accent());
  for (int i = 0; i < 40; ++i) {
    const qreal r = k.random.between(0.3, 1.1);
    k.p.drawEllipse(k.at(k.random.unit(), k.random.unit()), r, r);
  }
  Fill(k, k.ink());
  k.p.drawPath(StarPath(k.area.center(), k.w() * 0.32, k.w() * 0.13, 5));
}

void DrawScales(Panel& k) {
  k.p.fillRect(k.area, k.accent());
  const qreal r = k.w() / 7;
  for (int row = 0; row * r * 0.5 < k.h() + r; ++row)
    for (int col = -1; col * r < k.w() + r; ++col) {
      const QPointF c(k.area.left() + col * r + (row % 2) * r / 2, k.area.top() + row * r * 0.5);
      QRadialGradient g(c, r * 0.6);
      g.setColorAt(0, Mix(k.ground(), k.ink(), 0.3));
      g.setColorAt(1, k.ground());
      k.p.setBrush(g);
      k.p.setPen(QPen(k.ink(), 0.6));
      k.p.drawEllipse(c, r * 0.55, r * 0.55);
    }
}

void DrawBlossom(QPainter& p, QPointF centre, qreal radius, const QColor& petals, const QColor& heart, int count) {
  p.setPen(Qt::NoPen);
  p.setBrush(petals);
  for (int i = 0; i < count; ++i) {
    p.save();
    p.translate(centre);
    p.rotate(360.0 * i / count);
    p.drawEllipse(QPointF(0, -radius * 0.55), radius * 0.28, radius * 0.5);
    p.restore();
  }
  p.setBrush(heart);
  p.drawEllipse(centre, radius * 0.3, radius * 0.3);
}

void DrawFlowers(Panel& k) {
  k.p.fillRect(k.area, k.ground());
  const QColor palette[] = {k.ink(), QColor(255, 255, 255), QColor(150, 110, 230), QColor(255, 150, 60)};
  for (int i = 0; i < 18; ++i)
    DrawBlossom(k.p, k.at(k.random.unit(), k.random.unit()), k.random.between(4, 8), palette[i % 4], k.accent(), 5);
}

void DrawFlower(Panel& k) {
  VerticalGradient(k, k.ground(), Mix(k.ground(), Qt::black, 0.4));
  k.p.setPen(QPen(QColor(40, 140, 50), 2.5));
  k.p.drawLine(k.at(0.5, 0.45), k.at(0.5, 1.0));
  DrawBlossom(k.p, k.at(0.5, 0.4), k.w() * 0.38, k.ink(), k.accent(), 12);
}

void DrawRose(Panel& k) {
  k.p.fillRect(k.area, k.ground());
  for (int layer = 0; layer < 4; ++layer) {
    const qreal r = k.w() * (0.4 - layer * 0.085);
    DrawBlossom(k.p, k.area.center(), r, Mix(k.ink(), k.accent(), layer / 4.0), Mix(k.ink(), k.accent(), 0.9), 7);
  }
}

void DrawSwirls(Panel& k) {
  k.p.fillRect(k.area, k.ground());
  k.p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 70; ++i) {
    const QPointF c = k.at(k.random.unit(), k.random.unit());
    const qreal r = k.random.between(2, 7);
    k.p.setPen(QPen(i % 3 ? k.accent() : k.ink(), 1.3, Qt::SolidLine, Qt::RoundCap));
    k.p.drawArc(QRectF(c - QPointF(r, r), QSizeF(2 * r, 2 * r)), k.random.below(360) * 16, 200 * 16);
  }
  Fill(k, k.ink());
  k.p.drawEllipse(k.at(0.72, 0.22), k.w() * 0.12, k.w() * 0.12);
}

void DrawDabs(Panel& k) {
  k.p.fillRect(k.area, k.ground());
  for (int i = 0; i < 160; ++i) {
    const QColor colour = Mix(i % 2 ? k.ink() : k.accent(), k.ground(), k.random.between(0, 0.6));
    Fill(k, colour);
    k.p.drawEllipse(k.at(k.random.unit(), k.random.unit()), k.random.between(1.5, 3.5), k.random.between(1, 2.5));
  }
}

void DrawRings(Panel& k) {
  QRadialGradient g(k.area.center(), k.h() * 0.7);
  g.setColorAt(0, k.accent());
  g.setColorAt(1, k.ground());
  k.p.fillRect(k.area, g);
  k.p.setBrush(Qt::NoBrush);
  k.p.setPen(QPen(k.ink(), 1));
  const qreal r = k.w() * 0.36;
  k.p.drawEllipse(k.area.center(), r, r);
  k.p.drawRect(QRectF(k.area.center() - QPointF(r * 0.8, r * 0.7), QSizeF(r * 1.6, r * 1.7)));
  for (int i = 0; i < 8; ++i) {
    const qreal a = i * M_PI / 4;
    k.p.drawLine(k.area.center(), k.area.center() + QPointF(std::cos(a) * r, std::sin(a) * r));
  }
}

void DrawGlow(Panel& k) {
  QRadialGradient g(k.at(0.35, 0.35), k.h() * 0.8);
  g.setColorAt(0, k.ink());
  g.setColorAt(0.45, k.accent());
  g.setColorAt(1, k.ground());
  k.p.fillRect(k.area, g);
  k.p.setPen(QPen(QColor(0, 0, 0, 90), 0.7));
  for (int i = 0; i < 30; ++i) k.p.drawLine(k.at(k.random.unit(), 1.0), k.at(k.random.unit(), k.random.between(0.4, 0.9)));
}

void DrawShell(Panel& k) {
  VerticalGradient(k, k.ground(), Mix(k.ground(), QColor(20, 60, 80), 0.5));
  const QPointF hinge = k.at(0.5, 0.72);
  const qreal r = k.w() * 0.42;
  QPainterPath shell;
  shell.moveTo(hinge);
  shell.arcTo(QRectF(hinge - QPointF(r, r), QSizeF(2 * r, 2 * r)), 10, 160);
  shell.closeSubpath();
  k.p.setBrush(k.ink());
  k.p.setPen(QPen(k.accent(), 1));
  k.p.drawPath(shell);
  for (int i = 1; i < 9; ++i) {
    const qreal a = (10 + i * 160.0 / 9) * M_PI / 180;
    k.p.drawLine(hinge, hinge + QPointF(std::cos(a) * r, -std::sin(a) * r));
  }
}

void DrawSnowman(Panel& k) {
  VerticalGradient(k, k.ground(), Mix(k.ground(), Qt::black, 0.5));
  Fill(k, QColor(255, 255, 255, 200));
  for (int i = 0; i < 30; ++i) k.p.drawEllipse(k.at(k.random.unit(), k.random.unit()), 0.9, 0.9);
  Fill(k, k.ink());
  k.p.drawRect(QRectF(k.at(0, 0.88), QSizeF(k.w(), k.h() * 0.12)));
  k.p.drawEllipse(k.at(0.5, 0.75), k.w() * 0.24, k.w() * 0.22);
  k.p.drawEllipse(k.at(0.5, 0.48), k.w() * 0.17, k.w() * 0.16);
  k.p.drawEllipse(k.at(0.5, 0.28), k.w() * 0.12, k.w() * 0.12);
  Fill(k, QColor(20, 20, 20));
  k.p.drawRect(QRectF(k.at(0.38, 0.14), QSizeF(k.w() * 0.24, k.h() * 0.06)));
  k.p.drawRect(QRectF(k.at(0.43, 0.06), QSizeF(k.w() * 0.14, k.h() * 0.09)));
  Fill(k, k.accent());
  k.p.drawRect(QRectF(k.at(0.36, 0.38), QSizeF(k.w() * 0.28, k.h() * 0.03)));
}

void DrawBear(Panel& k) {
  k.p.fillRect(k.area, k.ground());
  Fill(k, k.ink());
  k.p.drawEllipse(k.at(0.3, 0.2), k.w() * 0.1, k.w() * 0.1);
  k.p.drawEllipse(k.at(0.7, 0.2), k.w() * 0.1, k.w() * 0.1);
  k.p.drawEllipse(k.at(0.5, 0.32), k.w() * 0.24, k.w() * 0.22);
  k.p.drawEllipse(k.at(0.5, 0.68), k.w() * 0.3, k.h() * 0.22);
  k.p.drawEllipse(k.at(0.22, 0.6), k.w() * 0.09, k.w() * 0.14);
  k.p.drawEllipse(k.at(0.78, 0.6), k.w() * 0.09, k.w() * 0.14);
  Fill(k, Mix(k.ink(), Qt::white, 0.45));
  k.p.drawEllipse(k.at(0.5, 0.37), k.w() * 0.1, k.w() * 0.08);
  k.p.drawEllipse(k.at(0.5, 0.7), k.w() * 0.16, k.h() * 0.12);
  Fill(k, k.accent());
  k.p.drawEllipse(k.at(0.42, 0.29), 1.3, 1.3);
  k.p.drawEllipse(k.at(0.58, 0.29), 1.3, 1.3);
  k.p.drawEllipse(k.at(0.5, 0.35), 2, 1.4);
}

void DrawFish(Panel& k) {
  VerticalGradient(k, k.ground(), Mix(k.ground(), QColor(0, 30, 80), 0.6));
  k.p.setPen(QPen(QColor(255, 255, 255, 160), 0.6));
  k.p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 8; ++i) k.p.drawEllipse(k.at(0.75 + k.random.between(-0.05, 0.05), 0.1 * i + 0.05), 1.5, 1.5);
  for (int i = 0; i < 2; ++i) {
    const QPointF c = k.at(0.42, i ? 0.7 : 0.35);
    const qreal len = k.w() * (i ? 0.3 : 0.36);
    QPainterPath tail;
    tail.moveTo(c + QPointF(len * 0.8, 0));
    tail.lineTo(c + QPointF(len * 1.25, -len * 0.4));
    tail.lineTo(c + QPointF(len * 1.25, len * 0.4));
    tail.closeSubpath();
    Fill(k, k.ink());
    k.p.drawPath(tail);
    k.p.drawEllipse(c, len, len * 0.55);
    Fill(k, k.accent());
    for (int s = 0; s < 3; ++s) k.p.drawRect(QRectF(c + QPointF(-len * 0.4 + s * len * 0.4, -len * 0.5), QSizeF(len * 0.12, len)));
    Fill(k, Qt::black);
    k.p.drawEllipse(c + QPointF(-len * 0.65, -len * 0.1), 1.3, 1.3);
  }
}

void DrawPenguin(Panel& k) {
  VerticalGradient(k, k.ground(), Qt::white);
  Fill(k, k.ink());
  k.p.drawEllipse(k.at(0.5, 0.55), k.w() * 0.3, k.h() * 0.36);
  k.p.drawEllipse(k.at(0.5, 0.22), k.w() * 0.19, k.w() * 0.19);
  Fill(k, Qt::white);
  k.p.drawEllipse(k.at(0.5, 0.6), k.w() * 0.2, k.h() * 0.28);
  k.p.drawEllipse(k.at(0.44, 0.21), 2.2, 2.2);
  k.p.drawEllipse(k.at(0.56, 0.21), 2.2, 2.2);
  Fill(k, k.accent());
  QPainterPath beak;
  beak.moveTo(k.at(0.44, 0.27));
  beak.lineTo(k.at(0.56, 0.27));
  beak.lineTo(k.at(0.5, 0.33));
  k.p.drawPath(beak);
  k.p.drawEllipse(k.at(0.4, 0.92), k.w() * 0.09, k.h() * 0.03);
  k.p.drawEllipse(k.at(0.6, 0.92), k.w() * 0.09, k.h() * 0.03);
}

void DrawEagle(Panel& k) {
  VerticalGradient(k, k.ground(), Mix(k.ground(), Qt::white, 0.6));
  Fill(k, k.ink());
  for (int side : {-1, 1}) {
    QPainterPath wing;
    wing.moveTo(k.at(0.5, 0.45));
    wing.cubicTo(k.at(0.5 + side * 0.2, 0.2), k.at(0.5 + side * 0.4, 0.25), k.at(0.5 + side * 0.48, 0.12));
    wing.lineTo(k.at(0.5 + side * 0.42, 0.42));
    wing.cubicTo(k.at(0.5 + side * 0.3, 0.5), k.at(0.5 + side * 0.15, 0.5), k.at(0.5, 0.58));
    k.p.drawPath(wing);
  }
  k.p.drawEllipse(k.at(0.5, 0.55), k.w() * 0.1, k.h() * 0.16);
  QPainterPath tail;
  tail.moveTo(k.at(0.44, 0.68));
  tail.lineTo(k.at(0.56, 0.68));
  tail.lineTo(k.at(0.6, 0.82));
  tail.lineTo(k.at(0.4, 0.82));
  k.p.drawPath(tail);
  Fill(k, k.accent());
  k.p.drawEllipse(k.at(0.5, 0.36), k.w() * 0.07, k.w() * 0.07);
  Fill(k, QColor(240, 180, 30));
  k.p.drawEllipse(k.at(0.5, 0.4), 1.6, 1.6);
}

void DrawHorseshoe(Panel& k) {
  k.p.fillRect(k.area, k.ground());
  k.p.setPen(QPen(k.accent(), 0.6));
  for (int i = 0; i < 40; ++i) k.p.drawLine(k.at(k.random.unit(), k.random.unit()), k.at(k.random.unit(), k.random.unit()));
  QPainterPath shoe;
  const QRectF outer(k.at(0.2, 0.22), QSizeF(k.w() * 0.6, k.h() * 0.5));
  shoe.moveTo(outer.left(), outer.bottom() + k.h() * 0.08);
  shoe.arcTo(outer, 180, -180);
  shoe.lineTo(outer.right(), outer.bottom() + k.h() * 0.08);
  k.p.setBrush(Qt::NoBrush);
  k.p.setPen(QPen(k.ink(), k.w() * 0.12, Qt::SolidLine, Qt::FlatCap));
  k.p.drawPath(shoe);
  Fill(k, k.accent());
  for (int i = 0; i < 6; ++i) {
    const qreal a = M_PI * (0.1 + i * 0.16);
    k.p.drawEllipse(outer.center() + QPointF(-std::cos(a) * outer.width() / 2, -std::sin(a) * outer.height() / 2), 1.2, 1.2);
  }
}

void DrawClouds(Panel& k) {
  VerticalGradient(k, k.ground(), k.accent());
  Fill(k, k.ink());
  for (int i = 0; i < 5; ++i) {
    const QPointF c = k.at(k.random.between(0.1, 0.9), 0.12 + i * 0.2);
    for (int j = 0; j < 4; ++j) k.p.drawEllipse(c + QPointF((j - 1.5) * 6, (j % 2) * -2.5), 6, 4.5);
  }
}

void DrawSea(Panel& k) {
  VerticalGradient(k, k.accent(), k.ground());
  k.p.setBrush(Qt::NoBrush);
  for (int row = 0; row < 14; ++row) {
    k.p.setPen(QPen(Mix(k.ink(), k.ground(), row / 16.0), 1.1));
    const qreal y = k.area.top() + 6 + row * k.h() / 14;
    QPainterPath wave;
    wave.moveTo(k.area.left() - 4, y);
    for (qreal x = k.area.left() - 4; x < k.area.right() + 8; x += 8) {
      wave.quadTo(x + 2, y - 3, x + 4, y);
      wave.quadTo(x + 6, y + 3, x + 8, y);
    }
    k.p.drawPath(wave);
  }
}

void DrawRidge(Panel& k, const QColor& colour, qreal base, qreal height, int peaks, bool snow) {
  QPainterPath ridge;
  ridge.moveTo(k.at(0, 1));
  ridge.lineTo(k.at(0, base));
  for (int i = 0; i < peaks; ++i) {
    ridge.lineTo(k.at((i + 0.5) / peaks, base - height * k.random.between(0.7, 1.0)));
    ridge.lineTo(k.at((i + 1.0) / peaks, base - height * k.random.between(0.0, 0.3)));
  }
  ridge.lineTo(k.at(1, 1));
  ridge.closeSubpath();
  Fill(k, colour);
  k.p.drawPath(ridge);
  if (!snow) return;
  k.p.save();
  k.p.setClipPath(ridge);
  k.p.fillRect(QRectF(k.area.topLeft(), QPointF(k.area.right(), k.at(0, base - height * 0.6).y())), k.accent());
  k.p.restore();
}

void DrawMountains(Panel& k) {
  VerticalGradient(k, k.ground(), Mix(k.ground(), Qt::white, 0.5));
  DrawRidge(k, Mix(k.ink(), k.ground(), 0.5), 0.6, 0.45, 2, true);
  DrawRidge(k, k.ink(), 0.85, 0.35, 3, false);
}

void DrawHills(Panel& k) {
  VerticalGradient(k, k.ground(), Qt::white);
  Fill(k, QColor(255, 230, 120));
  k.p.drawEllipse(k.at(0.75, 0.18), 6, 6);
  for (int i = 0; i < 3; ++i) {
    Fill(k, Mix(k.ink(), k.accent(), i / 2.0));
    k.p.drawEllipse(k.at(i % 2 ? 0.2 : 0.8, 0.55 + i * 0.17), k.w() * 0.8, k.h() * 0.2);
  }
}

void DrawLake(Panel& k) {
  VerticalGradient(k, k.ground(), Qt::white);
  DrawRidge(k, k.accent(), 0.5, 0.2, 3, false);
  k.p.fillRect(QRectF(k.at(0, 0.5), QSizeF(k.w(), k.h() * 0.5)), k.ink());
  k.p.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
  for (int i = 0; i < 12; ++i) {
    const QPointF c = k.at(k.random.unit(), k.random.between(0.55, 0.98));
    k.p.drawLine(c, c + QPointF(k.random.between(3, 9), 0));
  }
}

void DrawMotif(Panel& k) {
  switch (k.design.motif) {
    case Motif::Lattice: return DrawLattice(k);
    case Motif::Weave: return DrawWeave(k);
    case Motif::Sun: return DrawSun(k);
    case Motif::Stars: return DrawStars(k);
    case Motif::Scales: return DrawScales(k);
    case Motif::Flowers: return DrawFlowers(k);
    case Motif::Flower: return DrawFlower(k);
    case Motif::Rose: return DrawRose(k);
    case Motif::Swirls: return DrawSwirls(k);
    case Motif::Dabs: return DrawDabs(k);
    case Motif::Rings: return DrawRings(k);
    case Motif::Glow: return DrawGlow(k);
    case Motif::Shell: return DrawShell(k);
    case Motif::Snowman: return DrawSnowman(k);
    case Motif::Bear: return DrawBear(k);
    case Motif::Fish: return DrawFish(k);
    case Motif::Penguin: return DrawPenguin(k);
    case Motif::Eagle: return DrawEagle(k);
    case Motif::Horseshoe: return DrawHorseshoe(k);
    case Motif::Clouds: return DrawClouds(k);
    case Motif::Sea: return DrawSea(k);
    case Motif::Mountains: return DrawMountains(k);
    case Motif::Hills: return DrawHills(k);
    case Motif::Lake: return DrawLake(k);
  }
}

// The motifs are drawn for the normal card size and scaled to the others.
constexpr cards::PixelSize kDesignSize{71, 96};

QImage DrawBack(const BackDesign& design, cards::PixelSize size, qreal scale) {
  Canvas canvas(size.width, size.height, scale);
  QPainter& p = canvas.painter();
  DrawBlankCard(p, size, Qt::white, QColor(70, 70, 70));
  const qreal border = std::max(2.0, size.width / 20.0);
  const QRectF inner(border, border, size.width - 2 * border, size.height - 2 * border);
  QPainterPath clip;
  clip.addRoundedRect(inner, border / 2, border / 2);
  p.setClipPath(clip);
  p.translate(inner.topLeft());
  p.scale(inner.width() / kDesignSize.width, inner.height() / kDesignSize.height);
  Panel panel{p, QRectF(0, 0, kDesignSize.width, kDesignSize.height), design, Random(std::uint64_t(design.deck) * 7919)};
  DrawMotif(panel);
  return canvas.finish();
}

}  // namespace

QImage DrawCardBack(int deck, cards::PixelSize size, qreal scale) {
  for (const BackDesign& design : kBacks)
    if (design.deck == deck) return DrawBack(design, size, scale);
  return QImage();
}

std::vector<int> CardBackDecks() {
  std::vector<int> decks;
  for (const BackDesign& design : kBacks) decks.push_back(design.deck);
  return decks;
}

}  // namespace velmora::art
