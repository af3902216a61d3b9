#pragma once
// The card sizes by size letter: "S" large, "B" normal, "M" medium, "L" tiny.
namespace velmora {

struct CardSize {
  int width;
  int height;
};

// Any other letter is taken as "B".
constexpr CardSize CardSizeFor(char letter) {
  switch (letter) {
    case 'S': return {85, 115};
    case 'M': return {59, 80};
    case 'L': return {25, 32};
    default: return {71, 96};
  }
}

}  // namespace velmora
