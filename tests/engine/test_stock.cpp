// The stock: turning cards to the waste, turning the waste over within the
// passes allowed, dealing to the tableau and the reserves, and undo of each.
#include <gtest/gtest.h>

#include <cstring>

#include "families/game_family.h"
#include "scoring/score.h"
#include "stock/stock_commands.h"
#include "test_stock_support.h"

namespace velmora {
namespace {

using testing::GameFixture;
using testing::RuleSettings;
using testing::Reserve;
using testing::Tableau;

class StockTest : public GameFixture {
 protected:
  // A click on the stock: the press, then the release.
  void click() {
    PressStock(game);
    ReleaseStock(game);
  }

  // A stock that turns cards to a waste, the waste turned over by rule 15.
  void wasteGame(int deals, int perPress, RuleSettings more = {}) {
    synthetic({{rule::WasteShown, 1}, {rule::StockShown, 1}, {rule::StockFaceDown, 1}, {rule::DealsInAll, deals},
               {rule::StockDealCount, perPress}});
    for (const auto& [index, value] : more) game.rules()[index] = static_cast<std::int16_t>(value);
  }
};

TEST_F(StockTest, CommandNames) {
  struct Case {
    const char* name;
    bool command;
  } cases[] = {
      {"Mazzo_Vis", true},       {"Mazzo_Waste", true},         {"Mazzo_Redeal", true},   {"Add_Tableaus", true},
      {"Add_Tableau_07", true},  {"Add_Tableaus_Last", true},   {"Fill_Tableaus", true},  {"Add_Reserves", true},
      {"Add_Reserve_3", true},   {"Add_Tableau_7", false},      {"Add_Tableau_00", false}, {"Add_Tableau_1x", false},
      {"Add_Reserve_12", false}, {"Add_Reserve_0", false},      {"Mazzo", false},         {"Fila3", false},
      {"mazzo_vis", false},      {"Add_Tableau_-1", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsStockCommand(c.name), c.command) << c.name;
  wasteGame(-1, 1);
  lay(kStock, "001002", Face::Down);
  EXPECT_FALSE(ExecuteStockCommand(game, "Fila1"));
  EXPECT_EQ(pile(kStock), "001002");
}

TEST_F(StockTest, APressTurnsRule22CardsOneAtATime) {
  struct Case {
    int perPress;
    const char* stock;
    const char* waste;
    const char* stockAfter;
    const char* wasteAfter;
  } cases[] = {
      {1, "001002003", "", "001002", "003"},
      {3, "001002003004", "010", "001", "010004003002"},
      {3, "001002", "", "", "002001"},  // two left, two turned
      {0, "001002", "", "001002", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stock);
    wasteGame(-1, c.perPress);
    lay(kStock, c.stock, Face::Down);
    lay(kWaste, c.waste);
    click();
    EXPECT_EQ(pile(kStock), c.stockAfter);
    EXPECT_EQ(pile(kWaste), c.wasteAfter);
    for (CardId card : game.piles().pile(kWaste)) EXPECT_TRUE(faceUp(card)) << card;
    EXPECT_EQ(game.history().undo().steps(), c.perPress > 0 ? 1 : 0);
  }
}

// Rule 15 counts the passes through the stock in all: a click on the used-up
// stock turns the waste over while passes remain.
TEST_F(StockTest, TheWasteIsTurnedOverWhilePassesRemain) {
  struct Case {
    int deals;
    int turnOvers;
  } cases[] = {{-1, 6}, {0, 0}, {1, 0}, {2, 1}, {3, 2}, {5, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.deals);
    wasteGame(c.deals, 1);
    lay(kStock, "002001", Face::Down);
    int turnOvers = 0;
    for (int round = 0; round < 6; ++round) {
      while (!pile(kStock).empty()) click();
      const int before = passes();
      click();
      if (passes() == before) {
        EXPECT_EQ(pile(kWaste), "001002") << "nothing happens without a pass left";
        break;
      }
      ++turnOvers;
      EXPECT_EQ(pile(kStock), "002") << "the waste's bottom card is the stock's top, and the next card turns at once";
      EXPECT_EQ(pile(kWaste), "001");
    }
    EXPECT_EQ(turnOvers, c.turnOvers);
  }
}

TEST_F(StockTest, TurningOverWaitsForTheRelease) {
  wasteGame(-1, 1);
  lay(kWaste, "001002003");
  PressStock(game);
  EXPECT_EQ(game.state().word(word::StockPressed), 1);
  EXPECT_EQ(pile(kWaste), "001002003") << "the press only marks the stock";
  EXPECT_TRUE(game.history().undo().empty());
  CancelStockPress(game);
  EXPECT_EQ(game.state().word(word::StockPressed), 0);
  ReleaseStock(game);
  EXPECT_EQ(pile(kWaste), "001002003") << "the pointer left the stock: nothing is dealt";
  PressStock(game);
  ReleaseStock(game);
  EXPECT_EQ(game.state().word(word::StockPressed), 0);
  EXPECT_EQ(pile(kStock), "003002");
  EXPECT_EQ(pile(kWaste), "001");
  EXPECT_EQ(game.history().undo().steps(), 1) << "turning over and the next card are one step";
}

TEST_F(StockTest, TurnedBackCardsLieAsRule7Says) {
  for (int faceDown : {0, 1}) {
    wasteGame(-1, 0, {{rule::StockFaceDown, faceDown}});
    lay(kWaste, "001002003");
    click();
    EXPECT_EQ(pile(kStock), "003002001");
    for (CardId card : {1, 2, 3}) EXPECT_EQ(faceUp(card), faceDown == 0) << card;
  }
}

TEST_F(StockTest, PressesThatDoNothing) {
  struct Case {
    const char* what;
    int needsEmptyWaste;
    const char* stock;
    const char* waste;
  } cases[] = {
      {"an empty stock with a waste of one card", 0, "", "001"},
      {"an empty stock and an empty waste", 0, "", ""},
      {"a waste that must be played first", 1, "001002", "003"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    wasteGame(-1, 1, {{rule::StockNeedsEmptyWaste, c.needsEmptyWaste}});
    lay(kStock, c.stock, Face::Down);
    lay(kWaste, c.waste);
    click();
    EXPECT_EQ(pile(kStock), c.stock);
    EXPECT_EQ(pile(kWaste), c.waste);
    EXPECT_EQ(passes(), 1);
    EXPECT_TRUE(game.history().undo().empty());
  }
}

TEST_F(StockTest, UndoOfATurnOverRestoresThePilesAndThePassCounter) {
  wasteGame(3, 1);
  lay(kWaste, "001002003");
  click();
  ASSERT_EQ(passes(), 2);
  ASSERT_EQ(pile(kStock), "003002");
  ASSERT_TRUE(undo());
  EXPECT_EQ(pile(kStock), "");
  EXPECT_EQ(pile(kWaste), "001002003");
  EXPECT_EQ(passes(), 1);
  for (CardId card : {1, 2, 3}) EXPECT_TRUE(faceUp(card));
  ASSERT_TRUE(redo());
  EXPECT_EQ(pile(kStock), "003002");
  EXPECT_EQ(passes(), 2);
}

TEST_F(StockTest, AStockPressDiscardsWhatWasUndone) {
  wasteGame(-1, 1);
  lay(kStock, "001002003", Face::Down);
  click();
  ASSERT_TRUE(undo());
  click();
  EXPECT_FALSE(redo()) << "the redo side is gone after a new press";
  EXPECT_EQ(game.state().word(word::FirstMove), 1);
}

// ---- Dealing onto the tableau and the reserves ----

class StockDealTest : public StockTest {
 protected:
  void dealingGame(RuleSettings values) {
    synthetic({{rule::StockShown, 1}, {rule::TableauPiles, 4}, {rule::Reserves, 2}, {rule::DealsInAll, 1}});
    for (const auto& [index, value] : values) game.rules()[index] = static_cast<std::int16_t>(value);
  }
  void tableauStyles(std::initializer_list<int> styles) {
    int i = 0;
    for (int style : styles) game.rules()[rule::TableauStockDeal + i++] = static_cast<std::int16_t>(style);
  }
  std::string tableau() const {
    std::string out;
    for (int i = 1; i <= 4; ++i) out += pile(Tableau(i)) + "|";
    return out;
  }
};

TEST_F(StockDealTest, APressDealsByThePilesDealStyles) {
  struct Case {
    const char* what;
    std::initializer_list<int> styles;
    const char* tableau;
    const char* tableauAfter;
    const char* faceDown;  // cards dealt face down
  } cases[] = {
      {"one card to every pile of style 1", {1, 1, 1, 1}, "010|011|012|013|", "010040|011039|012038|013037|", ""},
      {"piles of style 0 are passed over", {1, 0, 1, 0}, "010|011|012|013|", "010040|011|012039|013|", ""},
      {"style 7 only onto cards", {1, 7, 7, 1}, "010||012|013|", "010040||012039|013038|", ""},
      {"style 6 face down", {1, 6, 6, 1}, "010|011|012|013|", "010040|011039|012038|013037|", "039038"},
      {"style 2 with every pile holding cards", {2, 2, 2, 2}, "010|011|012|013|", "010040|011039|012038|013037|", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dealingGame({});
    tableauStyles(c.styles);
    lay(kStock, "030031032033034035036037038039040", Face::Down);
    const char* piles = c.tableau;
    for (int i = 1; i <= 4; ++i) {
      const char* end = std::strchr(piles, '|');
      lay(Tableau(i), std::string(piles, end));
      piles = end + 1;
    }
    click();
    EXPECT_EQ(tableau(), c.tableauAfter);
    for (std::string_view down = c.faceDown; !down.empty(); down.remove_prefix(3))
      EXPECT_FALSE(faceUp(std::stoi(std::string(down.substr(0, 3)))));
    EXPECT_EQ(game.history().undo().steps(), 1);
    ASSERT_TRUE(undo());
    EXPECT_EQ(size(kStock), 11) << "one step takes the whole deal back";
  }
}

TEST_F(StockDealTest, AGapInTheTableauRefusesTheDeal) {
  dealingGame({});
  tableauStyles({2, 2, 2, 2});
  lay(kStock, "030031032", Face::Down);
  lay(Tableau(1), "010");
  lay(Tableau(2), "011");
  lay(Tableau(4), "013");
  click();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Fill in any gaps in the tableau before dealing.");
  EXPECT_EQ(pile(kStock), "030031032");
  EXPECT_EQ(tableau(), "010|011||013|");
  EXPECT_TRUE(game.history().undo().empty()) << "a refused deal records nothing";
}

TEST_F(StockDealTest, ReserveDeals) {
  struct Case {
    const char* what;
    RuleSettings rules;
    const char* reserve1;
    const char* reserve2;
    int dealCount;
  } cases[] = {
      {"one card to each reserve", {{rule::ReserveStockDeal, 1}, {rule::ReserveStockDeal + 1, 1}}, "040", "039", 0},
      {"two rounds a press", {{rule::ReserveStockDeal, 3}, {rule::ReserveStockDeal + 1, 3}}, "040038", "039037", 0},
      {"three cards to reserve 1 on the first press", {{rule::ReserveStockDeal, 4}, {rule::ReserveStockDeal + 1, 4}},
       "040039038", "", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dealingGame(c.rules);
    lay(kStock, "030031032033034035036037038039040", Face::Down);
    click();
    EXPECT_EQ(pile(Reserve(1)), c.reserve1);
    EXPECT_EQ(pile(Reserve(2)), c.reserve2);
    EXPECT_EQ(game.state().counters[counter::DealCount], c.dealCount);
  }
}

TEST_F(StockDealTest, AlternateReservesFollowTheDealCountThroughUndo) {
  dealingGame({{rule::ReserveStockDeal, 4}, {rule::ReserveStockDeal + 1, 4}});
  lay(kStock, "030031032033034035036037038039040", Face::Down);
  click();
  click();
  EXPECT_EQ(pile(Reserve(1)), "040039038");
  EXPECT_EQ(pile(Reserve(2)), "037036035");
  ASSERT_TRUE(undo());
  EXPECT_EQ(game.state().counters[counter::DealCount], 1);
  click();
  EXPECT_EQ(pile(Reserve(2)), "037036035") << "the second press deals to reserve 2 again";
}

TEST_F(StockDealTest, FaceDownReservesOpenWhenTheStockRunsOut) {
  dealingGame({{rule::TableauPiles, 1}, {rule::TableauStockDeal, 1}, {rule::ReserveStockDeal, 5},
               {rule::ReserveStockDeal + 1, 5}, {rule::DealsInAll, 2}});
  lay(kStock, "030031032033034035", Face::Down);
  click();
  EXPECT_EQ(pile(Tableau(1)), "035");
  EXPECT_EQ(pile(Reserve(1)), "034");
  EXPECT_EQ(pile(Reserve(2)), "033");
  EXPECT_TRUE(faceUp(35));
  EXPECT_FALSE(faceUp(34));
  EXPECT_EQ(game.history().undo().steps(), 1) << "tableau and reserves are dealt in one step";
  click();
  EXPECT_EQ(pile(Reserve(2)), "033030");
  for (CardId card : {30, 31, 33, 34}) EXPECT_TRUE(faceUp(card)) << "the stock is used up: every reserve opens";
}

TEST_F(StockDealTest, DealCountStylesTagTheirStep) {
  struct Case {
    const char* what;
    int style;
    int piles;
    const char* pile9;
  } cases[] = {
      {"eight piles a press, the next eight the next press", 10, 16, "039"},
      {"every pile, the deal counted", 11, 16, "039023"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dealingGame({{rule::TableauPiles, c.piles}, {rule::TableauStockDeal, c.style}});
    for (int i = 0; i < c.piles; ++i) game.rules()[rule::TableauStockDeal + i] = static_cast<std::int16_t>(c.style);
    lay(kStock, "020021022023024025026027028029030031032033034035036037038039040041042043044045046047", Face::Down);
    click();
    click();
    EXPECT_EQ(game.state().counters[counter::DealCount], 2);
    EXPECT_EQ(pile(Tableau(9)), c.pile9);
    ASSERT_TRUE(undo());
    EXPECT_EQ(game.state().counters[counter::DealCount], 1);
    ASSERT_TRUE(redo());
    EXPECT_EQ(game.state().counters[counter::DealCount], 2);
  }
}

TEST_F(StockDealTest, FillTheEmptyPilesBelongsToTheStepThatEmptiedThem) {
  dealingGame({});
  lay(kStock, "030031032", Face::Down);
  lay(Tableau(2), "010");
  EXPECT_TRUE(ExecuteStockCommand(game, "Fill_Tableaus"));
  EXPECT_EQ(tableau(), "032|010|031|030|");
  EXPECT_TRUE(game.history().undo().empty());
  EXPECT_FALSE(ExecuteStockCommand(game, "Add_Tableau_02")) << "a pile of style 0 takes no card";
  game.rules()[rule::TableauStockDeal + 1] = 1;
  lay(kStock, "033", Face::Down);
  EXPECT_TRUE(ExecuteStockCommand(game, "Add_Tableau_02"));
  EXPECT_EQ(pile(Tableau(2)), "010033");
  EXPECT_FALSE(ExecuteStockCommand(game, "Add_Tableau_09")) << "a pile the game does not use";
}

// Takes the stock press or leaves it to the rules, and counts what it is told.
class StockFamily : public GameFamily {
 public:
  explicit StockFamily(bool takesPress) : takesPress_(takesPress) {}
  bool pressStock(TMainGame&) const override {
    ++presses;
    return takesPress_;
  }
  void dealtTo(TMainGame&, PileRef) const override { ++piles; }
  mutable int presses = 0;
  mutable int piles = 0;

 private:
  bool takesPress_;
};

TEST_F(StockDealTest, TheFamilyIsAskedFirstAndToldOfEveryPileDealtTo) {
  struct Case {
    bool takesPress;
    int stockLeft;
    int pilesDealtTo;
  } cases[] = {{true, 5, 0}, {false, 1, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.takesPress);
    dealingGame({});
    tableauStyles({1, 1, 1, 1});
    lay(kStock, "030031032033034", Face::Down);
    const StockFamily family(c.takesPress);
    game.useFamily(&family);
    click();
    game.useFamily(nullptr);
    EXPECT_EQ(family.presses, 1);
    EXPECT_EQ(size(kStock), c.stockLeft) << "a press the family took deals nothing of its own";
    EXPECT_EQ(family.piles, c.pilesDealtTo);
  }
}

TEST_F(StockDealTest, AHintOrDemoPlaybackTellsTheHintEngine) {
  dealingGame({});
  tableauStyles({1, 1, 1, 1});
  lay(kStock, "030031032", Face::Down);
  std::vector<std::string> told;
  game.stockSeams().hintDeal = [&](std::string_view command) { told.emplace_back(command); };
  for (int mode : {1, 2}) {
    game.state().setWord(word::PlayMode, mode);
    click();
  }
  EXPECT_EQ(pile(kStock), "030031032");
  EXPECT_EQ(told, (std::vector<std::string>{"Add_Tableaus", "Add_Tableaus"}));
}

// ---- Real games ----

TEST_F(StockTest, RealGames) {
  struct Case {
    const char* game;
    int clicks;
    int stock, waste, third;  // cards after the clicks
    int tableauCards;         // in every pile of the tableau
  } cases[] = {
      {"Klondike (draw one)", 24, 0, 24, 0, -1},
      {"Klondike (draw one)", 25, 23, 1, 0, -1},  // the waste turned over and a card turned at once
      {"Klondike (draw three)", 8, 0, 24, 0, -1},
      {"Klondike (draw three)", 9, 21, 3, 0, -1},
      {"Canfield", 12, 0, 34, 0, -1},
      {"Canfield", 13, 31, 3, 0, -1},
      {"Forty Thieves", 65, 0, 64, 0, -1},  // one pass only: the 65th click does nothing
      {"Golf", 17, 0, 0, 16, 5},          // the stock goes to the discard pile
      {"Sir Tommy", 3, 51, 1, 0, -1},     // the waste card must be played first
      {"Spider (one suit)", 2, 30, 0, 0, -1},
      {"Scorpion", 2, 0, 0, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.game) + " " + std::to_string(c.clicks));
    start(c.game);
    for (int n = 0; n < c.clicks; ++n) click();
    EXPECT_EQ(size(kStock), c.stock);
    EXPECT_EQ(size(kWaste), c.waste);
    EXPECT_EQ(size(kThirdStockSlot), c.third + (std::string(c.game) == "Golf" ? 1 : 0));
  }
}

TEST_F(StockTest, SpiderDealsARowOnlyWithoutGaps) {
  start("Spider (one suit)");
  const int before = size(Tableau(1));
  click();
  for (int i = 1; i <= 10; ++i) EXPECT_TRUE(faceUp(game.piles().pile(Tableau(i)).back()));
  EXPECT_EQ(size(Tableau(1)), before + 1);
  game.piles().pile(Tableau(5)).clear();
  click();
  EXPECT_EQ(size(kStock), 40);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Fill in any gaps in the tableau before dealing.");
}

TEST_F(StockTest, ScorpionDealsItsLastThreeCardsToTheFirstThreePiles) {
  start("Scorpion");
  ASSERT_EQ(size(kStock), 3);
  const std::string stock = pile(kStock);
  click();
  EXPECT_EQ(pile(Tableau(1)).substr(pile(Tableau(1)).size() - 3), stock.substr(6, 3));
  EXPECT_EQ(pile(Tableau(3)).substr(pile(Tableau(3)).size() - 3), stock.substr(0, 3));
  EXPECT_EQ(size(Tableau(4)), 7);
}

}  // namespace
}  // namespace velmora
