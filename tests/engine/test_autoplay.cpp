// Autoplay and the automatic fill: which cards go up and in what order, when
// autoplay holds back or stops, how empty piles are filled, and that all of
// it is undone together with the change that caused it.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The move rules' card places come before the layout's function of that name.
#include "moves/move_rules.h"

#include "autoplay/auto_fill.h"
#include "autoplay/autoplay.h"
#include "catalogue/catalogue_startup.h"
#include "files/ini_document.h"
#include "game/rule_index.h"
#include "history/undo.h"
#include "play/hit_test.h"
#include "play/play_rules.h"
#include "play/player_actions.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "table/prepare_game.h"
#include "table_cards.h"
#include "test_support.h"

namespace velmora {
namespace {

using namespace testing;  // the card and pile notation of the play tests

constexpr int kAutoplayAvailable = 19;
constexpr int kAutoFillStyle = 23;

// A screen whose waits and card flights can run what the player does meanwhile.
class ScriptedUi : public testing::RecordingUi {
 public:
  void pauseFor(int milliseconds) override {
    pauses.push_back(milliseconds);
    if (duringPause) duringPause();
  }
  void flyCards(const std::vector<CardId>& cards, TablePoint from, TablePoint to) override {
    RecordingUi::flyCards(cards, from, to);
    if (duringFlight) duringFlight();
  }

  void showTable(TableChange change) override {
    RecordingUi::showTable(change);
    if (whenShown) whenShown();
  }

  std::vector<int> pauses;
  std::function<void()> duringPause;
  std::function<void()> duringFlight;
  std::function<void()> whenShown;
};

class AutoplayTest : public ::testing::Test {
 public:  // the cases' set-up functions lay their cards through the fixture
  AutoplayTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    game.data().prepare();
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    LoadPreferences(game, IniDocument(), StartupEnvironment{});
    game.store().write(store::UndoEnabled, "0");
  }

  void load(std::string_view name) {
    const int number = game.catalogue().GameNumberByName(name);
    ASSERT_GE(number, 0) << name;
    game.store().setGameNumber(number);
    game.rules().clearForGame();
    ASSERT_TRUE(LoadGameRules(game.catalogue(), number, game.rules()));
    const LayoutArea area{.cardWidth = 71, .cardHeight = 96, .top = 5, .bottom = 799, .windowHeight = 800,
                          .width = 1280, .screenWidth = 1280, .screenHeight = 800};
    game.layout() = LayOutTable(game.rules(), 'B', area);
  }

  // A real game dealt on a laid-out table, with autoplay as asked; then
  // every pile emptied, as a case lays only the cards it needs.
  void startEmpty(std::string_view name, bool autoplay) {
    load(name);
    game.setAutoplay(false);
    game.store().write(store::DealNumber, "0000000000042");
    ASSERT_TRUE(StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true}));
    game.piles().clear();
    game.history().clear();
    game.setAutoplay(autoplay);
    ui = ScriptedUi();
  }

  void lay(PileRef pile, std::initializer_list<CardId> cards, Face face = Face::Up) {
    ASSERT_TRUE(game.piles().setPileString(pile, Ids(cards)));
    for (CardId card : cards) game.cards().setFace(card, face);
  }

  // Every foundation starts from an Ace.
  void foundationsFromAces() {
    for (int k = 0; k < 16; ++k) game.rules()[rule::FoundationBaseRank + k] = A;
  }

  std::string pile(PileRef ref) const { return game.piles().pileString(ref); }
  int undoSteps() const { return game.history().undo().steps(); }
  PileSnapshot table() const { return TakeSnapshot(game.piles(), game.cards()); }

  // Takes the card up and lets it go where the next card of `to` would lie.
  void drag(CardId card, PileRef to) {
    const auto from = PointOnCard(game, card);
    ASSERT_TRUE(from.has_value()) << CardIdText(card);
    PressAt(game, MouseButton::Left, false, false, from->x, from->y);
    ASSERT_TRUE(game.carry().active());
    const TableRect landing = CardRect(game, to, static_cast<int>(game.piles().pile(to).size()));
    PointerAt(game, landing.x + game.carry().grab.x, landing.y + game.carry().grab.y);
    ReleaseAt(game);
  }

  TempFolder dir;
  ScriptedUi ui;
  TMainGame game;
};

// --- Which cards go up, in what order ----------------------------------------

TEST_F(AutoplayTest, ARunSendsTopCardsUpReservesFirstThenWasteThenTableau) {
  struct Case {
    const char* name;
    std::function<void(AutoplayTest&)> setUp;
    std::vector<std::pair<PileRef, std::string>> expected;
  };
  const Case cases[] = {
      {"the reserve's card takes the first foundation, the waste's the second, the tableau's the third",
       [](AutoplayTest&) {},
       {{Found(1), Ids({S(A)})}, {Found(2), Ids({D(A)})}, {Found(3), Ids({C(A)})}}},
      {"a card goes up in a later round, once the card it builds on is there",
       [](AutoplayTest& t) { t.lay(Tab(2), {S(2)}), t.lay(Res(1), {H(2), S(A)}); },
       {{Found(1), Ids({S(A), S(2)})}, {Res(1), Ids({H(2)})}, {Tab(2), ""}}},
      {"only top cards: an Ace under another card stays",
       [](AutoplayTest& t) { t.lay(Tab(1), {C(A), H(9)}); },
       {{Found(3), ""}, {Tab(1), Ids({C(A), H(9)})}}},
      {"a face-down card stays",
       [](AutoplayTest& t) { t.lay(Tab(1), {C(A)}, Face::Down); },
       {{Found(3), ""}, {Tab(1), Ids({C(A)})}}},
      {"the waste's card stays where the game fixes it",
       [](AutoplayTest& t) { t.game.rules()[rule::WasteTopFixed] = 1; },
       {{Found(2), Ids({C(A)})}, {kWaste, Ids({D(A)})}}},
      {"where the first card chooses every foundation's base rank, that choice is left to the player",
       [](AutoplayTest& t) {
         for (int k = 0; k < 4; ++k) t.game.rules()[rule::FoundationBaseRank + k] = 92;
       },
       {{Found(1), ""}, {Res(1), Ids({S(A)})}, {kWaste, Ids({D(A)})}, {Tab(1), Ids({C(A)})}}},
      {"once a foundation is started, the rest of its rank may follow",
       [](AutoplayTest& t) {
         for (int k = 0; k < 4; ++k) t.game.rules()[rule::FoundationBaseRank + k] = 92;
         t.lay(Found(4), {H(A)});
       },
       {{Found(1), Ids({S(A)})}, {Found(2), Ids({D(A)})}, {Found(3), Ids({C(A)})}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    startEmpty("Canfield", true);
    foundationsFromAces();
    lay(Res(1), {S(A)});
    lay(kWaste, {D(A)});
    lay(Tab(1), {C(A)});
    c.setUp(*this);
    AutoplayRun(game);
    for (const auto& [where, cards] : c.expected) EXPECT_EQ(pile(where), cards) << PileName(where);
  }
}

TEST_F(AutoplayTest, AutoplayMovesNothingUnlessSwitchedOnAndAllowedByTheGame) {
  struct Case {
    const char* name;
    bool switchedOn;
    int available;
    bool moves;
  };
  const Case cases[] = {
      {"on and allowed", true, 1, true},
      {"switched off", false, 1, false},
      {"the game does not allow it", true, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    startEmpty("Klondike (draw one)", c.switchedOn);
    game.rules()[kAutoplayAvailable] = c.available;
    lay(Tab(1), {H(A)});
    lay(kStock, {C(9)}, Face::Down);  // a card still to play: sending the Ace up does not win the game
    EXPECT_EQ(AutoplayRun(game), c.moves);
    EXPECT_EQ(pile(Found(1)), c.moves ? Ids({H(A)}) : "");
    EXPECT_EQ(ui.sounds, c.moves ? std::vector<std::string>{"Autoplay"} : std::vector<std::string>{});
  }
}

TEST_F(AutoplayTest, WithAutoplayOnTheCardAMoveExposesIsTurnedAndSentUpInTheMovesStep) {
  startEmpty("Klondike (draw one)", true);
  ASSERT_EQ(game.rules()[rule::AutoTurnFaceDown], 1);
  lay(Tab(1), {H(A), C(9)});
  lay(Tab(2), {S(9), H(2)});
  lay(Tab(3), {D(10)});
  game.cards().setFace(H(A), Face::Down);
  game.cards().setFace(S(9), Face::Down);
  const PileSnapshot before = table();
  bool shownFaceUp = false;
  ui.whenShown = [&] { shownFaceUp = game.cards().isFaceUp(S(9)); };
  drag(C(9), Tab(3));
  EXPECT_EQ(pile(Found(1)), Ids({H(A), H(2)})) << "the Ace turned and went up, then the Two";
  EXPECT_TRUE(game.cards().isFaceUp(S(9))) << "a card autoplay leaves behind is turned as well";
  EXPECT_TRUE(shownFaceUp) << "and the table is shown with it turned";
  EXPECT_EQ(undoSteps(), 1);
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo));
  EXPECT_EQ(table(), before);
}

// --- Stopping ------------------------------------------------------------------

TEST_F(AutoplayTest, ARunStopsWhenTheEndOfTheGameIsSeen) {
  startEmpty("FreeCell", true);
  game.store().write(store::CardsAnimate, "Y");
  lay(Tab(1), {H(A)});
  lay(Tab(2), {S(A)});
  lay(Tab(3), {C(A)});
  ui.duringFlight = [this] { game.state().set(flag::EndOfGameSeen, true); };  // the end of the game ran meanwhile
  EXPECT_TRUE(AutoplayRun(game));
  EXPECT_EQ(pile(Found(1)), Ids({H(A)}));
  EXPECT_EQ(pile(Tab(2)), Ids({S(A)})) << "nothing moves after the end was seen";
  EXPECT_FALSE(game.state().on(flag::EndOfGameSeen)) << "the next run starts afresh";
}

TEST_F(AutoplayTest, AGameTheRunWinsEndsOnce) {
  startEmpty("FreeCell", true);
  lay(Tab(1), {H(A)});
  int ended = 0;
  game.playSeams().gameWonTest = [this] { return game.piles().pile(Tab(1)).empty(); };
  game.playSeams().endGame = [&ended] { ++ended; };
  EXPECT_TRUE(AutoplayRun(game));
  EXPECT_EQ(ended, 1);
  EXPECT_FALSE(AutoplayRun(game)) << "nothing left to move";
  EXPECT_EQ(ended, 1) << "a run that moved nothing does not end the game again";
}

// --- The automatic fill -------------------------------------------------------

TEST_F(AutoplayTest, EmptyTableauPilesAreFilledAsTheGameSays) {
  struct Case {
    const char* name;
    const char* game;
    int style;
    std::function<void(AutoplayTest&)> setUp;
    std::vector<std::pair<PileRef, std::string>> expected;
  };
  const Case cases[] = {
      {"from reserve 1", "Canfield", 1, [](AutoplayTest& t) { t.lay(Res(1), {S(4), D(9)}); },
       {{Tab(1), Ids({D(9)})}, {Tab(2), Ids({S(4)})}, {Res(1), ""}}},
      {"from reserve 1, and not once it is used up", "Canfield", 1,
       [](AutoplayTest& t) { t.lay(kWaste, {D(9)}); }, {{Tab(1), ""}, {kWaste, Ids({D(9)})}}},
      {"from the waste first", "Picture Patience", 2,
       [](AutoplayTest& t) { t.lay(kWaste, {D(9)}), t.lay(kStock, {S(4)}); },
       {{Tab(1), Ids({D(9)})}, {Tab(2), Ids({S(4)})}, {kStock, ""}}},
      {"from the stock when the waste is empty", "Picture Patience", 2,
       [](AutoplayTest& t) { t.lay(kStock, {S(4), D(9)}, Face::Down); },
       {{Tab(1), Ids({D(9)})}, {Tab(2), Ids({S(4)})}}},
      {"from the stock first", "Picture Patience", 3,
       [](AutoplayTest& t) { t.lay(kWaste, {D(9)}), t.lay(kStock, {S(4)}); },
       {{Tab(1), Ids({S(4)})}, {Tab(2), Ids({D(9)})}}},
      {"three cards each from the waste", "Picture Patience", 5,
       [](AutoplayTest& t) { t.lay(kWaste, {S(2), S(3), S(4), D(9)}); },
       {{Tab(1), Ids({D(9), S(4), S(3)})}, {Tab(2), Ids({S(2)})}}},
      {"only the chosen piles", "Picture Patience", 6,
       [](AutoplayTest& t) { t.lay(kWaste, {S(2), D(9)}), t.lay(Tab(7), {}); },
       {{Tab(1), Ids({D(9)})}, {Tab(2), ""}, {Tab(7), Ids({S(2)})}}},
      {"once two piles other than the sixth are empty", "Picture Patience", 17,
       [](AutoplayTest& t) { t.lay(kStock, {S(2), D(9)}); },
       {{Tab(1), Ids({D(9)})}, {Tab(2), Ids({S(2)})}, {Tab(6), ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    startEmpty(c.game, false);
    game.rules()[kAutoFillStyle] = c.style;
    for (int i = 3; i <= 9; ++i) lay(Tab(i), {H(i)});
    lay(Tab(6), {});
    c.setUp(*this);
    AutoFill(game);
    for (const auto& [where, cards] : c.expected) EXPECT_EQ(pile(where), cards) << PileName(where);
    EXPECT_LE(undoSteps(), 1) << "the fill is one step at most";
  }
}

TEST_F(AutoplayTest, GapsAmongTheFirstPlacesAreFilledInPlace) {
  startEmpty("FreeCell", false);
  game.rules()[kAutoFillStyle] = 16;
  ASSERT_TRUE(game.piles().setPileString(Tab(1), Ids({H(5)}) + "000" + Ids({H(7)})));
  lay(kStock, {S(2), D(9)}, Face::Down);
  EXPECT_TRUE(AutoFill(game));
  EXPECT_EQ(pile(Tab(1)), Ids({H(5), D(9), H(7)}));
  EXPECT_TRUE(game.cards().isFaceUp(D(9)));
  EXPECT_EQ(pile(kStock), Ids({S(2)}));
}

TEST_F(AutoplayTest, NoFillDuringTheOpeningOrInGamesWithoutIt) {
  startEmpty("Canfield", false);
  lay(Res(1), {D(9)});
  game.rules()[kAutoFillStyle] = 0;
  EXPECT_FALSE(AutoFill(game));
  game.rules()[kAutoFillStyle] = 1;
  game.rules()[rule::OpeningPhase] = 1;
  game.state().setWord(word::StartPhase, 0);
  EXPECT_FALSE(AutoFill(game));
  EXPECT_EQ(pile(Res(1)), Ids({D(9)}));
}

// --- One undo step ---------------------------------------------------------------

TEST_F(AutoplayTest, OneUndoTakesBackTheMoveWithItsFillsAndAutoplay) {
  startEmpty("Canfield", true);
  foundationsFromAces();
  lay(Tab(1), {H(7)});
  lay(Tab(2), {C(8)});
  lay(Tab(3), {S(9)});
  lay(Tab(4), {C(6)});
  lay(Res(1), {D(5), H(A)});
  lay(kWaste, {H(2)});
  lay(kStock, {S(K)}, Face::Down);
  const PileSnapshot before = table();

  drag(H(7), Tab(2));
  // The emptied pile took the Ace from the reserve, autoplay sent it and the
  // waste's Two up, and the pile was filled again from the reserve.
  EXPECT_EQ(pile(Tab(2)), Ids({C(8), H(7)}));
  EXPECT_EQ(pile(Found(1)), Ids({H(A), H(2)}));
  EXPECT_EQ(pile(Tab(1)), Ids({D(5)}));
  EXPECT_EQ(pile(Res(1)), "");
  EXPECT_EQ(undoSteps(), 1);

  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo));
  EXPECT_EQ(table(), before);
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Redo));
  EXPECT_EQ(pile(Found(1)), Ids({H(A), H(2)}));
  EXPECT_EQ(pile(Tab(1)), Ids({D(5)}));
}

TEST_F(AutoplayTest, SwitchingAutoplayOnPlaysAtOnceAsOneStepAndKeepsTheGamesSwitch) {
  startEmpty("FreeCell", false);
  game.state().setWord(word::AutoplayAllGames, 2);  // each game has its own switch
  lay(Tab(1), {H(2), H(A)});
  lay(Tab(2), {S(A)});
  lay(kStock, {C(9)}, Face::Down);  // a card still to play: the game goes on after the run
  const PileSnapshot before = table();

  SwitchAutoplay(game, true);
  EXPECT_EQ(pile(Found(1)), Ids({H(A), H(2)}));
  EXPECT_EQ(pile(Found(2)), Ids({S(A)}));
  EXPECT_EQ(undoSteps(), 1);
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo));
  EXPECT_EQ(table(), before);

  SwitchAutoplay(game, false);
  const std::string games = game.preferences().open().readString("Autoplay", "Games", "");
  const auto number = static_cast<std::size_t>(game.store().gameNumber());
  ASSERT_GT(games.size(), number);
  EXPECT_EQ(games[number], 'N');
}

TEST_F(AutoplayTest, AnotherGameBringsItsOwnSwitch) {
  game.state().setWord(word::AutoplayAllGames, 2);
  const int freecell = game.catalogue().GameNumberByName("FreeCell");
  const int klondike = game.catalogue().GameNumberByName("Klondike (draw one)");
  game.preferences().update([&](IniDocument& file) { file.write("Autoplay", "Games", std::string(300, 'Y')); });
  load("Klondike (draw one)");
  game.setAutoplay(true);
  SwitchAutoplay(game, false);
  ASSERT_TRUE(MakeCurrentGame(game, freecell, DisplayFacts{}));
  EXPECT_TRUE(game.autoplay());
  ASSERT_TRUE(MakeCurrentGame(game, klondike, DisplayFacts{}));
  EXPECT_FALSE(game.autoplay());
}

// --- After the deal ----------------------------------------------------------------

TEST_F(AutoplayTest, AfterTheDealAutoplayWaitsThenPlaysAsPartOfTheDeal) {
  struct Case {
    const char* name;
    std::function<void(AutoplayTest&)> duringPause;
    bool plays;
  };
  const Case cases[] = {
      {"nothing happens meanwhile", [](AutoplayTest&) {}, true},
      {"the player switches autoplay off meanwhile", [](AutoplayTest& t) { t.game.setAutoplay(false); }, false},
      {"the player pauses the game meanwhile", [](AutoplayTest& t) { t.game.state().set(flag::Paused, true); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    load("Picture Patience");  // deal 1 shows an Ace and a King that may go up at once
    game.setAutoplay(true);
    game.state().set(flag::Paused, false);
    ui = ScriptedUi();
    ui.duringPause = [this, &c] { c.duringPause(*this); };
    game.store().write(store::DealNumber, "0000000000001");
    ASSERT_TRUE(StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true}));
    EXPECT_EQ(ui.pauses, std::vector<int>{800});
    EXPECT_EQ(!game.piles().pile(Found(1)).empty(), c.plays);
    EXPECT_EQ(undoSteps(), 0) << "the deal's autoplay cannot be undone apart from the deal";
    EXPECT_EQ(game.state().word(word::FirstMove), -1) << "the player has not played yet";
  }
}

TEST_F(AutoplayTest, WithAutoplayOffTheDealDoesNotWait) {
  load("Picture Patience");
  game.setAutoplay(false);
  game.store().write(store::DealNumber, "0000000000001");
  ASSERT_TRUE(StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true}));
  EXPECT_TRUE(ui.pauses.empty());
  EXPECT_TRUE(game.piles().pile(Found(1)).empty());
}

}  // namespace
}  // namespace velmora
