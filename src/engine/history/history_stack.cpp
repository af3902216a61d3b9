#include "history/history_stack.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr std::array kGroups{PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves};

}  // namespace

void HistoryStack::push(PileSnapshot snapshot) {
  int slot = 0;
  for (std::size_t g = 0; g < kGroups.size(); ++g)
    for (int i = 0; i < GroupSize(kGroups[g]); ++i) lists_[g].push_back(std::move(snapshot[static_cast<std::size_t>(slot++)]));
}

PileSnapshot HistoryStack::pop() {
  PileSnapshot snapshot;
  for (std::size_t g = kGroups.size(); g-- > 0;) {
    std::vector<std::string>& list = lists_[g];
    const int first = SnapshotSlot(PileRef{kGroups[g], 0});
    for (int i = GroupSize(kGroups[g]); i-- > 0;) {
      snapshot[static_cast<std::size_t>(first + i)] = std::move(list.back());
      list.pop_back();
    }
  }
  return snapshot;
}

void HistoryStack::clear() {
  for (auto& list : lists_) list.clear();
}

bool HistoryStack::Consistent(const Lists& lists) {
  const std::size_t steps = lists[0].size() / kStockSlots;
  for (std::size_t g = 0; g < kGroups.size(); ++g) {
    if (lists[g].size() != steps * static_cast<std::size_t>(GroupSize(kGroups[g]))) return false;
    if (!std::all_of(lists[g].begin(), lists[g].end(), [](const std::string& s) { return IsCardStateString(s); }))
      return false;
  }
  return true;
}

}  // namespace velmora
