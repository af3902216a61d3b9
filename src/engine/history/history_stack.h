#pragma once
// One side of the history (undo or redo): snapshots of the table. Saved games
// and bookmarks see them as four lists of card-state strings, one per pile
// group, each snapshot adding 3, 16, 40 and 10 strings in pile order. A step
// is taken at every move, so the stack keeps each snapshot compactly - one
// code per card (its id and face) and one length per pile - and writes the
// strings only when a file asks for them.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/card_state.h"

namespace velmora {

class HistoryStack {
 public:
  using Lists = std::array<std::vector<std::string>, 4>;  // stock, foundations, tableau, reserves

  // Keeps the table as it stands; `leftEmpty` is kept as an empty pile.
  void push(const PileStore& piles, const CardTable& cards, std::optional<PileRef> leftEmpty = std::nullopt);
  // Puts the newest snapshot back on the table and takes it off the stack.
  // The stack must not be empty.
  void popOnto(PileStore& piles, CardTable& cards);
  // Puts the oldest snapshot back on the table, the stack unchanged. The
  // stack must not be empty.
  void restoreOldest(PileStore& piles, CardTable& cards) const;
  // Takes the newest snapshot off the stack. The stack must not be empty.
  void drop();
  bool empty() const { return stepStarts_.empty(); }
  int steps() const { return static_cast<int>(stepStarts_.size()); }
  void clear();

  // The snapshots as card-state strings, oldest first.
  Lists lists() const;
  // Lists whose sizes are whole snapshots of the same number of steps, and
  // whose strings are card-state strings.
  static bool Consistent(const Lists& lists);
  // `lists` must be consistent.
  void assign(const Lists& lists);

 private:
  // A card and its face: id * 2, plus 1 when face up; 0 a place without a card.
  using CardCode = std::uint16_t;

  std::string pileText(int step, int slot) const;
  void restoreStep(int step, PileStore& piles, CardTable& cards) const;

  std::vector<CardCode> codes_;                // every snapshot's cards, pile after pile
  std::vector<std::uint16_t> pileLengths_;     // kSnapshotPiles per snapshot
  std::vector<std::size_t> stepStarts_;        // where each snapshot's cards begin in codes_
};

}  // namespace velmora
