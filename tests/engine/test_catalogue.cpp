// The game catalogue: look-ups by number and name with lines that are not
// catalogued, rule loading for built-in and custom games, the screen check,
// and taking up the catalogue at start-up.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_startup.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"
#include "test_support.h"

namespace velmora {
namespace {

using testing::RecordingUi;
using testing::TempFolder;
using testing::WriteAll;

GameEntry Game(int number, int type, std::string name, bool listed = true, bool wide = false) {
  GameEntry game;
  game.number = number;
  game.type = type;
  game.name = std::move(name);
  game.listed = listed;
  game.wide = wide;
  return game;
}

// Klondike (1), a retired line that is not catalogued (2), and FreeCell (3)
// that needs a wide screen.
std::string SmallRuleFile() {
  RuleFileContents contents;
  contents.given.fill(true);
  GameEntry klondike = Game(1, 5, "Klondike");
  auto& k = klondike.rules;
  k[22] = 1, k[15] = -1, k[52] = 1, k[367] = 4, k[368] = 7, k[371] = 52;
  for (int pile = 0; pile < 7; ++pile) k[132 + pile] = 13, k[212 + pile] = 3;
  for (int f = 0; f < 4; ++f) k[68 + f] = 1;
  GameEntry freecell = Game(3, 4, "FreeCell", true, true);
  freecell.rules[368] = 8;
  freecell.rules[369] = 4;
  freecell.rules[371] = 52;
  contents.games = {klondike, Game(2, 9, "Retired", false), freecell};
  return WriteRuleFile(contents);
}

std::string CustomRecord(int number, std::string_view name, int base, std::string_view override) {
  std::string header = std::to_string(number) + std::string(name);
  header.resize(54, ' ');
  header += (base < 10 ? "000" : "00") + std::to_string(base);
  std::string record = header + "\r\n" + std::string(override) + "\r\n";
  for (int line = 2; line < 30; ++line) record += "\r\n";
  return record;
}

class CatalogueTest : public ::testing::Test {
 protected:
  CatalogueTest() : data(Folders(dir / "program", dir / "data"), files) {
    WriteAll(dir / "program" / "GAMES.DAT", SmallRuleFile());
    WriteAll(dir / "data" / "GAM_CUST.DAT",
             "[R-0301]\r\n" + CustomRecord(8000, "My Klondike", 1, "00300020100102003") +
                 CustomRecord(8001, "Wide Cells", 3, "00100100000000000"));
    data.setWarningSink([this](const std::string& text) { warnings.push_back(text); });
    EXPECT_EQ(catalogue.loadRuleFile(dir / "program" / "GAMES.DAT"), std::nullopt);
    catalogue.loadCustomGames(data);
  }

  TempFolder dir;
  FileSystem files;
  UserData data;
  Catalogue catalogue;
  std::vector<std::string> warnings;
};

TEST_F(CatalogueTest, ColumnsFollowTheCataloguedLines) {
  struct Case {
    int number, column, type;
    const char* name;
  } cases[] = {
      {1, 0, 5, "Klondike"},    {2, -1, -1, ""},  // not catalogued: no column, no name
      {3, 1, 4, "FreeCell"},    {99, -1, -1, ""}, {-1, -1, -1, ""},
      {8000, -1, 800, "My Klondike"}, {8123, -1, 800, ""},  // custom games are of type 800, record or not
  };
  for (const Case& c : cases) {
    EXPECT_EQ(catalogue.GameColumn(c.number), c.column) << c.number;
    EXPECT_EQ(catalogue.GameType(c.number), c.type) << c.number;
    EXPECT_EQ(catalogue.GameName(c.number), c.name) << c.number;
  }
  ASSERT_EQ(catalogue.games().size(), 2u);
  EXPECT_TRUE(warnings.empty());
}

TEST_F(CatalogueTest, NamesAreFoundInAnyLetterCase) {
  EXPECT_EQ(catalogue.GameNumberByName("freecell  "), 3);
  EXPECT_EQ(catalogue.GameNumberByName("MY KLONDIKE"), 8000);
  EXPECT_EQ(catalogue.GameNumberByName("Retired"), -1);
  EXPECT_EQ(catalogue.AllGameNames(), (std::vector<std::string>{"FreeCell", "Klondike", "My Klondike", "Wide Cells"}));
  const auto list = catalogue.CustomGameList();
  ASSERT_TRUE(list);
  ASSERT_EQ(list->size(), 2u);
  EXPECT_EQ(list->at(0).name, "My Klondike");
  EXPECT_EQ(list->at(0).base, 1);
  EXPECT_EQ(list->at(0).override, "00300020100102003");
}

TEST_F(CatalogueTest, ANarrowScreenRefusesWideGamesAndTheirCustomGames) {
  RecordingUi ui;
  EXPECT_TRUE(catalogue.CheckScreenForGame(1, 640, ui));
  EXPECT_TRUE(catalogue.CheckScreenForGame(3, 800, ui));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(catalogue.CheckScreenForGame(3, 640, ui));
  EXPECT_FALSE(catalogue.CheckScreenForGame(8001, 640, ui));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text,
            "Your video card's display is 640x480 pixels.\rYou can't play: FreeCell\r"
            "Please set your screen resolution to 800x600 pixels or higher.");
  EXPECT_NE(ui.messages[1].text.find("You can't play: Wide Cells"), std::string::npos);
}

TEST_F(CatalogueTest, ABuiltInGameLoadsItsColumnAndKeepsTheDealCopy) {
  RuleRecord rules;
  ASSERT_TRUE(LoadGameRules(catalogue, 3, rules));
  EXPECT_EQ(rules[368], 8);
  ASSERT_TRUE(LoadGameRules(catalogue, 1, rules));
  EXPECT_EQ(rules[368], 7);
  EXPECT_EQ(rules[369], 0) << "FreeCell's reserves are gone";
  EXPECT_EQ(rules[22], 1);
  // A deal rewrites fill rules and base ranks; the copy puts them back.
  rules[132] = 12;
  rules[52] = 7;
  rules.restoreDealCopy();
  EXPECT_EQ(rules[132], 13);
  EXPECT_EQ(rules[52], 1);
}

TEST_F(CatalogueTest, ACustomGameLoadsItsBaseColumnWithTheOverride) {
  RuleRecord rules;
  ASSERT_TRUE(LoadGameRules(catalogue, 8000, rules));
  EXPECT_EQ(rules[22], 3);
  EXPECT_EQ(rules[15], 0);
  EXPECT_EQ(rules[132], -1);
  EXPECT_EQ(rules[172], 0);
  EXPECT_EQ(rules[212], 3);
  EXPECT_EQ(rules[68], 2);
  EXPECT_EQ(rules[84], 1);
  EXPECT_EQ(rules[371], 52) << "the rest is the base game's";
  rules[132] = 5;
  rules.restoreDealCopy();
  EXPECT_EQ(rules[132], -1) << "the copy is taken after the override";
}

TEST_F(CatalogueTest, OnlyTheRulesTheFileGivesAreSet) {
  // A file with lines for rules 22, 368 and 371 only: rule 489 keeps its value
  // through the clearing and the loading.
  Catalogue sparse;
  const std::string cell3 = Unscramble("3         "), cell7 = Unscramble("7         ");
  const std::string cell52 = Unscramble("52        ");
  ASSERT_EQ(sparse.loadRuleText("[Sect1]\n" + Unscramble("005 001000Klondike") + "\n[Sect2]\n0022            " +
                                cell3 + "\n0368            " + cell7 + "\n0371            " + cell52 + "\n"),
            std::nullopt);
  RuleRecord rules;
  rules[15] = 4;
  rules[489] = 5;
  rules.clearForGame();
  ASSERT_TRUE(LoadGameRules(sparse, 1, rules));
  EXPECT_EQ(rules[22], 3);
  EXPECT_EQ(rules[368], 7);
  EXPECT_EQ(rules[15], 0);
  EXPECT_EQ(rules[489], 5);
}

TEST_F(CatalogueTest, AGameWithoutColumnOrRecordIsNotLoaded) {
  for (int game : {2, 99, 8002, -1}) {
    RuleRecord rules;
    rules[22] = 42;
    EXPECT_FALSE(LoadGameRules(catalogue, game, rules)) << game;
    EXPECT_EQ(rules[22], 42) << game;
  }
}

TEST_F(CatalogueTest, SingleRulesAreReadByIndex) {
  const int asked[] = {22, 15, 368, 490};
  EXPECT_EQ(ReadGameRules(catalogue, 1, asked), (std::vector<int>{1, -1, 7, 0}));
  EXPECT_EQ(ReadGameRules(catalogue, 2, asked), std::nullopt);
}

TEST_F(CatalogueTest, ADamagedRuleFileLeavesTheCatalogueAsItWas) {
  const std::string catalogueLine = "[Sect1]\n" + Unscramble("005 001000Klondike") + "\n";
  struct Case {
    std::string file;
    std::string fault;
  } cases[] = {
      {catalogueLine + "[Sect2]\n0999\n", "line 4: rule index \"0999\" is outside 0 to 489"},
      {catalogueLine + "[Sect2]\n0371            " + Unscramble("78        ") + "\n",
       "game 1 (Klondike) has a deck of 78 cards; the engine deals 52 or 104"},
      {catalogueLine, "game 1 (Klondike) has a deck of 0 cards"},
  };
  for (const Case& c : cases) {
    const auto fault = catalogue.loadRuleText(c.file);
    ASSERT_TRUE(fault) << c.fault;
    EXPECT_NE(fault->find(c.fault), std::string::npos) << *fault;
    EXPECT_EQ(catalogue.GameName(3), "FreeCell");
  }
}

class CatalogueStartupTest : public ::testing::Test {
 protected:
  CatalogueStartupTest() {
    WriteAll(dir / "program" / "GAMES.DAT", SmallRuleFile());
    WriteAll(dir / "data" / "GAM_CUST.DAT", "[R-0301]\r\n" + CustomRecord(8000, "My Klondike", 1, "00300020100102003"));
  }

  TempFolder dir;
  RecordingUi ui;
};

TEST_F(CatalogueStartupTest, AStoredGameTheCatalogueLacksIsForgotten) {
  struct Case {
    int stored;
    int kept;
  } cases[] = {{1, 1}, {8000, 8000}, {2, -1}, {77, -1}, {8001, -1}, {-1, -1}};
  for (const Case& c : cases) {
    TMainGame game(Folders(dir / "program", dir / "data"), ui);
    game.store().setGameNumber(c.stored);
    game.store().write(store::GameName, "Some Name");
    ASSERT_EQ(LoadGameCatalogue(game), std::nullopt);
    EXPECT_EQ(game.store().gameNumber(), c.kept) << c.stored;
    EXPECT_EQ(game.store().gameName(), c.kept < 0 ? "" : "Some Name") << c.stored;
  }
}

TEST_F(CatalogueStartupTest, ADamagedRuleFileStopsTheStartWithItsFault) {
  std::string text = SmallRuleFile();
  text.replace(text.find("0022"), 4, "0x22");
  WriteAll(dir / "program" / "GAMES.DAT", text);
  TMainGame game(Folders(dir / "program", dir / "data"), ui);
  const auto failure = LoadGameCatalogue(game);
  ASSERT_TRUE(failure);
  EXPECT_NE(failure->text.find("The rule file is damaged"), std::string::npos) << failure->text;
  EXPECT_NE(failure->text.find("rule index \"0x22\" is outside 0 to 489"), std::string::npos) << failure->text;
  EXPECT_TRUE(game.catalogue().games().empty());
}

TEST_F(CatalogueStartupTest, AMissingRuleFileGivesTheMissingFileMessage) {
  std::filesystem::remove(dir / "program" / "GAMES.DAT");
  TMainGame game(Folders(dir / "program", dir / "data"), ui);
  const auto failure = LoadGameCatalogue(game);
  ASSERT_TRUE(failure);
  EXPECT_NE(failure->text.find("Cannot find file"), std::string::npos) << failure->text;
}

}  // namespace
}  // namespace velmora
