// The custom games file: numbering, the record layout, name rules, the
// refusals of a damaged or full file, and deleting a custom game with its
// favourite entry, autoplay switch and records.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/custom_game_deletion.h"
#include "files/ini_document.h"
#include "records/high_scores.h"
#include "records/record_game.h"
#include "records/results_log.h"
#include "records/statistics_record.h"
#include "shell/main_game.h"
#include "test_support.h"

namespace velmora {
namespace {

using testing::ReadAll;
using testing::RecordingUi;
using testing::TempFolder;
using testing::WriteAll;

constexpr std::string_view kOverride = "00100310000000000";

// Klondike (1) and FreeCell (3); game 2 is a line that is not catalogued.
std::string SmallRuleFile() {
  RuleFileContents contents;
  contents.given.fill(true);
  GameEntry klondike, retired, freecell;
  klondike.number = 1, klondike.type = 5, klondike.name = "Klondike";
  retired.number = 2, retired.type = 5, retired.name = "Retired", retired.listed = false;
  freecell.number = 3, freecell.type = 4, freecell.name = "FreeCell";
  klondike.rules[371] = freecell.rules[371] = 52;
  contents.games = {klondike, retired, freecell};
  return WriteRuleFile(contents);
}

std::string Record(std::string_view numberField, std::string_view name, std::string_view baseField,
                   std::string_view override = kOverride) {
  std::string header = std::string(numberField) + std::string(name);
  header.resize(54, ' ');
  std::string record = header + std::string(baseField) + "\r\n" + std::string(override) + "\r\n";
  for (int line = 2; line < 30; ++line) record += "\r\n";
  return record;
}

std::string File(std::initializer_list<std::string> records) {
  std::string text = "[R-0301]\r\n";
  for (const std::string& record : records) text += record;
  return text;
}

class CustomGamesTest : public ::testing::Test {
 protected:
  CustomGamesTest() : data(Folders(dir / "program", dir / "data"), files) {
    data.prepare();
    data.setWarningSink([this](const std::string& text) { warnings.push_back(text); });
    EXPECT_EQ(catalogue.loadRuleText(SmallRuleFile()), std::nullopt);
  }

  fs::path customFile() const { return dir / "data" / "GAM_CUST.DAT"; }
  void writeFile(const std::string& text) {
    WriteAll(customFile(), text);
    catalogue.loadCustomGames(data);
  }

  TempFolder dir;
  FileSystem files;
  UserData data;
  Catalogue catalogue;
  std::vector<std::string> warnings;
};

TEST_F(CustomGamesTest, TheFirstCustomGameCreatesTheFileWithItsRecord) {
  catalogue.loadCustomGames(data);
  EXPECT_FALSE(catalogue.CustomGameList());
  EXPECT_EQ(catalogue.NextCustomGameNumber(), 8000);
  const auto added = catalogue.AppendCustomGame(data, "  Easy Klondike ", 1, kOverride);
  ASSERT_EQ(added.number, 8000) << added.refusal;
  EXPECT_EQ(ReadAll(customFile()), File({Record("8000", "Easy Klondike", "0001")}));
  EXPECT_EQ(catalogue.GameName(8000), "Easy Klondike");
  EXPECT_EQ(catalogue.CustomGame(8000).base, 1);
  EXPECT_EQ(catalogue.CustomGame(8000).override, kOverride);
  EXPECT_EQ(catalogue.CustomGame(8001).base, -1);
  EXPECT_TRUE(warnings.empty());
}

TEST_F(CustomGamesTest, TheLowestFreeNumberIsTaken) {
  writeFile(File({Record("8000", "First", "0001"), Record("8002", "Third", "0003")}));
  EXPECT_EQ(catalogue.NextCustomGameNumber(), 8001);
  EXPECT_EQ(catalogue.AppendCustomGame(data, "Second", 3, kOverride).number, 8001);
  EXPECT_EQ(catalogue.NextCustomGameNumber(), 8003);
}

TEST_F(CustomGamesTest, NamesAreRefusedUnlessSafeAndNew) {
  writeFile(File({Record("8000", "My Game", "0001")}));
  struct Case {
    std::string name;
    std::string refusal;
  } cases[] = {
      {"ab", "Please enter at least 3 characters."},
      {"  ab  ", "Please enter at least 3 characters."},
      {std::string(51, 'x'), "A game name has at most 50 characters."},
      {"Tab\there", "A game name cannot hold control characters."},
      {"Line\rbreak", "A game name cannot hold control characters."},
      {"../escape", "A game name cannot hold any of the characters"},
      {"back\\slash", "A game name cannot hold any of the characters"},
      {"What? Game", "A game name cannot hold any of the characters"},
      {"klondike", "This game name already exists."},
      {"MY GAME", "This game name already exists."},
  };
  const std::string before = ReadAll(customFile());
  for (const Case& c : cases) {
    const auto added = catalogue.AppendCustomGame(data, c.name, 1, kOverride);
    EXPECT_FALSE(added.number) << c.name;
    EXPECT_NE(added.refusal.find(c.refusal), std::string::npos) << c.name << ": " << added.refusal;
  }
  EXPECT_EQ(ReadAll(customFile()), before);
  EXPECT_TRUE(catalogue.AppendCustomGame(data, std::string(50, 'x'), 1, kOverride).number);
}

TEST_F(CustomGamesTest, OnlyCataloguedBuiltInGamesAreBaseGames) {
  catalogue.loadCustomGames(data);
  for (int base : {2, 99, 8000, -1}) {
    const auto added = catalogue.AppendCustomGame(data, "Some Game", base, kOverride);
    EXPECT_FALSE(added.number) << base;
  }
  EXPECT_FALSE(fs::exists(customFile()));
}

TEST_F(CustomGamesTest, WhenAllNumbersAreUsedCreatingIsRefused) {
  std::string text = "[R-0301]\r\n";
  for (int number = 8000; number <= 9999; ++number)
    text += Record(std::to_string(number), "Game " + std::to_string(number), "0001");
  writeFile(text);
  EXPECT_EQ(catalogue.NextCustomGameNumber(), std::nullopt);
  const auto added = catalogue.AppendCustomGame(data, "One Too Many", 1, kOverride);
  EXPECT_FALSE(added.number);
  EXPECT_NE(added.refusal.find("All custom game numbers (8000 to 9999) are in use"), std::string::npos);
  EXPECT_EQ(ReadAll(customFile()), text);
}

// Every kind of damage: the sound record stays usable, the damage is told
// once, and the file is never rewritten until it is mended.
TEST_F(CustomGamesTest, ADamagedFileKeepsItsSoundRecordsAndRefusesChanges) {
  const std::string good = Record("8000", "Good Game", "0001");
  struct Case {
    std::string name;
    std::string text;
    std::string fault;
  } cases[] = {
      {"shifted record", File({good}) + "stray line\r\n" + Record("8001", "Lost Game", "0001"),
       "line 32: a custom game record should start here"},
      {"number out of range", File({good, Record("7999", "Low Game", "0001")}), "line 32: the custom game number 7999 is outside"},
      {"duplicate number", File({good, Record("8000", "Twin Game", "0001")}), "custom game 8000: the number is used twice"},
      {"base not built in", File({good, Record("8001", "Orphan Game", "0002")}), "the base game \"0002\" is not a built-in game"},
      {"base not a number", File({good, Record("8001", "Orphan Game", "00x1")}), "is not a built-in game"},
      {"override cut short", File({good, Record("8001", "Short Game", "0001", "0010")}), "line 33: custom game 8001: the rule changes are not 17"},
      {"reserved line used", File({good}) + Record("8001", "Busy Game", "0001").replace(50 + 10 + 19 + 6, 0, "x"),
       "a reserved line is not empty"},
      {"unsafe name", File({good, Record("8001", "a/b/c", "0001")}), "the name is refused"},
      {"bad header", "[R-9999]\r\n" + good, "line 1: the first line is not the header [R-0301]"},
  };
  for (const Case& c : cases) {
    warnings.clear();
    writeFile(c.text);
    catalogue.loadCustomGames(data);  // read twice: told once
    ASSERT_EQ(warnings.size(), 1u) << c.name;
    EXPECT_NE(warnings[0].find(c.fault), std::string::npos) << c.name << ": " << warnings[0];
    EXPECT_NE(warnings[0].find("until the file is mended"), std::string::npos) << c.name;
    EXPECT_EQ(catalogue.GameName(8000), "Good Game") << c.name;
    EXPECT_TRUE(catalogue.customGames().damaged()) << c.name;

    const auto added = catalogue.AppendCustomGame(data, "New Game", 1, kOverride);
    EXPECT_FALSE(added.number) << c.name;
    EXPECT_NE(added.refusal.find("is damaged"), std::string::npos) << c.name;
    EXPECT_TRUE(catalogue.CustomGamesLocked(data)) << c.name << ": no custom game can be deleted";
    EXPECT_EQ(ReadAll(customFile()), c.text) << c.name << ": nothing is written over a damaged file";
  }
  // Mended, it accepts changes again without another warning.
  warnings.clear();
  WriteAll(customFile(), File({good}));
  EXPECT_EQ(catalogue.AppendCustomGame(data, "New Game", 1, kOverride).number, 8001);
  EXPECT_TRUE(warnings.empty());
}

class CustomGameDeletionTest : public ::testing::Test {
 protected:
  CustomGameDeletionTest() {
    WriteAll(dir / "program" / "GAMES.DAT", SmallRuleFile());
    WriteAll(dir / "data" / "GAM_CUST.DAT",
             File({Record("8000", "My Game", "0001"), Record("8001", "Other Game", "0003")}));
    WriteAll(dir / "data" / "Cfg.dat",
             "[Favorite Games]\r\nGame0000=Klondike\r\nGame0001=My Game\r\nGame0002=FreeCell\r\n"
             "[Autoplay]\r\nCust_8000=N\r\nCust_8001=Y\r\n");
    game.data().prepare();
    EXPECT_EQ(game.catalogue().loadRuleFile(dir / "program" / "GAMES.DAT"), std::nullopt);
    game.catalogue().loadCustomGames(game.data());
    CustomGameHooks& hooks = game.catalogue().hooks();
    hooks.endRunningGame = [this] { calls.push_back("end running game"); };
    hooks.deleteSeriesResults = [this](int n) { calls.push_back("series " + std::to_string(n)); };
    hooks.forgetLastPlayed = [this](int n) { calls.push_back("last played " + std::to_string(n)); };
    hooks.refreshGameLists = [this] { calls.push_back("refresh"); };
    game.store().setGameNumber(1);
    game.store().write(store::SessionWon, "0003");
  }

  IniDocument preferences() const { return IniDocument::Parse(ReadAll(dir / "data" / "Cfg.dat")); }
  std::string file(std::string_view name) const { return ReadAll(dir / "data" / name); }

  // Records a finished game of that number as the end of a game does, then
  // goes back to game 1.
  void finish(int number, const std::string& player, bool won, std::int64_t score) {
    game.state().setWord(word::FirstMove, 1);
    game.store().setGameNumber(number);
    game.store().write(store::GameName, game.catalogue().GameName(number));
    game.store().write(store::UserDefault, player);
    game.store().write(store::ScoringMode, "01");
    game.store().write(store::DealNumber, "0000000012345");
    game.store().writeNumber(store::Score, score);
    EXPECT_TRUE(RecordFinishedGame(game, {won, 100, "20261210", "12:34:56"}).saved);
    game.store().setGameNumber(1);
  }

  std::vector<std::string> highScorePlayers(int number) const {
    std::vector<std::string> players;
    for (const std::string& value : FindHighScores(file("STAT_SCR.DAT"), number, "01"))
      if (const auto entry = ParseHighScore(value)) players.push_back(entry->player);
    return players;
  }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game{Folders(dir / "program", dir / "data"), ui};
  std::vector<std::string> calls;
};

TEST_F(CustomGameDeletionTest, DeletingRemovesTheRecordFavouriteAndAutoplaySwitch) {
  ASSERT_TRUE(DeleteCustomGame(game, 8000, DeletionAskedFrom::AList));
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0],
            "Velmora 2001: Are you sure you want to delete this customized game\rMy Game?\r"
            "Note: the statistics for this game will also be deleted.");
  EXPECT_EQ(ReadAll(dir / "data" / "GAM_CUST.DAT"), File({Record("8001", "Other Game", "0003")}));
  const IniDocument file = preferences();
  EXPECT_EQ(file.find("Favorite Games", "Game0000"), "Klondike");
  EXPECT_EQ(file.find("Favorite Games", "Game0001"), "FreeCell") << "the later favourite moves down";
  EXPECT_EQ(file.find("Favorite Games", "Game0002"), std::nullopt);
  EXPECT_EQ(file.find("Autoplay", "Cust_8000"), std::nullopt);
  EXPECT_EQ(file.find("Autoplay", "Cust_8001"), "Y");
  EXPECT_EQ(calls, (std::vector<std::string>{"series 8000", "last played 8000", "refresh"}));
  EXPECT_EQ(game.store().read(store::SessionWon), "0000");
  EXPECT_EQ(game.store().gameNumber(), 1);
}

TEST_F(CustomGameDeletionTest, ItsRecordsGoAndANewGameOfItsNumberStartsClean) {
  finish(8000, "Anna", true, 80);
  finish(8000, "Борис", false, 20);
  finish(1, "Anna", true, 60);
  ASSERT_TRUE(DeleteCustomGame(game, 8000, DeletionAskedFrom::AList));
  for (std::string_view name : {"STAT.DAT", "STAT_SCR.DAT"}) {
    EXPECT_EQ(file(name).find("[8000]"), std::string::npos) << name;
    EXPECT_NE(file(name).find("[0001]"), std::string::npos) << name << ": other games keep theirs";
  }
  const std::string logText = file("STAT_LOG.DAT");
  const LogContents log = SplitLog(logText);  // views into the text
  ASSERT_EQ(log.lines.size(), 1u);
  EXPECT_EQ(ParseLogLine(log.lines[0])->gameNumber, 1);

  ASSERT_EQ(game.catalogue().AppendCustomGame(game.data(), "Fresh Game", 3, kOverride).number, 8000);
  finish(8000, "Anna", false, 10);
  const std::string statistics = file("STAT.DAT");
  EXPECT_EQ(FindStatistics(statistics, 8000, "Anna").record, (StatisticsRecord{0, 1, 0, 1, 0, 1, 10}));
  EXPECT_EQ(FindStatistics(statistics, 8000, "Борис").status, RecordRead::Missing);
  EXPECT_EQ(FindStatistics(statistics, 1, "Anna").record.won, 1);
  const std::vector<std::string> ranked = highScorePlayers(8000);
  EXPECT_EQ(std::count(ranked.begin(), ranked.end(), "Anna"), 1) << "only the new game's result";
  EXPECT_EQ(std::count(ranked.begin(), ranked.end(), "Борис"), 0);
  EXPECT_EQ(SplitLog(file("STAT_LOG.DAT")).lines.size(), 2u);
}

TEST_F(CustomGameDeletionTest, AFailedWriteAtAnyStepLeavesEveryFileAsItWas) {
  finish(8000, "Anna", true, 80);
  const std::array<std::string_view, 5> names{"GAM_CUST.DAT", "Cfg.dat", "STAT.DAT", "STAT_SCR.DAT", "STAT_LOG.DAT"};
  std::vector<std::string> before;
  for (std::string_view name : names) before.push_back(file(name));
  for (const FileStep step : {FileStep::Write, FileStep::Rename}) {
    for (int failing = 1; failing <= static_cast<int>(names.size()); ++failing) {
      SCOPED_TRACE("failing write " + std::to_string(failing));
      game.data().files().injectFault(step, failing);
      EXPECT_FALSE(DeleteCustomGame(game, 8000, DeletionAskedFrom::AList));
      for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(file(names[i]), before[i]) << names[i];
      EXPECT_TRUE(game.catalogue().Knows(8000));
      ASSERT_FALSE(ui.messages.empty());
      EXPECT_NE(ui.messages.back().text.find("My Game was not deleted."), std::string::npos);
    }
  }
  ASSERT_TRUE(DeleteCustomGame(game, 8000, DeletionAskedFrom::AList));
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_NE(file(names[i]), before[i]) << names[i] << " is written";
}

TEST_F(CustomGameDeletionTest, DeletingTheRunningGameEndsItFirst) {
  game.store().setGameNumber(8000);
  game.store().write(store::GameName, "My Game");
  ASSERT_TRUE(DeleteCustomGame(game, 8000, DeletionAskedFrom::TheGame));
  EXPECT_EQ(ui.questions.at(0),
            "Velmora 2001: You are now playing My Game.\rAre you sure you want to delete this game?\r"
            "Note: the statistics for this game will also be deleted.");
  EXPECT_EQ(calls.at(0), "end running game");
  EXPECT_EQ(game.store().gameNumber(), -1);
  EXPECT_EQ(game.store().gameName(), "");
}

TEST_F(CustomGameDeletionTest, AnsweringNoChangesNothing) {
  ui.answer = false;
  const std::string customBefore = ReadAll(dir / "data" / "GAM_CUST.DAT");
  const std::string preferencesBefore = ReadAll(dir / "data" / "Cfg.dat");
  EXPECT_FALSE(DeleteCustomGame(game, 8000, DeletionAskedFrom::AList));
  EXPECT_EQ(ReadAll(dir / "data" / "GAM_CUST.DAT"), customBefore);
  EXPECT_EQ(ReadAll(dir / "data" / "Cfg.dat"), preferencesBefore);
  EXPECT_TRUE(calls.empty());
}

TEST_F(CustomGameDeletionTest, ADamagedFileRefusesBeforeAsking) {
  WriteAll(dir / "data" / "GAM_CUST.DAT",
           File({Record("8000", "My Game", "0001"), Record("8000", "Twin Game", "0001")}));
  EXPECT_FALSE(DeleteCustomGame(game, 8000, DeletionAskedFrom::AList));
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_TRUE(calls.empty());
  ASSERT_EQ(ui.messages.size(), 1u) << "the damage is told once, as the refusal";
  EXPECT_NE(ui.messages[0].text.find("is damaged"), std::string::npos);
}

}  // namespace
}  // namespace velmora
