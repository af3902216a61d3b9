// Redeals by redistribution: the fixed shuffle, what each style does to a
// small table, the gap games' redeal, and undo of a redeal.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "stock/redistribution.h"
#include "stock/stock_commands.h"
#include "test_stock_support.h"

namespace velmora {
namespace {

using testing::Foundation;
using testing::GameFixture;
using testing::Reserve;
using testing::Tableau;

TEST(FixedShuffle, StartsInTheMiddleAndStepsByTwoAndFive) {
  struct Case {
    std::vector<CardId> gathered;
    std::vector<CardId> dealt;
  } cases[] = {
      {{}, {}},
      {{9}, {9}},
      {{1, 2, 3, 4}, {3, 1, 2, 4}},
      {{1, 2, 3, 4, 5}, {3, 1, 2, 4, 5}},        // 2.5 rounds to 2
      {{1, 2, 3, 4, 5, 6, 7}, {5, 1, 2, 6, 3, 4, 7}},  // 3.5 rounds to 4
  };
  for (const Case& c : cases) EXPECT_EQ(FixedShuffle(c.gathered), c.dealt);
}

TEST(FixedShuffle, KeepsEveryCard) {
  std::vector<CardId> deck(104);
  for (CardId card = 1; card <= 104; ++card) deck[static_cast<std::size_t>(card - 1)] = card;
  std::vector<CardId> dealt = FixedShuffle(deck);
  EXPECT_NE(dealt, deck);
  std::sort(dealt.begin(), dealt.end());
  EXPECT_EQ(dealt, deck);
}

class RedealTest : public GameFixture {
 protected:
  // Every card on the table and how often it lies there.
  std::map<CardId, int> cardsOnTable() const {
    std::map<CardId, int> count;
    for (PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves})
      for (int i = 0; i < GroupSize(group); ++i)
        for (CardId card : game.piles().pile({group, i}))
          if (card != kNoCard) ++count[card];
    return count;
  }
  std::string tableau(int piles) const {
    std::string out;
    for (int i = 1; i <= piles; ++i) out += pile(Tableau(i)) + "|";
    return out;
  }
};

// Each case lays three tableau piles (and reserve 1, waste) and runs one
// redeal through a press on the empty stock of a game without waste.
TEST_F(RedealTest, RedistributionStyles) {
  struct Case {
    int style;
    const char* piles[3];
    const char* reserve1;
    const char* waste;
    const char* tableauAfter;
    const char* stockAfter;
    const char* wasteAfter;
    const char* foundationAfter;
  } cases[] = {
      {7, {"001002003", "004", "005006"}, "", "", "002003001|004|006005|", "", "", ""},
      {4, {"001002", "003", "004005"}, "", "", "|||", "005004003002001", "", ""},
      {5, {"001002", "003", "004005"}, "", "", "|||", "005004003002001", "", ""},
      {13, {"001002003", "004", ""}, "", "", "003001|004002||", "", "", ""},
      {12, {"001002", "003004", "005006"}, "", "", "006005|004003|002001|", "", "", ""},
      {11, {"001002", "003004", "005006"}, "", "", "|||", "001002003004005006", "", ""},
      {14, {"001002", "003", "004005006"}, "", "", "|||", "001003004002005006", "", ""},
      {10, {"001002", "003", "004005"}, "", "", "|||", "003002001005004", "", ""},
      {15, {"001", "015", ""}, "003", "", "015|003||", "001", "", ""},
      {6, {"002001", "003", ""}, "", "004", "002004|003||", "", "", "001"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    synthetic({{rule::StockShown, 1}, {rule::TableauPiles, 3}, {rule::Reserves, 1}, {rule::Foundations, 4},
               {rule::DealsInAll, -1}, {rule::RedealStyle, c.style}, {rule::TableauCards, 2}, {rule::TableauFaceUp, 2}});
    for (int i = 0; i < 3; ++i) lay(Tableau(i + 1), c.piles[i]);
    lay(Reserve(1), c.reserve1);
    lay(kWaste, c.waste);
    const auto before = cardsOnTable();
    PressStock(game);
    ReleaseStock(game);
    EXPECT_EQ(tableau(3), c.tableauAfter);
    EXPECT_EQ(pile(kStock), c.stockAfter);
    EXPECT_EQ(pile(kWaste), c.wasteAfter);
    EXPECT_EQ(pile(Foundation(1)), c.foundationAfter);
    EXPECT_EQ(cardsOnTable(), before) << "no card lost or doubled";
    EXPECT_EQ(passes(), 2);
    ASSERT_TRUE(undo());
    EXPECT_EQ(passes(), 1) << "undo takes the pass back";
    EXPECT_EQ(pile(Tableau(1)), c.piles[0]);
    ASSERT_TRUE(redo());
    EXPECT_EQ(passes(), 2) << "redo deals the pass again";
    EXPECT_EQ(tableau(3), c.tableauAfter);
  }
}

TEST_F(RedealTest, StyleSevenTurnsTheMovedCardFaceUp) {
  synthetic({{rule::StockShown, 1}, {rule::TableauPiles, 1}, {rule::DealsInAll, -1}, {rule::RedealStyle, 7}});
  lay(Tableau(1), "001002", Face::Down);
  PressStock(game);
  EXPECT_EQ(pile(Tableau(1)), "002001");
  EXPECT_TRUE(faceUp(1));
  EXPECT_FALSE(faceUp(2));
}

TEST_F(RedealTest, AWasteGameRedistributesOnTheRelease) {
  synthetic({{rule::WasteShown, 1}, {rule::StockShown, 1}, {rule::TableauPiles, 1}, {rule::DealsInAll, 2},
             {rule::RedealStyle, 7}, {rule::StockDealCount, 1}});
  lay(Tableau(1), "001002");
  PressStock(game);
  EXPECT_EQ(pile(Tableau(1)), "001002") << "the press only marks the stock";
  ReleaseStock(game);
  EXPECT_EQ(pile(Tableau(1)), "002001");
  EXPECT_EQ(passes(), 2);
  PressStock(game);
  ReleaseStock(game);
  EXPECT_EQ(pile(Tableau(1)), "002001") << "no pass left";
}

// The gap game: each row keeps the run it built from a 2, gets one gap after
// it, and the other cards are dealt again; three passes in all.
TEST_F(RedealTest, GapsKeepsItsRunsAndEveryCard) {
  start("Gaps");
  // Row 1 starts with the 2, 3 and 4 of hearts.
  Pile& row1 = game.piles().pile(Tableau(1));
  for (CardId card : {2, 3, 4}) {
    for (int i = 0; i < 4; ++i) {
      Pile& row = game.piles().pile(Tableau(i + 1));
      const auto at = std::find(row.begin(), row.end(), card);
      if (at != row.end()) std::iter_swap(at, row1.begin() + (card - 2));
    }
  }
  const auto before = cardsOnTable();
  ASSERT_EQ(before.size(), 48u);
  PressStock(game);
  EXPECT_EQ(passes(), 2);
  EXPECT_EQ(cardsOnTable(), before) << "no card lost or doubled";
  EXPECT_TRUE(pile(kStock).empty());
  EXPECT_EQ(pile(Tableau(1)).substr(0, 12), "002003004000");
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(size(Tableau(i)), 13) << i;
    EXPECT_EQ(std::count(game.piles().pile(Tableau(i)).begin(), game.piles().pile(Tableau(i)).end(), kNoCard), 1) << i;
  }
  const std::string afterFirst = tableau(4);
  PressStock(game);
  EXPECT_EQ(passes(), 3);
  const std::string afterSecond = tableau(4);
  PressStock(game);
  EXPECT_EQ(tableau(4), afterSecond) << "three passes in all";
  EXPECT_EQ(passes(), 3);

  ASSERT_TRUE(undo());
  EXPECT_EQ(tableau(4), afterFirst);
  EXPECT_EQ(passes(), 2);
  ASSERT_TRUE(redo());
  EXPECT_EQ(tableau(4), afterSecond);
  EXPECT_EQ(passes(), 3);
}

}  // namespace
}  // namespace velmora
