// The procedures a family brings to play: it is asked before the rules for a
// press and a drop, its own moves reach the hints, and a game that holds its
// selection in foundation 1 has card searches and the score pass it over.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "catalogue/catalogue_startup.h"
#include "families/game_family.h"
#include "files/ini_document.h"
#include "game/rule_index.h"
#include "hints/hint_search.h"
#include "hints/show_legal_move.h"
#include "history/undo.h"
#include "play/execute_move.h"
#include "play/hit_test.h"
#include "play/player_actions.h"
#include "scoring/score.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "table_cards.h"
#include "test_support.h"

namespace velmora {
namespace {

using namespace testing;

// Takes every press and drop it is asked about, or none, and offers the
// moves it is given; remembers what it was asked.
class RecordingFamily : public GameFamily {
 public:
  bool press(TMainGame&, const PileHit& hit, MouseButton button) const override {
    pressed.push_back(hit.card);
    buttons.push_back(button);
    return takes;
  }
  std::optional<bool> dropOn(TMainGame&, CardId card, const TableRect&, PileRef) const override {
    dropped.push_back(card);
    return dropAnswer;
  }
  std::vector<FamilyAction> actions(const TMainGame&) const override { return offered; }

  bool takes = true;
  std::optional<bool> dropAnswer;
  std::vector<FamilyAction> offered;
  mutable std::vector<CardId> pressed;
  mutable std::vector<MouseButton> buttons;
  mutable std::vector<CardId> dropped;
};

class FamilyProcedureTest : public ::testing::Test {
 protected:
  FamilyProcedureTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    LoadPreferences(game, IniDocument(), StartupEnvironment{});
    game.store().write(store::UndoEnabled, "0");
  }
  ~FamilyProcedureTest() override { game.useFamily(nullptr); }

  // Klondike's deal with only the cards a case lays.
  void start() {
    DealLaidOut(game, "Klondike (draw one)");
    game.piles().clear();
    game.useFamily(&family);
  }

  void lay(PileRef pile, std::initializer_list<CardId> cards) {
    ASSERT_TRUE(game.piles().setPileString(pile, Ids(cards)));
    for (CardId card : cards) game.cards().setFace(card, Face::Up);
  }

  void pressOn(CardId card, MouseButton button, bool ctrl = false) {
    const auto point = PointOnCard(game, card);
    ASSERT_TRUE(point.has_value());
    PressAt(game, button, ctrl, false, point->x, point->y);
  }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
  RecordingFamily family;
};

TEST_F(FamilyProcedureTest, TheFamilyIsAskedForAPressBeforeTheRulesExceptForTheMenuPress) {
  struct Case {
    const char* name;
    MouseButton button;
    bool ctrl;
    bool asked;
  } cases[] = {
      {"a left press", MouseButton::Left, false, true},
      {"a right press", MouseButton::Right, false, true},
      {"a right press with Ctrl opens the menu", MouseButton::Right, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    start();
    lay(Tab(1), {S(K)});
    family.pressed.clear();
    pressOn(S(K), c.button, c.ctrl);
    EXPECT_EQ(family.pressed, c.asked ? std::vector<CardId>{S(K)} : std::vector<CardId>{});
    EXPECT_FALSE(game.carry().active()) << "a press the family takes carries nothing";
    ReleaseAt(game);
  }
}

TEST_F(FamilyProcedureTest, APressTheFamilyLeavesIsTheRulesOwn) {
  start();
  family.takes = false;
  lay(Tab(1), {S(K)});
  pressOn(S(K), MouseButton::Left);
  EXPECT_TRUE(game.carry().active()) << "the rules take the card up";
}

TEST_F(FamilyProcedureTest, TheFamilyDecidesADropBeforeTheRules) {
  struct Case {
    const char* name;
    std::optional<bool> answer;
    bool moved;
  } cases[] = {
      {"the family refuses a move the rules allow", false, false},
      {"the family leaves the drop to the rules", std::nullopt, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    start();
    family.dropAnswer = c.answer;
    lay(Tab(1), {S(K)});
    const auto target = PileRect(game, Tab(2));
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(DropOn(game, S(K), *target, Tab(2), {.target = Tab(2), .animate = false}), c.moved);
    EXPECT_EQ(game.piles().pileString(Tab(2)), c.moved ? Ids({S(K)}) : "");
  }
}

// The hint offers the first card still to press of the family's first move,
// and making it is a press the family takes.
TEST_F(FamilyProcedureTest, TheFamilysMovesBecomeHintsMadeByAPress) {
  start();
  game.state().set(flag::GameInProgress, true);
  lay(Tab(1), {H(3)});
  lay(Tab(2), {S(10)});
  family.offered = {FamilyAction{.presses = {H(3), S(10)}}};
  const auto hint = FindHint(game, HintMemory{});
  ASSERT_TRUE(hint.has_value());
  EXPECT_EQ(hint->kind, HintKind::Press);
  EXPECT_EQ(hint->card, H(3));
  EXPECT_TRUE(MakeHintMove(game, *hint));
  EXPECT_EQ(family.pressed, std::vector<CardId>{H(3)});

  family.offered = {FamilyAction{.presses = {S(10)}, .to = Tab(3)}};
  const auto move = FindHint(game, HintMemory{});
  ASSERT_TRUE(move.has_value());
  EXPECT_EQ(move->kind, HintKind::Card);
  EXPECT_EQ(move->to, Tab(3));
}

// A removal game (rule 39) holds copies of the selected cards in foundation
// 1: a card is found where it lies, and the copies score nothing.
TEST_F(FamilyProcedureTest, TheSelectionInFoundationOneIsPassedOverBySearchesAndTheScore) {
  start();
  game.useFamily(nullptr);
  lay(Tab(1), {H(6), H(7)});
  const std::int64_t before = StandardScore(game);
  lay(kSelection, {H(7)});
  EXPECT_EQ(FindCard(game, H(7))->pile, kSelection) << "a plain game finds the card in foundation 1";

  game.rules()[rule::RemovalTargetSum] = 13;
  const auto spot = FindCard(game, H(7));
  ASSERT_TRUE(spot.has_value());
  EXPECT_EQ(spot->pile, Tab(1));
  EXPECT_EQ(spot->index, 1);
  EXPECT_EQ(StandardScore(game), before);
}

}  // namespace
}  // namespace velmora
