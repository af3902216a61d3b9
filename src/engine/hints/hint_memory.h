#pragma once
// The moves the hint engine showed lately: each the card and the pile it was
// shown going to. A move in the memory is not shown again until the memory
// is cleared - by undo and redo, and when a search finds nothing - so that
// asking again shows another move.
#include <algorithm>
#include <vector>

#include "cards/card.h"
#include "piles/pile_names.h"

namespace velmora {

struct ShownMove {
  CardId card = kNoCard;
  PileRef to{PileGroup::Stock, 0};
  friend bool operator==(const ShownMove&, const ShownMove&) = default;
};

class HintMemory {
 public:
  void record(const ShownMove& move) { moves_.push_back(move); }
  bool holds(const ShownMove& move) const { return std::ranges::find(moves_, move) != moves_.end(); }
  bool empty() const { return moves_.empty(); }
  const ShownMove* last() const { return moves_.empty() ? nullptr : &moves_.back(); }
  void clear() { moves_.clear(); }
  // After a move made on the table only the last hint is still remembered.
  void keepLast() {
    if (moves_.size() > 1) moves_.erase(moves_.begin(), moves_.end() - 1);
  }

 private:
  std::vector<ShownMove> moves_;
};

}  // namespace velmora
