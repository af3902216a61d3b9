// Playing by keys: the focus moves between piles by where they stand and
// along the face-up cards of a fan; Space takes cards up and lets them go
// over the focused pile through the mouse's own press and release, Escape
// puts them back, Home presses the stock.
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "catalogue/catalogue_startup.h"
#include "files/ini_document.h"
#include "history/undo.h"
#include "play/hit_test.h"
#include "play/keyboard_play.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "table_cards.h"
#include "test_support.h"

namespace velmora {

void PrintTo(const KeyFocus& focus, std::ostream* out) { *out << PileName(focus.pile) << " card " << focus.index; }

namespace {

using namespace testing;  // the card and pile notation of the play tests

using Key = TableKey;

// A Klondike table laid card by card, at the places of a 1280 x 800 window:
//   stock   S2 H5 (face down)          waste empty
//   tableau 1: S6          2: D9       3: H10 (down) S9 H8 C7
//           4: D10         5: C8       6, 7: empty
class KeyboardPlayTest : public ::testing::Test {
 protected:
  KeyboardPlayTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    LoadPreferences(game, IniDocument(), StartupEnvironment{});
    DealLaidOut(game, "Klondike (draw one)");
    game.setAutoplay(false);  // every card stays where the keys put it
    game.piles().clear();
    lay(kStock, {S(2), H(5)}, Face::Down);
    lay(Tab(1), {S(6)});
    lay(Tab(2), {D(9)});
    lay(Tab(3), {H(10), S(9), H(8), C(7)});
    game.cards().setFace(H(10), Face::Down);
    lay(Tab(4), {D(10)});
    lay(Tab(5), {C(8)});
    ui = RecordingUi();
  }

  void lay(PileRef pile, std::initializer_list<CardId> cards, Face face = Face::Up) {
    ASSERT_TRUE(game.piles().setPileString(pile, Ids(cards)));
    for (CardId card : cards) game.cards().setFace(card, face);
  }

  void keys(std::initializer_list<Key> sequence) {
    for (Key key : sequence) play.press(game, key);
  }

  std::string pile(PileRef ref) const { return game.piles().pileString(ref); }
  KeyFocus focus() const { return play.focus(game).value_or(KeyFocus{kThirdStockSlot, -1}); }
  PileSnapshot table() const { return TakeSnapshot(game.piles(), game.cards()); }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
  KeyboardPlay play;
};

TEST_F(KeyboardPlayTest, AGamePlayedByKeysOnly) {
  EXPECT_FALSE(play.focus(game).has_value()) << "no focus before the first key";
  keys({Key::Press});
  EXPECT_EQ(focus(), (KeyFocus{kStock, 1})) << "the first key shows the focus on the first pile";
  EXPECT_EQ(pile(kWaste), "") << "and does nothing more";

  keys({Key::Press});  // the stock turns its top card
  EXPECT_EQ(pile(kStock), Ids({S(2)}));
  EXPECT_EQ(pile(kWaste), Ids({H(5)}));

  keys({Key::Right, Key::Press});  // the five of hearts taken from the waste
  ASSERT_TRUE(game.carry().active());
  EXPECT_EQ(game.carry().card, H(5));
  keys({Key::Down, Key::Left});  // carried over the first tableau pile
  EXPECT_EQ(focus().pile, Tab(1));
  const TableRect landing = CardRect(game, Tab(1), 1);
  EXPECT_EQ(game.carry().at.x, landing.x) << "the carried card hangs over the focused pile";
  EXPECT_EQ(game.carry().at.y, landing.y);
  EXPECT_EQ(play.outline(game), CardRect(game, Tab(1), 0).joinedWith(game.carry().rect()));
  keys({Key::Press});
  EXPECT_FALSE(game.carry().active());
  EXPECT_EQ(pile(Tab(1)), Ids({S(6), H(5)}));
  EXPECT_EQ(pile(kWaste), "");

  keys({Key::Right, Key::Right, Key::Up, Key::Up});  // along the third pile's fan to the nine
  EXPECT_EQ(focus(), (KeyFocus{Tab(3), 1}));
  EXPECT_EQ(play.outline(game), CardRect(game, Tab(3), 1));
  keys({Key::Press, Key::Right, Key::Press});  // the nine with the cards above it onto the red ten
  EXPECT_EQ(pile(Tab(4)), Ids({D(10), S(9), H(8), C(7)}));
  EXPECT_EQ(pile(Tab(3)), Ids({H(10)}));
  EXPECT_EQ(focus(), (KeyFocus{Tab(4), 3})) << "the focus rests on the top card of the pile that took them";

  const PileSnapshot before = table();
  keys({Key::Press, Key::Right, Key::Press});  // a black seven on a black eight
  EXPECT_EQ(table(), before) << "a refused drop puts the card back";
  EXPECT_FALSE(game.carry().active());
  EXPECT_EQ(ui.beeps, 0);
  ASSERT_FALSE(ui.sounds.empty());
  EXPECT_EQ(ui.sounds.back(), "card_down");

  keys({Key::Left, Key::Press, Key::Right, Key::Cancel});  // carried away, then called back
  EXPECT_FALSE(game.carry().active());
  EXPECT_EQ(table(), before);

  keys({Key::Stock});  // Home presses the stock from anywhere
  EXPECT_EQ(pile(kStock), "");
  EXPECT_EQ(pile(kWaste), Ids({S(2)}));
  EXPECT_EQ(focus().pile, Tab(5)) << "without moving the focus";

  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo));
  EXPECT_EQ(pile(kStock), Ids({S(2)}));
  EXPECT_EQ(pile(kWaste), "");
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo));
  EXPECT_EQ(pile(Tab(3)), Ids({H(10), S(9), H(8), C(7)}));
  EXPECT_EQ(focus(), (KeyFocus{Tab(5), 0}));
}

// Held over the first foundation, the three cards reach down over the red
// ten below it, which would take them from a mouse that let go there.
TEST_F(KeyboardPlayTest, ADropTheFocusedPileRefusesGoesHomeNotToAPileTheCardsOverlap) {
  keys({Key::Down, Key::Down, Key::Right, Key::Right, Key::Up, Key::Up, Key::Press, Key::Right, Key::Up});
  ASSERT_EQ(focus().pile, Found(1));
  ASSERT_TRUE(game.carry().active());
  const auto overlapped = PileRect(game, Tab(4));
  ASSERT_TRUE(overlapped.has_value());
  ASSERT_GT(OverlapArea(game.carry().rect(), *overlapped), 0);
  const PileSnapshot before = table();
  keys({Key::Press});
  EXPECT_EQ(table(), before);
  EXPECT_FALSE(game.carry().active());
}

TEST_F(KeyboardPlayTest, TheArrowsFollowThePlacesOfThePiles) {
  struct Case {
    const char* name;
    std::vector<Key> keys;  // after the first key, which shows the focus on the stock
    KeyFocus expected;
  };
  const Case cases[] = {
      {"down from the stock to the pile below it", {Key::Down}, {Tab(1), 0}},
      {"and back up", {Key::Down, Key::Up}, {kStock, 1}},
      {"along the top row past its empty place", {Key::Right, Key::Right}, {Found(1), 0}},
      {"the end of a row holds the focus", {Key::Right, Key::Right, Key::Right, Key::Right, Key::Right, Key::Right},
       {Found(4), 0}},
      {"down from a foundation to the pile under it", {Key::Right, Key::Right, Key::Right, Key::Down}, {Tab(5), 0}},
      {"nothing left of the first tableau pile", {Key::Down, Key::Left}, {Tab(1), 0}},
      {"a fan's walk starts at its top card", {Key::Down, Key::Right, Key::Right}, {Tab(3), 3}},
      {"up a fan along its face-up cards", {Key::Down, Key::Right, Key::Right, Key::Up, Key::Up}, {Tab(3), 1}},
      {"and down it again", {Key::Down, Key::Right, Key::Right, Key::Up, Key::Up, Key::Down}, {Tab(3), 2}},
      {"the face-down card is passed by", {Key::Down, Key::Right, Key::Right, Key::Up, Key::Up, Key::Up},
       {kWaste, 0}},
      {"left and right leave a vertical fan from any card", {Key::Down, Key::Right, Key::Right, Key::Up, Key::Right},
       {Tab(4), 0}},
      {"down past a fan's top card finds no pile", {Key::Down, Key::Right, Key::Right, Key::Down}, {Tab(3), 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeyboardPlay fresh;
    fresh.press(game, Key::Down);
    for (Key key : c.keys) fresh.press(game, key);
    EXPECT_EQ(fresh.focus(game), c.expected);
  }
}

TEST_F(KeyboardPlayTest, UnplacedPilesAreSkipped) {
  game.layout().unplace(Tab(2));
  keys({Key::Down, Key::Down, Key::Right});
  EXPECT_EQ(focus().pile, Tab(3));
}

TEST_F(KeyboardPlayTest, TheFocusFollowsTheTableWhenCardsLeaveIt) {
  keys({Key::Down, Key::Down, Key::Right, Key::Right, Key::Up});
  ASSERT_EQ(focus(), (KeyFocus{Tab(3), 2}));
  game.piles().setPileString(Tab(3), Ids({H(10), S(9)}));
  EXPECT_EQ(focus(), (KeyFocus{Tab(3), 1})) << "the focused card left: the pile's top card";
  game.layout().unplace(Tab(3));
  EXPECT_EQ(focus(), (KeyFocus{kStock, 1})) << "the focused pile left the table: the first pile";
}

TEST_F(KeyboardPlayTest, AFaceDownTopCardIsTurnedByItsPress) {
  game.piles().setPileString(Tab(3), Ids({H(10)}));
  keys({Key::Down, Key::Down, Key::Right, Key::Right, Key::Press});
  EXPECT_TRUE(game.cards().isFaceUp(H(10)));
  EXPECT_FALSE(game.carry().active()) << "a press that takes nothing up is a whole click";
}

}  // namespace
}  // namespace velmora
