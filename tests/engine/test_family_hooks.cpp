// The families that change the engine at one point each: the stock press
// refused (51) or turned down (60), the family's own deal (56), a dealt card
// sent up (29), a completed run leaving (30), the tableau-to-foundation
// question, step tag and closing row of family 23, the discard piles of 12
// and 15, the accordion's row (19) and the sequence of 91 (44).
#include <gtest/gtest.h>

#include <string>

#include "families/game_family.h"
#include "history/step_log.h"
#include "moves/move_rules.h"
// The move rules' card places come before the layout's function of that name.
#include "layout/table_layout.h"
#include "play/execute_move.h"
#include "play/hit_test.h"
#include "play/player_actions.h"
#include "stock/stock_commands.h"
#include "test_stock_support.h"

namespace velmora {
namespace {

using testing::Foundation;
using testing::GameFixture;
using testing::Reserve;
using testing::RuleSettings;
using testing::Tableau;

constexpr char kFillTheTableauFirst[] = "You must fill any space on the tableau before dealing.";
constexpr char kFillTheSecondRow[] = "Fill all the vacancies in the 2nd row.";

constexpr int kAce = 1;
constexpr int kUp = 1;
constexpr int kInSuit = 0;
constexpr int kDealsOneCard = 1;

class FamilyHookTest : public GameFixture {
 protected:
  void game_of(int family, RuleSettings values) {
    synthetic(values);
    game.rules()[rule::Family] = static_cast<std::int16_t>(family);
  }

  void click() {
    PressStock(game);
    ReleaseStock(game);
  }

  // Every pile of the small tables here, and the pass counter.
  std::string table() const {
    std::string text = pile(kStock) + "|" + pile(kWaste) + "|" + pile(kThirdStockSlot) + "|";
    for (int i = 1; i <= 4; ++i) text += pile(Tableau(i)) + "|";
    for (int k = 1; k <= 2; ++k) text += pile(Foundation(k)) + "|";
    return text + std::to_string(passes());
  }

  // Foundations up in suit from the Ace, or from the rank given.
  void foundationsUpInSuit(int count, int baseRank = kAce) {
    game.rules()[rule::Foundations] = static_cast<std::int16_t>(count);
    game.rules()[rule::FoundationCapacity] = kRanks;
    for (int k = 0; k < count; ++k) {
      game.rules()[rule::FoundationBaseRank + k] = static_cast<std::int16_t>(baseRank);
      game.rules()[rule::FoundationDirection + k] = kUp;
      game.rules()[rule::FoundationBuilding + k] = kInSuit;
    }
  }
};

// A stock that deals one card to each of four tableau piles (family 51), or
// turns one card to the waste from a tableau of two rows of two (family 60).
TEST_F(FamilyHookTest, StockRefusalsShowTheirTextAndRecordNothing) {
  struct Case {
    const char* what;
    int family;
    const char* stock;
    const char* waste;
    const char* tableau[4];
    const char* refusal;    // nullptr: the press is left to the rules
    const char* stockAfter;  // when the rules had the press
  } cases[] = {
      {"51: an empty pile, cards in the stock", 51, "030031032033", "", {"001", "", "003", "004"}, kFillTheTableauFirst, ""},
      {"51: stock used up, waste to turn over", 51, "", "030", {"001", "", "003", "004"}, kFillTheTableauFirst, ""},
      {"51: stock and waste used up", 51, "", "", {"001", "", "003", "004"}, nullptr, ""},
      {"51: every pile holds cards", 51, "030031032033034", "", {"001", "002", "003", "004"}, nullptr, "030"},
      {"60: a vacancy in the second row", 60, "030031", "", {"001", "002", "003", ""}, kFillTheSecondRow, ""},
      {"60: a vacancy in the first row only", 60, "030031", "", {"", "002", "003", "004"}, nullptr, "030"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.family == 51) {
      game_of(51, {{rule::TableauPiles, 4}, {rule::StockShown, 1}, {rule::WasteShown, 0}, {rule::DealsInAll, 1}});
      for (int i = 0; i < 4; ++i) game.rules()[rule::TableauStockDeal + i] = kDealsOneCard;
    } else {
      game_of(60, {{rule::TableauPiles, 4}, {rule::TableauRows, 2}, {rule::StockShown, 1}, {rule::WasteShown, 1},
                   {rule::StockDealCount, 1}, {rule::DealsInAll, 1}});
    }
    lay(kStock, c.stock, Face::Down);
    lay(kWaste, c.waste);
    for (int i = 0; i < 4; ++i) lay(Tableau(i + 1), c.tableau[i]);
    const std::string before = table();
    ui.messages.clear();
    click();
    if (c.refusal != nullptr) {
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_EQ(ui.messages[0].text, c.refusal);
      EXPECT_EQ(table(), before);
      EXPECT_TRUE(game.history().undo().empty()) << "a refused press records no step";
      EXPECT_TRUE(game.history().undoLog().empty());
    } else {
      EXPECT_TRUE(ui.messages.empty());
      EXPECT_EQ(pile(kStock), c.stockAfter);
      EXPECT_EQ(game.history().undo().steps(), std::string(c.stock).empty() ? 0 : 1);
    }
  }
}

// Family 56: each press deals one card to every tableau pile and counts as a
// pass, until the passes of rule 15 are used up; then a press does nothing.
TEST_F(FamilyHookTest, OwnDealUntilThePassLimitThenNothing) {
  game_of(56, {{rule::TableauPiles, 3}, {rule::StockShown, 1}, {rule::DealsInAll, 3}});
  lay(kStock, "030031032033034035036037", Face::Down);
  lay(Tableau(1), "001");
  EXPECT_EQ(game.family().stockPressMayChange(game), std::optional<bool>(true));
  click();
  EXPECT_EQ(table(), "030031032033034|||001037|036|035||||2");
  EXPECT_EQ(game.history().undo().steps(), 1);
  click();
  EXPECT_EQ(table(), "030031|||001037034|036033|035032||||3");
  EXPECT_EQ(game.history().undo().steps(), 2);
  EXPECT_EQ(game.family().stockPressMayChange(game), std::optional<bool>(false)) << "rule 15 allows three passes";
  const std::string used = table();
  click();
  EXPECT_EQ(table(), used) << "the passes are used up";
  EXPECT_EQ(game.history().undo().steps(), 2);
}

TEST_F(FamilyHookTest, OwnDealIsUndoneAndRedoneToTheExactTable) {
  game_of(56, {{rule::TableauPiles, 3}, {rule::StockShown, 1}, {rule::DealsInAll, 3}});
  lay(kStock, "030031032033", Face::Down);
  lay(Tableau(2), "005");
  const std::string dealt = table();
  click();
  const std::string afterPress = table();
  ASSERT_NE(afterPress, dealt);
  ASSERT_TRUE(undo());
  EXPECT_EQ(table(), dealt) << "the pass counter is taken back with the cards";
  for (CardId card : game.piles().pile(kStock)) EXPECT_FALSE(faceUp(card)) << card;
  ASSERT_TRUE(redo());
  EXPECT_EQ(table(), afterPress);
}

// Family 29: every card dealt that a foundation takes goes up at once, in the
// same step; a card no foundation takes stays where it was dealt.
TEST_F(FamilyHookTest, DealtCardsAFoundationTakesGoUp) {
  struct Case {
    const char* what;
    const char* stock;  // the top card goes to pile 1, the next to pile 2, ...
    const char* secondPile;
    const char* foundations[2];
    const char* tableauAfter;
    const char* foundationsAfter[2];
  } cases[] = {
      {"an Ace and the Two after it", "020015014001", "", {"", ""}, "|||020|", {"001", "014015"}},
      {"a Three on a pile, its Two before it", "030003002", "005", {"001", ""}, "|005|030||", {"001002003", ""}},
      {"nothing fits", "030029028", "", {"", ""}, "028|029|030||", {"", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    game_of(29, {{rule::TableauPiles, 4}, {rule::StockShown, 1}});
    for (int i = 0; i < 4; ++i) game.rules()[rule::TableauStockDeal + i] = kDealsOneCard;
    foundationsUpInSuit(2);
    lay(kStock, c.stock, Face::Down);
    lay(Tableau(2), c.secondPile);
    for (int k = 0; k < 2; ++k) lay(Foundation(k + 1), c.foundations[k]);
    click();
    std::string tableau;
    for (int i = 1; i <= 4; ++i) tableau += pile(Tableau(i)) + "|";
    EXPECT_EQ(tableau, c.tableauAfter);
    EXPECT_EQ(pile(Foundation(1)), c.foundationsAfter[0]);
    EXPECT_EQ(pile(Foundation(2)), c.foundationsAfter[1]);
    EXPECT_EQ(game.history().undo().steps(), 1) << "the cards go up in the deal's step";
  }
}

// Family 30: a Jack or a King that completes a foundation's run sends the
// run to the discard pile; any other card, or a run not complete, stays.
TEST_F(FamilyHookTest, AJackOrKingCompletingARunSendsItAway) {
  const std::string aceToQueen = "001002003004005006007008009010011012";
  const std::string queenToTen = "012013001002003004005006007008009010";
  struct Case {
    const char* what;
    std::string foundation;
    CardId moved;
    bool leaves;
  } cases[] = {
      {"a King completes Ace to King", aceToQueen, 13, true},
      {"a Jack completes Queen to Jack", queenToTen, 11, true},
      {"a King on a run not complete", "001002003", 13, false},
      {"a Queen completes a run", "013001002003004005006007008009010011", 12, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    game_of(30, {{rule::TableauPiles, 1}, {rule::Foundations, 1}});
    lay(Foundation(1), c.foundation);
    lay(Tableau(1), "040" + std::string(c.moved < 10 ? "00" : "0") + std::to_string(c.moved));
    ASSERT_TRUE(ExecuteMove(game, c.moved, "Dest1"));
    EXPECT_EQ(pile(Foundation(1)).empty(), c.leaves);
    EXPECT_EQ(size(kThirdStockSlot), c.leaves ? kRanks : 0);
    EXPECT_EQ(pile(Tableau(1)), "040");
    ASSERT_TRUE(undo());
    EXPECT_EQ(pile(Foundation(1)), c.foundation) << "the run leaves in the move's step";
  }
}

// Family 23: only a Seven goes from the tableau to a foundation (cards from
// elsewhere as the rules say); a move onto a tableau pile tags its step 001;
// after every move the first row closes over its gaps.
TEST_F(FamilyHookTest, SevensUpFromTheTableauTaggedStepsAndTheClosingRow) {
  struct Case {
    const char* what;
    PileRef from;
    CardId card;
    const char* foundation;
    bool accepted;
  } cases[] = {
      {"a Seven from the tableau", Tableau(2), 7, "", true},
      {"an Eight from the tableau", Tableau(2), 8, "007", false},
      {"an Eight from a reserve", Reserve(1), 8, "007", true},
      {"a Seven out of sequence", Tableau(2), 20, "007", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    game_of(23, {{rule::TableauPiles, 2}, {rule::Reserves, 1}});
    foundationsUpInSuit(1, 7);
    lay(Foundation(1), c.foundation);
    lay(c.from, std::string(c.card < 10 ? "00" : "0") + std::to_string(c.card));
    const MoveRules rules(game.rules(), game.piles(), game.cards());
    EXPECT_EQ(rules.canPlace(c.card, Foundation(1)), c.accepted);
  }

  game_of(23, {{rule::TableauPiles, 3}, {rule::Foundations, 1}});
  ASSERT_TRUE(game.piles().setPileString(Tableau(1), "001000002000003"));
  lay(Tableau(2), "020");
  lay(Tableau(3), "030");
  ASSERT_TRUE(ExecuteMove(game, 20, "Fila3"));
  EXPECT_TRUE(game.history().undoLog().lastHasCode(step_tag::FamilyTableauMove));
  EXPECT_EQ(pile(Tableau(1)), "001002003") << "the first row closes up";
  ASSERT_TRUE(ExecuteMove(game, 20, "Dest1"));
  EXPECT_FALSE(game.history().undoLog().lastHasCode(step_tag::FamilyTableauMove)) << "only a tableau move is tagged";
}

// The discard pile of 12 and 15 takes a card one rank from its top card,
// whatever the suit, round the corner between King and Ace; family 2's does
// not turn the corner.
TEST_F(FamilyHookTest, DiscardPileTakesRankNeighboursRoundTheCorner) {
  constexpr CardId kAceOfHearts = 1, kTwoOfClubs = 28, kKingOfSpades = 52, kQueenOfHearts = 12, kAceOfSpades = 40;
  constexpr CardId kJackOfDiamonds = 24, kKingOfHearts = 13, kJoker = kFirstJoker;
  struct Case {
    CardId top;
    CardId card;
    bool takenRoundTheCorner;  // families 12 and 15
    bool takenByFamily2;
  } cases[] = {
      {kAceOfHearts, kTwoOfClubs, true, true},       {kAceOfHearts, kKingOfSpades, true, false},
      {kKingOfHearts, kAceOfSpades, true, false},    {kKingOfHearts, kQueenOfHearts, true, true},
      {kKingOfHearts, kJackOfDiamonds, false, false}, {kAceOfHearts, kAceOfSpades, false, false},
      {kQueenOfHearts, kJoker, false, false},         {kNoCard, kAceOfSpades, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.top << " then " << c.card);
    for (int family : {12, 15, 2}) {
      game_of(family, {{rule::TableauPiles, 1}});
      if (c.top != kNoCard) game.piles().addCard(kThirdStockSlot, c.top, Face::Up, game.cards());
      EXPECT_EQ(game.family().discardTakes(game, c.card), family == 2 ? c.takenByFamily2 : c.takenRoundTheCorner)
          << "family " << family;
    }
  }
}

class AccordionTest : public FamilyHookTest {
 protected:
  void SetUp() override {
    start("Accordion");
    const LayoutArea area{.cardWidth = 71, .cardHeight = 96, .top = 5, .bottom = 799, .windowHeight = 800,
                          .width = 1280, .screenWidth = 1280, .screenHeight = 800};
    game.layout() = LayOutTable(game.rules(), 'B', area);
  }

  // Cards of the row by their places, bottom first.
  void row(const std::string& cards) {
    lay(Tableau(1), cards);
    lay(kThirdStockSlot, "");
  }
  TableRect place(int index) const { return CardRect(game, Tableau(1), index); }
};

// A card covers the card right before it or three before it of the same
// rank or suit; the covered card goes to the discard pile and the row
// closes up. Two places before, or a card of neither rank nor suit, refuse.
TEST_F(AccordionTest, DropsOntoTheCardBeforeOrThreeBefore) {
  struct Case {
    const char* what;
    const char* row;
    CardId card;
    std::optional<int> over;  // the place the card is let go over; none: the whole row, as the command line
    const char* rowAfter;     // nullptr: refused
    const char* discarded;
  } cases[] = {
      {"same rank right before", "001014002", 14, std::nullopt, "014002", "001"},
      {"same suit right before", "003005", 5, std::nullopt, "005", "003"},
      {"same suit three before", "001020030005", 5, std::nullopt, "005020030", "001"},
      {"same rank three before", "001020030040", 40, std::nullopt, "040020030", "001"},
      {"neither rank nor suit", "001014028", 28, std::nullopt, nullptr, ""},
      {"only two before", "001020005", 5, std::nullopt, nullptr, ""},
      {"the first card has nothing before it", "001014", 1, std::nullopt, nullptr, ""},
      {"both take it: the nearer on a tie", "002020004003", 3, std::nullopt, "002020003", "004"},
      {"both take it: let go over three before", "002020004003", 3, 0, "003020004", "002"},
      {"let go over a card that does not take it", "002020004003", 3, 1, nullptr, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    row(c.row);
    const TableRect carried = c.over ? place(*c.over) : *PileRect(game, Tableau(1));
    const int steps = game.history().undo().steps();
    const bool moved = DropOn(game, c.card, carried, Tableau(1), {.target = Tableau(1), .animate = false});
    EXPECT_EQ(moved, c.rowAfter != nullptr);
    EXPECT_EQ(pile(Tableau(1)), c.rowAfter != nullptr ? c.rowAfter : c.row);
    EXPECT_EQ(pile(kThirdStockSlot), c.discarded);
    EXPECT_EQ(game.history().undo().steps(), steps + (moved ? 1 : 0));
  }
}

TEST_F(AccordionTest, ADropIsUndoneAndRedoneToTheExactTable) {
  row("001020030005006");
  const std::string before = table();
  ASSERT_TRUE(DropOn(game, 5, *PileRect(game, Tableau(1)), Tableau(1), {.target = Tableau(1), .animate = false}));
  const std::string after = table();
  EXPECT_EQ(pile(Tableau(1)), "005020030006");
  ASSERT_TRUE(undo());
  EXPECT_EQ(table(), before);
  ASSERT_TRUE(redo());
  EXPECT_EQ(table(), after);
}

// The hints, the demonstration and the command line see every card that
// may cover another; the game is won once the stock is used up and one card
// is left.
TEST_F(AccordionTest, MovesOnOfferAndTheLastCardWins) {
  lay(kStock, "");
  row("001014028002");
  std::vector<CardId> offered;
  for (const FamilyAction& action : game.family().actions(game)) {
    ASSERT_EQ(action.presses.size(), 1u);
    EXPECT_EQ(action.to, Tableau(1));
    offered.push_back(action.presses[0]);
  }
  EXPECT_EQ(offered, (std::vector<CardId>{14, 2})) << "014 on its rank, 002 on the Ace three before";
  row("001002");
  ASSERT_TRUE(DropOn(game, 2, *PileRect(game, Tableau(1)), Tableau(1), {.target = Tableau(1), .animate = false}));
  EXPECT_TRUE(game.state().on(flag::GameWon));
  EXPECT_TRUE(game.family().actions(game).empty());
}

// Family 44: the top cards, from the first pile up to the first empty one,
// add up to 91.
TEST_F(FamilyHookTest, NinetyOneCountsTheTopCardsUpToTheFirstEmptyPile) {
  struct Case {
    const char* what;
    std::vector<std::string> piles;
    bool complete;
  } cases[] = {
      {"Ace to King", {"001", "002", "003", "004", "005", "006", "007", "008", "009", "010", "011", "012", "013"}, true},
      {"only the top cards count", {"050001", "002", "003", "004", "005", "006", "007", "008", "009", "010", "011", "012",
                                    "013"}, true},
      {"91 before an empty pile", {"013", "026", "039", "052", "012", "025", "038", "003", "", "009", "010", "011", "004"},
       true},
      {"an empty pile ends the sequence", {"001", "002", "003", "", "005", "006", "007", "008", "009", "010", "011",
                                           "012", "013", "004"}, false},
      {"one short", {"001", "014", "003", "004", "005", "006", "007", "008", "009", "010", "011", "012", "013"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    game_of(44, {{rule::TableauPiles, 14}});
    for (std::size_t i = 0; i < c.piles.size(); ++i) lay(Tableau(static_cast<int>(i) + 1), c.piles[i]);
    EXPECT_EQ(game.family().sequenceComplete(game), c.complete);
  }
}

}  // namespace
}  // namespace velmora
