// Starting games: deal numbers, the reset between games, the restored rules.
#include <gtest/gtest.h>

#include <set>

#include "cards/deal_generator.h"
#include "catalogue/catalogue_startup.h"
#include "game/rule_index.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"
#include "test_support.h"

namespace velmora {
namespace {

using testing::RecordingUi;
using testing::TempFolder;

class NewGameTest : public ::testing::Test {
 protected:
  NewGameTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
  }

  void load(std::string_view name, std::string_view deal) {
    const int number = game.catalogue().GameNumberByName(name);
    ASSERT_GE(number, 0) << name;
    game.rules().clearForGame();
    ASSERT_TRUE(LoadGameRules(game.catalogue(), number, game.rules()));
    game.store().write(store::DealNumber, deal);
  }

  std::string table() const {
    std::string out;
    for (PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves})
      for (int i = 0; i < GroupSize(group); ++i) out += game.piles().pileString({group, i}) + "|";
    return out;
  }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
};

TEST(NewDealNumber, ThirteenDigitsNeverAllZero) {
  std::mt19937 random(7);
  std::set<std::string> seen;
  for (int i = 0; i < 1000; ++i) {
    const std::string number = NewDealNumber(random);
    ASSERT_TRUE(ParseDealNumber(number).has_value()) << number;
    ASSERT_EQ(number.size(), 13u);
    ASSERT_NE(number, "0000000000000");
    seen.insert(number);
  }
  EXPECT_GT(seen.size(), 990u);
}

TEST_F(NewGameTest, KeepingTheDealNumberDealsTheSameTable) {
  load("Klondike (draw one)", "0000000000042");
  game.store().write(store::ScoringMode, "01");
  NewGameRequest keep{.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true};
  ASSERT_TRUE(StartNewGame(game, keep));
  const std::string first = table();
  ASSERT_TRUE(StartNewGame(game, keep));
  EXPECT_EQ(table(), first) << "the piles of the previous deal were cleared";
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
  EXPECT_FALSE(game.state().on(flag::GameWon));
  EXPECT_TRUE(game.state().on(flag::ClockRuns));
  EXPECT_EQ(game.store().readNumber(store::Score), -52) << "the dealt table's own score: no card on a foundation";
  EXPECT_EQ(game.store().dealNumber(), "0000000000042");
}

TEST_F(NewGameTest, ANewDealNumberIsDrawnAndStored) {
  load("FreeCell", "0000000000042");
  ASSERT_TRUE(StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::NewDealNumber, .quiet = true}));
  EXPECT_NE(game.store().dealNumber(), "0000000000042");
  EXPECT_TRUE(ParseDealNumber(game.store().dealNumber()).has_value());
  EXPECT_EQ(game.state().word(117), 1);
}

TEST_F(NewGameTest, EveryDealStartsFromTheRulesAsLoaded) {
  load("Klondike (draw one)", "0000000000042");
  const auto loaded = game.rules().values();
  // A deal may rewrite base ranks and fill rules; the next deal must not see that.
  game.rules()[rule::FoundationBaseRank] = 7;
  game.rules()[rule::TableauFill + 3] = 5;
  ASSERT_TRUE(StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true}));
  EXPECT_EQ(game.rules().values(), loaded);
}

TEST_F(NewGameTest, AResetWithoutDealLeavesTheTableEmpty) {
  load("Klondike (draw one)", "0000000000042");
  StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true});
  game.store().write(store::SingleUndoUsed, "1");
  ASSERT_TRUE(StartNewGame(game, {.deal = false, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true}));
  EXPECT_EQ(table().find_first_not_of('|'), std::string::npos);
  EXPECT_EQ(game.store().read(store::SingleUndoUsed), "0");
}

TEST_F(NewGameTest, AnUndealableDeckTellsThePlayer) {
  load("Klondike (draw one)", "0000000000042");
  game.rules()[rule::DeckCards] = 60;
  game.rules().saveDealCopy();
  EXPECT_FALSE(StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true}));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Error 01 - fnGameNumberCardsArray");
  EXPECT_FALSE(game.state().on(flag::GameInProgress)) << "a table never dealt is no game to record";
  EXPECT_FALSE(game.state().on(flag::ClockRuns));
  EXPECT_EQ(table().find_first_not_of('|'), std::string::npos);
}

TEST_F(NewGameTest, SeamsRunInTheirPlaces) {
  load("Klondike (draw one)", "0000000000042");
  std::vector<std::string> ran;
  game.seams().rememberDealNumber = [&] { ran.push_back("remember"); };
  game.seams().recordLastPlayed = [&] { ran.push_back("last played"); };
  game.seams().afterDeal = [&] { ran.push_back(game.state().on(flag::GameInProgress) ? "autoplay in game" : "x"); };
  game.seams().deal.openingScore = [&](DealContext&) { ran.push_back("score"); };
  StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true});
  EXPECT_EQ(ran, (std::vector<std::string>{"score", "remember", "last played", "autoplay in game"}));
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// The dealt shape of real games of the catalogue: how many cards lie on each
// pile and which lie face up.
TEST_F(NewGameTest, GamesDealTheirShape) {
  struct Case {
    const char* game;
    std::vector<std::pair<std::string, std::size_t>> sizes;
    std::vector<std::string> allFaceUp;
  } cases[] = {
      {"Klondike (draw one)",
       {{"Mazzo", 24}, {"Fila1", 1}, {"Fila4", 4}, {"Fila7", 7}, {"Dest1", 0}},
       {}},
      {"FreeCell",
       {{"Fila1", 7}, {"Fila4", 7}, {"Fila5", 6}, {"Fila8", 6}, {"Appogg1", 0}, {"Dest4", 0}},
       {"Fila1", "Fila8"}},
      {"Canfield",
       {{"Mazzo", 34}, {"Dest1", 1}, {"Fila1", 1}, {"Fila4", 1}, {"Appogg1", 13}},
       {"Dest1", "Fila2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.game);
    load(c.game, "0000000000042");
    ASSERT_TRUE(StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true}));
    for (const auto& [name, size] : c.sizes)
      EXPECT_EQ(game.piles().pile(*ParsePileName(name)).size(), size) << name;
    for (const auto& name : c.allFaceUp)
      for (CardId id : game.piles().pile(*ParsePileName(name))) EXPECT_TRUE(game.cards().isFaceUp(id)) << name;
    std::multiset<CardId> all;
    for (PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves})
      for (int i = 0; i < GroupSize(group); ++i)
        for (CardId id : game.piles().pile({group, i})) all.insert(id);
    EXPECT_EQ(all.size(), 52u);
    EXPECT_EQ(std::set<CardId>(all.begin(), all.end()).size(), 52u);
  }
  // Canfield's base card sets every foundation's starting rank.
  const int base = CardRank(game.piles().topCard("Dest1"));
  for (int k = 0; k < 4; ++k) EXPECT_EQ(game.rules()[rule::FoundationBaseRank + k], base);
  // The reserve lies squared up face up: each card becomes playable as the one above it leaves.
  for (CardId id : game.piles().pile(*ParsePileName("Appogg1"))) EXPECT_TRUE(game.cards().isFaceUp(id));
}

}  // namespace
}  // namespace velmora
