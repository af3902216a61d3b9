// The poker squares' result panel: beside the grid when there is room, else
// under the stock, else under the grid.
#include <gtest/gtest.h>

#include "layout/result_panel.h"
#include "piles/pile_names.h"

namespace velmora {
namespace {

constexpr int kCardWidth = 71, kCardHeight = 96;
constexpr int kPitch = kCardWidth + 10;

// A 5 x 5 grid from (gridLeft, 100) and the stock and waste at the left margin, one above the other.
TableLayout Table(int gridLeft, bool stockShown, int stockLeft = 5) {
  LayoutArea area;
  area.cardWidth = kCardWidth;
  area.cardHeight = kCardHeight;
  TableLayout layout(area);
  for (int i = 0; i < 25; ++i) layout.place({PileGroup::Tableau, i}, gridLeft + (i % 5) * kPitch, 100 + (i / 5) * 106);
  if (stockShown) {
    layout.place(kStock, stockLeft, 100);
    layout.place(kWaste, stockLeft, 210);
  }
  return layout;
}

LayoutArea Width(int width) {
  LayoutArea area;
  area.width = width;
  return area;
}

TEST(ResultPanelPlaceTest, BesideTheGridUnderTheStockOrUnderTheGrid) {
  const int gridRight = 200 + 4 * kPitch + kCardWidth;  // 595
  const struct {
    const char* what;
    TableLayout layout;
    int width;
    ResultPanelPlace place;
  } cases[] = {
      {"room right of the grid", Table(200, true), 1000, {gridRight + 20, 100, kResultPanelWidth}},
      {"just room right of the grid", Table(200, true), gridRight + 20 + kResultPanelWidth + 5,
       {gridRight + 20, 100, kResultPanelWidth}},
      {"stock and waste right of the grid: below them", Table(200, true, gridRight + 30), 1000,
       {gridRight + 20, 210 + kCardHeight + 20, kResultPanelWidth}},
      {"stock and waste clear right of the panel: level with the grid", Table(200, true, gridRight + 40 + kResultPanelWidth), 1000,
       {gridRight + 20, 100, kResultPanelWidth}},
      {"no room beside it: under the waste", Table(200, true), 700, {5, 210 + kCardHeight + 20, kResultPanelWidth}},
      {"under the waste, narrowed to the grid", Table(160, true), 700, {5, 326, 135}},
      {"the waste too close to the grid", Table(110, true), 600, {110, 100 + 4 * 106 + kCardHeight + 20, kResultPanelWidth}},
      {"no stock", Table(200, false), 700, {200, 100 + 4 * 106 + kCardHeight + 20, kResultPanelWidth}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(PlaceResultPanel(c.layout, Width(c.width)), c.place);
  }
}

TEST(ResultPanelPlaceTest, NoGridNoPanel) {
  LayoutArea area;
  EXPECT_FALSE(PlaceResultPanel(TableLayout(area), Width(1000)).shown());
}

}  // namespace
}  // namespace velmora
