// The game-won test of every family, each on a small table that holds just
// the cards that decide it.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "families/game_family.h"
#include "play/execute_move.h"
#include "play/game_won.h"
#include "scoring/score.h"
#include "test_stock_support.h"

namespace velmora {
namespace {

using testing::Foundation;
using testing::GameFixture;
using testing::Reserve;
using testing::RuleSettings;
using testing::Tableau;

class GameWonTestTest : public GameFixture {};

using Piles = std::vector<std::pair<PileRef, const char*>>;

// Nine cards of one suit from `top` down to 1 read bottom to top as 9 ... 1.
constexpr const char* kNineDown = "009008007006005004003002001";

TEST_F(GameWonTestTest, EachFamilyByItsOwnRule) {
  struct Case {
    const char* what;
    int family;
    Piles piles;
    bool won;
    int score = 0;        // the stored score
    int scoreToWin = 0;   // rule 50
    int tableauPiles = 4;  // rule 368
  } cases[] = {
      {"standard: only foundations and the discard pile hold cards", 0,
       {{Foundation(1), "001002"}, {kThirdStockSlot, "003"}}, true},
      {"standard: a card left in the waste", 0, {{kWaste, "003"}}, false},
      {"standard: a card left in the stock", 0, {{kStock, "003"}}, false},
      {"standard: a card left on a reserve", 0, {{Reserve(3), "003"}}, false},
      {"standard: a card left on a tableau pile past those in use", 0, {{Tableau(12), "003"}}, false},
      {"poker squares: every pile in use holds cards", 9,
       {{Tableau(1), "001"}, {Tableau(2), "002"}, {Tableau(3), "003"}, {Tableau(4), "004"}}, true},
      {"poker squares: a pile still empty", 9, {{Tableau(1), "001"}, {Tableau(2), "002"}, {Tableau(3), "003"}}, false},
      {"poker shuffle: the grid's pair of Aces reaches the score to win", 59,
       {{Tableau(1), "001"}, {Tableau(2), "014"}, {Tableau(3), "002"}, {Tableau(4), "003"}, {Tableau(5), "004"}}, true,
       0, 2, 25},
      {"poker shuffle: the grid's hands, not the stored score, fall short", 59,
       {{Tableau(1), "001"}, {Tableau(2), "014"}, {Tableau(3), "002"}, {Tableau(4), "003"}, {Tableau(5), "004"}}, false,
       500, 3, 25},
      {"21: stock out, four cards on pile 1", 21, {{Tableau(1), "001002003004"}}, true},
      {"22: five cards on pile 1", 22, {{Tableau(1), "001002003004005"}}, false},
      {"21: cards left in the stock", 21, {{Tableau(1), "001"}, {kStock, "002"}}, false},
      {"27: one card on every pile", 27,
       {{Tableau(1), "001"}, {Tableau(2), "002"}, {Tableau(3), "003"}, {Tableau(4), "004"}}, true},
      {"27: two cards on a pile", 27,
       {{Tableau(1), "001"}, {Tableau(2), "002"}, {Tableau(3), "003"}, {Tableau(4), "004005"}}, false},
      {"31: an Ace alone on every pile", 31,
       {{Tableau(1), "001"}, {Tableau(2), "014"}, {Tableau(3), "027"}, {Tableau(4), "040"}}, true},
      {"31: a Two among the Aces", 31,
       {{Tableau(1), "001"}, {Tableau(2), "014"}, {Tableau(3), "027"}, {Tableau(4), "041"}}, false},
      {"32: runs from the Two in suit, the gap last on pile 1", 32,
       {{Tableau(1), "002003004000"}, {Tableau(2), "015016017"}}, true, 0, 0, 2},
      {"32: pile 1 without the gap at its end", 32, {{Tableau(1), "002003004"}, {Tableau(2), "015016017"}}, false, 0, 0, 2},
      {"32: a run that skips a rank", 32, {{Tableau(1), "002003000"}, {Tableau(2), "015017018"}}, false, 0, 0, 2},
      {"32: a run that changes suit", 32, {{Tableau(1), "002003000"}, {Tableau(2), "015003018"}}, false, 0, 0, 2},
      {"34: the score reaches the score to win", 34, {}, true, 100, 100},
      {"42: the score one short", 42, {}, false, 99, 100},
      {"41: only the first foundation holds cards", 41, {{Foundation(1), "001002"}, {kStock, "003"}}, true},
      {"41: a card on the third foundation", 41, {{Foundation(1), "001"}, {Foundation(3), "002"}}, false},
      {"43: a pile of nine down to one", 43, {{Tableau(2), kNineDown}}, true},
      {"43: the pile lacks its Ace", 43, {{Tableau(2), "009008007006005004003002"}}, false},
      {"45: four piles hold cards", 45,
       {{Tableau(1), "001"}, {Tableau(2), "002"}, {Tableau(3), "003"}, {Tableau(9), "004"}}, true},
      {"45: five piles hold cards", 45,
       {{Tableau(1), "001"}, {Tableau(2), "002"}, {Tableau(3), "003"}, {Tableau(4), "004"}, {Tableau(5), "005"}}, false},
      {"48: stock out, one card left on pile 1", 48, {{Tableau(1), "001"}, {Foundation(2), "002"}}, true},
      {"48: the card left is a gap", 48, {{Tableau(1), "000"}}, false},
      {"52: the table cleared and eight cards on reserve 1", 52, {{Reserve(1), "001002003004005006007008"}}, true},
      {"52: seven cards on reserve 1", 52, {{Reserve(1), "001002003004005006007"}}, false},
      {"52: eight on reserve 1 but a card in the waste", 52,
       {{Reserve(1), "001002003004005006007008"}, {kWaste, "009"}}, false},
      {"55: the stock is out", 55, {{Tableau(1), "001"}}, true},
      {"55: cards in the stock", 55, {{kStock, "001"}}, false},
      {"pyramid: rows of gaps alone are empty", 4, {{Tableau(1), "000"}, {Tableau(2), "000000"}}, true},
      {"pyramid: a card left among the gaps", 4, {{Tableau(2), "000017"}}, false},
      {"standard: a gap is a card left", 0, {{Tableau(1), "000"}}, false},
      {"44 without its sequence test", 44, {}, false},
      {"46 without its score", 46, {}, false, 500, 100},
      {"57 without its own test", 57, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    synthetic({{rule::Family, c.family}, {rule::TableauPiles, c.tableauPiles}, {rule::Foundations, 4},
               {rule::Reserves, 4}, {rule::ScoreToWin, c.scoreToWin}});
    for (const auto& [pile, cards] : c.piles) lay(pile, cards);
    game.store().writeNumber(store::Score, c.score);
    EXPECT_EQ(GameWonTest(game), c.won);
  }
}

TEST_F(GameWonTestTest, FortyNineWantsFourCardsOnEachOfTwentyFourPiles) {
  synthetic({{rule::Family, 49}, {rule::TableauPiles, 24}});
  for (int i = 1; i <= 24; ++i) lay(Tableau(i), "001002003004");
  EXPECT_TRUE(GameWonTest(game));
  lay(Tableau(17), "001002003");
  EXPECT_FALSE(GameWonTest(game));
}

// A family whose own parts of the won test all agree, with a score of its own.
class OwnPartsFamily : public GameFamily {
 public:
  OwnPartsFamily(WonRule won, std::int64_t score) : GameFamily({.won = won}), score_(score) {}
  bool sequenceComplete(const TMainGame&) const override { return true; }
  std::optional<std::int64_t> ownScore(const TMainGame&) const override { return score_; }
  bool ownWonTest(const TMainGame&) const override { return true; }

 private:
  std::int64_t score_;
};

TEST_F(GameWonTestTest, FamiliesWithTheirOwnPartsAskThem) {
  synthetic({{rule::Family, 44}});
  EXPECT_FALSE(GameWonTest(game)) << "without its own part the family never wins";
  const OwnPartsFamily sequence(WonRule::SequenceOfNinetyOne, 0);
  game.useFamily(&sequence);
  ui.messages.clear();
  EXPECT_TRUE(GameWonTest(game));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "Game won");
  EXPECT_EQ(ui.messages[0].text, "Your sequence is equal to 91.\rThe game is won.");

  synthetic({{rule::Family, 46}, {rule::ScoreToWin, 300}});
  const OwnPartsFamily below(WonRule::FamilyScoreReached, 299);
  game.useFamily(&below);
  EXPECT_FALSE(GameWonTest(game));
  const OwnPartsFamily reached(WonRule::FamilyScoreReached, 300);
  game.useFamily(&reached);
  EXPECT_TRUE(GameWonTest(game));

  synthetic({{rule::Family, 58}});
  game.useFamily(nullptr);
  EXPECT_FALSE(GameWonTest(game));
  const OwnPartsFamily ownTest(WonRule::FamilyTest, 0);
  game.useFamily(&ownTest);
  EXPECT_TRUE(GameWonTest(game));
  game.useFamily(nullptr);
}

TEST_F(GameWonTestTest, TheLastCardUpWinsWithoutAnySetUp) {
  synthetic({{rule::Family, 0}, {rule::TableauPiles, 1}, {rule::Foundations, 1}});
  lay(Tableau(1), "001");
  ASSERT_TRUE(ExecuteMove(game, 1, "Dest1"));
  EXPECT_TRUE(game.state().on(flag::GameWon));
}

}  // namespace
}  // namespace velmora
