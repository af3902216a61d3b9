#pragma once
// The one rounding of the program: halves go to the even neighbour, so that
// halves of piles, cards and pixels come out the same everywhere.
#include <cmath>

namespace velmora {

inline int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// a / b rounded half to even, in integers.
inline int DivideRounded(int a, int b) { return RoundHalfEven(static_cast<double>(a) / b); }

}  // namespace velmora
