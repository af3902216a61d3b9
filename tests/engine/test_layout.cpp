// The table layout of real games: pile places worked out by hand from the
// rules of the layout, the passes, the rooms and the scroll offset.
#include <gtest/gtest.h>

#include "game/rule_index.h"
#include "layout/table_layout.h"
#include "layout_test_support.h"
#include "text/rounding.h"

namespace velmora {
namespace {

using testing::RulesOfGame;
using testing::Screen1280;

constexpr PileRef Tableau(int k) { return {PileGroup::Tableau, k}; }
constexpr PileRef Foundation(int k) { return {PileGroup::Foundations, k}; }
constexpr PileRef Reserve(int k) { return {PileGroup::Reserves, k}; }

// Every case lays the game out on Screen1280: top 60, bottom 740, window
// height 800, W = 1264 (so U = 1262), screen 1280 x 800, shadow depth 9.
// Gaps are hg = 15 and vg = 10 throughout. Last, the whole table moves
// across until it stands centred in U: its left edge at (U - its width) / 2.
struct PileCase {
  const char* game;
  char size;
  PileRef pile;
  int x, y;
};

constexpr PileCase kPileCases[] = {
    // Klondike: stock "004" in row 1, foundations "007" in row 1, tableau
    // "001" in row 2. m = 5 + 9 (shadow) + 15 (stock "004") = 29.
    // R1 = 60 + 10 + 15 (stock in row 1) = 85; R2 = R1 + 10 + ch.
    // s = (U - 7cw) / 8 kept within 4..20 -> 20, and at least 15 for "004".
    // B: x0 = (1262 - 497 - 120) / 2 = 322.5 -> 322; pitch 71 + 20 = 91; R2 = 191.
    {"Klondike (draw one)", 'B', Tableau(0), 322, 191},
    {"Klondike (draw one)", 'B', Tableau(6), 322 + 6 * 91, 191},
    {"Klondike (draw one)", 'B', kStock, 322, 85},
    {"Klondike (draw one)", 'B', kWaste, 413, 85},
    {"Klondike (draw one)", 'B', Foundation(0), 322 + 3 * 91, 85},  // over pile 7 - 4 + 1 = 4
    {"Klondike (draw one)", 'B', Foundation(3), 868, 85},
    // S: x0 = (1262 - 595 - 120) / 2 = 273.5 -> 274; pitch 105; R2 = 85 + 10 + 115 = 210.
    {"Klondike (draw one)", 'S', Tableau(0), 274, 210},
    {"Klondike (draw one)", 'S', Tableau(6), 904, 210},
    {"Klondike (draw one)", 'S', kWaste, 379, 85},
    {"Klondike (draw one)", 'S', Foundation(0), 589, 85},
    // M: x0 = (1262 - 413 - 120) / 2 = 364.5 -> 364; pitch 79; R2 = 85 + 10 + 80 = 175.
    {"Klondike (draw one)", 'M', Tableau(0), 364, 175},
    {"Klondike (draw one)", 'M', Tableau(6), 838, 175},
    {"Klondike (draw one)", 'M', Foundation(3), 838, 85},
    // L: x0 = (1262 - 175 - 120) / 2 = 483.5 -> 484; pitch 45; R2 = 85 + 10 + 32 = 127.
    {"Klondike (draw one)", 'L', Tableau(0), 484, 127},
    {"Klondike (draw one)", 'L', Tableau(6), 754, 127},
    {"Klondike (draw one)", 'L', kWaste, 529, 85},

    // FreeCell: no stock, so m = 5 and R1 = 60 + 10 = 70. Foundations "008"
    // (last at U - cw - m - 5, m + cw apart leftwards), free cells "005"
    // (from m, m + cw apart), all in row 1; tableau "001" in row 2, s = 20.
    // At every size the table runs from the first cell at 5 to the last
    // foundation's right edge at 1262 - 10 = 1252: centred it starts at
    // (1262 - 1247) / 2 = 7.5 -> 8, 3 further right.
    // B: x0 = (1262 - 568 - 140) / 2 = 277; R2 = 176; last foundation
    // 1262 - 71 - 10 = 1181, pitch 76; cells 5, 81, 157, 233.
    {"FreeCell", 'B', Tableau(0), 277 + 3, 176},
    {"FreeCell", 'B', Tableau(7), 277 + 7 * 91 + 3, 176},
    {"FreeCell", 'B', Foundation(0), 1181 - 3 * 76 + 3, 70},
    {"FreeCell", 'B', Foundation(3), 1181 + 3, 70},
    {"FreeCell", 'B', Reserve(0), 5 + 3, 70},
    {"FreeCell", 'B', Reserve(3), 233 + 3, 70},
    // S: x0 = (1262 - 680 - 140) / 2 = 221; R2 = 195; last foundation
    // 1262 - 85 - 10 = 1167, pitch 90; cells 95 apart.
    {"FreeCell", 'S', Tableau(7), 221 + 7 * 105 + 3, 195},
    {"FreeCell", 'S', Foundation(0), 897 + 3, 70},
    {"FreeCell", 'S', Reserve(3), 275 + 3, 70},
    // M: x0 = (1262 - 472 - 140) / 2 = 325; R2 = 160; last foundation
    // 1262 - 59 - 10 = 1193, pitch 64; cells 64 apart.
    {"FreeCell", 'M', Tableau(0), 325 + 3, 160},
    {"FreeCell", 'M', Foundation(0), 1001 + 3, 70},
    {"FreeCell", 'M', Reserve(3), 197 + 3, 70},

    // Canfield at B: stock "005" (m = 29), tableau "012": one column and two
    // gaps. s = (1262 - 5 x 71 - 30 - 15) / 8 = 107.75 -> 108, above 20 so 15.
    // x0 = (1262 - 15 - 30 - 355 - 60) / 2 = 401, then + (71 + 15) + 30 + 15 = 532.
    // Reserve "012" with 4 piles: x0 - cw - 3hg = 532 - 71 - 45 = 416.
    // The table runs from the stock at 29 to pile 4's right edge at 861:
    // centred it starts at (1262 - 832) / 2 = 215, 186 further right.
    {"Canfield", 'B', Tableau(0), 532 + 186, 191},
    {"Canfield", 'B', Tableau(3), 532 + 3 * 86 + 186, 191},
    {"Canfield", 'B', Reserve(0), 416 + 186, 191},
    {"Canfield", 'B', kStock, 29 + 186, 85},
    {"Canfield", 'B', kWaste, 29 + 29 + 71 + 186, 85},
    {"Canfield", 'B', Foundation(0), 532 + 186, 85},

    // Spider (one suit) at B: stock "005" alone, m = 29. Tableau "001" with
    // 10 piles: s = 20, x0 = (1262 - 710 - 180) / 2 = 186, last pile 1005.
    // Foundations "009": fs = 20 / 3 -> 7; the last over pile 10, 78 apart.
    // The table runs from the stock at 29 to 1005 + 71 = 1076: centred it
    // starts at (1262 - 1047) / 2 = 107.5 -> 108, 79 further right.
    {"Spider (one suit)", 'B', Tableau(9), 1005 + 79, 191},
    {"Spider (one suit)", 'B', Foundation(7), 1005 + 79, 85},
    {"Spider (one suit)", 'B', Foundation(0), 1005 - 7 * 78 + 79, 85},
    {"Spider (one suit)", 'B', kStock, 29 + 79, 85},

    // Forty Thieves at B: stock "003" adds 15 to R2: 85 + 10 + 96 + 15 = 206.
    // Tableau "003": s = (1262 - 781 - 30 - 15) / 14 = 31.1 -> 31, above 20
    // so 15; x0 = (1262 - 15 - 30 - 781 - 150) / 2 = 143, + 86 + 30 = 259.
    // Stock at x0 - cw - 2hg = 158; the waste below it in R2.
    // Foundations "007": 8 over piles 3 to 10.
    {"Forty Thieves", 'B', Tableau(0), 259, 206},
    {"Forty Thieves", 'B', kStock, 158, 85},
    {"Forty Thieves", 'B', kWaste, 158, 206},
    {"Forty Thieves", 'B', Foundation(0), 259 + 2 * 86, 85},
    {"Forty Thieves", 'B', Foundation(7), 259 + 9 * 86, 85},

    // Fan at B: tableau "013" with 3 rows of 18 / 3 = 6, s = 0.85 x 71 -> 60,
    // from x = 15; the centred three-row block starts at
    // 60 + (740 - 60 - 3 x 96 - 20) / 2 = 246, rows 106 apart.
    // Foundations "002": fs = 60 / 2 = 30, first at (1262 - 284 - 90) / 2 = 444.
    // The table runs from 15 to the last foundation's right edge at 818 (the
    // rows, three cards fanned 12 apart, end at 670 + 24 + 71 = 765):
    // centred it starts at (1262 - 803) / 2 = 229.5 -> 230, 215 further right.
    {"Fan", 'B', Tableau(0), 15 + 215, 246},
    {"Fan", 'B', Tableau(6), 15 + 215, 352},
    {"Fan", 'B', Tableau(17), 15 + 5 * 131 + 215, 458},
    {"Fan", 'B', Foundation(0), 444 + 215, 70},
    {"Fan", 'B', Foundation(3), 444 + 3 * 101 + 215, 70},

    // Gaps at B: four rows of one pile each, from the same block as Fan.
    // Each row holds 13 cards 73 apart, so the table runs from 15 to
    // 15 + 12 x 73 + 71 = 962: centred it starts at (1262 - 947) / 2 =
    // 157.5 -> 158, 143 further right.
    {"Gaps", 'B', Tableau(0), 15 + 143, 246},
    {"Gaps", 'B', Tableau(3), 15 + 143, 246 + 3 * 106},
    {"Gaps", 'B', kStock, 29 + 143, 85},

    // Concentration at B: the grid of display 8 takes as many columns as fit
    // U - 2m: (1262 - 10 + 12) / 83 = 15, 15 x 71 + 14 x 12 = 1233 wide,
    // centred at (1262 - 1233) / 2 = 14.5 -> 14; row 1 at 60 + 10.
    {"Concentration", 'B', Tableau(0), 14, 70},

    // Pyramid at B: seven rows of 1 to 7 cards, 73 apart, each row 48 lower
    // than the one above; the 384 pixels of the pyramid centred from
    // 60 + (740 - 60 - 384) / 2 = 208 down; the bottom row at
    // (1262 - 7 x 73 + 2) / 2 = 376.5 -> 376 and each row above 36.5 further
    // right per missing card. Its discard pile ("007") stands over the last
    // pile in R1. The table runs from the stock at 29 to the bottom row's right
    // edge at 376 + 509 = 885: centred it starts at (1262 - 856) / 2 = 203,
    // 174 further right.
    {"Pyramid", 'B', kThirdStockSlot, 376 + 174, 85},
    {"Pyramid", 'B', kStock, 29 + 174, 85},
    {"Pyramid", 'B', Tableau(6), 376 + 174, 208 + 6 * 48},
    {"Pyramid", 'B', Tableau(5), 376 + 36 + 174, 208 + 5 * 48},  // 36.5 -> 36
    {"Pyramid", 'B', Tableau(0), 376 + 219 + 174, 208},
};

TEST(TableLayout, PilesStandWhereTheirCodesPutThem) {
  for (const PileCase& c : kPileCases) {
    const TableLayout layout = LayOutTable(RulesOfGame(c.game), c.size, Screen1280(c.size));
    const TablePoint at = layout.pile(c.pile);
    EXPECT_EQ(at.x, c.x) << c.game << " " << c.size << " " << PileName(c.pile);
    EXPECT_EQ(at.y, c.y) << c.game << " " << c.size << " " << PileName(c.pile);
  }
}

TEST(TableLayout, RoomsOfTheTableauFans) {
  struct Case {
    const char* game;
    int tableauRoom, horizontalRoom;
  } cases[] = {
      // Vertical fans with nothing below: window height 800 less the tableau row.
      {"Klondike (draw one)", 800 - 191, 71},
      {"FreeCell", 800 - 176, 71},
      // Horizontal fans: to the next pile of the row, 71 + 60 on.
      {"Fan", 96, 131},
  };
  for (const auto& c : cases) {
    const TableLayout layout = LayOutTable(RulesOfGame(c.game), 'B', Screen1280('B'));
    EXPECT_EQ(layout.tableauRoom, c.tableauRoom) << c.game;
    EXPECT_EQ(layout.horizontalRoom, c.horizontalRoom) << c.game;
  }
}

TEST(TableLayout, TableauRoomEndsAtTheNextRowWithPiles) {
  RuleRecord rules = RulesOfGame("FreeCell");
  rules[rule::FoundationRow] = 3;  // foundations below the tableau: R3 - R2 = 10 + 96
  EXPECT_EQ(LayOutTable(rules, 'B', Screen1280('B')).tableauRoom, 106);
}

TEST(TableLayout, GameWithoutFoundationsLeavesThemUnplaced) {
  const TableLayout layout = LayOutTable(RulesOfGame("Golf"), 'B', Screen1280('B'));
  for (int k = 0; k < kFoundations; ++k) {
    EXPECT_FALSE(layout.placed(Foundation(k)));
    EXPECT_EQ(layout.pile(Foundation(k)).x, -10001);
    EXPECT_EQ(layout.pile(Foundation(k)).y, -10001);
  }
  EXPECT_EQ(layout.pile(Tableau(7)).x, -10002) << "Golf has seven piles";
  EXPECT_EQ(layout.pile(Reserve(0)).x, -10003);
  EXPECT_TRUE(layout.placed(kThirdStockSlot));
}

// A waste the game does not show stays unplaced but stands level with the stock.
TEST(TableLayout, UnshownWasteIsLevelWithTheStock) {
  const TableLayout layout = LayOutTable(RulesOfGame("Spider (one suit)"), 'B', Screen1280('B'));
  EXPECT_FALSE(layout.placed(kWaste));
  EXPECT_EQ(layout.stored(kWaste).x, -10000);
  EXPECT_EQ(layout.stored(kWaste).y, 85);
}

// From "B" to "M" every tableau pile moves, as the spacing follows the card
// size; a pile at the margin of the first row depends on neither and stays.
TEST(TableLayout, SmallerCardsMoveTheTableau) {
  for (const char* game : {"Klondike (draw one)", "FreeCell", "Spider (one suit)", "Canfield", "Gaps", "Fan"}) {
    const RuleRecord rules = RulesOfGame(game);
    const TableLayout normal = LayOutTable(rules, 'B', Screen1280('B'));
    const TableLayout medium = LayOutTable(rules, 'M', Screen1280('M'));
    for (int k = 0; k < rules[rule::TableauPiles]; ++k) {
      const TablePoint b = normal.pile(Tableau(k)), m = medium.pile(Tableau(k));
      EXPECT_TRUE(b.x != m.x || b.y != m.y) << game << " pile " << k + 1;
    }
  }
  // Both 3 right of their codes' places, as the table is centred.
  const RuleRecord freeCell = RulesOfGame("FreeCell");
  EXPECT_EQ(LayOutTable(freeCell, 'M', Screen1280('M')).pile(Reserve(0)).x, 5 + 3);
  EXPECT_EQ(LayOutTable(freeCell, 'M', Screen1280('M')).pile(Foundation(0)).x, 1001 + 3);
}

TEST(TableLayout, ScrollingChangesOnlyTheOffset) {
  const RuleRecord rules = RulesOfGame("Klondike (draw one)");
  LayoutArea scrolled = Screen1280('B');
  scrolled.scrollPosition = 120;
  const TableLayout still = LayOutTable(rules, 'B', Screen1280('B'));
  TableLayout layout = LayOutTable(rules, 'B', scrolled);
  EXPECT_EQ(layout.scrollOffset, 120);
  for (const PileRef pile : PilesOfTheGame(rules)) {
    EXPECT_EQ(layout.stored(pile).y, still.stored(pile).y);
    EXPECT_EQ(layout.pile(pile).y, still.pile(pile).y - 120);
    EXPECT_EQ(layout.pile(pile).x, still.pile(pile).x);
  }
  layout.setScrollOffset(0);
  EXPECT_EQ(layout.pile(Tableau(0)).y, 191);
  EXPECT_EQ(layout.pile(Foundation(9)).y, -10001) << "an unplaced pile stays unplaced when scrolled";
}

// A window under 500 pixels high: vg = 5 and W less 10. Klondike at M on a
// 640 x 480 screen, W = 640 - 16 - 10 = 614 (so U = 612, m = 3 + 9 + 15 = 27),
// top 30: R1 = 30 + 5 + 15 = 50, R2 = 50 + 5 + 80 = 135.
// s = (612 - 413) / 8 = 24.9 -> 25, kept at 20; x0 = (612 - 413 - 120) / 2 = 39.5 -> 40.
TEST(TableLayout, ShortWindowNarrowsGapsAndRowWidth) {
  const LayoutArea area{.cardWidth = 59, .cardHeight = 80, .shadowDepth = 9, .top = 30, .bottom = 420,
                        .windowHeight = 480, .width = 624, .screenWidth = 640, .screenHeight = 480};
  const TableLayout layout = LayOutTable(RulesOfGame("Klondike (draw one)"), 'M', area);
  EXPECT_EQ(layout.pile(Tableau(0)).x, 40);
  EXPECT_EQ(layout.pile(Tableau(0)).y, 135);
  EXPECT_EQ(layout.pile(Tableau(6)).x, 40 + 6 * 79);
  EXPECT_EQ(layout.pile(kStock).y, 50);
}

// The game selection's preview: top 3, an image 320 x 240 with tiny cards
// and no shadow. Its height is under 500, so vg = 5 and W = 320 - 10 = 310
// (U = 308, m = 3 + 15 for stock "004"). R1 = 3 + 5 + 15 = 23, R2 = 23 + 5 + 32.
// s = (308 - 175) / 8 = 16.6 -> 17; x0 = (308 - 175 - 102) / 2 = 15.5 -> 16,
// left of m, so 18; pitch 25 + 17.
TEST(TableLayout, PreviewStartsThreePixelsDown) {
  const LayoutArea cards{.cardWidth = 25, .cardHeight = 32, .shadowDepth = 0, .screenWidth = 1280, .screenHeight = 800};
  const LayoutArea preview = PreviewArea(cards, 320, 240);
  EXPECT_EQ(preview.top, 3);
  EXPECT_TRUE(preview.preview);
  const TableLayout layout = LayOutTable(RulesOfGame("Klondike (draw one)"), 'L', preview);
  EXPECT_EQ(layout.pile(kStock).x, 18);
  EXPECT_EQ(layout.pile(kStock).y, 23);
  EXPECT_EQ(layout.pile(Tableau(0)).y, 60);
  EXPECT_EQ(layout.pile(Tableau(6)).x, 18 + 6 * 42);
}

// Tableau rows that do not fit: "001" starts at the margin with its spacing,
// "014" and "015" shrink the spacing (never below 4) and start at the margin,
// or 2 left of it on a narrow screen with ten piles. A row the shrunk spacing
// makes narrower than the table is then centred; a row wider than the table
// stays where the code put it.
TEST(TableLayout, CrowdedRowsNeverStartLeftOfTheMargin) {
  struct Case {
    int code, piles, width, screenWidth;
    int x0, pitch;
  } cases[] = {
      // 14 piles at S, U = 1262, m = 5: s = (1262 - 1190) / 15 = 4.8 -> 5;
      // x0 = (1262 - 1190 - 65) / 2 = 3.5 -> 4, left of m.
      {1, 14, 1264, 1280, 5, 85 + 5},
      // s shrinks by ((5 - 4) / 13 + 0.99) rounded = 1, to 4; the row,
      // 14 x 85 + 13 x 4 = 1242 wide, centred at (1262 - 1242) / 2 = 10.
      {14, 14, 1264, 1280, 10, 85 + 4},
      {15, 14, 1264, 1280, 10, 85 + 4},
      // 10 piles on a 640 screen, W = 624 (U = 622, m = 3): s = -22 kept at 4;
      // x0 = (622 - 850 - 36) / 2 = -132; s stays 4; x0 = m - 2 = 1.
      {14, 10, 624, 640, 1, 85 + 4},
      {1, 10, 624, 640, 3, 85 + 4},
  };
  for (const auto& c : cases) {
    RuleRecord rules;
    rules[rule::TableauLayout] = static_cast<std::int16_t>(c.code);
    rules[rule::TableauRow] = 2;
    rules[rule::TableauPiles] = static_cast<std::int16_t>(c.piles);
    LayoutArea area = Screen1280('S');
    area.width = c.width;
    area.screenWidth = c.screenWidth;
    const TableLayout layout = LayOutTable(rules, 'S', area);
    EXPECT_EQ(layout.pile(Tableau(0)).x, c.x0) << "code " << c.code << ", " << c.piles << " piles";
    EXPECT_EQ(layout.pile(Tableau(1)).x - layout.pile(Tableau(0)).x, c.pitch) << "code " << c.code;
  }
}

// Code "015" sets its own rows: R1 = top + 15, R2 = top + 20 + ch.
TEST(TableLayout, CodeFifteenRows) {
  RuleRecord rules;
  rules[rule::TableauLayout] = 15;
  rules[rule::TableauRow] = 2;
  rules[rule::TableauPiles] = 4;
  rules[rule::Foundations] = 4;
  rules[rule::FoundationLayout] = 2;
  rules[rule::FoundationRow] = 1;
  const TableLayout layout = LayOutTable(rules, 'B', Screen1280('B'));
  EXPECT_EQ(layout.pile(Foundation(0)).y, 75);
  EXPECT_EQ(layout.pile(Tableau(0)).y, 60 + 20 + 96);
}

// Free cells from the margin ("005") sharing the tableau's row: when the
// last one, widened by 85 on both sides, meets a tableau pile, the tableau
// starts at its x + cw + 86 and a "002" row uses that edge.
// B, m = 5: eight cells at 5 + 76j, the last at 537. "002" centres four
// piles at (1262 - 284 - 30) / 2 = 474, inside 537 - 85; so it starts at
// 537 + 71 + 86 = 694 instead, 81 apart. The table, from 5 to
// 694 + 3 x 81 + 71 = 1008, is then centred at (1262 - 1003) / 2 = 129.5 ->
// 130: 125 further right.
TEST(TableLayout, FreeCellsPushACentredTableauAside) {
  RuleRecord rules;
  rules[rule::TableauLayout] = 2;
  rules[rule::TableauRow] = 2;
  rules[rule::TableauPiles] = 4;
  rules[rule::Reserves] = 8;
  rules[rule::ReserveLayout] = 5;
  rules[rule::ReserveRow] = 2;
  const TableLayout layout = LayOutTable(rules, 'B', Screen1280('B'));
  EXPECT_EQ(layout.pile(Reserve(7)).x, 537 + 125);
  EXPECT_EQ(layout.pile(Tableau(0)).x, 694 + 125);
  EXPECT_EQ(layout.pile(Tableau(3)).x, 694 + 3 * 81 + 125);
}

// Whether the game's tableau rows are meant to overlap: rows of cards side by
// side, one pile a row, stand as a pyramid.
bool RowsOverlap(const RuleRecord& rules) {
  return rules[rule::TableauDisplay] == 9 && rules[rule::TableauRows] == rules[rule::TableauPiles];
}

// Every game of the rule file at the usual sizes: all its piles placed,
// inside the table's width and below its top, and no two piles on each other
// but the neighbouring rows of a pyramid.
TEST(TableLayout, EveryGameFitsWithoutOverlap) {
  for (const GameEntry* game : testing::BuiltInGames().games()) {
    RuleRecord rules;
    ASSERT_TRUE(LoadGameRules(testing::BuiltInGames(), game->number, rules));
    for (const char size : {'S', 'B', 'M'}) {
      const LayoutArea area = Screen1280(size);
      const TableLayout layout = LayOutTable(rules, size, area);
      const std::vector<PileRef> piles = PilesOfTheGame(rules);
      for (std::size_t i = 0; i < piles.size(); ++i) {
        const TablePoint p = layout.pile(piles[i]);
        const std::string where = game->name + " " + size + " " + PileName(piles[i]);
        ASSERT_TRUE(layout.placed(piles[i])) << where;
        EXPECT_GE(p.x, 0) << where;
        EXPECT_LE(p.x + area.cardWidth, area.width) << where;
        EXPECT_GE(p.y, area.top) << where;
        for (std::size_t j = i + 1; j < piles.size(); ++j) {
          const bool neighbouringRows = piles[i].group == PileGroup::Tableau &&
                                        piles[j] == Tableau(piles[i].index + 1) && RowsOverlap(rules);
          if (neighbouringRows) continue;
          EXPECT_FALSE(testing::Overlap(p, layout.pile(piles[j]), area.cardWidth, area.cardHeight))
              << where << " meets " << PileName(piles[j]);
        }
      }
    }
  }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  struct Case {
    int value, numerator, denominator, expected;
  } cases[] = {
      {71, 3, 2, 106},   // 106.5
      {85, 3, 2, 128},   // 127.5
      {71, 17, 20, 60},  // 60.35
      {3, 5, 2, 8},      // 7.5
      {-7, 1, 2, -4},    // -3.5
  };
  for (const auto& c : cases)
    EXPECT_EQ(MultiplyRounded(c.value, c.numerator, c.denominator), c.expected) << c.value << "*" << c.numerator;
}

}  // namespace
}  // namespace velmora
