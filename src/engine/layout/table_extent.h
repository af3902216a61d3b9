#pragma once
// How much of the table the cards take: the rectangle that holds every
// placed pile (its empty mark) and every card in it, fans included. The
// window uses it to fit and centre the table.
#include <optional>

#include "cards/card_table.h"
#include "layout/card_place.h"
#include "layout/table_layout.h"
#include "piles/pile_store.h"
#include "rules/rule_record.h"

namespace velmora {

// A rectangle in table coordinates (the stored positions, not scrolled).
// `right` and `bottom` lie one past the last pixel, so a card at x takes
// x to x + card width.
struct TableExtent {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  // The smallest rectangle holding both.
  TableExtent united(const TableExtent& other) const;
};

// The rectangle of one pile: its place and every card it holds. No value
// when the pile is not placed.
std::optional<TableExtent> PileExtent(const TableLayout& layout, const RuleRecord& rules, const PileStore& piles,
                                      const CardTable& cards, PileRef pile,
                                      const IrregularPiles* irregular = nullptr);

// The rectangle of every placed pile of the table with its cards. No value
// when no pile is placed.
std::optional<TableExtent> TableExtentOf(const TableLayout& layout, const RuleRecord& rules, const PileStore& piles,
                                         const CardTable& cards, const IrregularPiles* irregular = nullptr);

}  // namespace velmora
