#pragma once
// A rectangle of the table in window coordinates: where a card, a pile or
// the carried cards stand, and how much two of them overlap.
#include <algorithm>

#include "piles/pile_geometry.h"

namespace velmora {

struct TableRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool holds(TablePoint p) const { return p.x >= x && p.x < right() && p.y >= y && p.y < bottom(); }
  TableRect movedBy(int dx, int dy) const { return {x + dx, y + dy, width, height}; }
  // The smallest rectangle holding both.
  TableRect joinedWith(const TableRect& other) const {
    const int left = std::min(x, other.x), top = std::min(y, other.y);
    return {left, top, std::max(right(), other.right()) - left, std::max(bottom(), other.bottom()) - top};
  }
  friend bool operator==(const TableRect&, const TableRect&) = default;
};

// The area two rectangles share, in square pixels; 0 when they only touch.
inline long OverlapArea(const TableRect& a, const TableRect& b) {
  const long w = std::min(a.right(), b.right()) - std::max(a.x, b.x);
  const long h = std::min(a.bottom(), b.bottom()) - std::max(a.y, b.y);
  return w > 0 && h > 0 ? w * h : 0;
}

}  // namespace velmora
