// The removal games on a real table: selecting and deselecting, refusals,
// the discard with its refill, the pyramid's waste and stock cards, the grid
// closing its gaps, each undone and redone; and every card kept exactly once
// through long random games.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "catalogue/catalogue_startup.h"
#include "families/game_family.h"
#include "files/ini_document.h"
#include "game/rule_index.h"
#include "history/card_state.h"
#include "history/undo.h"
#include "play/player_actions.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "stock/stock_commands.h"
#include "table_cards.h"
#include "test_support.h"

namespace velmora {
namespace {

using namespace testing;
constexpr int J = 11;

class RemovalPlayTest : public ::testing::Test {
 protected:
  RemovalPlayTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    LoadPreferences(game, IniDocument(), StartupEnvironment{});
    game.store().write(store::UndoEnabled, "0");
  }

  void start(std::string_view name) {
    DealLaidOut(game, name);
    ui = RecordingUi();
  }

  // The named game with only the cards a case lays.
  void startEmpty(std::string_view name) {
    start(name);
    game.piles().clear();
  }

  void lay(PileRef pile, std::initializer_list<CardId> cards) {
    ASSERT_TRUE(game.piles().setPileString(pile, Ids(cards)));
    for (CardId card : cards)
      if (card != kNoCard) game.cards().setFace(card, Face::Up);
  }

  std::string pile(PileRef ref) const { return game.piles().pileString(ref); }
  std::string selection() const { return pile(kSelection); }
  PileSnapshot table() const { return TakeSnapshot(game.piles(), game.cards()); }
  int undoSteps() const { return game.history().undo().steps(); }
  void press(CardId card) { PressCard(game, card); }
  bool undo() { return TakeHistoryStep(game, HistorySide::Undo, true); }
  bool redo() { return TakeHistoryStep(game, HistorySide::Redo, true); }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
};

// A pyramid of two rows: the first row covered by the second.
class PyramidTest : public RemovalPlayTest {
 protected:
  void SetUp() override {
    startEmpty("Pyramid");
    game.rules()[rule::TableauPiles] = 2;
    lay(Tab(1), {H(5)});
    lay(Tab(2), {S(K), H(8)});
    lay(kWaste, {D(8)});
    lay(kStock, {C(8), C(5)});
  }
};

TEST_F(PyramidTest, AKingAloneIsDiscardedLeavingItsPlace) {
  press(S(K));
  EXPECT_EQ(pile(Tab(2)), Ids({kNoCard, H(8)}));
  EXPECT_EQ(pile(kThirdStockSlot), Ids({S(K)}));
  EXPECT_EQ(selection(), "");
  EXPECT_EQ(undoSteps(), 1);
}

TEST_F(PyramidTest, ASecondPressDeselects) {
  press(H(8));
  EXPECT_EQ(selection(), Ids({H(8)}));
  press(H(8));
  EXPECT_EQ(selection(), "");
  EXPECT_EQ(ui.beeps, 0);
  EXPECT_EQ(undoSteps(), 0);
}

TEST_F(PyramidTest, ARefusedCardBeepsAndKeepsTheSelection) {
  press(H(8));
  press(H(5));  // covered by the second row
  EXPECT_EQ(selection(), Ids({H(8)}));
  press(D(8));  // the waste's card: 16, still a valid pair
  press(S(K));  // a third card
  EXPECT_EQ(selection(), Ids({H(8), D(8)}));
  EXPECT_EQ(ui.beeps, 2);
  EXPECT_EQ(undoSteps(), 0);
}

TEST_F(PyramidTest, TheStockCardJoinsOnlyABegunSelection) {
  PressStock(game);
  ReleaseStock(game);
  EXPECT_EQ(selection(), "");
  EXPECT_EQ(pile(kWaste), Ids({D(8), C(5)}));  // with nothing selected the stock deals
  undo();
  press(H(8));
  PressStock(game);
  EXPECT_EQ(pile(kStock), Ids({C(8)}));
  EXPECT_EQ(pile(Tab(2)), Ids({S(K), kNoCard}));
  EXPECT_EQ(pile(kThirdStockSlot), Ids({H(8), C(5)}));
}

TEST_F(PyramidTest, ACardIsFreeOnlyOnceBothCoveringCardsAreGone) {
  press(S(K));
  press(H(8));
  press(H(5));  // still covered by the selected Eight
  EXPECT_EQ(selection(), Ids({H(8)}));
  EXPECT_EQ(ui.beeps, 1);
  PressStock(game);  // the Five of the stock
  press(H(5));
  PressStock(game);  // the Eight of the stock
  EXPECT_EQ(pile(Tab(1)), Ids({kNoCard}));
  EXPECT_EQ(pile(Tab(2)), Ids({kNoCard, kNoCard}));
  EXPECT_EQ(pile(kStock), "");
  EXPECT_EQ(pile(kThirdStockSlot), Ids({S(K), H(8), C(5), H(5), C(8)}));
}

TEST_F(PyramidTest, ActionsListTheGroupsThatComplete) {
  const auto group = [](std::vector<CardId> presses) { return FamilyAction{.presses = std::move(presses), .to = {}}; };
  // H(5) is covered: only the King goes alone.
  EXPECT_EQ(game.family().actions(game), std::vector{group({S(K)})});
  press(H(8));  // 8 meets no free 5: the Eight is pressed off before the King
  EXPECT_EQ(game.family().actions(game), std::vector{group({H(8), S(K)})});
}

// A discard, and what undo and redo make of it: the exact table each way,
// and the selection empty after undo.
TEST_F(RemovalPlayTest, DiscardWithRefillIsOneStepUndoneAndRedone) {
  startEmpty("Monte Carlo");
  game.rules()[rule::Family] = 17;
  game.rules()[rule::RemovalTargetSum] = 11;
  game.rules()[rule::TableauPiles] = 3;
  lay(Tab(1), {H(4)});
  lay(Tab(2), {S(7)});
  lay(Tab(3), {D(J)});
  lay(kStock, {C(2), C(3)});
  const PileSnapshot before = table();
  press(H(4));
  press(S(7));
  EXPECT_EQ(pile(Tab(1)), Ids({C(3)}));
  EXPECT_EQ(pile(Tab(2)), Ids({C(2)}));
  EXPECT_EQ(pile(kThirdStockSlot), Ids({H(4), S(7)}));
  const PileSnapshot after = table();
  EXPECT_EQ(undoSteps(), 1);
  ASSERT_TRUE(undo());
  EXPECT_EQ(table(), before);
  EXPECT_EQ(selection(), "");
  ASSERT_TRUE(redo());
  EXPECT_EQ(table(), after);
}

TEST_F(RemovalPlayTest, ElevensTakesJackQueenKingAndRefusesJackThenThree) {
  startEmpty("Monte Carlo");
  game.rules()[rule::Family] = 17;
  game.rules()[rule::RemovalTargetSum] = 11;
  game.rules()[rule::TableauPiles] = 4;
  lay(Tab(1), {H(J)});
  lay(Tab(2), {S(3)});
  lay(Tab(3), {D(Q)});
  lay(Tab(4), {C(K)});
  press(H(J));
  press(S(3));
  EXPECT_EQ(selection(), Ids({H(J)}));
  EXPECT_EQ(ui.beeps, 1);
  press(D(Q));
  press(C(K));
  EXPECT_EQ(pile(kThirdStockSlot), Ids({H(J), D(Q), C(K)}));
}

// The grid: pairs touch, the discard leaves gaps, the stock closes them.
class MonteCarloTest : public RemovalPlayTest {
 protected:
  void SetUp() override {
    startEmpty("Monte Carlo");
    lay(Tab(1), {H(7)});
    lay(Tab(2), {S(2)});
    lay(Tab(7), {S(7)});
    lay(Tab(25), {D(7)});
    lay(kStock, {C(9), C(A)});
  }
};

TEST_F(MonteCarloTest, DiagonalSevensGoAndLeaveGapsUntilTheStockIsPressed) {
  press(H(7));
  press(D(7));  // the opposite corner: valid, not complete
  EXPECT_EQ(selection(), Ids({H(7), D(7)}));
  press(D(7));
  press(S(7));
  EXPECT_EQ(pile(Tab(1)), "");
  EXPECT_EQ(pile(Tab(7)), "");
  EXPECT_EQ(pile(kStock), Ids({C(9), C(A)}));  // no refill
  EXPECT_EQ(pile(kThirdStockSlot), Ids({H(7), S(7)}));
}

TEST_F(MonteCarloTest, AStockPressClosesTheGapsAndDealsTheEnd) {
  press(H(7));
  press(S(7));
  const PileSnapshot before = table();
  ASSERT_EQ(game.family().stockPressMayChange(game), true);
  press(D(7));  // a selection the stock press clears
  PressStock(game);
  EXPECT_EQ(pile(Tab(1)), Ids({S(2)}));
  EXPECT_EQ(pile(Tab(2)), Ids({D(7)}));
  EXPECT_EQ(pile(Tab(3)), Ids({C(A)}));
  EXPECT_EQ(pile(Tab(4)), Ids({C(9)}));
  EXPECT_EQ(pile(Tab(5)), "");
  EXPECT_EQ(selection(), "");
  const PileSnapshot after = table();
  ASSERT_TRUE(undo());
  EXPECT_EQ(table(), before);
  EXPECT_EQ(selection(), "");
  ASSERT_TRUE(redo());
  EXPECT_EQ(table(), after);
}

struct GapCase {
  std::string name;
  std::vector<int> filled;  // the tableau piles holding a card (1-based)
  bool stockHoldsCards;
  bool closes;
};

class GridGapTest : public RemovalPlayTest, public ::testing::WithParamInterface<GapCase> {};

TEST_P(GridGapTest, ClosesWhenAGapCanBeFilled) {
  startEmpty("Monte Carlo");
  CardId next = 1;
  for (int i : GetParam().filled) lay(Tab(i), {next++});
  if (GetParam().stockHoldsCards) lay(kStock, {S(K)});
  EXPECT_EQ(game.family().stockPressMayChange(game), GetParam().closes);
  const PileSnapshot before = table();
  PressStock(game);
  EXPECT_EQ(table() != before, GetParam().closes);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, GridGapTest,
    ::testing::Values(GapCase{"FullGrid", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}, true, false},
                      GapCase{"GapBeforeACard", {1, 3}, false, true},
                      GapCase{"TrailingGapsStockEmpty", {1, 2}, false, false},
                      GapCase{"TrailingGapsStockHoldsCards", {1, 2}, true, true}),
    [](const ::testing::TestParamInfo<GapCase>& info) { return info.param.name; });

// Every card id lies exactly once outside foundation 1, and foundation 1
// holds only cards that lie on the table.
void ExpectEveryCardOnce(const TMainGame& game, const std::string& where) {
  std::vector<int> seen(kCardsPerDeck + 1, 0);
  std::vector<CardId> elsewhere;
  for (PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves})
    for (int i = 0; i < GroupSize(group); ++i) {
      if (PileRef{group, i} == kSelection) continue;
      for (CardId card : game.piles().pile({group, i}))
        if (card != kNoCard) {
          ++seen[static_cast<std::size_t>(card)];
          elsewhere.push_back(card);
        }
    }
  for (CardId card = 1; card <= kCardsPerDeck; ++card) ASSERT_EQ(seen[static_cast<std::size_t>(card)], 1) << where << " card " << card;
  for (CardId card : game.piles().pile(kSelection))
    ASSERT_NE(std::find(elsewhere.begin(), elsewhere.end(), card), elsewhere.end()) << where << " selected " << card;
}

class RemovalConservationTest : public RemovalPlayTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(RemovalConservationTest, KeepsEveryCardThroughRandomPlay) {
  constexpr int kGames = 20;
  constexpr int kSteps = 120;
  for (int seed = 0; seed < kGames; ++seed) {
    start(GetParam());
    std::mt19937 random(static_cast<unsigned>(seed));
    for (int step = 0; step < kSteps; ++step) {
      const std::vector<FamilyAction> actions = game.family().actions(game);
      switch (random() % 5) {
        case 0:
        case 1:
          if (!actions.empty()) PressCard(game, actions[random() % actions.size()].presses.front());
          break;
        case 2:
          PressStock(game);
          ReleaseStock(game);
          break;
        case 3: undo(); break;
        case 4: redo(); break;
      }
      ExpectEveryCardOnce(game, GetParam() + " seed " + std::to_string(seed) + " step " + std::to_string(step));
      if (HasFatalFailure()) return;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Games, RemovalConservationTest, ::testing::Values("Pyramid", "Monte Carlo"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           std::erase(name, ' ');
                           return name;
                         });

}  // namespace
}  // namespace velmora
