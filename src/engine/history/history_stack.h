#pragma once
// One side of the history (undo or redo): snapshots of the table kept as four
// lists of card-state strings, one per pile group, each snapshot adding 3, 16,
// 40 and 10 strings in pile order. Saved games and bookmarks store the lists
// as they stand.
#include <array>
#include <string>
#include <vector>

#include "history/card_state.h"

namespace velmora {

class HistoryStack {
 public:
  using Lists = std::array<std::vector<std::string>, 4>;  // stock, foundations, tableau, reserves

  void push(PileSnapshot snapshot);
  // The newest snapshot, taken off the stack. The stack must not be empty.
  PileSnapshot pop();
  bool empty() const { return lists_[0].empty(); }
  int steps() const { return static_cast<int>(lists_[0].size()) / kStockSlots; }
  void clear();

  const Lists& lists() const { return lists_; }
  // Lists whose sizes are whole snapshots of the same number of steps, and
  // whose strings are card-state strings.
  static bool Consistent(const Lists& lists);
  // `lists` must be consistent.
  void assign(Lists lists) { lists_ = std::move(lists); }

 private:
  Lists lists_;
};

}  // namespace velmora
