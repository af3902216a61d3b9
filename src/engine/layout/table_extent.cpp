#include "layout/table_extent.h"

#include <algorithm>

namespace velmora {

TableExtent TableExtent::united(const TableExtent& other) const {
  return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
          std::max(bottom, other.bottom)};
}

std::optional<TableExtent> PileExtent(const TableLayout& layout, const RuleRecord& rules, const PileStore& piles,
                                      const CardTable& cards, PileRef pile, const IrregularPiles* irregular) {
  if (!layout.placed(pile)) return std::nullopt;
  // CardPlace gives window positions; the extent is in table coordinates.
  const auto cardAt = [&](int index) {
    TablePoint at = CardPlace(layout, rules, piles, cards, pile, index, irregular);
    at.y += layout.scrollOffset;
    return TableExtent{at.x, at.y, at.x + layout.cardWidth, at.y + layout.cardHeight};
  };
  // An empty pile still shows its mark at the pile's place.
  TableExtent extent = cardAt(0);
  const int size = static_cast<int>(piles.pile(pile).size());
  for (int index = 1; index < size; ++index) extent = extent.united(cardAt(index));
  return extent;
}

std::optional<TableExtent> TableExtentOf(const TableLayout& layout, const RuleRecord& rules, const PileStore& piles,
                                         const CardTable& cards, const IrregularPiles* irregular) {
  std::optional<TableExtent> extent;
  for (const PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves}) {
    for (int i = 0; i < GroupSize(group); ++i) {
      const auto pile = PileExtent(layout, rules, piles, cards, {group, i}, irregular);
      if (pile) extent = extent ? extent->united(*pile) : *pile;
    }
  }
  return extent;
}

}  // namespace velmora
