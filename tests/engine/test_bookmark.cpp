// Bookmarks: the game file written to a private file of the data folder and
// read back, and every way a bookmark file can fail without touching the table.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/catalogue_startup.h"
#include "game/rule_index.h"
#include "history/bookmark.h"
#include "history/game_file.h"
#include "history/undo.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"
#include "test_support.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

using testing::JoinedLines;
using testing::ReadAll;
using testing::RecordingUi;
using testing::TempFolder;
using testing::TextLines;
using testing::WriteAll;

class BookmarkTest : public ::testing::Test {
 protected:
  BookmarkTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    game.data().prepare();
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    const int number = game.catalogue().GameNumberByName("Klondike (draw one)");
    game.rules().clearForGame();
    EXPECT_TRUE(LoadGameRules(game.catalogue(), number, game.rules()));
    game.store().setGameNumber(number);
    game.store().write(store::DealNumber, "0000000000042");
    game.store().write(store::UndoEnabled, "0");
    StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true});
    game.history().clear();
  }
  void pressStock() {
    RecordStep(game, HistorySide::Undo);
    Pile& stock = game.piles().pile(kStock);
    Pile& waste = game.piles().pile(kWaste);
    waste.push_back(stock.back());
    stock.pop_back();
    game.cards().setFace(waste.back(), Face::Up);
    RecordStep(game, HistorySide::Redo, true);
  }

  PileSnapshot table() const { return TakeSnapshot(game.piles(), game.cards()); }
  std::string bookmarkFile() const { return game.store().read(store::BookmarkFile); }

  // The bookmarks in the data folder.
  std::vector<fs::path> bookmarks() const {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(dir / "data"))
      if (entry.path().extension() == ".gam") found.push_back(entry.path());
    return found;
  }

  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
};

TEST_F(BookmarkTest, GoingBackToTheBookmark) {
  pressStock();
  pressStock();
  TagStep(game, step_tag::DealCountRaised);
  game.store().writeNumber(store::Score, 35);
  game.state().setWord(word::PassCounter, 2);
  game.rules()[rule::FoundationBaseRank + 2] = 7;
  ASSERT_TRUE(InsertBookmark(game));
  EXPECT_TRUE(HasBookmark(game));
  const PileSnapshot marked = table();
  const HistoryStack::Lists markedUndo = game.history().undo().lists();

  pressStock();
  pressStock();
  ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo));
  game.store().writeNumber(store::Score, 50);
  game.state().setWord(word::PassCounter, 3);
  game.rules()[rule::FoundationBaseRank + 2] = 1;

  ASSERT_TRUE(GoToBookmark(game));
  EXPECT_EQ(table(), marked);
  EXPECT_EQ(game.history().undo().lists(), markedUndo);
  EXPECT_EQ(game.history().undoLog().text(), ",002,");
  EXPECT_EQ(game.state().counters[counter::DealCount], 1);
  EXPECT_EQ(game.store().read(store::Score), "000035");
  EXPECT_EQ(game.state().word(word::PassCounter), 2);
  EXPECT_EQ(game.rules()[rule::FoundationBaseRank + 2], 7);
  EXPECT_FALSE(game.history().redo().empty()) << "the redo history stays";
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.questions, (std::vector<std::string>{"Velmora 2001: Insert bookmark?", "Velmora 2001: Go to bookmark?"}));
}

TEST_F(BookmarkTest, TheFileLayout) {
  pressStock();
  ASSERT_TRUE(InsertBookmark(game));
  const std::vector<std::string> lines = TextLines(ReadAll(bookmarkFile()));
  ASSERT_EQ(lines.size(), 81u + 1 + 3 + 1 + 16 + 1 + 40 + 1 + 10 + 2);
  EXPECT_EQ(lines[0].size(), 101u);
  EXPECT_EQ(lines[0].substr(0, 12), "[S-0530]" + FormatNumber(game.store().gameNumber(), 4));
  EXPECT_EQ(lines[0].substr(89, 6), "000001") << "the pass counter";
  EXPECT_EQ(lines[0].substr(95), "000000") << "the memory games' misses";
  EXPECT_EQ(lines[1].size(), 98u);
  EXPECT_EQ(lines[1].substr(50, 16), "0000000000042   ");
  EXPECT_EQ(lines[1].substr(66, 8), "01010101");
  EXPECT_EQ(lines[12], CardStateString(game.piles().pile(kStock), game.cards()));
  EXPECT_EQ(lines[81], "[UNDO - Stock]");
  EXPECT_EQ(lines[85], "[UNDO - Foundations]");
  EXPECT_EQ(lines[lines.size() - 2], "[UNDO - Log]");
  EXPECT_EQ(lines.back(), ",");
}

TEST_F(BookmarkTest, DecliningChangesNothing) {
  ui.answer = false;
  EXPECT_FALSE(InsertBookmark(game));
  EXPECT_FALSE(HasBookmark(game));
  EXPECT_TRUE(bookmarks().empty());
}

TEST_F(BookmarkTest, ANewBookmarkReplacesTheFileOfTheOld) {
  ASSERT_TRUE(InsertBookmark(game));
  const std::string first = bookmarkFile();
  pressStock();
  ASSERT_TRUE(InsertBookmark(game));
  EXPECT_NE(bookmarkFile(), first);
  EXPECT_FALSE(fs::exists(first));
  EXPECT_TRUE(fs::exists(bookmarkFile()));
}

TEST_F(BookmarkTest, AFailedWriteIsReported) {
  game.files().injectFault(FileStep::Write, 1);
  EXPECT_FALSE(InsertBookmark(game));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(ui.messages[0].text.starts_with("The bookmark could not be written")) << ui.messages[0].text;
  EXPECT_FALSE(HasBookmark(game)) << "Go to bookmark stays disabled";
  EXPECT_TRUE(bookmarks().empty());

  ASSERT_TRUE(InsertBookmark(game));
  const std::string earlier = bookmarkFile();
  game.files().injectFault(FileStep::Write, 1);
  EXPECT_FALSE(InsertBookmark(game));
  EXPECT_EQ(bookmarkFile(), earlier) << "the earlier bookmark is kept";
  EXPECT_TRUE(fs::exists(earlier));
}

TEST_F(BookmarkTest, TheFileLiesInTheDataFolderForThePlayerAlone) {
  ASSERT_TRUE(InsertBookmark(game)) << (ui.messages.empty() ? "" : ui.messages[0].text);
  const fs::path file = bookmarkFile();
  EXPECT_EQ(file.parent_path(), dir / "data");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(BookmarkTest, BookmarksLeftByACrashAreRemovedAtStartUp) {
  WriteAll(dir / "data" / "Bookmark-4242-17-0.gam", "left by a crash");
  WriteAll(dir / "data" / "MyGame.gam", "a game the player saved");
  RemoveStaleBookmarks(game.data());
  EXPECT_FALSE(fs::exists(dir / "data" / "Bookmark-4242-17-0.gam"));
  EXPECT_TRUE(fs::exists(dir / "data" / "MyGame.gam"));
}

TEST_F(BookmarkTest, TheEndOfTheGameDeletesTheBookmark) {
  ASSERT_TRUE(InsertBookmark(game));
  const std::string file = bookmarkFile();
  DropBookmark(game);
  EXPECT_FALSE(HasBookmark(game));
  EXPECT_FALSE(fs::exists(file));
}

TEST_F(BookmarkTest, AMissingFileIsNamed) {
  ASSERT_TRUE(InsertBookmark(game));
  const std::string file = bookmarkFile();
  fs::remove(file);
  pressStock();
  const PileSnapshot before = table();
  EXPECT_FALSE(GoToBookmark(game));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "File not found: " + file);
  EXPECT_EQ(table(), before);
}

TEST_F(BookmarkTest, ADamagedFileChangesNothing) {
  struct Case {
    const char* what;
    std::function<void(std::vector<std::string>&)> damage;
  } cases[] = {
      {"an empty file", [](std::vector<std::string>& l) { l.clear(); }},
      {"shorter than the layout", [](std::vector<std::string>& l) { l.resize(60); }},
      {"a header that is no header", [](std::vector<std::string>& l) { l[0] = "hello"; }},
      {"a short second header", [](std::vector<std::string>& l) { l[1].resize(70); }},
      {"a pass counter that is no number", [](std::vector<std::string>& l) { l[0].replace(89, 6, "abcdef"); }},
      {"a card id above 108", [](std::vector<std::string>& l) { l[12] += "1091"; }},
      {"a face other than 0 and 1", [](std::vector<std::string>& l) { l[13] = "0012"; }},
      {"a pile cut inside a card", [](std::vector<std::string>& l) { l[31].pop_back(); }},
      {"an undo entry that is no pile", [](std::vector<std::string>& l) { l[82] = "xyz1"; }},
      {"an undo section missing an entry", [](std::vector<std::string>& l) { l.erase(l.begin() + 90); }},
      {"an undo log of another length", [](std::vector<std::string>& l) { l.back() = ",,,"; }},
  };
  pressStock();
  pressStock();
  ASSERT_TRUE(InsertBookmark(game));
  const std::string file = bookmarkFile();
  const std::vector<std::string> good = TextLines(ReadAll(file));
  pressStock();
  const PileSnapshot before = table();
  const HistoryStack::Lists undoBefore = game.history().undo().lists();
  for (const Case& c : cases) {
    std::vector<std::string> lines = good;
    c.damage(lines);
    WriteAll(file, JoinedLines(lines));
    ui.messages.clear();
    EXPECT_FALSE(GoToBookmark(game)) << c.what;
    ASSERT_EQ(ui.messages.size(), 1u) << c.what;
    EXPECT_TRUE(ui.messages[0].text.starts_with("The bookmark " + file + " cannot be used")) << ui.messages[0].text;
    EXPECT_EQ(table(), before) << c.what;
    EXPECT_EQ(game.history().undo().lists(), undoBefore) << c.what;
  }
}

// A file of the layout before tableau piles 29 to 40 existed reads with those
// piles empty, in the table and in every undo snapshot.
TEST(GameFile, AnOlderLayoutGainsTheNewPileSlots) {
  TempFolder dir;
  RecordingUi ui;
  TMainGame game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui);
  game.piles().pile({PileGroup::Tableau, 0}) = {1, 2};
  game.piles().pile({PileGroup::Reserves, 9}) = {3};
  RecordStep(game, HistorySide::Undo);
  game.piles().pile({PileGroup::Tableau, 27}) = {4};
  const std::string current = GameFileText(game);

  std::vector<std::string> lines = TextLines(current);
  lines[0].replace(3, 4, "0520");
  lines.erase(lines.begin() + 59, lines.begin() + 71);  // tableau 29-40
  const auto piles = std::find(lines.begin(), lines.end(), "[UNDO - Piles]") - lines.begin();
  lines.erase(lines.begin() + piles + 1 + 28, lines.begin() + piles + 1 + 40);
  const GameFileRead older = ReadGameFile(JoinedLines(lines));
  const GameFileRead now = ReadGameFile(current);
  ASSERT_TRUE(older.contents) << older.fault;
  ASSERT_TRUE(now.contents) << now.fault;
  EXPECT_EQ(older.contents->table, now.contents->table);
  EXPECT_EQ(older.contents->undo, now.contents->undo);
}

}  // namespace
}  // namespace velmora
