// The card counter: which cards the player can see, cannot see, or does not
// count, by the part of the table chosen; after moves, undo and redo; and its
// settings in the preference file.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <vector>

#include "files/ini_document.h"
#include "play/card_counter.h"
#include "play/execute_move.h"
#include "stock/stock_commands.h"
#include "test_stock_support.h"

namespace velmora {

void PrintTo(CounterMark mark, std::ostream* out) {
  *out << (mark == CounterMark::Seen ? "seen" : mark == CounterMark::Unseen ? "unseen" : "not counted");
}

namespace {

using testing::Foundation;
using testing::Reserve;
using testing::Tableau;

constexpr CounterMark None = CounterMark::NotCounted;
constexpr CounterMark Seen = CounterMark::Seen;
constexpr CounterMark Unseen = CounterMark::Unseen;

constexpr CounterOptions kBothParts{.tableauOnly = false, .stockOnly = false};
constexpr CounterOptions kTableauOnly{.tableauOnly = true, .stockOnly = false};
constexpr CounterOptions kStockOnly{.tableauOnly = false, .stockOnly = true};
constexpr CounterOptions kInverted{.tableauOnly = false, .stockOnly = false, .inverted = true};

class CardCounterTest : public testing::GameFixture {
 protected:
  CounterGrid count(CounterOptions options) const {
    return CountCards(game.rules(), game.piles(), game.cards(), options);
  }
  bool press() {
    PressStock(game);
    return true;
  }
};

TEST_F(CardCounterTest, MarksByPlaceFaceAndOptions) {
  struct Laid {
    PileRef pile;
    const char* cards;
    Face face;
  };
  struct Case {
    const char* what;
    testing::RuleSettings rules;
    std::vector<Laid> table;
    CounterOptions options;
    std::map<CardId, CounterMark> expected;
  } cases[] = {
      {"stock cards are unseen even when they lie face up", {{rule::WasteShown, 1}},
       {{kStock, "001002", Face::Up}}, kBothParts, {{1, Unseen}, {2, Unseen}}},
      {"with the stock shown the whole waste is seen", {{rule::WasteShown, 1}, {rule::StockShown, 1}},
       {{kWaste, "001002003", Face::Down}}, kBothParts, {{1, Seen}, {2, Seen}, {3, Seen}}},
      {"without it only the waste's top card is seen", {{rule::WasteShown, 1}, {rule::StockShown, 0}},
       {{kWaste, "001002003", Face::Up}}, kBothParts, {{1, Unseen}, {2, Unseen}, {3, Seen}}},
      {"a game without a waste does not count cards there", {{rule::WasteShown, 0}, {rule::StockShown, 1}},
       {{kWaste, "001", Face::Up}}, kBothParts, {{1, None}}},
      {"tableau, foundations and discard pile show their faces", {},
       {{Tableau(1), "013", Face::Down}, {Tableau(1), "014", Face::Up}, {Foundation(2), "027", Face::Up},
        {kThirdStockSlot, "040", Face::Down}},
       kBothParts, {{13, Unseen}, {14, Seen}, {27, Seen}, {40, Unseen}}},
      {"a reserve's cards are all seen", {}, {{Reserve(3), "005", Face::Down}}, kBothParts, {{5, Seen}}},
      {"cards off the table are not counted", {}, {{Tableau(1), "013", Face::Up}}, kBothParts,
       {{1, None}, {52, None}}},
      {"gaps in a pile are skipped", {}, {{Tableau(1), "000012000", Face::Up}}, kBothParts, {{12, Seen}}},
      {"tableau only leaves out the stock and the waste", {{rule::WasteShown, 1}, {rule::StockShown, 1}},
       {{kStock, "001", Face::Down}, {kWaste, "002", Face::Up}, {Tableau(1), "003", Face::Up}}, kTableauOnly,
       {{1, None}, {2, None}, {3, Seen}}},
      {"stock only leaves out the rest of the table", {{rule::WasteShown, 1}, {rule::StockShown, 1}},
       {{kStock, "001", Face::Down}, {kWaste, "002", Face::Up}, {Tableau(1), "003", Face::Up},
        {Reserve(1), "004", Face::Up}},
       kStockOnly, {{1, Unseen}, {2, Seen}, {3, None}, {4, None}}},
      {"inverted swaps seen and unseen, not the uncounted", {},
       {{Tableau(1), "013", Face::Down}, {Tableau(1), "014", Face::Up}}, kInverted,
       {{13, Seen}, {14, Unseen}, {15, None}}},
      {"the second deck's cards count in its own rows", {{rule::DeckCards, 104}},
       {{Tableau(1), "001", Face::Down}, {Tableau(2), "053", Face::Up}}, kBothParts,
       {{1, Unseen}, {53, Seen}, {104, None}}},
      {"one deck has no second-deck cells", {{rule::DeckCards, 52}}, {{Tableau(2), "053", Face::Up}}, kBothParts,
       {{53, None}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    synthetic(c.rules);
    if (game.rules()[rule::DeckCards] == 0) game.rules()[rule::DeckCards] = kCardsPerDeck;
    for (const Laid& laid : c.table) {
      const Pile cards = *ParsePileString(laid.cards);
      Pile& pile = game.piles().pile(laid.pile);
      pile.insert(pile.end(), cards.begin(), cards.end());
      for (CardId card : cards) game.cards().setFace(card, laid.face);
    }
    const CounterGrid grid = count(c.options);
    for (const auto& [card, mark] : c.expected) EXPECT_EQ(grid.mark(card), mark) << "card " << card;
  }
}

TEST_F(CardCounterTest, TwoDecksMakeEightRows) {
  synthetic({{rule::DeckCards, 104}});
  lay(Tableau(1), "104", Face::Up);
  const CounterGrid grid = count(kBothParts);
  EXPECT_EQ(grid.rows(), 8);
  EXPECT_EQ(grid.mark(7, 13), Seen);  // the second deck's King of spades
  synthetic({{rule::DeckCards, 52}});
  EXPECT_EQ(count(kBothParts).rows(), 4);
}

// The counter follows the table through stock presses and a move, and undo
// and redo bring back exactly what it showed before.
TEST_F(CardCounterTest, FollowsMovesUndoAndRedo) {
  synthetic({{rule::WasteShown, 1}, {rule::StockShown, 0}, {rule::StockFaceDown, 1}, {rule::DealsInAll, -1},
             {rule::StockDealCount, 1}, {rule::Foundations, 1}, {rule::TableauPiles, 1},
             {rule::DeckCards, 52}});
  lay(kStock, "001002003", Face::Down);
  lay(Tableau(1), "014", Face::Up);

  struct Step {
    const char* what;
    std::function<bool()> act;
    std::map<CardId, CounterMark> both;
    std::map<CardId, CounterMark> stockOnly;
  } steps[] = {
      {"the deal", [] { return true; }, {{1, Unseen}, {2, Unseen}, {3, Unseen}, {14, Seen}},
       {{3, Unseen}, {14, None}}},
      {"a press turns the Three up", [this] { return press(); },
       {{2, Unseen}, {3, Seen}}, {{3, Seen}}},
      {"a second press hides it under the Two", [this] { return press(); },
       {{2, Seen}, {3, Unseen}}, {{2, Seen}, {3, Unseen}}},
      {"the Two goes up from the waste", [this] { return ExecuteMove(game, 2, "Dest1"); },
       {{2, Seen}, {3, Seen}}, {{2, None}, {3, Seen}}},
  };
  std::vector<CounterGrid> shown;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    ASSERT_TRUE(step.act());
    for (const auto& [card, mark] : step.both) EXPECT_EQ(count(kBothParts).mark(card), mark) << "card " << card;
    for (const auto& [card, mark] : step.stockOnly) EXPECT_EQ(count(kStockOnly).mark(card), mark) << "card " << card;
    shown.push_back(count(kBothParts));
  }
  for (std::size_t step = shown.size() - 1; step > 0; --step) {
    ASSERT_TRUE(undo());
    EXPECT_EQ(count(kBothParts), shown[step - 1]) << "undone to step " << step - 1;
  }
  for (std::size_t step = 1; step < shown.size(); ++step) {
    ASSERT_TRUE(redo());
    EXPECT_EQ(count(kBothParts), shown[step]) << "redone to step " << step;
  }
}

TEST(CardCounterSettings, DefaultsOddValuesAndRoundTrip) {
  const CounterSettings defaults = ReadCounterSettings(IniDocument{});
  EXPECT_EQ(defaults.options, (CounterOptions{.tableauOnly = true, .stockOnly = false, .inverted = false}));
  EXPECT_EQ(defaults.left, CounterSettings::kKeepPlace);
  EXPECT_EQ(defaults.top, CounterSettings::kKeepPlace);
  EXPECT_FALSE(defaults.visible);

  const CounterSettings odd = ReadCounterSettings(IniDocument::Parse(
      "[Preference]\r\nCardCounter_Tableau=yes\r\nCardCounter_Inverse=1\r\nCardCounter_Left=abc\r\n"
      "CardCounter_Top=99999999999\r\nCardCounter_Visible=\r\n"));
  EXPECT_EQ(odd.options, defaults.options);
  EXPECT_EQ(odd.left, CounterSettings::kKeepPlace);
  EXPECT_EQ(odd.top, CounterSettings::kKeepPlace);
  EXPECT_FALSE(odd.visible);

  const CounterSettings chosen{.options = {.tableauOnly = false, .stockOnly = true, .inverted = true},
                               .left = -20, .top = 300, .visible = true};
  IniDocument file;
  WriteCounterSettings(file, chosen);
  EXPECT_EQ(file.readString("Preference", "CardCounter_Stock", ""), "Y");
  EXPECT_EQ(file.readString("Preference", "CardCounter_Tableau", ""), "N");
  const CounterSettings read = ReadCounterSettings(file);
  EXPECT_EQ(read.options, chosen.options);
  EXPECT_EQ(read.left, chosen.left);
  EXPECT_EQ(read.top, chosen.top);
  EXPECT_TRUE(read.visible);
}

}  // namespace
}  // namespace velmora
