// The memory games that find pairs: a press turns a face-down card; the
// second card face up makes a pair that leaves for the discard pile, or a
// miss that turns both back; the game ends once nothing lies face down.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_startup.h"
#include "families/game_family.h"
#include "families/memory_games.h"
#include "files/ini_document.h"
#include "game/rule_index.h"
#include "history/card_state.h"
#include "history/undo.h"
#include "play/hit_test.h"
#include "play/player_actions.h"
#include "scoring/score.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "table_cards.h"
#include "test_support.h"

namespace velmora {
namespace {

using namespace testing;  // the card and pile notation of the play tests

constexpr int kPairs = 39, kTwins = 37;
constexpr CardId Gap = kNoCard;
constexpr CardId kSecondDeck = 52;  // a card's copy in the second deck

class MemoryGameTest : public ::testing::Test {
 protected:
  MemoryGameTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    LoadPreferences(game, IniDocument(), StartupEnvironment{});
    game.store().write(store::UndoEnabled, "0");
    DealLaidOut(game, "Concentration");
    game.playSeams().endGame = [this] { ++ended; };
  }

  // The game's only tableau pile holds these cards face down; nothing else
  // lies on the table.
  void lay(int family, std::vector<CardId> cards) {
    game.rules()[rule::Family] = static_cast<std::int16_t>(family);
    game.piles().clear();
    game.piles().pile(Tab(1)) = cards;
    for (CardId card : cards)
      if (card != Gap) game.cards().setFace(card, Face::Down);
    game.state().setWord(word::MemoryMisses, 0);
    game.history().clear();
  }

  std::string tableau() const { return game.piles().pileString(Tab(1)); }
  std::string discard() const { return game.piles().pileString(kThirdStockSlot); }
  int misses() const { return game.state().word(word::MemoryMisses); }
  int faceUp() const {
    int up = 0;
    for (CardId card : game.piles().pile(Tab(1))) up += card != Gap && game.cards().isFaceUp(card);
    return up;
  }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
  int ended = 0;
};

TEST_F(MemoryGameTest, TwoCardsTurnedUpArePairedOrMissed) {
  const CardId twinQueen = H(Q) + kSecondDeck;
  struct Case {
    const char* name;
    int family;
    std::vector<CardId> cards;
    std::vector<CardId> presses;
    std::string tableau;  // afterwards
    std::string discard;
    int misses;
    int faceUp;
  } cases[] = {
      {"equal ranks pair", kPairs, {H(5), S(9), D(5), C(2)}, {H(5), D(5)}, Ids({Gap, S(9), Gap, C(2)}),
       Ids({H(5), D(5)}), 0, 0},
      {"unequal ranks miss", kPairs, {H(5), S(9), D(6), C(2)}, {H(5), D(6)}, Ids({H(5), S(9), D(6), C(2)}), "", 1, 0},
      {"one card stays up", kPairs, {H(5), S(9), D(6), C(2)}, {S(9)}, Ids({H(5), S(9), D(6), C(2)}), "", 0, 1},
      {"a face-up card does not react", kPairs, {H(5), S(9), D(6), C(2)}, {S(9), S(9)}, Ids({H(5), S(9), D(6), C(2)}),
       "", 0, 1},
      {"a miss, then a pair", kPairs, {H(5), S(9), D(6), C(9)}, {H(5), S(9), S(9), C(9)}, Ids({H(5), Gap, D(6), Gap}),
       Ids({S(9), C(9)}), 1, 0},
      {"the copies of one card pair", kTwins, {H(Q), S(Q), twinQueen, C(2)}, {H(Q), twinQueen},
       Ids({Gap, S(Q), Gap, C(2)}), Ids({H(Q), twinQueen}), 0, 0},
      {"equal ranks of two suits miss", kTwins, {H(Q), S(Q), twinQueen, C(2)}, {H(Q), S(Q)},
       Ids({H(Q), S(Q), twinQueen, C(2)}), "", 1, 0},
  };
  for (const Case& c : cases) {
    lay(c.family, c.cards);
    for (CardId card : c.presses) {
      const auto point = PointOnCard(game, card);
      ASSERT_TRUE(point.has_value()) << c.name;
      PressAt(game, MouseButton::Left, false, false, point->x, point->y);
      ReleaseAt(game);
      EXPECT_FALSE(game.carry().active()) << c.name << ": a memory card is never carried";
    }
    EXPECT_EQ(tableau(), c.tableau) << c.name;
    EXPECT_EQ(discard(), c.discard) << c.name;
    EXPECT_EQ(misses(), c.misses) << c.name;
    EXPECT_EQ(faceUp(), c.faceUp) << c.name;
    EXPECT_EQ(ended, 0) << c.name;
  }
}

TEST_F(MemoryGameTest, EachTurnIsOneUndoStepAndThePairGoesWithIt) {
  lay(kPairs, {H(5), S(9), D(5), C(9)});
  const PileSnapshot dealt = TakeSnapshot(game.piles(), game.cards());
  ASSERT_TRUE(TurnMemoryCard(game, H(5)));
  const PileSnapshot oneUp = TakeSnapshot(game.piles(), game.cards());
  ASSERT_TRUE(TurnMemoryCard(game, D(5)));
  const PileSnapshot paired = TakeSnapshot(game.piles(), game.cards());
  EXPECT_EQ(game.history().undo().steps(), 2);
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo, true));
  EXPECT_EQ(TakeSnapshot(game.piles(), game.cards()), oneUp);
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo, true));
  EXPECT_EQ(TakeSnapshot(game.piles(), game.cards()), dealt);
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Redo, true));
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Redo, true));
  EXPECT_EQ(TakeSnapshot(game.piles(), game.cards()), paired);
}

TEST_F(MemoryGameTest, TheGameEndsOnceNothingLiesFaceDownAndIsWonByTheScore) {
  struct Case {
    const char* name;
    std::int16_t scoreToWin;
    std::vector<CardId> presses;
    bool won;
  } cases[] = {
      // Two pairs and no miss score 14 - 52.
      {"score reached", -38, {H(5), D(5), S(9), C(9)}, true},
      {"score short by one miss", -38, {H(5), S(9), H(5), D(5), S(9), C(9)}, false},
  };
  for (const Case& c : cases) {
    lay(kPairs, {H(5), S(9), D(5), C(9)});
    game.rules()[rule::ScoreToWin] = c.scoreToWin;
    ended = 0;
    for (std::size_t i = 0; i < c.presses.size(); ++i) {
      EXPECT_EQ(ended, 0) << c.name << ": ended before press " << i;
      ASSERT_TRUE(TurnMemoryCard(game, c.presses[i])) << c.name << " press " << i;
    }
    EXPECT_EQ(ended, 1) << c.name;
    EXPECT_EQ(game.state().on(flag::GameWon), c.won) << c.name << ", score " << RecomputeScore(game);
  }
}

TEST_F(MemoryGameTest, TheActionsTurnTheFaceUpCardsPartnerFirst) {
  lay(kPairs, {H(5), S(9), D(6), C(5), D(5)});
  EXPECT_EQ(game.family().actions(game).size(), 5u);
  ASSERT_TRUE(TurnMemoryCard(game, D(5)));
  const std::vector<FamilyAction> actions = game.family().actions(game);
  ASSERT_EQ(actions.size(), 4u);
  EXPECT_EQ(actions[0].presses, std::vector<CardId>{H(5)});
  EXPECT_EQ(actions[1].presses, std::vector<CardId>{C(5)});
  EXPECT_FALSE(actions[0].to.has_value());
}

}  // namespace
}  // namespace velmora
