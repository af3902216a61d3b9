// The memory games that find pairs: a press turns a face-down card; the
// second card face up makes a pair that leaves for the discard pile, or a
// miss that turns both back; the game ends once nothing lies face down.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_startup.h"
#include "families/game_family.h"
#include "families/family_clock.h"
#include "families/memory_games.h"
#include "families/memory_result.h"
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

constexpr int kPairs = 39, kTwins = 37, kAceToKing = 36, kForgetMeNot = 38;
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

  // Forget me not: these cards face up on the foundations from 1 on, and
  // `piles` tableau piles, the first ten empty, the others holding `others`.
  void showForgetMeNot(const std::vector<CardId>& shown, int piles, const std::vector<CardId>& others = {}) {
    lay(kForgetMeNot, {});
    game.rules()[rule::TableauPiles] = static_cast<std::int16_t>(piles);
    for (std::size_t i = 0; i < shown.size(); ++i) {
      game.piles().pile(Found(static_cast<int>(i) + 1)) = {shown[i]};
      game.cards().setFace(shown[i], Face::Up);
    }
    for (std::size_t i = 0; i < others.size(); ++i) game.piles().pile(Tab(11 + static_cast<int>(i))) = {others[i]};
    game.state().set(flag::GameInProgress, true);
  }

  // Forget me not: the clock ticks this many seconds.
  void tick(int seconds) {
    for (int second = 1; second <= seconds; ++second) FamilyClockTick(game, second * 1000);
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

TEST_F(MemoryGameTest, AceToKingTurnsTheCardsUpInRankOrder) {
  std::vector<CardId> hearts;
  for (int rank = A; rank <= K; ++rank) hearts.push_back(H(rank));
  std::vector<CardId> wholeSuitThenAce = hearts;
  wholeSuitThenAce.push_back(S(A));
  std::vector<CardId> withATwoLeft = wholeSuitThenAce;
  withATwoLeft.push_back(S(2));
  struct Case {
    const char* name;
    std::vector<CardId> cards;
    std::vector<CardId> presses;
    int run;  // the cards face up afterwards
    int misses;
  } cases[] = {
      {"an Ace starts the run", {H(A), S(3), D(2), C(A)}, {H(A)}, 1, 0},
      {"a Two of another suit follows", {H(A), S(3), D(2), C(A)}, {H(A), D(2)}, 2, 0},
      {"a Three after an Ace is a miss that empties the run", {H(A), S(3), D(2), C(A)}, {H(A), S(3)}, 0, 1},
      {"a first card that is not an Ace is a miss", {H(A), S(3), D(2), C(A)}, {D(2)}, 0, 1},
      {"after a miss the run starts again", {H(A), S(3), D(2), C(A)}, {H(A), S(3), C(A)}, 1, 1},
      {"a second Ace is a miss", {H(A), S(3), D(2), C(A)}, {H(A), C(A)}, 0, 1},
      {"an Ace follows a King", withATwoLeft, wholeSuitThenAce, 14, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    lay(kAceToKing, c.cards);
    ended = 0;
    for (CardId card : c.presses) {
      const auto point = PointOnCard(game, card);
      ASSERT_TRUE(point.has_value());
      PressAt(game, MouseButton::Left, false, false, point->x, point->y);
      ReleaseAt(game);
    }
    EXPECT_EQ(faceUp(), c.run);
    EXPECT_EQ(RunLength(game), c.run);
    EXPECT_EQ(misses(), c.misses);
    EXPECT_EQ(game.history().undo().steps(), static_cast<int>(c.presses.size())) << "every turn is a step";
    EXPECT_EQ(ended, 0);
  }
}

TEST_F(MemoryGameTest, AceToKingEndsWhenTheLastCardIsUpAndTheActionsGoOnWithTheRun) {
  lay(kAceToKing, {D(2), H(3), S(A)});
  game.rules()[rule::ScoreToWin] = -8;  // three cards of the run and one miss: 45 - 52 - 1
  ASSERT_TRUE(TurnInRankOrder(game, D(2)));  // a miss: not an Ace
  const std::vector<FamilyAction> actions = game.family().actions(game);
  ASSERT_EQ(actions.size(), 3u);
  EXPECT_EQ(actions[0].presses, std::vector<CardId>{S(A)});
  ASSERT_TRUE(TurnInRankOrder(game, S(A)));
  EXPECT_EQ(game.family().actions(game).front().presses.front(), D(2));
  ASSERT_TRUE(TurnInRankOrder(game, D(2)));
  EXPECT_FALSE(TurnInRankOrder(game, S(A))) << "a face-up card does not react";
  EXPECT_EQ(ended, 0);
  ASSERT_TRUE(TurnInRankOrder(game, H(3)));
  EXPECT_EQ(ended, 1);
  EXPECT_TRUE(game.state().on(flag::GameWon));
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo, true));
  EXPECT_EQ(RunLength(game), 2) << "undo takes the card back out of the run";
}

// Every family's page and score after a few presses: the page adds up to
// the score the game keeps.
TEST_F(MemoryGameTest, TheResultPageShowsHowTheScoreWasMade) {
  const CardId twinQueen = H(Q) + kSecondDeck;
  struct Case {
    const char* name;
    int family;
    int tableauPiles;
    std::vector<CardId> cards;
    std::vector<CardId> presses;
    GameUi::MemoryResult page;
  } cases[] = {
      {"Concentration: a pair and a miss", kPairs, 1, {H(5), S(9), D(5), C(2)}, {H(5), S(9), H(5), D(5)},
       {.page = "Concentration", .heading = "Cards: 52", .counts = {{"Matches", 1, 7, 7}, {"Misses", 1, -1, -1}},
        .start = -52, .total = -46, .scoreToWin = 50}},
      {"Pairs on a 4 x 3 grid: the copies pair", kTwins, 3, {H(Q), S(Q), twinQueen, C(2)},
       {H(Q), S(Q), H(Q), twinQueen},
       {.page = "Pairs", .heading = "Grid: 4 x 3", .counts = {{"Matches", 1, 10, 10}, {"Misses", 1, -2, -2}},
        .start = -52, .total = -44, .scoreToWin = 50}},
      {"Pairs on 5 piles", kTwins, 5, {H(Q), twinQueen}, {H(Q), twinQueen},
       {.page = "Pairs", .heading = "Grid: 8 x 5", .counts = {{"Matches", 1, 10, 10}, {"Misses", 0, -2, 0}},
        .start = -52, .total = -42, .scoreToWin = 50}},
      {"Pairs on 2 piles has no grid caption", kTwins, 2, {H(Q), twinQueen}, {},
       {.page = "Pairs", .counts = {{"Matches", 0, 10, 0}, {"Misses", 0, -2, 0}}, .start = -52, .total = -52,
        .scoreToWin = 50}},
      {"Ace-To-King: a miss, then a run of two", kAceToKing, 1, {H(A), S(3), D(2), C(A)}, {S(3), H(A), D(2)},
       {.page = "Ace-To-King", .counts = {{"Matches", 2, 15, 30}, {"Misses", 1, -1, -1}}, .start = -52, .total = -23,
        .scoreToWin = 50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    lay(c.family, c.cards);
    game.rules()[rule::TableauPiles] = static_cast<std::int16_t>(c.tableauPiles);
    for (CardId card : c.presses)
      ASSERT_TRUE(c.family == kAceToKing ? TurnInRankOrder(game, card) : TurnMemoryCard(game, card));
    EXPECT_EQ(MemoryResultOf(game, false), c.page);
    EXPECT_EQ(RecomputeScore(game), c.page.total);
    EXPECT_TRUE(MemoryResultOf(game, true).won);
  }
}

TEST_F(MemoryGameTest, ForgetMeNotCountsTheTwinsOnTheirPlacesOnceAllTenAreFilled) {
  std::vector<CardId> shown;
  for (int rank = A; rank <= 10; ++rank) shown.push_back(S(rank));
  showForgetMeNot(shown, 20);
  for (int i = 0; i < 10; ++i) game.cards().setFace(shown[static_cast<std::size_t>(i)], Face::Down);
  // Twins on the first nine places, the tenth empty: nothing counts yet.
  for (int i = 0; i < 9; ++i)
    game.piles().pile(Tab(i + 1)) = {static_cast<CardId>(shown[static_cast<std::size_t>(i)] + kSecondDeck)};
  EXPECT_EQ(RememberedMatches(game), 0);
  // The tenth place takes a card that is not its twin: nine matches.
  game.piles().pile(Tab(10)) = {H(5)};
  const GameUi::MemoryResult page = MemoryResultOf(game, false);
  EXPECT_EQ(page, (GameUi::MemoryResult{.page = "Forget me not",
                                        .heading = "Cards: 10",
                                        .counts = {{"Matches", 9, 10, 90}, {"Misses", 1, 0, 0}},
                                        .start = -52,
                                        .total = 38,
                                        .scoreToWin = 50}));
  EXPECT_EQ(RecomputeScore(game), 38);
}

TEST_F(MemoryGameTest, ForgetMeNotTurnsTheCardsDownAfterTenSecondsAndDealsTheirTwins) {
  std::vector<CardId> shown;
  for (int rank = A; rank <= 10; ++rank) shown.push_back(D(rank));
  showForgetMeNot(shown, 20);
  tick(9);
  EXPECT_TRUE(game.cards().isFaceUp(shown.front())) << "nine seconds are not enough";
  EXPECT_EQ(game.history().undo().steps(), 0);
  const PileSnapshot dealt = TakeSnapshot(game.piles(), game.cards());
  tick(1);
  EXPECT_EQ(game.history().undo().steps(), 1);
  std::vector<CardId> twins;
  for (int i = 11; i <= 20; ++i) {
    const Pile& pile = game.piles().pile(Tab(i));
    ASSERT_EQ(pile.size(), 1u) << "pile " << i;
    EXPECT_TRUE(game.cards().isFaceUp(pile.front()));
    twins.push_back(pile.front());
  }
  std::ranges::sort(twins);
  std::vector<CardId> expected;
  for (CardId card : shown) {
    EXPECT_FALSE(game.cards().isFaceUp(card));
    expected.push_back(card + kSecondDeck);
  }
  EXPECT_EQ(twins, expected);
  // The demonstration moves every twin to the place of its foundation.
  const std::vector<FamilyAction> actions = game.family().actions(game);
  ASSERT_EQ(actions.size(), 10u);
  EXPECT_EQ(actions.front(), (FamilyAction{.presses = {D(A) + kSecondDeck}, .to = Tab(1)}));
  tick(20);
  EXPECT_EQ(game.history().undo().steps(), 1) << "the cards turn down once";
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo, true));
  EXPECT_EQ(TakeSnapshot(game.piles(), game.cards()), dealt);
  tick(9);
  EXPECT_TRUE(game.cards().isFaceUp(shown.front())) << "the cards taken back are shown ten seconds afresh";
  tick(1);
  EXPECT_FALSE(game.cards().isFaceUp(shown.front()));
}

TEST_F(MemoryGameTest, ForgetMeNotShowsANewDealTenSecondsWhateverTheLastOneCounted) {
  DealLaidOut(game, "Forget Me Not");
  const CardId first = game.piles().topCard(Found(1));
  ASSERT_TRUE(game.cards().isFaceUp(first));
  tick(5);
  DealLaidOut(game, "Forget Me Not");
  tick(9);
  EXPECT_TRUE(game.cards().isFaceUp(game.piles().topCard(Found(1))));
  tick(1);
  EXPECT_FALSE(game.cards().isFaceUp(game.piles().topCard(Found(1))));
  EXPECT_EQ(game.piles().pile(Found(10)).size(), 1u);
}

TEST_F(MemoryGameTest, ForgetMeNotPlacesOnlyTheTwinsThatFindAnEmptyPile) {
  struct Case {
    const char* name;
    int piles;
    std::vector<CardId> others;  // on piles 11 on
    int placed;
  } cases[] = {
      {"four piles for ten twins", 14, {}, 4},
      {"no empty pile", 14, {H(2), H(3), H(4), H(5)}, 0},
      {"one empty pile among full ones", 13, {H(2), H(3)}, 1},
      {"no pile beyond the tenth", 10, {}, 0},
  };
  std::vector<CardId> shown;
  for (int rank = A; rank <= 10; ++rank) shown.push_back(C(rank));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    showForgetMeNot(shown, c.piles, c.others);
    tick(10);
    int twins = 0;
    for (int i = 11; i <= c.piles; ++i)
      for (CardId card : game.piles().pile(Tab(i))) twins += card > kSecondDeck;
    EXPECT_EQ(twins, c.placed);
    EXPECT_FALSE(game.cards().isFaceUp(shown.front()));
  }
}

}  // namespace
}  // namespace velmora
