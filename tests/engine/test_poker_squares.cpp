// Poker squares: the hands of five cards and their points, the score of the
// grid's complete rows and columns, the announcement of the lines a placed
// card completes, and the end of a filled grid against the score to win.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "families/poker_hands.h"
#include "families/poker_squares.h"
#include "play/end_game.h"
#include "play/execute_move.h"
#include "scoring/score.h"
#include "test_stock_support.h"

namespace velmora {
namespace {

using testing::GameFixture;
using testing::Tableau;

constexpr int kAce = 1, kJack = 11, kQueen = 12, kKing = 13;
constexpr CardId H(int rank) { return MakeCard(0, rank); }
constexpr CardId D(int rank) { return MakeCard(1, rank); }
constexpr CardId C(int rank) { return MakeCard(2, rank); }
constexpr CardId S(int rank) { return MakeCard(3, rank); }
constexpr CardId SecondDeck(CardId card) { return card + kCardsPerDeck; }

TEST(HandValueTest, EveryHandOfTheTable) {
  struct Case {
    const char* what;
    PokerHand cards;
    std::string_view name;
    int points;
  } cases[] = {
      {"royal flush", {H(kQueen), H(10), H(kAce), H(kKing), H(kJack)}, "Royal Flush", 100},
      {"straight flush", {S(9), S(5), S(7), S(6), S(8)}, "Straight Flush", 75},
      {"K-A-2-3-4 in one suit", {D(kKing), D(kAce), D(2), D(3), D(4)}, "Straight Flush", 75},
      {"J-Q-K-A-2 in one suit", {C(2), C(kJack), C(kAce), C(kQueen), C(kKing)}, "Straight Flush", 75},
      {"K-A-2-3-4 in mixed suits", {D(kKing), H(kAce), D(2), D(3), D(4)}, "", 0},
      {"Q-K-A-2-3 in mixed suits", {S(kQueen), H(kKing), D(kAce), C(2), H(3)}, "", 0},
      {"four of a kind", {H(7), D(7), C(7), S(7), H(2)}, "Four of a Kind", 50},
      {"full house", {H(kKing), D(kKing), C(3), S(3), H(3)}, "Full House", 25},
      {"flush", {H(2), H(5), H(9), H(kJack), H(kKing)}, "Flush", 20},
      {"a pair in one suit of two decks is a flush", {H(2), SecondDeck(H(2)), H(5), H(9), H(kJack)}, "Flush", 20},
      {"straight", {H(6), D(4), C(5), S(3), H(2)}, "Straight", 15},
      {"straight from the Ace low", {H(kAce), D(2), C(3), S(4), H(5)}, "Straight", 15},
      {"straight to the Ace high", {H(kAce), D(kKing), C(kQueen), S(kJack), H(10)}, "Straight", 15},
      {"three of a kind", {H(9), D(9), C(9), S(2), H(kQueen)}, "Three of a Kind", 10},
      {"two pair", {H(4), D(4), C(8), S(8), H(kAce)}, "Two Pair", 5},
      {"one pair", {H(4), D(4), C(8), S(10), H(kAce)}, "One Pair", 2},
      {"nothing", {H(2), D(4), C(8), S(10), H(kAce)}, "", 0},
      {"a line of four cards", {H(4), D(4), C(4), S(4), kNoCard}, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(HandValue(c.cards), (HandScore{c.name, c.points}));
  }
}

constexpr int kGridPiles = 25;

class PokerSquaresTest : public GameFixture {
 protected:
  void SetUp() override {
    synthetic({{rule::Family, 9}, {rule::DeckCards, 52}, {rule::TableauPiles, kGridPiles}});
    game.store().write(store::SoundsPairing, "Y");
  }

  // The grid from its rows, top row first; kNoCard leaves a place empty.
  void layGrid(const std::vector<std::vector<CardId>>& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r)
      for (std::size_t c = 0; c < rows[r].size(); ++c)
        if (rows[r][c] != kNoCard) lay(Tableau(static_cast<int>(5 * r + c + 1)), CardIdText(rows[r][c]));
  }

  // The card goes from the waste to the grid's place (1 to 25), as a drop does.
  void place(CardId card, int pile) {
    lay(kWaste, CardIdText(card));
    ASSERT_TRUE(ExecuteMove(game, card, "Fila" + std::to_string(pile)));
  }

  std::int64_t score() const { return game.store().readNumber(store::Score).value_or(0); }
};

// A straight in the first row, two pairs in the second, nothing elsewhere.
const std::vector<std::vector<CardId>> kStraightAndTwoPairs{
    {H(2), D(3), C(4), S(5), H(6)},
    {H(7), D(7), C(9), S(9), H(kJack)},
    {C(kKing), H(kQueen), D(10), H(8), D(kAce)},
    {D(4), H(5), C(8), S(3), S(kQueen)},
    {S(10), D(kKing), C(2), D(6), S(4)},
};

// The card that fills the grid completes the second row and the last column:
// the two pairs are announced, the column of nothing is not.
TEST_F(PokerSquaresTest, TheLastCardAnnouncesItsScoringLine) {
  std::vector<std::vector<CardId>> rows = kStraightAndTwoPairs;
  rows[1][4] = kNoCard;
  layGrid(rows);
  place(H(kJack), 10);
  EXPECT_EQ(score(), 20);
  ASSERT_EQ(ui.panels.size(), 1u);
  EXPECT_EQ(ui.panels[0], (GameUi::ResultPanel{"Two Pair", "5 points", "Total: 20 points"}));
  EXPECT_EQ(ui.highlights, (std::vector<std::vector<CardId>>{{H(7), D(7), C(9), S(9), H(kJack)}, {}}));
}

// A card completing a row and a column announces both in turn, each with
// the running total; a line of four cards counts nothing.
TEST_F(PokerSquaresTest, ARowAndAColumnAnnouncedWithTheRunningTotal) {
  layGrid({
      {kNoCard, H(5), H(7), H(9), H(kJack)},
      {D(2)},
      {S(8)},
      {C(10)},
      {C(3), H(3), S(3), D(kKing), S(kKing)},
  });
  place(H(2), 1);
  EXPECT_EQ(ui.panels, (std::vector<GameUi::ResultPanel>{{"Flush", "20 points", "Total: 45 points"},
                                                         {"One Pair", "2 points", "Total: 47 points"}}));
  EXPECT_EQ(ui.scores, (std::vector<std::int64_t>{45, 47, 47}));
  EXPECT_EQ(std::count(ui.sounds.begin(), ui.sounds.end(), "Pairing"), 2);
  EXPECT_EQ(score(), 47);
}

// Undo, redo and an opened game count again without announcing anything.
TEST_F(PokerSquaresTest, ARecountAnnouncesNothing) {
  layGrid(kStraightAndTwoPairs);
  EXPECT_EQ(RecomputeScore(game), 20);
  EXPECT_EQ(ui.panels, (std::vector<GameUi::ResultPanel>{{"", "", "Total: 20 points"}}));
  EXPECT_TRUE(ui.highlights.empty());
  game.piles().pile(Tableau(1)).clear();
  EXPECT_EQ(RecomputeScore(game), 5);
}

// A filled grid ends the game; a score to win below the hands' total keeps it won.
TEST_F(PokerSquaresTest, AFilledGridIsWonAgainstTheScoreToWin) {
  struct Case {
    int scoreToWin;
    bool won;
  } cases[] = {{0, true}, {20, true}, {21, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scoreToWin);
    SetUp();
    game.rules()[rule::ScoreToWin] = static_cast<std::int16_t>(c.scoreToWin);
    std::vector<std::vector<CardId>> rows = kStraightAndTwoPairs;
    rows[4][4] = kNoCard;
    layGrid(rows);
    place(S(4), 25);
    EXPECT_TRUE(game.state().on(flag::GameWon));
    EXPECT_EQ(EndGame(game).won, c.won);
    EXPECT_EQ(score(), 20);
  }
}

}  // namespace
}  // namespace velmora
