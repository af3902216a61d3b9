// A building code the engine does not know: the playability check names it,
// the rules of such a game do not load, and choosing the game tells the
// player why without ending the game being played.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/play_game.h"
#include "rules/game_check.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "test_support.h"

namespace velmora {
namespace {

using testing::RecordingUi;
using testing::TempFolder;

namespace rule {
constexpr int FoundationBuilding = 84, TableauBuilding = 212, ReserveAccepts = 332;
constexpr int FoundationCapacity = 32, Foundations = 367, TableauPiles = 368, Reserves = 369, DeckCards = 371,
              StockCards = 372;
}  // namespace rule

constexpr int kUnknownCode = 200;
constexpr int kGame = 1;

// A game of 4 foundations, 7 tableau piles and 2 reserves, the whole deck in the stock.
RuleValues PlayableRules() {
  RuleValues rules{};
  rules[rule::Foundations] = 4;
  rules[rule::FoundationCapacity] = 13;
  rules[rule::TableauPiles] = 7;
  rules[rule::Reserves] = 2;
  rules[rule::DeckCards] = kCardsPerDeck;
  rules[rule::StockCards] = kCardsPerDeck;
  return rules;
}

std::string RuleFileWith(const RuleValues& rules) {
  RuleFileContents contents;
  contents.given.fill(true);
  GameEntry game;
  game.number = kGame;
  game.type = 5;
  game.name = "Odd Builder";
  game.rules = rules;
  contents.games = {game};
  return WriteRuleFile(contents);
}

TEST(UnknownBuildingCode, TheCheckNamesThePileAndTheCode) {
  struct Case {
    int index;
    int code;
    const char* problem;  // empty when none
  } cases[] = {
      {rule::TableauBuilding + 2, kUnknownCode, "tableau_building[3] has the unknown building code 200"},
      {rule::FoundationBuilding + 3, 65, "foundation_building[4] has the unknown building code 65"},
      {rule::ReserveAccepts + 1, kUnknownCode, "reserve_accepts[2] has the unknown building code 200"},
      {rule::TableauBuilding + 2, 117, ""},
      {rule::TableauBuilding + 7, kUnknownCode, ""},  // a pile the game does not use
  };
  for (const Case& c : cases) {
    RuleValues rules = PlayableRules();
    rules[static_cast<std::size_t>(c.index)] = static_cast<std::int16_t>(c.code);
    const std::vector<std::string> problems = PlayabilityProblems(rules);
    const auto unknown = UnknownBuildingCode(rules);
    if (*c.problem == '\0') {
      EXPECT_TRUE(problems.empty()) << c.index << ": " << (problems.empty() ? "" : problems.front());
      EXPECT_FALSE(unknown.has_value()) << c.index;
    } else {
      EXPECT_EQ(problems, std::vector<std::string>{c.problem});
      EXPECT_EQ(unknown, c.problem);
    }
  }
}

TEST(UnknownBuildingCode, SuchAGameDoesNotLoad) {
  RuleValues rules = PlayableRules();
  rules[rule::TableauBuilding + 2] = kUnknownCode;
  Catalogue catalogue;
  ASSERT_EQ(catalogue.loadRuleText(RuleFileWith(rules)), std::nullopt);
  RuleRecord record;
  record[rule::TableauPiles] = 3;
  EXPECT_FALSE(LoadGameRules(catalogue, kGame, record));
  EXPECT_EQ(record[rule::TableauPiles], 3) << "the record is left as it was";
  EXPECT_EQ(RulesRefusal(catalogue, kGame),
            "This game cannot be played: its rule tableau_building[3] has the unknown building code 200.");

  Catalogue playable;
  ASSERT_EQ(playable.loadRuleText(RuleFileWith(PlayableRules())), std::nullopt);
  EXPECT_TRUE(LoadGameRules(playable, kGame, record));
  EXPECT_EQ(RulesRefusal(playable, kGame), std::nullopt);
}

TEST(UnknownBuildingCode, ChoosingSuchAGameTellsThePlayerAndKeepsTheRunningGame) {
  TempFolder dir;
  RecordingUi ui;
  TMainGame game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui);
  ASSERT_FALSE(InitialiseProgram(game, StartupEnvironment{}).has_value());
  int endedGames = 0;
  game.playSeams().endGame = [&] { ++endedGames; };
  game.store().setGameNumber(kGame + 1);  // another game is being played
  game.state().set(flag::GameInProgress, true);

  RuleValues rules = PlayableRules();
  rules[rule::FoundationBuilding] = kUnknownCode;
  ASSERT_EQ(game.catalogue().loadRuleText(RuleFileWith(rules)), std::nullopt);
  const PlayRequest request{kGame, "Odd Builder", "Player 1", DealMode::NewDealNumber, true};
  EXPECT_FALSE(PlayGame(game, request, DisplayFacts{1280, true}));
  EXPECT_EQ(endedGames, 0);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "This game cannot be played: its rule foundation_building[1] has the unknown building code 200.");
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
}

}  // namespace
}  // namespace velmora
