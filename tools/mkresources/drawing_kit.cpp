#include "drawing_kit.h"

namespace velmora::mkres {

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

}  // namespace velmora::mkres
