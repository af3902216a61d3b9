#pragma once
// The one rounding of the program: halves go to the even neighbour, so that
// halves of piles, cards and pixels come out the same everywhere.
#include <cmath>

namespace velmora {

inline int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// a / b rounded half to even, in integers.
inline int DivideRounded(int a, int b) { return RoundHalfEven(static_cast<double>(a) / b); }

// value x numerator / denominator rounded half to even, for fractions such as
// 17/20 or 5/2 that must not pass through an inexact decimal.
inline int MultiplyRounded(int value, int numerator, int denominator) {
  return DivideRounded(value * numerator, denominator);
}

}  // namespace velmora
