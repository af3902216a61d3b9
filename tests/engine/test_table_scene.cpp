// What the table shows: the marks of empty piles, the height of stacked
// piles, and the cards a scene keeps.
#include <gtest/gtest.h>

#include "cards/card_table.h"
#include "game/rule_index.h"
#include "piles/pile_store.h"
#include "rules/rule_record.h"
#include "table/empty_pile_marks.h"
#include "table/table_scene.h"

namespace velmora {
namespace {

struct MarkCase {
  const char* what;
  std::vector<std::pair<int, int>> rules;  // index, value
  PileRef pile;
  int passCounter;
  const char* mark;
};

class EmptyPileMarkTest : public ::testing::TestWithParam<MarkCase> {};

TEST_P(EmptyPileMarkTest, ShowsTheMarkOfWhatMayStartThePile) {
  const MarkCase& c = GetParam();
  RuleRecord rules;
  for (const auto& [index, value] : c.rules) rules[index] = static_cast<std::int16_t>(value);
  EXPECT_EQ(EmptyPileMark(rules, c.pile, {c.passCounter}), c.mark) << c.what;
}

constexpr PileRef Foundation(int k) { return {PileGroup::Foundations, k}; }
constexpr PileRef Tableau(int k) { return {PileGroup::Tableau, k}; }
constexpr PileRef Reserve(int k) { return {PileGroup::Reserves, k}; }

INSTANTIATE_TEST_SUITE_P(
    Marks, EmptyPileMarkTest,
    ::testing::Values(
        MarkCase{"stock of a family without passes", {{rule::Family, 45}}, kStock, 0, "021"},
        MarkCase{"stock with unlimited passes", {{rule::DealsInAll, -1}}, kStock, 9, "022"},
        MarkCase{"stock with a pass left", {{rule::DealsInAll, 3}, {rule::RedealStyle, 1}}, kStock, 2, "022"},
        MarkCase{"stock with every pass used", {{rule::DealsInAll, 3}, {rule::RedealStyle, 1}}, kStock, 3, "008"},
        MarkCase{"stock of one deal", {{rule::DealsInAll, 1}}, kStock, 0, "008"},
        MarkCase{"waste beside a shown stock", {{rule::StockShown, 1}}, kWaste, 0, "_WASTE"},
        MarkCase{"waste standing for the stock", {{rule::DealsInAll, 2}, {rule::RedealStyle, 1}}, kWaste, 0, "022"},
        MarkCase{"waste without passes", {}, kWaste, 0, ""},
        MarkCase{"third slot", {}, kThirdStockSlot, 0, ""},
        MarkCase{"foundation from aces", {{rule::FoundationBaseRank + 2, 1}}, Foundation(2), 0, "010"},
        MarkCase{"foundation from kings", {{rule::FoundationBaseRank, 13}}, Foundation(0), 0, "011"},
        MarkCase{"foundation from sevens", {{rule::FoundationBaseRank + 1, 7}}, Foundation(1), 0, "017"},
        MarkCase{"foundation from the dealt base", {{rule::FoundationBaseRank + 1, 0}}, Foundation(1), 0, "004"},
        MarkCase{"foundation building from queens",
                 {{rule::FoundationBuilding + 3, 10}, {rule::FoundationBaseRank + 3, 1}}, Foundation(3), 0, "003"},
        MarkCase{"free cell", {}, Reserve(0), 0, "001"},
        MarkCase{"reserve taking no card", {{rule::ReserveAccepts + 1, 4}}, Reserve(1), 0, "_TABLEAU"},
        MarkCase{"reserve for aces", {{rule::ReserveAccepts + 2, 107}}, Reserve(2), 0, "010"},
        MarkCase{"tableau for kings only", {{rule::TableauFill + 4, 13}}, Tableau(4), 0, "011"},
        MarkCase{"tableau for any card", {{rule::TableauFill, -1}}, Tableau(0), 0, "004"},
        MarkCase{"tableau never filled", {}, Tableau(0), 0, "_TABLEAU"},
        MarkCase{"tableau for fives", {{rule::TableauFill + 1, 5}}, Tableau(1), 0, "015"},
        MarkCase{"tableau letter code for kings", {{rule::TableauFill, 84}}, Tableau(0), 0, "011"},
        MarkCase{"tableau code shown another way", {{rule::TableauFill, 94}}, Tableau(0), 0, ""}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(StackRaise, GrowsWithThePileUpToItsCap) {
  struct Case {
    int cards;
    PileGroup group;
    bool preview;
    int raise;
  };
  for (const Case& c : {Case{0, PileGroup::Stock, false, 0}, Case{1, PileGroup::Stock, false, 0},
                        Case{2, PileGroup::Stock, false, 1}, Case{3, PileGroup::Stock, false, 1},
                        Case{24, PileGroup::Stock, false, 4}, Case{104, PileGroup::Stock, false, 15},
                        Case{13, PileGroup::Foundations, false, 2}, Case{104, PileGroup::Stock, true, 5}})
    EXPECT_EQ(StackRaise(c.cards, c.group, c.preview), c.raise) << c.cards;
}

// A table of two piles: a stock of three cards and a fanned tableau pile.
class SceneTest : public ::testing::Test {
 protected:
  SceneTest() {
    rules[rule::TableauPiles] = 2;
    piles.addCard(kStock, 10, Face::Down, cards);
    piles.addCard(kStock, 11, Face::Down, cards);
    piles.addCard(kStock, 12, Face::Down, cards);
    piles.addCard(Tableau(0), 1, Face::Down, cards);
    piles.addCard(Tableau(0), kNoCard, std::nullopt, cards);
    piles.addCard(Tableau(0), 2, Face::Up, cards);
    places.pile = [](PileRef pile) -> std::optional<TablePoint> {
      if (pile == kStock) return TablePoint{10, 10};
      if (pile.group == PileGroup::Tableau) return TablePoint{100 + 80 * pile.index, 120};
      return std::nullopt;
    };
    places.card = [this](PileRef pile, int index) {
      TablePoint at = *places.pile(pile);
      if (pile.group == PileGroup::Tableau) at.y += 18 * index;
      return at;
    };
  }

  RuleRecord rules;
  CardTable cards;
  PileStore piles;
  ScenePlaces places;
};

// The selection of a removal game (foundation 1) marks its cards where they
// lie; the same pile in any other game marks nothing.
TEST_F(SceneTest, MarksSelectedCardsWhereTheyLie) {
  piles.addCard(kSelection, 2, std::nullopt, cards);
  for (const int targetSum : {0, 13}) {
    rules[rule::RemovalTargetSum] = static_cast<std::int16_t>(targetSum);
    const TableScene scene = BuildTableScene(rules, piles, cards, places, {});
    const ScenePile& fan = scene.piles[1];
    ASSERT_EQ(fan.cards.size(), 2u);
    EXPECT_FALSE(fan.cards[0].selected);
    EXPECT_EQ(fan.cards[1].selected, targetSum != 0) << "target sum " << targetSum;
  }
}

TEST_F(SceneTest, KeepsOnlyPlacedPilesAndVisibleCards) {
  const TableScene scene = BuildTableScene(rules, piles, cards, places, {});
  ASSERT_EQ(scene.piles.size(), 3u);  // the stock and two tableau piles; the waste has no place

  const ScenePile& stock = scene.piles[0];
  EXPECT_EQ(stock.pile, kStock);
  EXPECT_EQ(stock.raised, 1);
  ASSERT_EQ(stock.cards.size(), 1u) << "cards under the top of a stack cannot be seen";
  EXPECT_EQ(stock.cards[0].card, 12);
  EXPECT_EQ(stock.cards[0].place.x, 9);
  EXPECT_EQ(stock.cards[0].place.y, 9);

  const ScenePile& fan = scene.piles[1];
  ASSERT_EQ(fan.cards.size(), 2u) << "a gap holds no card";
  EXPECT_FALSE(fan.cards[0].faceUp);
  EXPECT_TRUE(fan.cards[1].faceUp);
  EXPECT_EQ(fan.cards[1].place.y, 120 + 2 * 18);

  EXPECT_TRUE(scene.piles[2].cards.empty());
  EXPECT_EQ(scene.piles[2].emptyMark, "_TABLEAU");
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST_F(SceneTest, CarriedCardsLeaveTheirPileForThePointer) {
  Carry carry;
  carry.card = 1;
  carry.from = {PileGroup::Tableau, 0};
  carry.fromIndex = 0;
  carry.at = {300, 400};
  const TableScene scene = BuildTableScene(rules, piles, cards, places, {.carry = &carry});
  EXPECT_TRUE(scene.piles[1].cards.empty());

  const ScenePile carried = CarriedScene(piles, cards, places, carry);
  ASSERT_EQ(carried.cards.size(), 2u);
  EXPECT_EQ(carried.cards[0].place.y, 400);
  EXPECT_EQ(carried.cards[1].place.y, 400 + 2 * 18) << "the fan keeps its steps, the gap included";
  EXPECT_EQ(carried.cards[1].place.x, 300);
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// A card carried alone out of the middle of its row (a gap game): the cards
// above it stay where they lie.
TEST_F(SceneTest, ACardCarriedAloneLeavesOnlyItsOwnPlace) {
  piles.addCard(Tableau(0), 3, Face::Up, cards);
  Carry carry;
  carry.card = carry.unitTop = 2;
  carry.single = true;
  carry.from = {PileGroup::Tableau, 0};
  carry.fromIndex = 2;
  carry.at = {300, 400};
  const TableScene scene = BuildTableScene(rules, piles, cards, places, {.carry = &carry});
  ASSERT_EQ(scene.piles[1].cards.size(), 2u);
  EXPECT_EQ(scene.piles[1].cards[0].card, 1);
  EXPECT_EQ(scene.piles[1].cards[1].card, 3);

  const ScenePile carried = CarriedScene(piles, cards, places, carry);
  ASSERT_EQ(carried.cards.size(), 1u);
  EXPECT_EQ(carried.cards[0].card, 2);
  EXPECT_EQ(carried.cards[0].place.y, 400);
}

}  // namespace
}  // namespace velmora
