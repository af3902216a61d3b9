// The hint search: its order, the pointless moves it passes over, the memory
// of the moves it showed, the end of a shown hint; and the demonstration's
// loop over it.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The move rules' card places come before the layout's function of that name.
#include "moves/move_rules.h"

#include "catalogue/catalogue_startup.h"
#include "files/ini_document.h"
#include "hints/demo.h"
#include "hints/show_legal_move.h"
#include "history/undo.h"
#include "layout/table_layout.h"
#include "play/execute_move.h"
#include "records/record_game.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "table_cards.h"
#include "test_support.h"

namespace velmora {
namespace {

using namespace testing;  // the card and pile notation of the play tests

// What the hint and the demonstration show, and a wait that may do what a
// player does meanwhile.
class HintUi : public testing::RecordingUi {
 public:
  void showHintArrow(TablePoint from, TablePoint to) override { arrows.push_back({from, to}); }
  void hideHintArrow() override { ++arrowsHidden; }
  void pauseFor(int milliseconds) override {
    waits.push_back(milliseconds);
    if (duringWait) duringWait();
  }
  void showDemoWindow(bool shown) override { windowShown = shown; }
  bool demoWindowShown() const override { return windowShown; }
  void showDemoMoves(int count) override { counts.push_back(count); }
  void showDemoDescription(std::string_view text) override { descriptions.emplace_back(text); }

  std::vector<HintArrow> arrows;
  int arrowsHidden = 0;
  std::vector<int> waits;
  std::function<void()> duringWait;
  bool windowShown = false;
  std::vector<int> counts;
  std::vector<std::string> descriptions;
};

// A position: the cards of each pile, bottom first, face up unless listed
// face down.
struct Layout {
  std::vector<CardId> stock{}, waste{};
  std::vector<std::pair<PileRef, std::vector<CardId>>> piles{};
  std::vector<CardId> faceDown{};
};

class HintTest : public ::testing::Test {
 protected:
  HintTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    LoadPreferences(game, IniDocument(), StartupEnvironment{});
    game.store().write(store::UndoEnabled, "0");
  }

  void start(std::string_view name) {
    DealLaidOut(game, name);
  }

  void lay(const Layout& layout) {
    game.piles().clear();
    const auto put = [&](PileRef pile, const std::vector<CardId>& cards) {
      for (CardId card : cards) game.piles().addCard(pile, card, Face::Up, game.cards());
    };
    put(kStock, layout.stock);
    put(kWaste, layout.waste);
    for (const auto& [pile, cards] : layout.piles) put(pile, cards);
    for (CardId card : layout.faceDown) game.cards().setFace(card, Face::Down);
  }

  std::optional<Hint> hint() { return ShowLegalMove(game, HintRequest::Command); }

  TempFolder dir;
  HintUi ui;
  TMainGame game;
};

Hint Move(CardId card, PileRef from, PileRef to, int cards = 1) {
  return {.kind = HintKind::Card, .card = card, .from = from, .to = to, .cards = cards};
}
const Hint kStockPress{.kind = HintKind::Stock, .from = kStock, .to = kStock};

struct SearchCase {
  const char* name;
  Layout layout;
  std::optional<Hint> expected;
};

TEST_F(HintTest, TheSearchTakesMovesInItsOrder) {
  start("Klondike (draw one)");
  Hint aceHome = Move(C(A), Tab(2), Found(1));
  aceHome.autoplay = true;
  const SearchCase cases[] = {
      {"a card autoplay would send comes first",
       {.waste = {H(5)}, .piles = {{Tab(1), {S(6)}}, {Tab(2), {C(A)}}}},
       aceHome},
      {"a face-down top card is turned before cards move",
       {.waste = {H(5)}, .piles = {{Tab(1), {S(6)}}, {Tab(2), {H(9)}}}, .faceDown = {H(9)}},
       Hint{.kind = HintKind::TurnUp, .card = H(9), .from = Tab(2), .to = Tab(2)}},
      {"the waste's card before the tableau's",
       {.waste = {H(5)}, .piles = {{Tab(1), {S(6)}}, {Tab(2), {S(7)}}, {Tab(3), {H(6)}}}},
       Move(H(5), kWaste, Tab(1))},
      {"a tableau pile from its bottom card up, with the cards above",
       {.piles = {{Tab(1), {D(8), C(7), H(6)}}, {Tab(2), {S(9)}}, {Tab(3), {S(7)}}}},
       Move(D(8), Tab(1), Tab(2), 3)},
      {"the stock when no card moves", {.stock = {H(2)}, .piles = {{Tab(1), {S(K)}}}}, kStockPress},
      {"nothing when the stock is spent too", {.piles = {{Tab(1), {S(K)}}}}, std::nullopt},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.name);
    lay(c.layout);
    game.hintMemory().clear();
    const auto found = FindHint(game, game.hintMemory());
    ASSERT_EQ(found.has_value(), c.expected.has_value());
    if (found) {
      EXPECT_EQ(*found, *c.expected);
    }
  }
}

TEST_F(HintTest, PointlessMovesAreNotShown) {
  start("Klondike (draw one)");
  const SearchCase cases[] = {
      {"a card built on its pile does not move to a twin while a pile is out of order",
       {.stock = {H(2)}, .piles = {{Tab(1), {S(6), H(5)}}, {Tab(2), {C(6)}}, {Tab(3), {D(3), D(Q)}}}},
       kStockPress},
      {"it moves once every pile stands in order",
       {.stock = {H(2)}, .piles = {{Tab(1), {S(6), H(5)}}, {Tab(2), {C(6)}}}},
       Move(H(5), Tab(1), Tab(2))},
      {"a pile's bottom King does not move to an empty pile",
       {.stock = {H(2)}, .piles = {{Tab(1), {S(K)}}, {Tab(2), {}}}},
       kStockPress},
      {"a King lying on a face-down card does",
       {.stock = {H(2)}, .piles = {{Tab(1), {D(2), S(K)}}, {Tab(2), {}}}, .faceDown = {D(2)}},
       Move(S(K), Tab(1), Tab(2))},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.name);
    lay(c.layout);
    const auto found = FindHint(game, HintMemory());
    ASSERT_EQ(found.has_value(), c.expected.has_value());
    if (found) {
      EXPECT_EQ(*found, *c.expected);
    }
  }
}

TEST_F(HintTest, AWasteCardGoesOnlyToItsPreferredPileWhereAnyPileTakesIt) {
  start("Sir Tommy");
  const SearchCase cases[] = {
      {"the first pile whose top card is one rank above",
       {.waste = {H(5)}, .piles = {{Tab(1), {S(9)}}, {Tab(2), {C(6)}}, {Tab(3), {}}, {Tab(4), {D(6)}}}},
       Move(H(5), kWaste, Tab(2))},
      {"else the first whose top card is higher",
       {.waste = {H(5)}, .piles = {{Tab(1), {S(2)}}, {Tab(2), {C(9)}}, {Tab(3), {}}, {Tab(4), {D(7)}}}},
       Move(H(5), kWaste, Tab(2))},
      {"else the pile with the fewest cards",
       {.waste = {H(5)}, .piles = {{Tab(1), {S(2), S(3)}}, {Tab(2), {C(2)}}, {Tab(3), {D(4), D(3)}}, {Tab(4), {C(3), H(3)}}}},
       Move(H(5), kWaste, Tab(2))},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.name);
    lay(c.layout);
    const auto found = FindHint(game, HintMemory());
    ASSERT_EQ(found.has_value(), c.expected.has_value());
    if (found) {
      EXPECT_EQ(*found, *c.expected);
    }
  }
}

TEST_F(HintTest, AskingAgainShowsAnotherMoveUntilNoneIsLeft) {
  start("Klondike (draw one)");
  lay({.waste = {H(5)}, .piles = {{Tab(1), {S(6)}}, {Tab(2), {C(8)}}, {Tab(3), {D(9)}}}});
  const Hint first = Move(H(5), kWaste, Tab(1));
  const Hint second = Move(C(8), Tab(2), Tab(3));
  EXPECT_EQ(hint(), first);
  EXPECT_EQ(game.state().word(word::PlayMode), play_mode::HintShown);
  EXPECT_EQ(hint(), second);
  EXPECT_EQ(hint(), first) << "every move was shown: the first comes again";
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_EQ(ui.arrows.size(), 3u);
  EXPECT_NE(ui.arrows[0].from.x, ui.arrows[0].to.x) << "from the waste to the first tableau pile";
}

TEST_F(HintTest, NothingFoundSaysSoAndForgetsTheShownMoves) {
  start("Klondike (draw one)");
  lay({.piles = {{Tab(1), {S(K)}}}});
  game.hintMemory().record({H(5), Tab(1)});
  EXPECT_EQ(hint(), std::nullopt);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "No other moves.");
  EXPECT_TRUE(game.hintMemory().empty());
  EXPECT_EQ(game.state().word(word::PlayMode), play_mode::Player);
}

TEST_F(HintTest, UndoForgetsTheShownMoves) {
  start("Klondike (draw one)");
  lay({.waste = {H(5)}, .piles = {{Tab(1), {S(6)}}, {Tab(2), {C(8)}}, {Tab(3), {D(9)}}}});
  ASSERT_TRUE(hint());
  ASSERT_TRUE(ExecuteMove(game, C(8), "Fila3"));
  ASSERT_FALSE(game.hintMemory().empty());
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo));
  EXPECT_TRUE(game.hintMemory().empty());
  EXPECT_EQ(hint(), Move(H(5), kWaste, Tab(1)));
}

TEST_F(HintTest, AShownHintEndsOnTheThirdTick) {
  start("Klondike (draw one)");
  lay({.waste = {H(5)}, .piles = {{Tab(1), {S(6)}}}});
  ASSERT_TRUE(hint());
  HintTimerTick(game);
  HintTimerTick(game);
  EXPECT_EQ(game.state().word(word::PlayMode), play_mode::HintShown);
  EXPECT_EQ(ui.arrowsHidden, 1) << "only the hint command's own clearing so far";
  HintTimerTick(game);
  EXPECT_EQ(game.state().word(word::PlayMode), play_mode::Player);
  EXPECT_EQ(ui.arrowsHidden, 2);
}

// --- The demonstration -----------------------------------------------------

TEST_F(HintTest, TheDemoPlaysEachMoveAsAStepUntilNoneIsLeft) {
  start("Klondike (draw one)");
  lay({.waste = {H(5)}, .piles = {{Tab(1), {S(6)}}, {Tab(2), {C(A)}}, {Tab(3), {D(9)}}, {Tab(4), {C(8)}}}});
  StartDemo(game);
  const std::vector<std::string> expected = {"Move the card", "Move the card", "Move the card", "End of Demo"};
  EXPECT_EQ(ui.descriptions, expected);
  EXPECT_EQ(game.history().undo().steps(), 3);
  EXPECT_EQ(game.state().word(word::DemoMoves), 3);
  EXPECT_EQ(ui.counts.back(), 3);
  EXPECT_EQ(game.piles().pileString(Found(1)), CardIdText(C(A)));
  EXPECT_EQ(game.state().word(word::PlayMode), play_mode::Player);
  EXPECT_TRUE(ui.windowShown) << "the window stays with its last description";
  EXPECT_EQ(game.state().word(word::FirstMove), 0) << "a deal the demonstration began is not counted";

  StartDemo(game);
  EXPECT_EQ(ui.descriptions.size(), expected.size()) << "a second Demo while the window is shown does nothing";
}

TEST_F(HintTest, ACardTheDemoTurnedUpMovesNext) {
  start("Klondike (draw one)");
  lay({.piles = {{Tab(1), {D(9), C(A)}}}, .faceDown = {D(9), C(A)}});
  StartDemo(game);
  EXPECT_EQ(game.piles().pileString(Found(1)), CardIdText(C(A)));
  EXPECT_EQ(game.history().undo().steps(), game.state().word(word::DemoMoves));
  EXPECT_EQ(game.state().word(word::FirstMove), 0) << "turning a card was the deal's first move";
}

TEST_F(HintTest, APauseDuringTheWaitStopsTheDemoBeforeItsMove) {
  start("Klondike (draw one)");
  lay({.waste = {H(5)}, .piles = {{Tab(1), {S(6)}}}});
  ui.duringWait = [this] {
    if (ui.waits.size() == 2) PauseDemo(game);  // the wait before the first move
  };
  StartDemo(game);
  EXPECT_EQ(game.history().undo().steps(), 0);
  EXPECT_EQ(game.piles().pileString(kWaste), CardIdText(H(5)));
  EXPECT_EQ(game.state().word(word::DemoMoves), 0);
}

TEST_F(HintTest, TheDemoStopsWhenOnlyTheStockGoesRound) {
  start("Klondike (draw one)");
  lay({.stock = {H(2), D(2)}, .piles = {{Tab(1), {S(K)}}}});
  StartDemo(game);
  EXPECT_EQ(ui.descriptions.back(), "End of Demo");
  EXPECT_LE(game.state().word(word::DemoMoves), 4) << "two cards: a round is two turns and a turn-over";
}

// Every file of the data folder by name, with its bytes.
std::map<std::string, std::string> DataFiles(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) files[entry.path().string()] = testing::ReadAll(entry.path());
  return files;
}

TEST_F(HintTest, ADealTheDemoBeganLeavesTheStatisticsAsTheyWere) {
  start("Klondike (draw one)");
  game.data().prepare();
  game.store().write(store::UserDefault, "Alice");
  game.store().write(store::ScoringMode, "01");
  game.store().writeNumber(store::Score, 40);
  const auto finish = [&] { return RecordFinishedGame(game, {true, 100, "20261210", "12:34:56"}); };
  game.state().setWord(word::FirstMove, 1);
  ASSERT_TRUE(finish().recorded) << "a game the player played is recorded";
  const auto before = DataFiles(dir / "data");

  struct Case {
    const char* name;
    bool playerMovesFirst;
    bool recorded;
  };
  const Case cases[] = {{"the demonstration made the first move", false, false},
                        {"the player began, the demonstration went on", true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    start("Klondike (draw one)");
    lay({.waste = {H(5)}, .piles = {{Tab(1), {S(6)}}, {Tab(2), {C(A)}}, {Tab(3), {D(9)}}, {Tab(4), {C(8)}}}});
    if (c.playerMovesFirst) {
      ASSERT_TRUE(ExecuteMove(game, C(8), "Fila3"));
    }
    ui.windowShown = false;
    StartDemo(game);
    ASSERT_GT(game.state().word(word::DemoMoves), 0);
    EXPECT_EQ(finish().recorded, c.recorded);
    if (!c.recorded) {
      EXPECT_EQ(DataFiles(dir / "data"), before) << "every statistics file byte for byte";
    }
  }
}

}  // namespace
}  // namespace velmora
