// The score read off the table: the standard score, the families' own
// formulas, direct additions, and a score that follows undo.
#include <gtest/gtest.h>

#include "scoring/score.h"
#include "test_stock_support.h"

namespace velmora {
namespace {

using testing::Foundation;
using testing::GameFixture;
using testing::Tableau;

class ScoreTest : public GameFixture {};

TEST_F(ScoreTest, StandardScore) {
  struct Case {
    const char* what;
    int stripped, deck, bonus, jokers, foundationCards, discarded;
    const char* mode;
    std::int64_t score;
  } cases[] = {
      {"a full deck at the deal", 0, 52, 0, 0, 0, 0, "01", -52},
      {"every card on the foundations", 0, 52, 0, 0, 52, 0, "01", 208},
      {"two decks", 0, 104, 0, 0, 10, 0, "01", -54},
      {"ranks 2 to 6 removed", 1, 52, 0, 0, 0, 0, "01", -32},
      {"ranks 2 to 6 removed from two decks", 1, 104, 0, 0, 0, 0, "01", -64},
      {"the Kings removed too", 2, 52, 0, 0, 0, 0, "01", -28},
      {"another stripping counts from nothing", 3, 52, 0, 0, 4, 0, "01", 20},
      {"bonus units", 0, 52, 2, 0, 0, 0, "01", -42},
      {"jokers cost", 0, 52, 0, 2, 0, 0, "01", -62},
      {"discarded cards count", 0, 52, 0, 0, 0, 4, "01", -32},
      {"another scoring mode", 0, 52, 2, 0, 52, 4, "02", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    synthetic({{rule::StrippedDeck, c.stripped}, {rule::DeckCards, c.deck}, {rule::ScoreBonus, c.bonus},
               {rule::Jokers, c.jokers}, {rule::Foundations, 8}});
    game.store().write(store::ScoringMode, c.mode);
    for (int n = 0; n < c.foundationCards; ++n) game.piles().pile(Foundation(n % 8 + 1)).push_back(n + 1);
    for (int n = 0; n < c.discarded; ++n) game.piles().pile(kThirdStockSlot).push_back(60 + n);
    EXPECT_EQ(StandardScore(game), c.score);
    EXPECT_EQ(RecomputeScore(game), c.score);
    EXPECT_EQ(game.store().readNumber(store::Score), c.score) << "kept in the store";
    ASSERT_FALSE(ui.scores.empty());
    EXPECT_EQ(ui.scores.back(), c.score) << "shown on the score panel";
  }
}

// Families with a formula of their own, each on a small table of 25
// tableau piles and four foundations from one deck.
TEST_F(ScoreTest, FamilyFormulas) {
  struct Case {
    int family;
    std::vector<const char*> tableau;  // piles 1, 2, ... as pile strings
    const char* foundation2;
    const char* discarded;
    std::int64_t score;
  } cases[] = {
      // Runs from a 2 in suit; the row's last place does not count.
      {32, {"002003005000", "015016017", "003002"}, "", "", -52 + 5 * 2 + 5 * 2},
      // Pile p starts with the card of rank p in hearts or diamonds; the count stops at the first that fails.
      {34, {"001", "015", "005", "004"}, "", "", -52 + 10 * 2},
      {35, {}, "", "001002003", -52 + 10 * 3},
      // Memory games: pairs discarded, less the misses (2 here).
      {37, {}, "", "001014002015003016", 10 * 3 - 52 - 2 * 2},
      {39, {}, "", "001014002015003016", 7 * 3 - 52 - 2},
      // Empty foundations after the first.
      {41, {}, "", "", -52 + 20 * 2},
      // Runs rising from each pile's first card, King to Ace; a card out of place earns nothing.
      {42, {"012013001005", "007"}, "", "", -52 + 5 * 3 + 5},
      {43, {"009008007006005004003002001", "009008007006005004003002"}, "", "", -52 + 225},
      {47, {"001"}, "", "002003004005", -52 + 5 * 4},
      {47, {}, "", "002003004005", -52 + 5 * 52},
      {48, {}, "001002003", "", -52 + 5 * 3},
      {49, {"001002", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "003"},
       "", "", -52 + 5 * 2},
      {55, {"001002", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "003"},
       "", "", -52 + 5 * 3},
      {0, {"001002"}, "001002003", "004", -52 + 5 * 3 + 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.family);
    synthetic({{rule::Family, c.family}, {rule::DeckCards, 52}, {rule::TableauPiles, 25}, {rule::Foundations, 4}});
    game.state().setWord(word::MemoryMisses, 2);
    for (std::size_t i = 0; i < c.tableau.size(); ++i) lay(Tableau(static_cast<int>(i) + 1), c.tableau[i]);
    lay(Foundation(2), c.foundation2);
    if (c.family == 41) lay(Foundation(3), "001");
    lay(kThirdStockSlot, c.discarded);
    EXPECT_EQ(RecomputeScore(game), c.score);
  }
}

TEST_F(ScoreTest, TheClockFamilyCountsFaceUpCardsOfEachPilesRank) {
  synthetic({{rule::Family, 40}, {rule::DeckCards, 52}, {rule::TableauPiles, 13}});
  lay(Tableau(1), "001014");
  game.cards().setFace(14, Face::Down);
  lay(Tableau(2), "002");
  lay(Tableau(3), "002");
  EXPECT_EQ(RecomputeScore(game), -52 + 5 * 2);
}

TEST_F(ScoreTest, TheClockFamilyIsLostWhenTheFourthKingTurnsUp) {
  struct Case {
    const char* what;
    const char* pile13;
    int completeScore;
    bool lost;
  } cases[] = {
      {"three Kings", "013026039", -1, false},
      {"four Kings", "013026039052", -1, true},
      {"four Kings at the complete score", "013026039052", -52 + 5 * 4, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    synthetic({{rule::Family, 40}, {rule::DeckCards, 52}, {rule::TableauPiles, 13}, {rule::CompleteScore, c.completeScore}});
    int ended = 0;
    game.playSeams().endGame = [&] { ++ended; };
    ui.messages.clear();
    lay(Tableau(13), c.pile13);
    RecomputeScore(game);
    EXPECT_EQ(ended, c.lost ? 1 : 0);
    ASSERT_EQ(ui.messages.size(), c.lost ? 1u : 0u);
    if (c.lost) {
      EXPECT_EQ(ui.messages[0].text, "The game is lost.");
    }
  }
}

// The hands of the grid make the score, never the cards on the foundations.
TEST_F(ScoreTest, PokerSquaresKeepsItsOwnScore) {
  synthetic({{rule::Family, 9}, {rule::DeckCards, 52}, {rule::Foundations, 1}, {rule::TableauPiles, 25}});
  game.store().writeNumber(store::Score, 77);
  lay(Foundation(1), "001");
  for (int i = 1; i <= 5; ++i) lay(Tableau(i), CardIdText(static_cast<CardId>(i + 1)));  // 2 to 6 of hearts
  EXPECT_EQ(RecomputeScore(game), 75);
  EXPECT_EQ(ui.scores.back(), 75);
  AddScore(game, 3);
  EXPECT_EQ(game.store().readNumber(store::Score), 75);
}

TEST_F(ScoreTest, AddScoreCountsOnlyInTheStandardMode) {
  struct Case {
    const char* mode;
    std::int64_t after;
  } cases[] = {{"01", -37}, {"02", -52}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    synthetic({{rule::DeckCards, 52}});
    game.store().write(store::ScoringMode, c.mode);
    game.store().writeNumber(store::Score, -52);
    AddScore(game, 3);
    EXPECT_EQ(game.store().readNumber(store::Score), c.after);
    EXPECT_EQ(ui.scores.back(), c.after);
  }
}

TEST_F(ScoreTest, KlondikeFromDealToEveryCardOnTheFoundations) {
  start("Klondike (draw one)");
  EXPECT_EQ(RecomputeScore(game), -52);
  // An Ace to a foundation, then undone: the score follows the table.
  RecordStep(game, HistorySide::Undo);
  game.piles().pile(Foundation(1)).push_back(game.piles().pile(kStock).back());
  game.piles().pile(kStock).pop_back();
  EXPECT_EQ(RecomputeScore(game), -47);
  ASSERT_TRUE(undo());
  EXPECT_EQ(RecomputeScore(game), -52);

  for (PileGroup group : {PileGroup::Stock, PileGroup::Tableau, PileGroup::Reserves})
    for (int i = 0; i < GroupSize(group); ++i) game.piles().pile({group, i}).clear();
  for (int k = 0; k < 4; ++k) {
    Pile& foundation = game.piles().pile(Foundation(k + 1));
    foundation.clear();
    for (int rank = 1; rank <= kRanks; ++rank) foundation.push_back(MakeCard(k, rank));
  }
  EXPECT_EQ(RecomputeScore(game), 208);
}

}  // namespace
}  // namespace velmora
