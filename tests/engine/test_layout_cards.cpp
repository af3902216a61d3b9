// Fan steps by card size and display type, and where each card of a pile lies.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "game/rule_index.h"
#include "layout/card_place.h"
#include "layout/fan_steps.h"
#include "layout_test_support.h"

namespace velmora {
namespace {

using testing::Screen1280;

constexpr PileRef Tableau(int k) { return {PileGroup::Tableau, k}; }
constexpr PileRef Foundation(int k) { return {PileGroup::Foundations, k}; }
constexpr PileRef Reserve(int k) { return {PileGroup::Reserves, k}; }

TEST(FanSteps, FollowTheSizeAndTheDisplayTypes) {
  struct Case {
    char size;
    int tableau, reserve, horizontalRule;
    FanSteps expected;  // vertical up/down, horizontal up/down, display 6, grid gaps
  } cases[] = {
      {'S', 1, 0, 0, {18, 4, 0, 0, 0, 12, 8}},
      {'B', 7, 0, 0, {18, 4, 0, 0, 0, 12, 8}},
      {'M', 1, 0, 0, {14, 4, 0, 0, 0, 8, 6}},
      {'L', 1, 0, 0, {3, 3, 0, 0, 0, 4, 3}},
      {'M', 2, 0, 0, {0, 0, 10, 4, 0, 8, 6}},
      {'B', 0, 2, 0, {0, 0, 12, 4, 0, 12, 8}},
      {'B', 11, 0, 1, {0, 0, 12, 4, 0, 12, 8}},
      {'B', 0, 1, 0, {18, 4, 0, 0, 0, 12, 8}},
      {'M', 6, 0, 0, {0, 0, 0, 0, 5, 8, 6}},
      {'B', 0, 0, 0, {0, 0, 0, 0, 0, 12, 8}},
      // Display 12 widens both vertical steps by 2.5: 45 and 10; on "L" 7.5 -> 8 twice.
      {'B', 12, 0, 0, {45, 10, 0, 0, 0, 12, 8}},
      {'L', 12, 0, 0, {8, 8, 0, 0, 0, 4, 3}},
      // An unknown letter draws normal cards.
      {'X', 1, 0, 0, {18, 4, 0, 0, 0, 12, 8}},
  };
  for (const auto& c : cases) {
    RuleRecord rules;
    rules[rule::TableauDisplay] = static_cast<std::int16_t>(c.tableau);
    rules[rule::ReserveDisplay] = static_cast<std::int16_t>(c.reserve);
    rules[rule::HorizontalFanSteps] = static_cast<std::int16_t>(c.horizontalRule);
    const FanSteps s = FanStepsFor(c.size, rules);
    const FanSteps& e = c.expected;
    const std::string what = std::string(1, c.size) + " tableau " + std::to_string(c.tableau);
    EXPECT_EQ(s.verticalUp, e.verticalUp) << what;
    EXPECT_EQ(s.verticalDown, e.verticalDown) << what;
    EXPECT_EQ(s.horizontalUp, e.horizontalUp) << what;
    EXPECT_EQ(s.horizontalDown, e.horizontalDown) << what;
    EXPECT_EQ(s.smallHorizontal, e.smallHorizontal) << what;
    EXPECT_EQ(s.gridGapX, e.gridGapX) << what;
    EXPECT_EQ(s.gridGapY, e.gridGapY) << what;
  }
}

// Piles at (100, 200) holding cards 1 to `count`; the first `down` face down.
class CardPlaceTest : public ::testing::Test {
 protected:
  void fill(PileRef pile, int count, int down) {
    for (int i = 0; i < count; ++i) piles.addCard(pile, i + 1, i < down ? Face::Down : Face::Up, cards);
  }
  TablePoint offset(PileRef pile, int index, const IrregularPiles* irregular = nullptr) {
    TableLayout layout(Screen1280('B'));
    layout.steps = FanStepsFor('B', rules);
    layout.gridColumns = 4;
    layout.place(pile, 100, 200);
    const TablePoint at = CardPlace(layout, rules, piles, cards, pile, index, irregular);
    return {at.x - 100, at.y - 200};
  }

  RuleRecord rules;
  PileStore piles;
  CardTable cards;
};

TEST_F(CardPlaceTest, EachDisplayTypeStepsItsWay) {
  struct Case {
    int tableau, foundation, reserve, horizontalRule;
    PileRef pile;
    int index;
    TablePoint offset;
  } cases[] = {
      // Six face-down cards of 4 and a face-up one of 18 at "B".
      {1, 0, 0, 0, Tableau(0), 6, {0, 24}},
      {1, 0, 0, 0, Tableau(0), 7, {0, 24 + 18}},  // where the next card goes
      {2, 0, 0, 0, Tableau(0), 7, {24 + 12, 0}},
      {12, 0, 0, 0, Tableau(0), 7, {0, 6 * 10 + 45}},
      {4, 0, 0, 0, Tableau(0), 3, {3 * (71 + 6), 0}},
      {6, 0, 0, 0, Tableau(0), 3, {3 * 7, 0}},
      {9, 0, 0, 0, Tableau(0), 3, {3 * (71 + 2), 0}},
      // Display 7 sets down the top card only.
      {7, 0, 0, 0, Tableau(0), 6, {0, 18}},
      {7, 0, 0, 0, Tableau(0), 5, {0, 0}},
      // Display 11 with the two-sided rule: piles 1-7 right, 8-12 left, the rest stacked.
      {11, 0, 0, 1, Tableau(6), 7, {24 + 12, 0}},
      {11, 0, 0, 1, Tableau(7), 7, {-(24 + 12), 0}},
      {11, 0, 0, 1, Tableau(12), 7, {0, 0}},
      {11, 0, 0, 0, Tableau(0), 7, {0, 0}},
      // Reserves stacked 3 apart; kinds without a step of that type stay stacked.
      {0, 0, 5, 0, Reserve(0), 4, {0, 12}},
      {0, 5, 0, 0, Foundation(0), 4, {0, 0}},
      {0, 2, 0, 0, Foundation(0), 7, {0, 0}},  // no horizontal steps were set
      {0, 2, 2, 0, Foundation(0), 7, {24 + 12, 0}},
      {1, 1, 1, 0, kStock, 7, {0, 0}},  // the stock list never fans
  };
  for (const auto& c : cases) {
    rules[rule::TableauDisplay] = static_cast<std::int16_t>(c.tableau);
    rules[rule::FoundationDisplay] = static_cast<std::int16_t>(c.foundation);
    rules[rule::ReserveDisplay] = static_cast<std::int16_t>(c.reserve);
    rules[rule::HorizontalFanSteps] = static_cast<std::int16_t>(c.horizontalRule);
    piles.clear();
    fill(c.pile, 7, 6);
    const TablePoint at = offset(c.pile, c.index);
    EXPECT_EQ(at.x, c.offset.x) << "display " << c.tableau << "/" << c.foundation << "/" << c.reserve << " "
                                << PileName(c.pile) << " card " << c.index;
    EXPECT_EQ(at.y, c.offset.y) << "display " << c.tableau << "/" << c.foundation << "/" << c.reserve << " "
                                << PileName(c.pile) << " card " << c.index;
  }
}

// Display 8 with 4 columns: cards row by row, every second row from the right.
TEST_F(CardPlaceTest, GridCardsEachHaveTheirOwnCell) {
  rules[rule::TableauDisplay] = 8;
  fill(Tableau(0), 52, 52);
  const int across = 71 + 12, down = 96 + 8;
  const std::pair<int, TablePoint> cases[] = {
      {0, {0, 0}}, {3, {3 * across, 0}}, {4, {3 * across, down}}, {7, {0, down}}, {8, {0, 2 * down}},
      {6, {across, down}},  // k / columns would round 1.5 to 2 and share a cell with card 10
  };
  for (const auto& [k, cell] : cases) {
    EXPECT_EQ(offset(Tableau(0), k).x, cell.x) << k;
    EXPECT_EQ(offset(Tableau(0), k).y, cell.y) << k;
  }
  std::set<std::pair<int, int>> cells;
  for (int k = 0; k < 52; ++k) cells.insert({offset(Tableau(0), k).x, offset(Tableau(0), k).y});
  EXPECT_EQ(cells.size(), 52u);
}

TEST_F(CardPlaceTest, ScrolledAndUnplacedPiles) {
  rules[rule::TableauDisplay] = 1;
  fill(Tableau(0), 3, 0);
  TableLayout layout(Screen1280('B'));
  layout.steps = FanStepsFor('B', rules);
  layout.place(Tableau(0), 100, 200);
  layout.setScrollOffset(50);
  EXPECT_EQ(CardPlace(layout, rules, piles, cards, Tableau(0), 2, nullptr).y, 200 - 50 + 36);
  EXPECT_EQ(CardPlace(layout, rules, piles, cards, Tableau(1), 2, nullptr).x, -10002);
  EXPECT_EQ(CardPlace(layout, rules, piles, cards, Tableau(1), 2, nullptr).y, -10002);
}

TEST(IrregularPiles, ShiftsStayNearThePileLine) {
  for (const unsigned seed : {1u, 7u, 2024u}) {
    std::mt19937 random(seed);
    IrregularPiles irregular;
    irregular.refill(random);
    for (int pile = 0; pile < kTableauPiles; ++pile) {
      EXPECT_EQ(irregular.shift(pile, 0), 0);
      for (int place = 0; place <= 12; ++place) {
        EXPECT_LE(std::abs(irregular.shift(pile, place)), 2) << seed << " " << pile << " " << place;
        EXPECT_LE(std::abs(irregular.step(pile, place)), 2);
      }
      // Piles past the seventh reuse the rows of piles 2 to 7; cards past the
      // thirteenth reuse columns 1 to 12.
      EXPECT_EQ(irregular.step(pile, 15), irregular.step(pile, 3));
    }
    EXPECT_EQ(irregular.step(7, 4), irregular.step(1, 4));
    EXPECT_EQ(irregular.step(12, 4), irregular.step(0, 4));
  }
}

TEST(IrregularPiles, NewGamesGetNewShifts) {
  std::mt19937 random(3);
  IrregularPiles first, second;
  first.refill(random);
  second.refill(random);
  bool differ = false;
  for (int pile = 0; pile < 7; ++pile)
    for (int place = 1; place <= 12; ++place) differ |= first.step(pile, place) != second.step(pile, place);
  EXPECT_TRUE(differ);
}

TEST_F(CardPlaceTest, IrregularShiftsMoveOnlyVerticalTableauFans) {
  std::mt19937 random(11);
  IrregularPiles irregular;
  irregular.refill(random);
  fill(Tableau(2), 10, 0);
  fill(Reserve(0), 10, 0);
  rules[rule::TableauDisplay] = 1;
  rules[rule::ReserveDisplay] = 1;
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(offset(Tableau(2), k, &irregular).x, irregular.shift(2, k));
    EXPECT_EQ(offset(Reserve(0), k, &irregular).x, 0);
  }
  rules[rule::TableauDisplay] = 2;
  EXPECT_EQ(offset(Tableau(2), 3, &irregular).x, 3 * 12);
}

}  // namespace
}  // namespace velmora
