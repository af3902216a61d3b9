// Player actions: the ranking of drop candidates, pressing, carrying and
// releasing cards, the sends of a double or right click, and the one move
// executor with the follow-ups of every move.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// The move rules' card places come before the layout's function of that name.
#include "moves/move_rules.h"

#include "catalogue/catalogue_startup.h"
#include "files/ini_document.h"
#include "game/rule_index.h"
#include "history/undo.h"
#include "play/execute_move.h"
#include "play/hit_test.h"
#include "play/play_rules.h"
#include "play/player_actions.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "table_cards.h"
#include "test_support.h"

namespace velmora {
namespace {

using namespace testing;  // the card and pile notation of the play tests

using Change = GameUi::TableChange;

class PlayTest : public ::testing::Test {
 protected:
  PlayTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    LoadPreferences(game, IniDocument(), StartupEnvironment{});
    game.store().write(store::UndoEnabled, "0");
  }

  // A real game dealt and laid out on a window of 1280 x 800 pixels.
  void start(std::string_view name) {
    DealLaidOut(game, name);
    ui = RecordingUi();
  }

  // Every pile emptied, as a case lays only the cards it needs.
  void clearTable() { game.piles().clear(); }

  void lay(PileRef pile, std::initializer_list<CardId> cards, Face face = Face::Up) {
    ASSERT_TRUE(game.piles().setPileString(pile, Ids(cards)));
    for (CardId card : cards) game.cards().setFace(card, face);
  }

  std::string pile(PileRef ref) const { return game.piles().pileString(ref); }
  int undoSteps() const { return game.history().undo().steps(); }
  PileSnapshot table() const { return TakeSnapshot(game.piles(), game.cards()); }
  TablePoint pointOn(CardId card) const {
    const auto point = PointOnCard(game, card);
    EXPECT_TRUE(point.has_value()) << CardIdText(card);
    return point.value_or(TablePoint{});
  }

  // Takes the card up and lets it go with its corner where the next card of
  // `to` would lie.
  void drag(CardId card, PileRef to) {
    const TablePoint from = pointOn(card);
    PressAt(game, MouseButton::Left, false, false, from.x, from.y);
    ASSERT_TRUE(game.carry().active());
    const TableRect landing = CardRect(game, to, static_cast<int>(game.piles().pile(to).size()));
    const Carry& carry = game.carry();
    PointerAt(game, landing.x + carry.grab.x, landing.y + carry.grab.y);
    ReleaseAt(game);
  }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
};

// --- Hit test ----------------------------------------------------------------

TEST_F(PlayTest, APointHitsTheTopmostCardWhoseVisiblePartHoldsIt) {
  start("FreeCell");
  clearTable();
  lay(Tab(1), {S(K), H(9), C(8)});
  const TableRect bottom = CardRect(game, Tab(1), 0);
  const TableRect top = CardRect(game, Tab(1), 2);
  const TableRect empty = CardRect(game, Tab(2), 0);
  ASSERT_GT(top.y, bottom.y) << "the pile fans downwards";
  struct Case {
    const char* name;
    TablePoint point;
    std::optional<PileRef> pile;
    CardId card;
  };
  const Case cases[] = {
      {"the uncovered strip of the bottom card", {bottom.x + 3, bottom.y + 3}, Tab(1), S(K)},
      {"where the top card covers the bottom card", {top.x + 3, top.y + 3}, Tab(1), C(8)},
      {"the lower part of the top card", {top.x + 3, top.bottom() - 1}, Tab(1), C(8)},
      {"just below the pile", {top.x + 3, top.bottom()}, std::nullopt, kNoCard},
      {"just right of the pile", {bottom.right(), bottom.y + 3}, std::nullopt, kNoCard},
      {"an empty pile", {empty.x + 3, empty.y + 3}, Tab(2), kNoCard},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto hit = HitTest(game, c.point);
    ASSERT_EQ(hit.has_value(), c.pile.has_value());
    if (!hit) continue;
    EXPECT_EQ(hit->pile, *c.pile);
    EXPECT_EQ(hit->card, c.card);
  }
}

// Pyramid's rows overlap, each drawn over the row above: a point hits the
// card seen there, also where a removed card lets the row above show.
TEST_F(PlayTest, APointOnOverlappingRowsHitsTheCardSeenThere) {
  start("Pyramid");
  clearTable();
  lay(Tab(6), {H(A), H(2), H(3), H(4), H(5), H(6)});
  lay(Tab(7), {S(A), kNoCard, S(3), S(4), S(5), S(6), S(7)});
  const TableRect upper = CardRect(game, Tab(6), 0);
  const TableRect lower = CardRect(game, Tab(7), 2);
  ASSERT_LT(lower.y, upper.bottom()) << "the rows overlap";
  struct Case {
    const char* name;
    TablePoint point;
    PileRef pile;
    CardId card;
  };
  const Case cases[] = {
      {"the upper part of a card of the lower row", {lower.x + 3, lower.y + 3}, Tab(7), S(3)},
      {"where a removed card lets the row above show", {upper.right() - 3, upper.bottom() - 3}, Tab(6), H(A)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto hit = HitTest(game, c.point);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(hit->pile, c.pile);
    EXPECT_EQ(hit->card, c.card);
  }
}

// --- Drop ranking ------------------------------------------------------------

struct RankingCase {
  const char* name;
  std::vector<std::pair<PileRef, TablePoint>> places;
  TableRect carried;
  std::vector<PileRef> expected;
  int wasteNotTarget = 0;
};

// Cards are 71 x 96. Two piles 80 pixels apart share equally a carried card
// whose left edge is at 40 (31 columns each).
const RankingCase kRankingCases[] = {
    {"equal overlap: the foundation before the tableau pile",
     {{Tab(1), {0, 0}}, {Found(1), {80, 0}}}, {40, 0, 71, 96}, {Found(1), Tab(1)}},
    {"equal overlap: the reserve before the foundation",
     {{Found(2), {0, 0}}, {Res(1), {80, 0}}}, {40, 0, 71, 96}, {Res(1), Found(2)}},
    {"equal overlap and kind: the higher index first",
     {{Tab(3), {0, 0}}, {Tab(2), {80, 0}}}, {40, 0, 71, 96}, {Tab(3), Tab(2)}},
    {"the larger overlap before the higher kind",
     {{Tab(1), {0, 0}}, {Res(1), {80, 0}}}, {20, 0, 71, 96}, {Tab(1), Res(1)}},
    {"of five overlapped piles the four with most overlap",
     {{Tab(1), {0, 40}}, {Tab(2), {0, 30}}, {Tab(3), {0, 20}}, {Tab(4), {0, 10}}, {Tab(5), {0, 0}}},
     {0, 0, 71, 96}, {Tab(5), Tab(4), Tab(3), Tab(2)}},
    {"a pile the card only touches is no candidate", {{Tab(1), {71, 0}}, {Tab(2), {0, 96}}}, {0, 0, 71, 96}, {}},
    {"the waste is the last of equals", {{kWaste, {0, 0}}, {Tab(1), {0, 0}}}, {0, 0, 71, 96}, {Tab(1), kWaste}},
    {"the waste may be no target", {{kWaste, {0, 0}}, {Tab(1), {0, 0}}}, {0, 0, 71, 96}, {Tab(1)}, 4},
    {"unplaced piles are never candidates", {}, {0, 0, 71, 96}, {}},
};

TEST_F(PlayTest, DropCandidatesAreRankedByOverlapThenKindThenIndex) {
  start("FreeCell");
  clearTable();
  lay(Tab(8), {H(5)});  // the carried card, on a pile no case places
  for (const RankingCase& c : kRankingCases) {
    SCOPED_TRACE(c.name);
    game.layout() = TableLayout(LayoutArea{});
    for (const auto& [ref, at] : c.places) game.layout().place(ref, at.x, at.y);
    game.rules()[rule::WasteNotTarget] = static_cast<std::int16_t>(c.wasteNotTarget);
    std::vector<PileRef> order;
    for (const DropCandidate& candidate : DropCandidates(game, H(5), c.carried)) order.push_back(candidate.pile);
    EXPECT_EQ(order, c.expected);
  }
}

TEST_F(PlayTest, ADropGoesToTheBestCandidateThatTakesTheCard) {
  start("FreeCell");
  clearTable();
  lay(Tab(1), {S(6)});
  lay(Tab(2), {C(6)});
  lay(Tab(3), {H(5)});
  game.layout() = TableLayout(LayoutArea{});
  game.layout().place(Tab(1), 0, 0);
  game.layout().place(Tab(2), 80, 0);
  game.layout().place(Tab(3), 400, 0);
  // Pile 2 is ranked first (higher index at equal overlap) and takes it.
  EXPECT_TRUE(TryDrop(game, H(5), {40, 0, 71, 96}, {.animate = false}));
  EXPECT_EQ(pile(Tab(2)), Ids({C(6), H(5)}));
  EXPECT_EQ(pile(Tab(1)), Ids({S(6)}));
  // A candidate that refuses passes the drop on to the next.
  lay(Tab(2), {D(6)});
  lay(Tab(3), {H(5)});
  EXPECT_TRUE(TryDrop(game, H(5), {40, 0, 71, 96}, {.animate = false}));
  EXPECT_EQ(pile(Tab(1)), Ids({S(6), H(5)}));
}

// --- The executor ------------------------------------------------------------

TEST_F(PlayTest, AMoveIsOneUndoStepWithTheExposedCardTurnedInIt) {
  start("Klondike (draw one)");
  clearTable();
  lay(Tab(1), {C(9)}, Face::Down);
  lay(Tab(1), {C(9), H(K)});
  game.cards().setFace(C(9), Face::Down);
  const PileSnapshot before = table();
  RecordStep(game, HistorySide::Redo);  // something undone earlier
  game.state().setWord(word::FirstMove, -1);

  ASSERT_TRUE(ExecuteMove(game, H(K), "Fila2"));
  EXPECT_EQ(pile(Tab(2)), Ids({H(K)}));
  EXPECT_EQ(pile(Tab(1)), Ids({C(9)}));
  EXPECT_TRUE(game.cards().isFaceUp(C(9)));
  EXPECT_EQ(undoSteps(), 1);
  EXPECT_TRUE(game.history().redo().empty()) << "a new move discards what was undone";
  EXPECT_EQ(game.state().word(word::FirstMove), 1);
  EXPECT_EQ(game.state().word(word::StartPhase), 1);
  EXPECT_FALSE(ui.scores.empty()) << "the score is recomputed";
  EXPECT_EQ(ui.tableChanges.back(), Change::Piles);

  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo));
  EXPECT_EQ(table(), before) << "one step back restores the card face down";
}

TEST_F(PlayTest, TheCardsAboveTheMovedCardGoWithIt) {
  start("FreeCell");
  clearTable();
  lay(Tab(1), {S(K), H(9), C(8), D(7)});
  lay(Tab(2), {S(10)});
  ASSERT_TRUE(ExecuteMove(game, H(9), "Fila2"));
  EXPECT_EQ(pile(Tab(2)), Ids({S(10), H(9), C(8), D(7)}));
  EXPECT_EQ(pile(Tab(1)), Ids({S(K)}));
}

// A reserve that takes more than one card takes the unit whole: no card is
// ever cut from the middle of its pile.
TEST_F(PlayTest, AUnitDroppedOnAReserveThatTakesSeveralCardsMovesWhole) {
  start("FreeCell");
  clearTable();
  game.rules()[rule::ReserveAccepts] = 12;  // the first reserve takes anything
  lay(Tab(1), {S(K), H(9), C(8)});
  const TableRect onReserve = *PileRect(game, Res(1));
  ASSERT_TRUE(TryDrop(game, H(9), onReserve, {.animate = false}));
  EXPECT_EQ(pile(Res(1)), Ids({H(9), C(8)}));
  EXPECT_EQ(pile(Tab(1)), Ids({S(K)}));
  // A free cell takes single cards only.
  lay(Tab(2), {S(5), D(4)});
  EXPECT_FALSE(TryDrop(game, S(5), *PileRect(game, Res(2)), {.animate = false}));
  EXPECT_EQ(pile(Tab(2)), Ids({S(5), D(4)}));
}

struct RefusedTarget {
  const char* target;
  CardId card;
};

TEST_F(PlayTest, TheExecutorRefusesWhatCannotBeCarriedOut) {
  start("Klondike (draw one)");
  clearTable();
  lay(Tab(1), {H(A)});
  const RefusedTarget cases[] = {
      {"Dest5", H(A)},          // the game has four foundations
      {"Fila8", H(A)},          // and seven tableau piles
      {"Dest0", H(A)},          {"Dest_Autoplay", H(A)}, {"Dest_Autoplay9", H(A)},
      {"Fila1", H(A)},          // its own pile
      {"Nowhere", H(A)},        {"Mazzo", H(A)},
      {"Dest1", kNoCard},       {"Dest1", S(K)},  // a card on no pile
  };
  for (const RefusedTarget& c : cases) {
    SCOPED_TRACE(c.target);
    EXPECT_FALSE(ExecuteMove(game, c.card, c.target));
    EXPECT_EQ(undoSteps(), 0);
    EXPECT_EQ(pile(Tab(1)), Ids({H(A)}));
  }
}

struct SoundCase {
  const char* target;
  PileRef lands;
  std::vector<std::string> sounds;
};

TEST_F(PlayTest, EachKindOfTargetHasItsSound) {
  const SoundCase cases[] = {
      {"Dest1", Found(1), {"Foundation"}},
      {"Dest_Autoplay1", Found(1), {"Autoplay"}},
      {"Dest02", Found(2), {"Foundation"}},
      {"Fila3", Tab(3), {"Tableau"}},
      {"Appogg2", Res(2), {"Tableau"}},
  };
  for (const SoundCase& c : cases) {
    SCOPED_TRACE(c.target);
    start("FreeCell");
    clearTable();
    lay(Tab(1), {D(A)});
    ASSERT_TRUE(ExecuteMove(game, D(A), c.target));
    EXPECT_EQ(ui.sounds, c.sounds);
    EXPECT_EQ(game.piles().topCard(c.lands), D(A));
  }
}

TEST_F(PlayTest, TheWonTestRunsAfterEveryMove) {
  start("FreeCell");
  clearTable();
  lay(Tab(1), {D(A)});
  int asked = 0;
  game.playSeams().gameWonTest = [&] { return ++asked == 1; };
  ASSERT_TRUE(ExecuteMove(game, D(A), "Dest1"));
  EXPECT_TRUE(game.state().on(flag::GameWon));
  ASSERT_TRUE(ExecuteMove(game, D(A), "Fila2"));
  EXPECT_FALSE(game.state().on(flag::GameWon));
}

TEST_F(PlayTest, TheLastCardUpEndsTheGameHoweverItGoes) {
  enum class How { Drag, DoubleClick, RightClick };
  for (How how : {How::Drag, How::DoubleClick, How::RightClick}) {
    SCOPED_TRACE(static_cast<int>(how));
    start("FreeCell");
    clearTable();
    for (int suit = 0; suit < 4; ++suit)
      for (int rank = 1; rank <= 13; ++rank)
        if (MakeCard(suit, rank) != S(K)) game.piles().pile(Found(suit + 1)).push_back(MakeCard(suit, rank));
    lay(Tab(1), {S(K)});
    int ended = 0;
    game.playSeams().endGame = [&] { ++ended; };
    const TablePoint at = pointOn(S(K));
    switch (how) {
      case How::Drag: drag(S(K), Found(4)); break;
      case How::DoubleClick: EXPECT_TRUE(DoubleClickSend(game, at.x, at.y)); break;
      case How::RightClick: EXPECT_TRUE(RightClickSend(game, at.x, at.y)); break;
    }
    EXPECT_TRUE(game.piles().pile(Tab(1)).empty());
    EXPECT_EQ(ended, 1);
  }
}

TEST_F(PlayTest, TheFirstMoveDecidesWhetherTheGameCounts) {
  struct Case {
    const char* what;
    int playMode;
    int before, after;  // the first-move word
    bool redoKept;
  };
  const Case cases[] = {
      {"the player's first move", 0, -1, 1, false},
      {"the demo playback's first move", 2, -1, 0, true},
      {"the tutor demo's first move", 3, -1, 0, false},
      {"the player continues a deal the demo began", 0, 0, 0, false},
      {"the demo continues a deal the player began", 3, 1, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    start("FreeCell");
    clearTable();
    lay(Tab(1), {D(A)});
    RecordStep(game, HistorySide::Redo);
    game.state().setWord(word::FirstMove, c.before);
    game.state().setWord(word::PlayMode, c.playMode);
    ASSERT_TRUE(ExecuteMove(game, D(A), "Dest1"));
    EXPECT_EQ(game.state().word(word::FirstMove), c.after);
    EXPECT_EQ(!game.history().redo().empty(), c.redoKept);
  }
}

// --- The opening phase -------------------------------------------------------

TEST_F(PlayTest, TheOpeningPhaseAllowsOnlyTableauToFoundation) {
  struct Case {
    const char* name;
    CardId card;
    const char* target;
    bool allowed;
  };
  const Case cases[] = {
      {"tableau to foundation", H(A), "Dest1", true},
      {"tableau to tableau", H(A), "Fila3", false},
      {"waste to foundation", D(A), "Dest2", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    start("Klondike (draw one)");
    game.rules()[rule::OpeningPhase] = 1;
    clearTable();
    lay(Tab(1), {H(A)});
    lay(Tab(2), {S(2)});
    lay(kWaste, {D(A)});
    EXPECT_EQ(ExecuteMove(game, c.card, c.target), c.allowed);
    EXPECT_EQ(undoSteps(), c.allowed ? 1 : 0);
  }
  // Once a move is made the phase is over.
  EXPECT_TRUE(ExecuteMove(game, H(A), "Dest1"));
  EXPECT_TRUE(ExecuteMove(game, D(A), "Dest2"));
}

TEST_F(PlayTest, AfterTheFirstMoveTheEmptyTableauIsFilledInTheSameStep) {
  start("Klondike (draw one)");
  game.rules()[rule::OpeningPhase] = 1;
  game.rules()[rule::FillTableauAfterFirstMove] = 1;
  clearTable();
  lay(kStock, {C(2), C(3), C(4)}, Face::Down);
  lay(Tab(1), {H(A)});
  lay(Tab(2), {S(9)});
  const PileSnapshot before = table();
  ASSERT_TRUE(ExecuteMove(game, H(A), "Dest1"));
  EXPECT_EQ(pile(Tab(1)).size(), 3u) << "the emptied pile got a card from the stock";
  EXPECT_EQ(pile(Tab(2)), Ids({S(9)}));
  EXPECT_EQ(game.state().word(word::StartPhase), 2);
  EXPECT_EQ(undoSteps(), 1);
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo));
  EXPECT_EQ(table(), before);
  // The filling happens once only.
  ASSERT_TRUE(ExecuteMove(game, H(A), "Dest1"));
  ASSERT_TRUE(ExecuteMove(game, S(9), "Fila1"));
  EXPECT_EQ(pile(Tab(2)), "");
}

// --- The mouse ---------------------------------------------------------------

TEST_F(PlayTest, ACardCarriedToAPileThatTakesItMovesThere) {
  start("FreeCell");
  clearTable();
  lay(Tab(1), {S(K), H(9)});
  lay(Tab(2), {C(10)});
  drag(H(9), Tab(2));
  EXPECT_EQ(pile(Tab(2)), Ids({C(10), H(9)}));
  EXPECT_EQ(pile(Tab(1)), Ids({S(K)}));
  EXPECT_FALSE(game.carry().active());
  EXPECT_EQ(ui.tableChanges.back(), Change::Piles);
  EXPECT_EQ(ui.beeps, 0);
}

TEST_F(PlayTest, ACarryFollowsThePointerAndARefusedDropFliesHome) {
  start("FreeCell");
  clearTable();
  lay(Tab(1), {S(K), H(9)});
  lay(Tab(2), {D(10)});
  const TablePoint press = pointOn(H(9));
  PressAt(game, MouseButton::Left, false, false, press.x, press.y);
  const Carry carried = game.carry();
  ASSERT_TRUE(carried.active());
  EXPECT_EQ(carried.card, H(9));
  EXPECT_EQ(ui.tableChanges.back(), Change::Carry);
  PointerAt(game, press.x + 30, press.y + 7);
  EXPECT_EQ(game.carry().at.x, carried.start.x + 30);
  EXPECT_EQ(game.carry().at.y, carried.start.y + 7);
  EXPECT_TRUE(game.carry().pointerMoved);

  const PileSnapshot before = table();
  ui.flights.clear();
  drag(H(9), Tab(2));  // the carry continues: a red Nine does not go on a red Ten
  EXPECT_EQ(table(), before);
  EXPECT_EQ(undoSteps(), 0);
  ASSERT_EQ(ui.flights.size(), 1u);
  EXPECT_EQ(ui.flights[0], std::vector<CardId>{H(9)});
  EXPECT_FALSE(game.carry().active());
  EXPECT_EQ(ui.beeps, 0) << "a refused drop flies back without a sound of refusal";
}

TEST_F(PlayTest, APressThatDoesNotMoveIsPutBackWithoutAFlight) {
  start("FreeCell");
  clearTable();
  lay(Tab(1), {H(9)});
  const TablePoint press = pointOn(H(9));
  PressAt(game, MouseButton::Left, false, false, press.x, press.y);
  ReleaseAt(game);
  EXPECT_FALSE(game.carry().active());
  EXPECT_TRUE(ui.flights.empty());
  EXPECT_EQ(pile(Tab(1)), Ids({H(9)}));
}

TEST_F(PlayTest, RefusedPressesBeep) {
  struct Case {
    const char* name;
    bool paused;
    CardId pressed;
    int beeps;
  };
  const Case cases[] = {
      {"a card that may be taken", false, H(9), 0},
      {"a covered card out of sequence", false, S(K), 1},
      {"any press while paused", true, H(9), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    start("FreeCell");
    clearTable();
    lay(Tab(1), {S(K), H(9)});
    game.state().set(flag::Paused, c.paused);
    const TablePoint press = pointOn(c.pressed);
    PressAt(game, MouseButton::Left, false, false, press.x, press.y);
    EXPECT_EQ(ui.beeps, c.beeps);
    EXPECT_EQ(game.carry().active(), c.beeps == 0);
    ReleaseAt(game);
  }
}

TEST_F(PlayTest, APressOnAFaceDownTopCardTurnsItAsAStepOfItsOwn) {
  start("Klondike (draw one)");
  clearTable();
  lay(Tab(1), {C(9)}, Face::Down);
  const TablePoint press = pointOn(C(9));
  PressAt(game, MouseButton::Left, false, false, press.x, press.y);
  EXPECT_TRUE(game.cards().isFaceUp(C(9)));
  EXPECT_FALSE(game.carry().active());
  EXPECT_EQ(undoSteps(), 1);
  ReleaseAt(game);
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo));
  EXPECT_TRUE(game.cards().isFaceDown(C(9)));
}

// --- Discard games ----------------------------------------------------------

TEST_F(PlayTest, InGolfAPressDiscardsACardOneRankFromTheDiscardPile) {
  struct Case {
    const char* name;
    CardId discardTop;
    CardId pressed;
    bool discarded;
  };
  const Case cases[] = {
      {"one rank below", H(6), S(5), true},
      {"one rank above, another suit", H(6), C(7), true},
      {"the same rank", H(6), D(6), false},
      {"two ranks away", H(6), S(8), false},
      {"no turning the corner from Ace to King", H(A), S(K), false},
      {"nor from King to Ace", H(K), S(A), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    start("Golf");
    clearTable();
    lay(kThirdStockSlot, {c.discardTop});
    lay(Tab(1), {D(9), c.pressed});
    const TablePoint at = pointOn(c.pressed);
    PressAt(game, MouseButton::Left, false, false, at.x, at.y);
    EXPECT_FALSE(game.carry().active()) << "nothing is carried in a discard game";
    ReleaseAt(game);
    EXPECT_EQ(game.piles().topCard(kThirdStockSlot), c.discarded ? c.pressed : c.discardTop);
    EXPECT_EQ(pile(Tab(1)), c.discarded ? Ids({D(9)}) : Ids({D(9), c.pressed}));
    EXPECT_EQ(ui.beeps, c.discarded ? 0 : 1);
    EXPECT_EQ(undoSteps(), c.discarded ? 1 : 0);
  }
}

// --- Sends -------------------------------------------------------------------

struct SendCase {
  const char* name;
  MouseButton button;
  const char* toFoundations;
  const char* toTableaus;
  CardId card;
  std::optional<PileRef> lands;  // none: nothing moves
};

// The table of every case: an Ace and a Five of hearts on piles of their
// own, a black Six, a face-down card; foundations, cells and two tableau
// piles empty.
TEST_F(PlayTest, SendsFollowThePreferencesAndTryFoundationsTableauThenReserves) {
  const SendCase cases[] = {
      {"double click: the Ace to a foundation", MouseButton::Left, "Y", "N", H(A), Found(1)},
      {"double click: no foundation, no tableau, a free reserve", MouseButton::Left, "Y", "N", H(5), Res(1)},
      {"double click to the tableau: the Six before an empty pile", MouseButton::Left, "Y", "Y", H(5), Tab(3)},
      {"right click with both directions off: nothing", MouseButton::Right, "N", "N", H(A), std::nullopt},
      {"right click to foundations", MouseButton::Right, "Y", "N", H(A), Found(1)},
      {"a face-down card is never sent", MouseButton::Right, "Y", "Y", D(2), std::nullopt},
  };
  for (const SendCase& c : cases) {
    SCOPED_TRACE(c.name);
    start("FreeCell");
    clearTable();
    lay(Tab(1), {H(A)});
    lay(Tab(2), {H(5)});
    lay(Tab(3), {S(6)});
    lay(Tab(5), {D(2)}, Face::Down);
    const bool right = c.button == MouseButton::Right;
    game.store().write(right ? store::RightClickToFoundations : store::DoubleClickToFoundations, c.toFoundations);
    game.store().write(right ? store::RightClickToTableaus : store::DoubleClickToTableaus, c.toTableaus);
    const TablePoint at = pointOn(c.card);
    const bool sent = right ? RightClickSend(game, at.x, at.y) : DoubleClickSend(game, at.x, at.y);
    EXPECT_EQ(sent, c.lands.has_value());
    if (c.lands) {
      EXPECT_EQ(game.piles().topCard(*c.lands), c.card);
    }
    EXPECT_EQ(undoSteps(), c.lands ? 1 : 0);
  }
}

// A card in a free cell is sent on only where it changes the table: never
// into another free cell, which would cost a move and change nothing. The
// table: the Five of hearts in the first cell, the second cell free, a black
// Six on the first tableau pile, the second tableau pile empty.
TEST_F(PlayTest, ACardInAReserveIsNeverSentToAnotherReserve) {
  const SendCase cases[] = {
      {"double click, foundations only", MouseButton::Left, "Y", "N", H(5), std::nullopt},
      {"right click, foundations only", MouseButton::Right, "Y", "N", H(5), std::nullopt},
      {"double click to the tableau: onto the black Six", MouseButton::Left, "N", "Y", H(5), Tab(1)},
      {"right click with the Four on its foundation: home", MouseButton::Right, "Y", "N", H(5), Found(1)},
  };
  for (const SendCase& c : cases) {
    SCOPED_TRACE(c.name);
    start("FreeCell");
    clearTable();
    lay(Res(1), {H(5)});
    lay(Tab(1), {S(6)});
    if (c.lands == Found(1)) lay(Found(1), {H(A), H(2), H(3), H(4)});
    const bool right = c.button == MouseButton::Right;
    game.store().write(right ? store::RightClickToFoundations : store::DoubleClickToFoundations, c.toFoundations);
    game.store().write(right ? store::RightClickToTableaus : store::DoubleClickToTableaus, c.toTableaus);
    const PileSnapshot before = table();
    const TablePoint at = pointOn(c.card);
    const bool sent = right ? RightClickSend(game, at.x, at.y) : DoubleClickSend(game, at.x, at.y);
    EXPECT_EQ(sent, c.lands.has_value());
    if (c.lands) {
      EXPECT_EQ(game.piles().topCard(*c.lands), c.card);
    } else {
      EXPECT_EQ(table(), before) << "the cell keeps its card";
    }
    EXPECT_EQ(pile(Res(2)), "");
    EXPECT_EQ(undoSteps(), c.lands ? 1 : 0);
  }
}

TEST_F(PlayTest, ADoubleClickSwallowsTheSecondPress) {
  start("FreeCell");
  clearTable();
  lay(Tab(1), {S(K), H(A)});
  const TablePoint at = pointOn(H(A));
  PressAt(game, MouseButton::Left, false, false, at.x, at.y);
  ReleaseAt(game);
  DoubleClickAt(game);
  EXPECT_EQ(pile(Found(1)), Ids({H(A)}));
  const TablePoint king = pointOn(S(K));
  PressAt(game, MouseButton::Left, false, false, king.x, king.y);
  EXPECT_FALSE(game.carry().active()) << "the press that ends a double click takes nothing";
  PressAt(game, MouseButton::Left, false, false, king.x, king.y);
  EXPECT_TRUE(game.carry().active());
}

}  // namespace
}  // namespace velmora
