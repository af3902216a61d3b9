#pragma once
// Small drawing helpers shared by the generators: the program's card art
// (suit symbols, text as outlines, a canvas at a scale, the index faces), a
// repeatable random number source and colour mixing.
#include <QColor>
#include <cstdint>

#include "card_art.h"
#include "index_faces.h"

namespace velmora::mkres {

using art::Canvas;
using art::CentredText;
using art::DrawBlankCard;
using art::DrawIndexFace;
using art::DrawJoker;
using art::FaceStyle;
using art::kSuits;
using art::Suit;
using art::SuitPath;
using art::TextAt;
using art::TextOutline;
using art::TextStyle;
using art::Typeface;

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

}  // namespace velmora::mkres
