// The folders of the game selection: what each lists, the bad entries they
// skip, the folder the selection opens at, and the description of a game.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/selection_tree.h"
#include "files/ini_document.h"
#include "test_support.h"

namespace velmora {
namespace {

using testing::TempFolder;
using testing::WriteAll;

GameEntry Game(int number, int type, std::string name, std::array<int, 4> groups, char treeFlag = '0') {
  GameEntry game;
  game.number = number;
  game.type = type;
  game.name = std::move(name);
  game.treeFlag = treeFlag;
  for (int i = 0; i < 4; ++i) game.rules[static_cast<std::size_t>(483 + i)] = static_cast<std::int16_t>(groups[static_cast<std::size_t>(i)]);
  game.rules[371] = 52;
  game.rules[15] = 1;
  return game;
}

// Four games of three types; the folder lists name a game the catalogue
// lacks (77) and one that is not catalogued (4).
std::string RuleText() {
  RuleFileContents contents;
  contents.given.fill(true);
  GameEntry spider = Game(3, 8, "Spider", {0, 2, 0, 4}, '1');
  spider.rules[371] = 104;
  spider.rules[15] = -1;
  spider.rules[487] = 1;
  spider.rules[488] = 20;
  GameEntry hidden = Game(4, 5, "Hidden", {2, 0, 4, 0});
  hidden.listed = false;
  contents.games = {Game(1, 5, "klondike", {2, 0, 4, 0}), Game(2, 4, "FreeCell", {1, 1, 1, 1}), spider, hidden,
                    Game(5, 5, "Aces Up", {2, 0, 3, 0}, '1')};
  contents.selected = {2, 77, 1, 4};
  contents.original = {5};
  contents.children = {77};
  return WriteRuleFile(contents);
}

std::string CustomRecord(int number, std::string_view name, int base, std::string_view override) {
  std::string header = std::to_string(number) + std::string(name);
  header.resize(54, ' ');
  header += "000" + std::to_string(base);
  std::string record = header + "\r\n" + std::string(override) + "\r\n";
  for (int line = 2; line < 30; ++line) record += "\r\n";
  return record;
}

class SelectionTreeTest : public ::testing::Test {
 protected:
  SelectionTreeTest() : data(Folders(dir / "program", dir / "data"), files) {
    WriteAll(dir / "program" / "GAMES.DAT", RuleText());
    EXPECT_EQ(catalogue.loadRuleFile(dir / "program" / "GAMES.DAT"), std::nullopt);
  }

  void addCustomGames(const std::string& records) {
    WriteAll(dir / "data" / "GAM_CUST.DAT", "[R-0301]\r\n" + records);
    catalogue.loadCustomGames(data);
  }

  std::vector<int> listed(int folder) const {
    std::vector<int> numbers;
    for (const TreeEntry& entry : FolderEntries(catalogue, preferences, folder)) numbers.push_back(entry.code);
    return numbers;
  }

  TempFolder dir;
  FileSystem files;
  UserData data;
  Catalogue catalogue;
  IniDocument preferences;
};

TEST_F(SelectionTreeTest, FoldersListTheirGamesSortedByName) {
  struct Case {
    int folder;
    std::vector<int> games;
  } cases[] = {
      {tree::AllGames, {5, 2, 1, 3}},   // letter case does not change the order
      {tree::Selected, {2, 1}},         // 77 is unknown, 4 is not catalogued
      {tree::Original, {5}},
      {tree::Children, {}},
      {tree::NewGames, {5, 3}},
      {-202030, {5, 1}},                // Klondike type
      {-202050, {3}},                   // Spider type
      {-202040, {}},                    // Row games: none of that type
      {-203010, {5, 1}},                // quick (rule 483 = 2)
      {-203020, {2}},                   // medium
      {-204030, {3}},                   // hard (rule 484 = 2)
      {-205040, {5}},                   // mostly chance (rule 485 = 3)
      {-206010, {3}},                   // very low chance (rule 486 = 4)
      {-206050, {5, 1}},                // very high chance (rule 486 = 0)
      {tree::GameTypes, {}},            // folders that hold only folders list no games
  };
  for (const Case& c : cases) EXPECT_EQ(listed(c.folder), c.games) << c.folder;
}

TEST_F(SelectionTreeTest, CustomizedGamesShowAHintWhenThereAreNone) {
  const auto none = FolderEntries(catalogue, preferences, tree::Customized);
  ASSERT_EQ(none.size(), 1u);
  EXPECT_EQ(none[0].code, tree::CustomizeHint);
  EXPECT_EQ(none[0].caption, "(How to customize a game)");

  addCustomGames(CustomRecord(8001, "Zed", 1, "00300020100102003") + CustomRecord(8000, "Alpha", 2, "00100100000000000"));
  const auto games = FolderEntries(catalogue, preferences, tree::Customized);
  ASSERT_EQ(games.size(), 2u);
  EXPECT_EQ(games[0].caption, "Alpha");
  EXPECT_EQ(games[0].type, 800);
  EXPECT_EQ(games[1].code, 8001);
}

TEST_F(SelectionTreeTest, FavouritesKeepTheirFoldersAndSkipUnknownGames) {
  EXPECT_EQ(listed(tree::Favourites), std::vector<int>{tree::FavouritesHint});
  const char* entries[] = {"010002FreeCell", "01-011Evening", "020001klondike", "020077Lost game", "02-011Inner",
                           "010003Spider"};
  for (int i = 0; i < 6; ++i) preferences.write("Favorite Games", "Game000" + std::to_string(i), entries[i]);
  preferences.write("Favorite Games", "Game0007", "010005Aces Up");  // after a gap: not read
  const auto favourites = FolderEntries(catalogue, preferences, tree::Favourites);
  ASSERT_EQ(favourites.size(), 3u);
  EXPECT_EQ(favourites[0].code, 2);
  EXPECT_EQ(favourites[1].code, tree::FavouriteFolder);
  EXPECT_EQ(favourites[1].caption, "Evening");
  ASSERT_EQ(favourites[1].children.size(), 2u);
  EXPECT_EQ(favourites[1].children[0].code, 1);
  EXPECT_EQ(favourites[1].children[1].caption, "Inner");
  EXPECT_EQ(favourites[2].code, 3);
}

TEST(SelectionTreeFolders, AStoredFolderCodeOutOfRangeOpensAllGames) {
  struct Case {
    int stored, opened;
  } cases[] = {
      {-2010, -2010}, {-202050, -202050}, {-206030, -206030}, {-2070, -2070}, {-10, -10},
      {-20, tree::AllGames},     // a folder of folders
      {-1, tree::AllGames},      // "Game Groups"
      {0, tree::AllGames},       {12, tree::AllGames}, {-999999, tree::AllGames}, {32767, tree::AllGames},
  };
  for (const Case& c : cases) EXPECT_EQ(OpeningFolder(c.stored), c.opened) << c.stored;
}

TEST(SelectionTreeFolders, EveryFolderLiesInAFolderListedBeforeIt) {
  std::vector<int> seen{0};
  for (const TreeFolder& folder : TreeFolders()) {
    EXPECT_NE(std::find(seen.begin(), seen.end(), folder.parent), seen.end()) << folder.caption;
    EXPECT_EQ(std::find(seen.begin(), seen.end(), folder.code), seen.end()) << "twice: " << folder.caption;
    seen.push_back(folder.code);
  }
}

TEST(SelectionTreeFolders, GameIconsFollowTheTypeAndTheMark) {
  EXPECT_EQ(GameIcon(5, GameMark::Plain), "TREE5_KLONDIKE_TYPE");
  EXPECT_EQ(GameIcon(5, GameMark::Won), "TREE5_KLONDIKE_TYPE_WIN");
  EXPECT_EQ(GameIcon(800, GameMark::NotWon), "TREE5_CUSTOMIZED_GAMES_NOWIN");
  EXPECT_EQ(GameIcon(1, GameMark::Won), "");  // a type without an icon
  EXPECT_EQ(PreviewPictureName(7), "GAME0007");
}

TEST_F(SelectionTreeTest, DescriptionsReadTheGamesRules) {
  const auto spider = DescribeGame(catalogue, 3);
  ASSERT_TRUE(spider);
  EXPECT_EQ(spider->name, "Spider");
  EXPECT_EQ(spider->time, "Long");
  EXPECT_EQ(spider->timePicture, "PROG_TIME_LONG");
  EXPECT_EQ(spider->difficulty, "Hard");
  EXPECT_EQ(spider->skill, "Difficult");
  EXPECT_EQ(spider->chance, "Very low (about 1 in 20)");
  EXPECT_EQ(spider->chancePicture, "PROG_CHAN_VERYLOW");
  EXPECT_EQ(spider->decks, 2);
  EXPECT_EQ(spider->redeals, "Unlimited");
  EXPECT_EQ(spider->previewGame, 3);

  const auto klondike = DescribeGame(catalogue, 1);
  ASSERT_TRUE(klondike);
  EXPECT_EQ(klondike->redeals, "0");  // one deal in all
  EXPECT_EQ(klondike->skill, "Chance only");
  EXPECT_EQ(klondike->chance, "Very high");

  EXPECT_FALSE(DescribeGame(catalogue, 77));
  EXPECT_FALSE(DescribeGame(catalogue, 4));
}

TEST_F(SelectionTreeTest, ACustomGameIsDescribedByItsBaseGameWithItsOwnRedeals) {
  // The override gives the custom game 4 deals in all; its base game has 1.
  addCustomGames(CustomRecord(8000, "Four Deals", 1, "00100400000000000"));
  const auto custom = DescribeGame(catalogue, 8000);
  ASSERT_TRUE(custom);
  EXPECT_TRUE(custom->custom);
  EXPECT_EQ(custom->time, "Customized game");
  EXPECT_EQ(custom->chancePicture, "PROG_DISABLED");
  EXPECT_EQ(custom->skill, "Chance only");
  EXPECT_EQ(custom->previewGame, 1);
  EXPECT_EQ(custom->redeals, "3");
}

}  // namespace
}  // namespace velmora
