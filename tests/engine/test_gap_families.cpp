// The gap games: which card fits a gap, the fill by a drop, by a right
// press and by the executor's undo steps, the redeal that keeps the rows'
// runs from a 2, and every card kept once over long random games.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <ranges>
#include <string>
#include <vector>

#include "catalogue/catalogue_startup.h"
#include "families/game_family.h"
#include "families/gap_games.h"
#include "files/ini_document.h"
#include "game/rule_index.h"
#include "hints/show_legal_move.h"
#include "history/card_state.h"
#include "history/undo.h"
#include "play/execute_move.h"
#include "play/hit_test.h"
#include "play/game_won.h"
#include "play/player_actions.h"
#include "scoring/score.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "stock/stock_commands.h"
#include "table_cards.h"
#include "test_support.h"

namespace velmora {
namespace {

using namespace testing;  // the card and pile notation of the play tests

constexpr CardId Gap = kNoCard;
constexpr CardId Filler = -1;  // any card the row's case does not care about
constexpr int kRows = 4;
constexpr int kPlaces = 13;

using Rows = std::vector<std::vector<CardId>>;

class GapGameTest : public ::testing::Test {
 protected:
  GapGameTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    LoadPreferences(game, IniDocument(), StartupEnvironment{});
    game.store().write(store::UndoEnabled, "0");
    DealLaidOut(game, "Gaps");
  }

  // Lays the four rows of 13 places: the cards named, "000" for a gap, and
  // the cards no row names, from the 2s up, in the fillers' places (gaps
  // once they run out).
  void lay(const Rows& rows) {
    std::vector<CardId> unused;
    for (CardId card = 1; card <= 52; ++card) {
      const bool named = std::ranges::any_of(rows, [&](const auto& row) { return std::ranges::count(row, card) > 0; });
      if (CardRank(card) != A && !named) unused.push_back(card);
    }
    auto next = unused.begin();
    for (int r = 0; r < kRows; ++r) {
      Pile row;
      for (int k = 0; k < kPlaces; ++k) {
        const bool given = r < static_cast<int>(rows.size()) && k < static_cast<int>(rows[r].size());
        const bool filler = !given || rows[r][k] == Filler;
        const CardId card = !filler ? rows[r][k] : next != unused.end() ? *next++ : Gap;
        row.push_back(card);
        if (card != Gap) game.cards().setFace(card, Face::Up);
      }
      game.piles().pile(Tab(r + 1)) = row;
    }
    game.state().set(flag::GameWon, false);
  }

  std::string row(int r) const { return game.piles().pileString(Tab(r)); }
  PileSnapshot table() const { return TakeSnapshot(game.piles(), game.cards()); }
  int undoSteps() const { return game.history().undo().steps(); }
  int gaps() const {
    int count = 0;
    for (int r = 1; r <= kRows; ++r) count += static_cast<int>(std::ranges::count(game.piles().pile(Tab(r)), Gap));
    return count;
  }

  // Takes the card up and lets it go over the place of a row.
  void drag(CardId card, RowPlace to) {
    const auto from = PointOnCard(game, card);
    ASSERT_TRUE(from.has_value());
    PressAt(game, MouseButton::Left, false, false, from->x, from->y);
    ASSERT_TRUE(game.carry().active());
    EXPECT_TRUE(game.carry().single) << "the cards beside it stay in the row";
    const TableRect landing = CardRect(game, Tab(to.row + 1), to.place);
    const Carry& carry = game.carry();
    PointerAt(game, landing.x + carry.grab.x, landing.y + carry.grab.y);
    ReleaseAt(game);
  }

  void rightPress(CardId card) {
    const auto point = PointOnCard(game, card);
    ASSERT_TRUE(point.has_value());
    PressAt(game, MouseButton::Right, false, false, point->x, point->y);
    ReleaseAt(game);
  }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
};

// Row 1 runs 2, 3 of clubs to a gap, then a King and a gap after it; row 2
// starts with a gap; row 3 has a gap after the 9 of diamonds.
const Rows kOpenRows{
    {C(2), C(3), Gap, H(K), Gap},
    {Gap, H(5)},
    {D(9), Gap},
    {Filler, Filler, Gap},
};

TEST_F(GapGameTest, ACardFitsAGapOneRankAboveItsLeftNeighbourInSuitAndOnlyA2StartsARow) {
  lay(kOpenRows);
  struct Case {
    CardId card;
    RowPlace at;
    bool fits;
  } cases[] = {
      {C(4), {0, 2}, true},    // one above the 3 of clubs
      {D(4), {0, 2}, false},   // another suit
      {C(5), {0, 2}, false},   // two above
      {C(2), {0, 2}, false},   // below
      {S(2), {0, 4}, false},   // nothing follows a King
      {H(A), {0, 4}, false},
      {S(2), {1, 0}, true},    // a 2 starts a row
      {D(3), {1, 0}, false},   // nothing else does
      {D(10), {2, 1}, true},
      {C(4), {0, 1}, false},   // the place holds a card
      {D(10), {0, 13}, false}, // past the row's end
  };
  for (const Case& c : cases)
    EXPECT_EQ(FitsGap(game, c.card, c.at), c.fits) << CardIdText(c.card) << " at " << c.at.row << "/" << c.at.place;
}

TEST_F(GapGameTest, FillingAGapLeavesAGapWhereTheCardLayAndIsOneUndoStep) {
  lay(kOpenRows);
  const PileSnapshot before = table();
  const std::string row2 = row(2);
  const int gapsBefore = gaps();
  const auto home = FindCard(game, S(2));
  ASSERT_TRUE(home.has_value());
  ASSERT_TRUE(FillGap(game, S(2), {1, 0}, false));
  EXPECT_EQ(row(2).substr(0, 6), Ids({S(2), H(5)}));
  EXPECT_EQ(game.piles().pile(home->pile)[static_cast<std::size_t>(home->index)], Gap);
  EXPECT_EQ(gaps(), gapsBefore);
  const PileSnapshot after = table();
  EXPECT_EQ(undoSteps(), 1);
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo, true));
  EXPECT_EQ(table(), before);
  EXPECT_EQ(row(2), row2);
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Redo, true));
  EXPECT_EQ(table(), after);
  EXPECT_FALSE(FillGap(game, S(2), {0, 1}, false)) << "a place that holds a card is no gap";
}

TEST_F(GapGameTest, TheFillThatOrdersTheLastRowWinsTheGame) {
  struct Case {
    const char* name;
    std::vector<CardId> lastRowEnd;  // after the 2 to the Jack of spades
    bool won;
  } cases[] = {
      {"the King follows the Queen", {Gap, S(K), Gap}, true},
      {"a gap before the King", {Gap, Gap, S(K)}, false},
  };
  for (const Case& c : cases) {
    Rows rows(kRows);
    for (int rank = 2; rank <= K; ++rank) {
      rows[0].push_back(H(rank));
      rows[1].push_back(D(rank));
      rows[2].push_back(C(rank));
      if (rank <= 11) rows[3].push_back(S(rank));
    }
    rows[0].push_back(S(Q));
    rows[1].push_back(Gap);
    rows[2].push_back(Gap);
    rows[3].insert(rows[3].end(), c.lastRowEnd.begin(), c.lastRowEnd.end());
    lay(rows);
    EXPECT_FALSE(game.state().on(flag::GameWon)) << c.name;
    ASSERT_TRUE(FillGap(game, S(Q), {3, 10}, false)) << c.name;
    EXPECT_EQ(game.state().on(flag::GameWon), c.won) << c.name;
  }
}

TEST_F(GapGameTest, ADroppedCardLandsOnTheGapUnderItWhenItFits) {
  struct Case {
    const char* name;
    CardId card;
    RowPlace over;
    bool lands;
  } cases[] = {
      {"the gap after the 3 of clubs", C(4), {0, 2}, true},
      {"a row's first place", S(2), {1, 0}, true},
      {"the gap after a King", C(4), {0, 4}, false},
      {"a gap it does not fit", D(4), {0, 2}, false},
      {"a card's place", C(4), {0, 3}, false},
  };
  game.store().write(store::CardsAnimate, "Y");
  for (const Case& c : cases) {
    lay(kOpenRows);
    game.history().clear();
    const auto home = FindCard(game, c.card);
    ASSERT_TRUE(home.has_value());
    drag(c.card, c.over);
    const Pile& target = game.piles().pile(Tab(c.over.row + 1));
    EXPECT_EQ(target[static_cast<std::size_t>(c.over.place)] == c.card, c.lands) << c.name;
    EXPECT_EQ(game.piles().pile(home->pile)[static_cast<std::size_t>(home->index)] == Gap, c.lands) << c.name;
    EXPECT_EQ(undoSteps(), c.lands ? 1 : 0) << c.name;
    EXPECT_FALSE(game.carry().active()) << c.name;
    if (!c.lands) {
      ASSERT_FALSE(ui.flights.empty()) << c.name;
      EXPECT_EQ(ui.flights.back(), std::vector<CardId>{c.card}) << c.name << ": only the card flies home";
    }
  }
}

TEST_F(GapGameTest, ARightPressSendsTheCardToTheFirstGapItFitsInRowOrder) {
  struct Case {
    const char* name;
    Rows rows;
    CardId card;
    std::optional<RowPlace> to;
  } cases[] = {
      {"a 2 to the first row that starts with a gap", {{Filler}, {Gap}, {Gap}, {S(2)}}, S(2), RowPlace{1, 0}},
      {"a card after its neighbour", kOpenRows, D(10), RowPlace{2, 1}},
      {"a card that fits no gap stays", kOpenRows, D(5), std::nullopt},
  };
  for (const Case& c : cases) {
    lay(c.rows);
    game.history().clear();
    const PileSnapshot before = table();
    rightPress(c.card);
    if (!c.to) {
      EXPECT_EQ(table(), before) << c.name;
      EXPECT_EQ(undoSteps(), 0) << c.name;
      continue;
    }
    EXPECT_EQ(game.piles().pile(Tab(c.to->row + 1))[static_cast<std::size_t>(c.to->place)], c.card) << c.name;
    EXPECT_FALSE(game.carry().active()) << c.name;
  }
}

TEST_F(GapGameTest, TheActionsAreTheOpenFillsAndATwoAtARowStartComesLast) {
  lay({{S(2), Gap}, {Gap, H(5)}, {D(9), Gap}, {Filler, Filler, Gap}});
  const std::vector<FamilyAction> actions = game.family().actions(game);
  ASSERT_FALSE(actions.empty());
  for (const FamilyAction& action : actions) {
    ASSERT_EQ(action.presses.size(), 1u);
    ASSERT_TRUE(action.to.has_value());
    const Pile& row = game.piles().pile(*action.to);
    const bool fitsInRow = std::ranges::any_of(std::views::iota(0, kPlaces), [&](int k) {
      return FitsGap(game, action.presses.front(), {action.to->index, k});
    });
    EXPECT_TRUE(fitsInRow) << CardIdText(action.presses.front()) << " " << row.size();
  }
  EXPECT_EQ(actions.back(), (FamilyAction{.presses = {S(2)}, .to = Tab(2)}));
  EXPECT_TRUE(std::ranges::count(actions, FamilyAction{.presses = {S(3)}, .to = Tab(1)}) == 1);
  EXPECT_TRUE(std::ranges::count(actions, FamilyAction{.presses = {D(10)}, .to = Tab(3)}) == 1);
}

TEST_F(GapGameTest, TheRedealKeepsEveryRowsRunFromTwoAndIsOneUndoStep) {
  lay({{C(2), C(3), C(4), Gap}, {H(2), D(3)}, {Filler, Gap}, {Gap}});
  game.history().clear();
  const PileSnapshot before = table();
  PressStock(game);
  ReleaseStock(game);
  EXPECT_EQ(row(1).substr(0, 12), Ids({C(2), C(3), C(4), Gap}));
  EXPECT_EQ(row(2).substr(0, 6), Ids({H(2), Gap}));
  EXPECT_EQ(row(3).substr(0, 3), Ids({Gap}));
  const PileSnapshot after = table();
  EXPECT_NE(after, before);
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo, true));
  EXPECT_EQ(table(), before);
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Redo, true));
  EXPECT_EQ(table(), after);
}

// Every card of the deck but the ones taken out at the deal (the Aces of
// Gaps, the Kings of Maze) lies once on the table and the rows keep their
// gaps, whatever fills and redeals a game makes.
TEST_F(GapGameTest, RandomFillsAndRedealsKeepEveryCardOnceAndTheGaps) {
  struct Case {
    const char* game;
    int takenOut;
    int gaps;
  } cases[] = {{"Gaps", A, 4}, {"Maze", K, 6}};
  for (const Case& c : cases) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
      DealLaidOut(game, c.game);
      std::mt19937 random(seed);
      for (int step = 0; step < 150; ++step) {
        const std::vector<FamilyAction> actions = game.family().actions(game);
        if (actions.empty() || random() % 25 == 0) {
          PressStock(game);
          ReleaseStock(game);
        } else {
          const FamilyAction& action = actions[random() % actions.size()];
          const CardId card = action.presses.front();
          ASSERT_TRUE(FirstFittingGap(game, card).has_value());
          const auto rect = PileRect(game, *action.to);
          ASSERT_TRUE(rect.has_value());
          ASSERT_TRUE(DropOn(game, card, *rect, *action.to, {.target = *action.to}))
              << c.game << " seed " << seed << " step " << step << " " << CardIdText(card);
        }
        std::map<CardId, int> seen;
        int gaps = 0;
        for (PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves})
          for (int i = 0; i < GroupSize(group); ++i)
            for (CardId card : game.piles().pile({group, i})) card == Gap ? ++gaps : ++seen[card];
        ASSERT_EQ(gaps, c.gaps) << c.game << " seed " << seed << " step " << step;
        ASSERT_EQ(seen.size(), 48u) << c.game << " seed " << seed << " step " << step;
        for (const auto& [card, times] : seen) {
          ASSERT_NE(CardRank(card), c.takenOut) << c.game << " seed " << seed << " step " << step;
          ASSERT_EQ(times, 1) << CardIdText(card) << " " << c.game << " seed " << seed << " step " << step;
        }
      }
    }
  }
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

using namespace testing;  // the card and pile notation of the play tests

// Maze: six rows of nine places read as one line round the table.
class GapLineTest : public ::testing::Test {
 protected:
  GapLineTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    LoadPreferences(game, IniDocument(), StartupEnvironment{});
    game.store().write(store::UndoEnabled, "0");
    DealLaidOut(game, "Maze");
  }

  void lay(const Rows& rows) {
    for (int r = 0; r < 6; ++r) {
      game.piles().pile(Tab(r + 1)) = r < static_cast<int>(rows.size()) ? rows[r] : Pile{};
      for (CardId card : game.piles().pile(Tab(r + 1)))
        if (card != Gap) game.cards().setFace(card, Face::Up);
    }
  }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
};

TEST_F(GapLineTest, TheDealTakesTheKingsOutOfSixRowsOfNine) {
  int gaps = 0;
  for (int r = 1; r <= 6; ++r) {
    const Pile& row = game.piles().pile(Tab(r));
    ASSERT_EQ(row.size(), 9u) << "row " << r;
    for (CardId card : row) {
      gaps += card == Gap;
      if (card != Gap) EXPECT_NE(CardRank(card), K);
    }
  }
  EXPECT_EQ(gaps, 6);
  for (int r = 7; r <= kTableauPiles; ++r) EXPECT_TRUE(game.piles().pile(Tab(r)).empty()) << "pile " << r << " is no row";
}

TEST_F(GapLineTest, ACardFitsBesideItsNeighboursCountingRoundTheTable) {
  // Row 1 starts with a gap after the last row's 4 of clubs, and row 2
  // with a gap after row 1's 9 of diamonds.
  lay({{Gap, H(7), Gap, H(Q), Gap, D(9)}, {Gap, S(3), Gap}, {}, {}, {}, {D(2), C(4)}});
  struct Case {
    const char* name;
    CardId card;
    RowPlace at;
    bool fits;
  } cases[] = {
      {"one above the last row's last card, counting round", C(5), {0, 0}, true},
      {"one below its right neighbour", H(6), {0, 0}, true},
      {"neither", S(5), {0, 0}, false},
      {"one above its left neighbour", H(8), {0, 2}, true},
      {"one below its right neighbour in the row", H(11), {0, 2}, true},
      {"an Ace after a Queen of any suit", S(A), {0, 4}, true},
      {"one below the right neighbour", D(8), {0, 4}, true},
      {"a 2 after a Queen", S(2), {0, 4}, false},
      {"one above the row before's last card", D(10), {1, 0}, true},
      {"one below the 3 of spades", S(2), {1, 0}, true},
      {"one above the 3 of spades", S(4), {1, 2}, true},
      {"the place holds a card", H(8), {0, 1}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(FitsGap(game, c.card, c.at), c.fits) << c.name;

  // A gap after the last card of the last row: the card after it is the
  // first card of the first row.
  lay({{H(7), S(9)}, {}, {}, {}, {}, {C(4), Gap}});
  EXPECT_TRUE(FitsGap(game, H(6), {5, 1}));
  EXPECT_TRUE(FitsGap(game, C(5), {5, 1}));
  EXPECT_FALSE(FitsGap(game, H(8), {5, 1}));
}

TEST_F(GapLineTest, TheScoreCountsTheCardsThatFollowInTheLineAndWins) {
  struct Case {
    const char* name;
    Rows rows;
    int followers;
  } cases[] = {
      {"a run across a gap and a row's end", {{H(A), H(2), Gap}, {H(3), D(9)}}, 2},
      {"an Ace after a Queen, round from the last row to the first", {{S(A), Gap}, {}, {}, {}, {}, {C(Q)}}, 1},
      {"nothing in order", {{H(5), S(2), D(7)}}, 0},
  };
  for (const Case& c : cases) {
    lay(c.rows);
    EXPECT_EQ(game.family().ownScore(game), -52 + 5 * c.followers) << c.name;
    EXPECT_EQ(RecomputeScore(game), -52 + 5 * c.followers) << c.name;
  }
  // The whole line in order, gaps anywhere: the score to win.
  Rows solved(6);
  int place = 0;
  for (int suit : {Hearts, Clubs, Diamonds, Spades})
    for (int rank = A; rank <= Q; ++rank) {
      solved[static_cast<std::size_t>(place / 8)].push_back(MakeCard(suit, rank));
      if (++place % 8 == 3) solved[static_cast<std::size_t>((place - 1) / 8)].push_back(Gap);
    }
  lay(solved);
  EXPECT_EQ(RecomputeScore(game), game.rules()[rule::ScoreToWin]);
  EXPECT_TRUE(GameWonTest(game));
  std::swap(game.piles().pile(Tab(2))[0], game.piles().pile(Tab(2))[1]);
  EXPECT_FALSE(GameWonTest(game));
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

using namespace testing;  // the card and pile notation of the play tests

// The hint's arrow points at the gap the card fills, not at the row's last card.
TEST_F(GapGameTest, TheHintArrowPointsAtTheGap) {
  lay(kOpenRows);
  const auto from = FindCard(game, C(4));
  ASSERT_TRUE(from.has_value());
  const auto arrow = ArrowOf(game, Hint{.kind = HintKind::Card, .card = C(4), .from = from->pile, .to = Tab(1)});
  ASSERT_TRUE(arrow.has_value());
  const TableRect gap = CardRect(game, Tab(1), 2);
  EXPECT_EQ(arrow->to.x, gap.x + gap.width / 2);
  EXPECT_EQ(arrow->to.y, gap.y + gap.height / 2);
}

}  // namespace
}  // namespace velmora
