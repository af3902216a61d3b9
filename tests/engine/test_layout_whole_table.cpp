// Whole-table layouts, the tableau codes without a fixed arrangement, and the
// piles that a code leaves out or puts on top of another.
#include <gtest/gtest.h>

#include "game/rule_index.h"
#include "layout/table_layout.h"
#include "layout_test_support.h"

namespace velmora {
namespace {

using testing::Screen1280;

constexpr PileRef Tableau(int k) { return {PileGroup::Tableau, k}; }
constexpr PileRef Foundation(int k) { return {PileGroup::Foundations, k}; }
constexpr PileRef Reserve(int k) { return {PileGroup::Reserves, k}; }

void Set(RuleRecord& rules, int index, int value) { rules[index] = static_cast<std::int16_t>(value); }

// A 4 x 4 grid game: sixteen piles, the stock in row 1, a third item.
RuleRecord GridGame() {
  RuleRecord rules;
  Set(rules, rule::TableauLayout, 51);
  Set(rules, rule::TableauPiles, 16);
  Set(rules, rule::StockShown, 1);
  Set(rules, rule::StockPilesShown, 1);
  Set(rules, rule::StockRow, 1);
  Set(rules, rule::ThirdSlotShown, 1);
  Set(rules, rule::Foundations, 1);
  return rules;
}

// On Screen1280 at B: R1 = 60 + 10 + 15 = 85. The grid's left edge is
// (U - 4(cw + 10)) / 2; its first row 60 + (740 - 60 - 384 - 30) / 2 = 193,
// rows 106 apart; stock and third item level at 193 + 53 + 106 = 352.
// The left edge counts a gap of 10 after the last column, so the table, from
// the stock to the third item, then moves 5 right to stand centred.
TEST(WholeTableLayout, FourByFourGrid) {
  struct Case {
    int width;
    int left, stockX, thirdX, shift;
  } cases[] = {
      // U = 1262: left 469, left - cw = 398 >= 80: 70 apart.
      {1264, 469, 469 - 70 - 71, 469 + 3 * 81 + 71 + 70, 5},
      // U = 598: left 137, left - cw = 66 >= 45: 35 apart.
      {600, 137, 137 - 35 - 71, 137 + 3 * 81 + 71 + 35, 5},
      // U = 398: left 37, left - cw < 25: the grid moves to cw + m + 15 = 71 + 12 + 15, 15 apart;
      // the table, from 12 to 498, is wider than the window and stays.
      {400, 98, 98 - 15 - 71, 98 + 3 * 81 + 71 + 15, 0},
  };
  for (const auto& c : cases) {
    LayoutArea area = Screen1280('B');
    area.width = c.width;
    const TableLayout layout = LayOutTable(GridGame(), 'B', area);
    EXPECT_EQ(layout.pile(Tableau(0)).x, c.left + c.shift) << c.width;
    EXPECT_EQ(layout.pile(Tableau(0)).y, 193) << c.width;
    EXPECT_EQ(layout.pile(Tableau(15)).x, c.left + 3 * 81 + c.shift) << c.width;
    EXPECT_EQ(layout.pile(Tableau(15)).y, 193 + 3 * 106) << c.width;
    EXPECT_EQ(layout.pile(kStock).x, c.stockX + c.shift) << c.width;
    EXPECT_EQ(layout.pile(kStock).y, 352) << c.width;
    EXPECT_EQ(layout.pile(kThirdStockSlot).x, c.thirdX + c.shift) << c.width;
    EXPECT_EQ(layout.pile(kThirdStockSlot).y, 352) << c.width;
    EXPECT_FALSE(layout.placed(kWaste));
    EXPECT_FALSE(layout.placed(Foundation(0))) << "the grid's discards are not shown";
  }
}

TEST(WholeTableLayout, GridNeverRisesAboveTheFirstRow) {
  LayoutArea area = Screen1280('B');
  area.bottom = 400;  // 60 + (340 - 414) / 2 = 23, above R1 = 85
  EXPECT_EQ(LayOutTable(GridGame(), 'B', area).pile(Tableau(0)).y, 85);
}

// A cross of five piles with a foundation in each corner, stock and waste left.
TEST(WholeTableLayout, Cross) {
  RuleRecord rules;
  Set(rules, rule::TableauLayout, 52);
  Set(rules, rule::TableauPiles, 5);
  Set(rules, rule::Foundations, 4);
  Set(rules, rule::StockShown, 1);
  Set(rules, rule::WasteShown, 1);
  Set(rules, rule::StockPilesShown, 2);
  Set(rules, rule::StockRow, 1);
  struct Case {
    const char* what;
    LayoutArea area;
    int g, cross, topRow, shift;
  } cases[] = {
      // g = 35; left = (1262 - 213 - 70) / 2 = 489.5 -> 490;
      // top row 60 + (740 - 60 - 288 - 70) / 2 = 221. The table, from the
      // stock at 490 - 71 - 70 = 349 to the right column's edge at 773, is
      // then centred at (1262 - 424) / 2 = 419: 70 further right.
      {"window 800 high", Screen1280('B'), 35, 490, 221, 70},
      // Window 480 high: g = 25, vg = 5, W = 1264 - 10 (U = 1252);
      // left = (1252 - 213 - 50) / 2 = 494.5 -> 494; top row
      // 60 + (420 - 60 - 288 - 50) / 2 = 71, below R1 = 60 + 5 + 15 = 80.
      // The table, from 373 to 757, is centred at (1252 - 384) / 2 = 434.
      {"window 480 high", [] {
         LayoutArea a = Screen1280('B');
         a.windowHeight = 480;
         a.bottom = 420;
         return a;
       }(), 25, 494, 80, 61},
  };
  for (const auto& c : cases) {
    const TableLayout layout = LayOutTable(rules, 'B', c.area);
    const int left = c.cross + c.shift;
    const int middle = left + 71 + c.g, right = middle + 71 + c.g;
    const int centre = c.topRow + 96 + c.g, bottom = centre + 96 + c.g;
    const std::pair<PileRef, TablePoint> expected[] = {
        {Tableau(0), {middle, c.topRow}},  {Tableau(1), {left, centre}},
        {Tableau(2), {middle, centre}},    {Tableau(3), {right, centre}},
        {Tableau(4), {middle, bottom}},    {kStock, {left - 71 - 2 * c.g, c.topRow}},
        {kWaste, {left - 71 - 2 * c.g, centre}},
        {Foundation(0), {left + 7, c.topRow + 7}},  {Foundation(1), {right - 7, c.topRow + 7}},
        {Foundation(2), {left + 7, bottom - 7}},    {Foundation(3), {right - 7, bottom - 7}},
    };
    for (const auto& [pile, at] : expected) {
      EXPECT_EQ(layout.pile(pile).x, at.x) << c.what << " " << PileName(pile);
      EXPECT_EQ(layout.pile(pile).y, at.y) << c.what << " " << PileName(pile);
    }
    EXPECT_FALSE(layout.placed(Tableau(5)));
  }
}

// The shapes of the games the open codes must serve.
struct Shape {
  const char* what;
  int stockPiles, third, foundations, tableau, reserves, display;
};

constexpr Shape kShapes[] = {
    {"klondike-like", 2, 0, 4, 7, 0, 1},
    {"with a discard pile", 1, 1, 4, 7, 0, 1},
    {"free cells", 0, 0, 4, 8, 4, 1},
    {"two decks", 1, 0, 8, 10, 0, 1},
    {"every pile there is", 2, 1, 16, 40, 10, 0},
    {"a grid of single cards", 0, 0, 0, 25, 0, 0},
    {"horizontal fans", 2, 0, 8, 13, 0, 2},
    {"rows side by side", 1, 0, 0, 4, 0, 9},
    {"many fans and cells", 1, 0, 8, 12, 6, 12},
};

RuleRecord RulesOfShape(const Shape& shape, int tableauCode) {
  RuleRecord rules;
  Set(rules, rule::TableauLayout, tableauCode);
  Set(rules, rule::TableauRow, 2);
  Set(rules, rule::TableauDisplay, shape.display);
  Set(rules, rule::TableauPiles, shape.tableau);
  Set(rules, rule::StockShown, shape.stockPiles > 0);
  Set(rules, rule::WasteShown, shape.stockPiles > 1);
  Set(rules, rule::StockPilesShown, shape.stockPiles);
  Set(rules, rule::StockLayout, 5);
  Set(rules, rule::StockRow, 1);
  Set(rules, rule::ThirdSlotShown, shape.third);
  Set(rules, rule::ThirdSlotLayout, 16);
  Set(rules, rule::Foundations, shape.foundations);
  Set(rules, rule::FoundationLayout, 8);
  Set(rules, rule::FoundationRow, 1);
  Set(rules, rule::Reserves, shape.reserves);
  Set(rules, rule::ReserveLayout, 7);
  Set(rules, rule::ReserveRow, 3);
  return rules;
}

void ExpectEveryPileShown(const RuleRecord& rules, char size, const std::string& what) {
  const LayoutArea area = Screen1280(size);
  const TableLayout layout = LayOutTable(rules, size, area);
  const std::vector<PileRef> piles = PilesOfTheGame(rules);
  for (std::size_t i = 0; i < piles.size(); ++i) {
    const TablePoint p = layout.pile(piles[i]);
    const std::string where = what + " " + size + " " + PileName(piles[i]);
    ASSERT_TRUE(layout.placed(piles[i])) << where;
    EXPECT_GE(p.x, 0) << where;
    EXPECT_LE(p.x + area.cardWidth, area.width) << where;
    EXPECT_GE(p.y, area.top) << where;
    for (std::size_t j = i + 1; j < piles.size(); ++j)
      ASSERT_FALSE(testing::Overlap(p, layout.pile(piles[j]), area.cardWidth, area.cardHeight))
          << where << " meets " << PileName(piles[j]);
  }
}

// Whole-table codes other than "051" and "052", tableau codes without a
// fixed arrangement and unknown codes: every pile of the game shows, inside
// the table's width and clear of the others.
TEST(WholeTableLayout, OpenCodesShowEveryPile) {
  std::vector<int> codes{0, 4, 8, 9, 16, 17, 19, 22, 23, 102, 999};
  for (int code = 53; code <= 173; ++code)
    if (code != 102) codes.push_back(code);
  for (const int code : codes)
    for (const Shape& shape : kShapes)
      for (const char size : {'S', 'B', 'M'})
        ExpectEveryPileShown(RulesOfShape(shape, code), size,
                             std::string(shape.what) + " code " + std::to_string(code));
}

// Codes that place no pile of a kind, or only the first: the rest go to free
// places of their row.
TEST(WholeTableLayout, PilesACodeLeavesOutStillShow) {
  struct Case {
    const char* what;
    int layoutRule, code;
  } cases[] = {
      {"reserve over the waste places only one", rule::ReserveLayout, 11},
      {"reserve left of the tableau places only one", rule::ReserveLayout, 12},
      {"unknown foundation code", rule::FoundationLayout, 3},
      {"unknown reserve code", rule::ReserveLayout, 99},
      {"unknown stock code", rule::StockLayout, 1},
      {"third item over the pile after the stock", rule::ThirdSlotLayout, 4},
  };
  for (const auto& c : cases) {
    RuleRecord rules = RulesOfShape(kShapes[1], 1);
    Set(rules, rule::Reserves, 3);
    Set(rules, rule::ReserveRow, 1);
    Set(rules, c.layoutRule, c.code);
    for (const char size : {'S', 'B', 'M'}) ExpectEveryPileShown(rules, size, c.what);
  }
}

// In the general arrangement fanned piles stand in rows under the stock list
// and foundations, far enough apart for seven cards of a downward fan; piles
// of single cards stand in a centred square.
TEST(WholeTableLayout, GeneralArrangement) {
  RuleRecord rules = RulesOfShape(kShapes[0], 60);
  const TableLayout fans = LayOutTable(rules, 'B', Screen1280('B'));
  // Seven piles and four foundations fit in one band: stock, waste from m =
  // 29, foundations flush right; the tableau in one row below the band.
  EXPECT_EQ(fans.pile(kStock).x, 29);
  EXPECT_EQ(fans.pile(kStock).y, 85);
  EXPECT_EQ(fans.pile(Foundation(3)).x, 1262 - 29 - 71);
  EXPECT_EQ(fans.pile(Tableau(0)).y, 85 + 96 + 20);
  EXPECT_EQ(fans.pile(Tableau(6)).y, fans.pile(Tableau(0)).y);
  const int left = fans.pile(Tableau(0)).x, right = fans.pile(Tableau(6)).x + 71;
  EXPECT_LE(std::abs((1262 - right) - left), 1) << "centred";

  Set(rules, rule::TableauPiles, 40);
  Set(rules, rule::StockPilesShown, 0);
  Set(rules, rule::Foundations, 0);
  const TableLayout many = LayOutTable(rules, 'S', Screen1280('S'));
  // (1262 - 10 + 10) / 95 = 13 piles across at most: 4 rows of 10, 115 + 10 + 6 x 18 apart.
  EXPECT_EQ(many.pile(Tableau(10)).y - many.pile(Tableau(0)).y, 115 + 10 + 108);
  EXPECT_EQ(many.pile(Tableau(10)).x, many.pile(Tableau(0)).x);

  // 25 single cards: a 5 x 5 grid 10 apart, 5 x 71 + 40 = 395 wide at
  // (1262 - 395) / 2 = 433.5 -> 434, and 5 x 106 - 10 = 520 high at
  // 60 + (740 - 60 - 520) / 2 = 140.
  const TableLayout grid = LayOutTable(RulesOfShape(kShapes[5], 60), 'B', Screen1280('B'));
  EXPECT_EQ(grid.pile(Tableau(0)).x, 434);
  EXPECT_EQ(grid.pile(Tableau(0)).y, 140);
  EXPECT_EQ(grid.pile(Tableau(24)).x, 434 + 4 * 81);
  EXPECT_EQ(grid.pile(Tableau(24)).y, 140 + 4 * 106);
}

// A record with counts beyond the table's slots lays out what there is room for.
TEST(WholeTableLayout, CountsBeyondTheSlotsAreHeldToThem) {
  for (const int code : {1, 13, 60}) {
    RuleRecord rules;
    Set(rules, rule::TableauLayout, code);
    Set(rules, rule::TableauRows, 3);
    Set(rules, rule::TableauPiles, 99);
    Set(rules, rule::Foundations, -3);
    Set(rules, rule::Reserves, 50);
    Set(rules, rule::ReserveLayout, 5);
    Set(rules, rule::StockPilesShown, 7);
    Set(rules, rule::StockLayout, 5);
    const TableLayout layout = LayOutTable(rules, 'B', Screen1280('B'));
    EXPECT_TRUE(layout.placed(Tableau(39))) << code;
    EXPECT_TRUE(layout.placed(Reserve(9))) << code;
    EXPECT_TRUE(layout.placed(kWaste)) << code;
    EXPECT_FALSE(layout.placed(Foundation(0))) << code;
  }
}

}  // namespace
}  // namespace velmora
