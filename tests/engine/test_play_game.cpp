// Switching to a game: what is dealt, what is asked, what is recorded and
// what is written, and the remembered deal numbers.
#include <gtest/gtest.h>

#include "catalogue/play_game.h"
#include "records/player_list.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "test_support.h"

namespace velmora {
namespace {

using testing::RecordingUi;
using testing::TempFolder;

constexpr int kKlondike = 1;
constexpr int kFreeCell = 3;
const DisplayFacts kScreen{1280, true};

class PlayGameTest : public ::testing::Test {
 protected:
  PlayGameTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    EXPECT_FALSE(InitialiseProgram(game, StartupEnvironment{}).has_value());
    game.playSeams().endGame = [this] {
      ++endedGames;
      if (!endingFails) game.state().set(flag::GameInProgress, false);
    };
  }

  PlayRequest request(int number, std::string player = "Player 1") {
    return {number, game.catalogue().GameName(number), std::move(player), DealMode::NewDealNumber, true};
  }
  std::string preference(std::string_view section, std::string_view key) {
    return game.preferences().open().readString(section, key, "(none)");
  }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
  int endedGames = 0;
  bool endingFails = false;
};

TEST_F(PlayGameTest, AChosenGameIsDealtStoredAndRemembered) {
  ASSERT_TRUE(PlayGame(game, request(kFreeCell), kScreen));
  EXPECT_EQ(game.store().gameNumber(), kFreeCell);
  EXPECT_EQ(game.store().gameName(), "FreeCell");
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
  EXPECT_FALSE(game.piles().pileString({PileGroup::Tableau, 0}).empty());
  EXPECT_EQ(endedGames, 0);  // nothing was in progress
  EXPECT_EQ(preference("Preference", "Game"), "3");
  EXPECT_EQ(preference("Preference", "Game_Name"), "FreeCell");
  EXPECT_EQ(preference("Preference", "Game_TreeNum"), "-30");
  EXPECT_EQ(preference("Preference", "Game_TreePos"), "-1");
  EXPECT_EQ(preference("Game_Numbers", "Game001"), game.store().dealNumber());
}

TEST_F(PlayGameTest, WithoutRememberThePreferencesKeepTheSelectionsPlace) {
  PlayRequest r = request(kKlondike);
  r.remember = false;
  ASSERT_TRUE(PlayGame(game, r, kScreen));
  EXPECT_EQ(preference("Preference", "Game_TreeNum"), "(none)");
}

TEST_F(PlayGameTest, TheSameGameForTheSamePlayerInProgressChangesNothing) {
  ASSERT_TRUE(PlayGame(game, request(kKlondike), kScreen));
  const std::string deal = game.store().dealNumber();
  EXPECT_FALSE(PlayGame(game, request(kKlondike), kScreen));
  EXPECT_EQ(game.store().dealNumber(), deal);
  EXPECT_EQ(endedGames, 0);
}

TEST_F(PlayGameTest, LeavingAGameInProgressAsksAndRecordsItOnce) {
  game.store().write(store::ConfirmQuitGame, "Y");
  ASSERT_TRUE(PlayGame(game, request(kKlondike), kScreen));
  const std::string deal = game.store().dealNumber();

  ui.answer = false;
  EXPECT_FALSE(PlayGame(game, request(kFreeCell), kScreen));
  EXPECT_EQ(game.store().gameNumber(), kKlondike);
  EXPECT_EQ(game.store().dealNumber(), deal);
  EXPECT_EQ(endedGames, 0);
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_NE(ui.questions[0].find("Quit this game?"), std::string::npos);

  ui.answer = true;
  EXPECT_TRUE(PlayGame(game, request(kFreeCell), kScreen));
  EXPECT_EQ(game.store().gameNumber(), kFreeCell);
  EXPECT_EQ(endedGames, 1);
}

TEST_F(PlayGameTest, AGameThatCannotBeEndedIsNotReplaced) {
  ASSERT_TRUE(PlayGame(game, request(kKlondike), kScreen));
  endingFails = true;
  EXPECT_FALSE(PlayGame(game, request(kFreeCell), kScreen));
  EXPECT_EQ(game.store().gameNumber(), kKlondike);
}

TEST_F(PlayGameTest, AnotherPlayerBecomesCurrentWithFreshSessionCounters) {
  ASSERT_TRUE(PlayGame(game, request(kKlondike), kScreen));
  game.store().write(store::SessionWon, "0003");
  ASSERT_TRUE(PlayGame(game, request(kKlondike, "Player 2"), kScreen));
  EXPECT_EQ(endedGames, 1);
  EXPECT_EQ(game.store().playerName(), "Player 2");
  EXPECT_EQ(preference("Preference", "UserDefault"), "Player 2");
  EXPECT_EQ(game.store().read(store::SessionWon), "0000");
}

TEST_F(PlayGameTest, AGameTheCatalogueLacksIsRefused) {
  const int before = game.store().gameNumber();
  EXPECT_FALSE(PlayGame(game, {999, "Nothing", "Player 1", DealMode::NewDealNumber, true}, kScreen));
  EXPECT_EQ(game.store().gameNumber(), before);
  EXPECT_FALSE(game.state().on(flag::GameInProgress));
}

TEST_F(PlayGameTest, AKeptDealNumberIsDealtAgain) {
  game.store().write(store::DealNumber, "0000000000042");
  PlayRequest r = request(kFreeCell);
  r.mode = DealMode::KeepDealNumber;
  ASSERT_TRUE(PlayGame(game, r, kScreen));
  EXPECT_EQ(game.store().dealNumber(), "0000000000042");
}

TEST(RememberedDealNumbers, MostRecentFirstOnceAndAtMostTwenty) {
  struct Case {
    std::vector<std::string> dealt;
    std::vector<std::string> remembered;
  } cases[] = {
      {{"0000000000001", "0000000000002"}, {"0000000000002", "0000000000001"}},
      {{"0000000000001", "0000000000002", "0000000000001"}, {"0000000000001", "0000000000002"}},
      {{"0000000000042", "0000000000042"}, {"0000000000042"}},
  };
  for (const Case& c : cases) {
    IniDocument file;
    for (const std::string& number : c.dealt) RememberDealNumber(file, number);
    EXPECT_EQ(RememberedDealNumbers(file), c.remembered);
  }
  IniDocument file;
  for (int n = 1; n <= 21; ++n) RememberDealNumber(file, std::to_string(1000 + n));
  const auto kept = RememberedDealNumbers(file);
  ASSERT_EQ(kept.size(), 20u);
  EXPECT_EQ(kept.front(), "1021");
  EXPECT_EQ(kept.back(), "1002");
  EXPECT_FALSE(file.find("Game_Numbers", "Game021"));
}

TEST(PlayerNames, RefusedNamesSayWhy) {
  const std::vector<std::string> players{"Anna", "Bruno"};
  struct Case {
    std::string name;
    std::string renaming;
    bool refused;
  } cases[] = {
      {"Carla", "", false},
      {"", "", true},
      {"   ", "", true},
      {std::string(30, 'x'), "", false},
      {std::string(31, 'x'), "", true},
      {"a=b", "", true},
      {"[Anna", "", true},
      {"An[na", "", false},
      {"tab\there", "", true},
      {"Anna", "", true},       // taken
      {"Anna  ", "", true},     // taken, trailing blanks ignored
      {"Anna", "Anna", false},  // renaming a player to the same name
      {"Bruno", "Anna", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlayerNameRefusal(c.name, players, c.renaming).has_value(), c.refused) << "\"" << c.name << "\"";
  EXPECT_EQ(PlayerNameRefusal("", players), "Please enter at least 1 character.");
  EXPECT_EQ(PlayerNameRefusal("Bruno", players), "This player name already exists.");
}

TEST(PlayerList, AtMostTwentyNamesAreWrittenAndReadSorted) {
  std::vector<std::string> players;
  for (int n = 21; n >= 1; --n) players.push_back("P" + std::to_string(100 + n));
  IniDocument file;
  file.write("Users", "User005", "old");
  WritePlayers(file, players);
  EXPECT_EQ(file.readString("Users", "User020", ""), "P102");
  EXPECT_FALSE(file.find("Users", "User021"));
  const auto read = ReadPlayers(file);
  ASSERT_EQ(read.size(), 20u);
  EXPECT_EQ(read.front(), "P102");
  EXPECT_EQ(read.back(), "P121");

  WritePlayers(file, {"Zoe", "adam"});
  EXPECT_EQ(file.readString("Users", "User003", "(none)"), "");
  EXPECT_EQ(ReadPlayers(file), (std::vector<std::string>{"adam", "Zoe"}));
}

}  // namespace
}  // namespace velmora
