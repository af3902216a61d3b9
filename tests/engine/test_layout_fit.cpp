// Every game of the rule file, dealt, fits the window it is laid out for and
// stands centred across it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "game/deal_table.h"
#include "game/rule_index.h"
#include "layout/table_extent.h"
#include "layout_test_support.h"
#include "rules/load_game_rules.h"

namespace velmora {
namespace {

constexpr std::string_view kDealDigits = "0000000012345";
constexpr int kScrollBar = 15;
constexpr int kToolbarBottom = 30;
constexpr int kMenuAndStatus = 50;
constexpr int kTallTable = 800;
constexpr int kShortTable = 467;

struct TableSize {
  const char* name;
  int width, height;
  char cards;  // the card size letter
};

// A table view of the given size as the window fills it: the scroll bar
// left out of the width, a toolbar at the top, the menu and status bar
// around it, on a 1920 x 1080 screen, cards with shadows.
LayoutArea AreaOf(const TableSize& table) {
  const CardDimensions card = CardSizeFor(table.cards);
  return {.cardWidth = card.width, .cardHeight = card.height, .shadowDepth = 9, .top = kToolbarBottom,
          .bottom = table.height - 1, .windowHeight = table.height + kMenuAndStatus,
          .width = table.width - kScrollBar, .screenWidth = 1920, .screenHeight = 1080};
}

struct DealtGame {
  RuleRecord rules;
  CardTable cards;
  PileStore piles;
  ProgramState state;
};

void Deal(const std::string& game, DealtGame& dealt) {
  const int number = testing::BuiltInGames().GameNumberByName(game);
  ASSERT_TRUE(LoadGameRules(testing::BuiltInGames(), number, dealt.rules)) << game;
  DealContext context{dealt.rules, dealt.cards, dealt.piles, dealt.state, kDealDigits};
  ASSERT_TRUE(DealTable(context)) << game;
}

// The foundation layouts that put every foundation in the foundation row,
// under a tableau layout that leaves them to it (not one of the codes that
// arrange the whole table).
bool LinesUpFoundations(const RuleRecord& rules) {
  constexpr int kInARow[] = {1, 2, 7, 8, 9, 13, 17, 22};
  const int tableau = rules[rule::TableauLayout];
  const bool wholeTable = tableau >= 51 && tableau <= 173 && tableau != 102;
  return !wholeTable && std::ranges::count(kInARow, rules[rule::FoundationLayout]) > 0;
}

class DealtTableFits : public ::testing::TestWithParam<TableSize> {};

// The games are read from the built rule file while the test runs, so the
// list of tests never depends on whether the rule file was built yet.
TEST_P(DealtTableFits, EveryGameInsideTheTableAndCentred) {
  const LayoutArea area = AreaOf(GetParam());
  ASSERT_FALSE(testing::BuiltInGames().games().empty());
  for (const GameEntry* game : testing::BuiltInGames().games()) {
    DealtGame dealt;
    Deal(game->name, dealt);
    const TableLayout layout = LayOutTable(dealt.rules, GetParam().cards, area);
    for (const PileRef pile : PilesOfTheGame(dealt.rules)) {
      const auto extent = PileExtent(layout, dealt.rules, dealt.piles, dealt.cards, pile);
      const std::string where = game->name + ", " + PileName(pile) + ", table " + GetParam().name;
      ASSERT_TRUE(extent.has_value()) << where << " is not placed";
      EXPECT_GE(extent->left, 0) << where;
      EXPECT_LE(extent->right, area.width) << where;
      EXPECT_GE(extent->top, area.top) << where;
      EXPECT_LE(extent->bottom, area.bottom) << where;
    }
    const auto table = TableExtentOf(layout, dealt.rules, dealt.piles, dealt.cards);
    ASSERT_TRUE(table.has_value()) << game->name;
    const int leftMargin = table->left, rightMargin = area.width - table->right;
    EXPECT_LE(std::abs(leftMargin - rightMargin), area.cardWidth)
        << game->name << ", table " << GetParam().name << ": margins " << leftMargin << " and " << rightMargin;
  }
}

// Pyramid's rows, dealt one card more each, overlap as a pyramid: each row
// half a card lower than the one above, each card midway between the two
// cards of the next row that cover it.
TEST_P(DealtTableFits, PyramidRowsOverlapAsAPyramid) {
  const LayoutArea area = AreaOf(GetParam());
  DealtGame dealt;
  Deal("Pyramid", dealt);
  const TableLayout layout = LayOutTable(dealt.rules, GetParam().cards, area);
  const auto card = [&](int row, int index) {
    return CardPlace(layout, dealt.rules, dealt.piles, dealt.cards, {PileGroup::Tableau, row}, index, nullptr);
  };
  for (int row = 1; row < dealt.rules[rule::TableauPiles]; ++row) {
    const std::string where = "row " + std::to_string(row + 1) + ", table " + GetParam().name;
    const int rowStep = card(row, 0).y - card(row - 1, 0).y;
    EXPECT_LE(std::abs(2 * rowStep - area.cardHeight), 1) << where << ": rows " << rowStep << " apart";
    for (int index = 0; index < row; ++index) {
      const int covered = card(row - 1, index).x;
      const int leftCover = card(row, index).x, rightCover = card(row, index + 1).x;
      EXPECT_LT(leftCover, covered) << where << ", card " << index + 1;
      EXPECT_LT(covered, rightCover) << where << ", card " << index + 1;
      EXPECT_LE(std::abs((covered - leftCover) - (rightCover - covered)), 1) << where << ", card " << index + 1;
    }
  }
}

// Foundations that their layout lines up in one row keep that row at every
// table width, also on a table narrower than its tableau (laid out so, then
// scaled down to fit a small window): the centring brings the two in
// together. (A short table may stand them in a column instead.)
TEST(FoundationRow, FoundationsInARowStayInIt) {
  for (const GameEntry* game : testing::BuiltInGames().games()) {
    DealtGame dealt;
    Deal(game->name, dealt);
    if (!LinesUpFoundations(dealt.rules) || dealt.rules[rule::Foundations] < 2) continue;
    for (int width = 640; width <= 1280; width += 16) {
      LayoutArea area = AreaOf({"", width, kTallTable, 'B'});
      area.screenWidth = width;
      const TableLayout layout = LayOutTable(dealt.rules, 'B', area);
      const int rowY = layout.stored({PileGroup::Foundations, 0}).y;
      for (int j = 1; j < dealt.rules[rule::Foundations]; ++j)
        EXPECT_EQ(layout.stored({PileGroup::Foundations, j}).y, rowY)
            << game->name << ", foundation " << j + 1 << ", table " << width << " wide";
    }
  }
}

// On a short table the foundations and reserves give way to the tableau:
// wherever they go, they stay clear of the cards dealt to the tableau piles,
// not only of the piles' first cards.
TEST(ShortTable, NoPileOnTheTableauCards) {
  for (const GameEntry* game : testing::BuiltInGames().games()) {
    DealtGame dealt;
    Deal(game->name, dealt);
    for (const int width : {848, 1024}) {
      LayoutArea area = AreaOf({"", width, kShortTable, 'B'});
      area.screenHeight = kShortTable;
      const TableLayout layout = LayOutTable(dealt.rules, 'B', area);
      const std::vector<PileRef> piles = PilesOfTheGame(dealt.rules);
      for (const PileRef pile : piles) {
        if (pile.group == PileGroup::Tableau) continue;
        const auto mine = PileExtent(layout, dealt.rules, dealt.piles, dealt.cards, pile);
        for (int i = 0; mine && i < dealt.rules[rule::TableauPiles]; ++i) {
          const auto fan = PileExtent(layout, dealt.rules, dealt.piles, dealt.cards, {PileGroup::Tableau, i});
          if (!fan) continue;
          const bool meet = mine->left < fan->right && fan->left < mine->right && mine->top < fan->bottom &&
                            fan->top < mine->bottom;
          EXPECT_FALSE(meet) << game->name << ", " << PileName(pile) << " on the cards of tableau pile " << i + 1
                             << ", table " << width << " x " << kShortTable;
        }
      }
    }
  }
}

// The extent is in table coordinates: scrolling the window leaves it; a
// table without placed piles has none.
TEST(TableExtent, StaysInTableCoordinatesAndNeedsAPlacedPile) {
  DealtGame dealt;
  Deal("Klondike (draw one)", dealt);
  TableLayout layout = LayOutTable(dealt.rules, 'B', AreaOf({"1280x800", 1280, 800, 'B'}));
  const auto still = TableExtentOf(layout, dealt.rules, dealt.piles, dealt.cards);
  ASSERT_TRUE(still.has_value());
  EXPECT_EQ(still->top, layout.stored(kStock).y);
  layout.setScrollOffset(120);
  const auto scrolled = TableExtentOf(layout, dealt.rules, dealt.piles, dealt.cards);
  ASSERT_TRUE(scrolled.has_value());
  EXPECT_EQ(scrolled->top, still->top);
  EXPECT_EQ(scrolled->bottom, still->bottom);
  EXPECT_FALSE(TableExtentOf(TableLayout(), dealt.rules, dealt.piles, dealt.cards).has_value());
}

INSTANTIATE_TEST_SUITE_P(Tables, DealtTableFits,
                         ::testing::Values(TableSize{"1280x800 B", 1280, 800, 'B'},
                                           TableSize{"1920x1080 B", 1920, 1080, 'B'},
                                           TableSize{"1280x800 M", 1280, 800, 'M'},
                                           TableSize{"1280x800 S", 1280, 800, 'S'}),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace velmora
