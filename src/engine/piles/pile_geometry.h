#pragma once
// Where each pile lies on the table: the top-left corner of its first card in
// table coordinates, written by the layout and read by drawing and hit tests.
// Rows scrolled out of sight move every pile up by the scroll offset.
#include <array>
#include <cstdint>

#include "piles/pile_names.h"

namespace velmora {

struct TablePoint {
  int x = 0;
  int y = 0;
};

class PileGeometry {
 public:
  void set(PileRef pile, int x, int y) { slot(pile) = {clamp16(x), clamp16(y)}; }

  // The stored position with the scroll offset taken off its y.
  TablePoint at(PileRef pile, int scrollOffset) const {
    const Stored& stored = slot(pile);
    return {stored.x, stored.y - scrollOffset};
  }

 private:
  struct Stored {
    std::int16_t x = 0;
    std::int16_t y = 0;
  };
  static std::int16_t clamp16(int v) { return static_cast<std::int16_t>(v < -32768 ? -32768 : v > 32767 ? 32767 : v); }
  Stored& slot(PileRef pile) { return groups_[static_cast<std::size_t>(pile.group)][static_cast<std::size_t>(pile.index)]; }
  const Stored& slot(PileRef pile) const {
    return groups_[static_cast<std::size_t>(pile.group)][static_cast<std::size_t>(pile.index)];
  }

  // Room for the largest group; each group uses its own first entries.
  std::array<std::array<Stored, kTableauPiles>, 4> groups_{};
};

}  // namespace velmora
