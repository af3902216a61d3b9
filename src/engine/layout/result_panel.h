#pragma once
// The result panel of the poker squares: a white area beside the grid where
// each hand a placed card makes is announced with the running total. The
// layout leaves it clear of the grid and the stock at every table size.
#include "layout/layout_area.h"
#include "layout/table_layout.h"
#include "rules/rule_record.h"

namespace velmora {

// Three lines of text with a little room round them, in table pixels.
inline constexpr int kResultPanelWidth = 170;
inline constexpr int kResultPanelHeight = 66;

// Where the panel stands, in table coordinates; a width of 0 shows none.
struct ResultPanelPlace {
  int left = 0;
  int top = 0;
  int width = 0;

  bool shown() const { return width > 0; }
  bool operator==(const ResultPanelPlace&) const = default;
};

// Whether the game shows the panel: the poker squares families, 9 and 59.
bool ShowsResultPanel(const RuleRecord& rules);

// Right of the grid when the table is wide enough, below the stock and waste
// when they stand there; else under the stock and
// waste when they stand left of the grid with room below; else under the
// grid. None when the grid is not placed.
ResultPanelPlace PlaceResultPanel(const TableLayout& layout, const LayoutArea& area);

}  // namespace velmora
