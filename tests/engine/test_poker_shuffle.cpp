// Poker shuffle: two cards of the dealt grid change places by a drag or by
// two presses, in one undo step, announcing the lines they lie in; the game
// is won only when the hands reach the score to win; the family's moves are
// the exchanges that raise the score, best first, so its demonstration ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/catalogue_startup.h"
#include "families/game_family.h"
#include "families/poker_squares.h"
#include "files/ini_document.h"
#include "game/rule_index.h"
#include "history/card_state.h"
#include "history/undo.h"
#include "play/game_won.h"
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

constexpr int kSide = 5;
constexpr int J = 11;

using Grid = std::vector<std::vector<CardId>>;

// A straight in the first row, two pairs in the second, nothing elsewhere:
// 20 points. The 8 and the Jack of hearts changing places make the third
// row A-K-Q-J-10, a straight, and leave two pairs in the second: 35.
const Grid kStraightAndTwoPairs{
    {H(2), D(3), C(4), S(5), H(6)},
    {H(7), D(7), C(9), S(9), H(J)},
    {C(K), H(Q), D(10), H(8), D(A)},
    {D(4), H(5), C(8), S(3), S(Q)},
    {S(10), D(K), C(2), D(6), S(4)},
};
constexpr int kScoreBefore = 20;
constexpr int kScoreAfter = 35;

class PokerShuffleTest : public ::testing::Test {
 protected:
  PokerShuffleTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    LoadPreferences(game, IniDocument(), StartupEnvironment{});
    game.store().write(store::UndoEnabled, "0");
    game.store().write(store::CardsAnimate, "N");
    DealLaidOut(game, "Poker Shuffle");
    game.playSeams().endGame = [this] { ++ended; };
  }

  // The grid from its rows; the deck's other cards are out of play.
  void layGrid(const Grid& rows) {
    game.piles().pile(kStock).clear();
    for (int r = 0; r < kSide; ++r)
      for (int c = 0; c < kSide; ++c) {
        game.piles().pile(Tab(kSide * r + c + 1)) = {rows[r][c]};
        game.cards().setFace(rows[r][c], Face::Up);
      }
    RecomputeScore(game);
    ui.panels.clear();
  }

  CardId at(int r, int c) const { return game.piles().pile(Tab(kSide * r + c + 1)).front(); }
  std::int64_t score() const { return StoredScore(game); }
  int undoSteps() const { return game.history().undo().steps(); }

  void pressOn(CardId card) {
    const auto point = PointOnCard(game, card);
    ASSERT_TRUE(point.has_value());
    PressAt(game, MouseButton::Left, false, false, point->x, point->y);
    ReleaseAt(game);
  }

  // Takes the card up and lets it go over the card of another place.
  void drag(CardId card, CardId onto) {
    const auto from = PointOnCard(game, card);
    const auto to = PointOnCard(game, onto);
    ASSERT_TRUE(from && to);
    PressAt(game, MouseButton::Left, false, false, from->x, from->y);
    ASSERT_TRUE(game.carry().active());
    PointerAt(game, to->x, to->y);
    ReleaseAt(game);
  }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
  int ended = 0;
};

// A drag and two presses exchange the cards alike: both rows are scored
// again, the lines the two cards lie in announced with the running total,
// and one undo step puts both back.
TEST_F(PokerShuffleTest, TwoCardsChangePlacesInOneStepAndTheirLinesAreAnnounced) {
  struct Case {
    const char* how;
    bool dragged;
  } cases[] = {{"drag", true}, {"press, then press", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    layGrid(kStraightAndTwoPairs);
    const PileSnapshot before = TakeSnapshot(game.piles(), game.cards());
    if (c.dragged) {
      drag(H(J), H(8));
    } else {
      pressOn(H(J));
      pressOn(H(8));
    }
    EXPECT_EQ(at(1, 4), H(8));
    EXPECT_EQ(at(2, 3), H(J));
    EXPECT_EQ(score(), kScoreAfter);
    EXPECT_EQ(undoSteps(), 1);
    ASSERT_GE(ui.panels.size(), 2u);
    EXPECT_EQ(std::vector(ui.panels.end() - 2, ui.panels.end()),
              (std::vector<GameUi::ResultPanel>{{"Two Pair", "5 points", "Total: 20 points"},
                                                {"Straight", "15 points", "Total: 35 points"}}));
    EXPECT_TRUE(game.piles().pile(kSelection).empty()) << "the pressed card is no longer marked";
    ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo));
    EXPECT_EQ(TakeSnapshot(game.piles(), game.cards()), before);
    EXPECT_EQ(RecomputeScore(game), kScoreBefore);
    game.history().clear();
  }
}

// Two cards of one row: the row is announced once, and the columns they
// moved between score nothing.
TEST_F(PokerShuffleTest, ALineHoldingBothCardsIsAnnouncedOnce) {
  layGrid(kStraightAndTwoPairs);
  drag(D(7), C(9));
  EXPECT_EQ(score(), kScoreBefore);
  ASSERT_FALSE(ui.panels.empty());
  EXPECT_EQ(ui.panels.back(), (GameUi::ResultPanel{"Two Pair", "5 points", "Total: 20 points"}));
  EXPECT_EQ(std::ranges::count(ui.panels, ui.panels.back()), 1);
}

// A press on the marked card takes the mark away; a drop on its own place,
// or a card onto nothing of the grid, changes nothing.
TEST_F(PokerShuffleTest, NoExchangeWithoutASecondCard) {
  layGrid(kStraightAndTwoPairs);
  const PileSnapshot before = TakeSnapshot(game.piles(), game.cards());
  pressOn(H(J));
  EXPECT_EQ(game.piles().pile(kSelection), (Pile{H(J)}));
  pressOn(H(J));
  EXPECT_TRUE(game.piles().pile(kSelection).empty());
  const auto own = PileRect(game, Tab(10));
  ASSERT_TRUE(own.has_value());
  EXPECT_FALSE(DropOn(game, H(J), *own, Tab(10), {.target = Tab(10)}));
  EXPECT_FALSE(DropOn(game, H(J), *own, kWaste, {.target = kWaste}));
  EXPECT_EQ(TakeSnapshot(game.piles(), game.cards()), before);
  EXPECT_EQ(undoSteps(), 0);
}

// The dealt grid is not won whatever its cards; an exchange wins only when
// the hands reach the score to win, and the game then ends.
TEST_F(PokerShuffleTest, WonOnlyWhenTheScoreReachesTheScoreToWin) {
  EXPECT_GT(game.rules()[rule::ScoreToWin], 0) << "the game sets a score to win";
  EXPECT_FALSE(GameWonTest(game)) << "a full grid as dealt";
  struct Case {
    int scoreToWin;
    bool won;
  } cases[] = {{kScoreBefore + 1, true}, {kScoreAfter, true}, {kScoreAfter + 1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scoreToWin);
    game.rules()[rule::ScoreToWin] = static_cast<std::int16_t>(c.scoreToWin);
    layGrid(kStraightAndTwoPairs);
    ended = 0;
    EXPECT_FALSE(GameWonTest(game));
    drag(H(J), H(8));
    EXPECT_EQ(game.state().on(flag::GameWon), c.won);
    EXPECT_EQ(ended, c.won ? 1 : 0);
  }
}

// The family's moves are the exchanges that raise the score, the greatest
// rise first; played one after the other they end on a few deals, each
// raising the score.
TEST_F(PokerShuffleTest, TheOfferedExchangesRaiseTheScoreBestFirstAndRunOut) {
  layGrid(kStraightAndTwoPairs);
  const std::vector<FamilyAction> offered = game.family().actions(game);
  ASSERT_FALSE(offered.empty());
  std::int64_t previousGain = -1;
  for (const FamilyAction& action : offered) {
    PokerGrid grid = GridOf(game);
    const auto from = std::ranges::find(grid, action.presses.front()) - grid.begin();
    ASSERT_TRUE(action.to && action.to->group == PileGroup::Tableau);
    std::swap(grid[static_cast<std::size_t>(from)], grid[static_cast<std::size_t>(action.to->index)]);
    const std::int64_t gain = GridScore(grid) - kScoreBefore;
    EXPECT_GT(gain, 0);
    if (previousGain >= 0) {
      EXPECT_LE(gain, previousGain);
    }
    previousGain = gain;
  }

  game.rules()[rule::ScoreToWin] = 1000;  // out of reach: the exchanges run out first
  constexpr int kMostExchanges = 200;
  for (const char* deal : {"0000000000001", "0000000000002", "0000000000003", "0000000000004"}) {
    SCOPED_TRACE(deal);
    game.store().write(store::DealNumber, deal);
    ASSERT_TRUE(StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true}));
    game.rules()[rule::ScoreToWin] = 1000;
    int exchanges = 0;
    for (auto actions = game.family().actions(game); !actions.empty(); actions = game.family().actions(game)) {
      ASSERT_LT(++exchanges, kMostExchanges);
      const std::int64_t before = RecomputeScore(game);
      const FamilyAction& best = actions.front();
      ASSERT_TRUE(DropOn(game, best.presses.front(), *PileRect(game, *best.to), *best.to, {.target = *best.to}));
      EXPECT_GT(StoredScore(game), before);
    }
  }
}

}  // namespace
}  // namespace velmora
