// Saved, held and left games: a game written to a file and opened again as it
// was, older layouts converted, damaged files refused before anything
// changes, and the ways a game in progress is quit, restarted and held.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include "catalogue/find_game.h"
#include "catalogue/play_game.h"
#include "game/rule_index.h"
#include "history/bookmark.h"
#include "history/held_game.h"
#include "history/saved_game.h"
#include "history/undo.h"
#include "play/end_game.h"
#include "play/leave_game.h"
#include "records/keyed_file.h"
#include "records/player_list.h"
#include "records/statistics_record.h"
#include "scoring/score.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "table/prepare_game.h"
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

const DisplayFacts kScreen{1280, true};
constexpr std::int64_t kAnHourAndMore = 3725;  // 1:02:05

// Every file of a folder and its bytes.
std::map<std::string, std::string> FolderContents(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) files[entry.path().lexically_relative(folder).string()] = ReadAll(entry.path());
  return files;
}

class SavedGameTest : public ::testing::Test {
 protected:
  SavedGameTest()
      : owned(std::make_unique<TMainGame>(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui)), game(*owned) {
    EXPECT_FALSE(InitialiseProgram(game, StartupEnvironment{}).has_value());
  }

  void deal(std::string_view name, std::string_view dealNumber = "4242") {
    ASSERT_FALSE(DealNamedGame(game, name, dealNumber, kScreen).has_value());
  }

  // One step of play as the engine records it: the top card of `from` goes
  // face up onto `to`.
  void move(PileRef from, PileRef to, bool raisesDealCount = false) {
    RecordStep(game, HistorySide::Undo);
    Pile& source = game.piles().pile(from);
    ASSERT_FALSE(source.empty());
    game.piles().pile(to).push_back(source.back());
    game.cards().setFace(source.back(), Face::Up);
    source.pop_back();
    if (raisesDealCount) {
      TagStep(game, step_tag::DealCountRaised);
      ++game.state().counters[counter::DealCount];
    }
    RecordStep(game, HistorySide::Redo, true);
  }

  void setClock(std::int64_t seconds) { game.state().times[0] = MonotonicMilliseconds() - seconds * 1000; }
  std::int64_t clockSeconds() const { return (MonotonicMilliseconds() - game.state().times[0]) / 1000; }
  PileSnapshot table() const { return TakeSnapshot(game.piles(), game.cards()); }

  StatisticsRecord statistics() {
    const auto text = KeyedFile(game.data(), std::string(kStatisticsFile)).load();
    if (!text) return {};
    return FindStatistics(*text, game.store().gameNumber(), game.store().playerName()).record;
  }

  fs::path save(std::string_view name = "game.gam") {
    const fs::path file = dir / name;
    const FileOutcome saved = SaveGame(game, file);
    EXPECT_TRUE(saved) << saved.message;
    return file;
  }

  OpenOutcome open(const fs::path& file) { return OpenSavedGame(game, file, {kScreen, true}); }

  TempFolder dir;
  RecordingUi ui;
  std::unique_ptr<TMainGame> owned;  // one program at a time holds the data folder
  TMainGame& game;
};

// --- Save and open ---

struct RoundTrip {
  const char* game;
  std::vector<std::pair<PileRef, PileRef>> moves;
};

TEST_F(SavedGameTest, AGameComesBackAsItWasSaved) {
  const PileRef stock{PileGroup::Stock, 0}, waste{PileGroup::Stock, 1};
  const PileRef tableau0{PileGroup::Tableau, 0}, tableau1{PileGroup::Tableau, 1};
  const RoundTrip trips[] = {
      {"Klondike (draw one)", {{stock, waste}, {stock, waste}, {tableau0, {PileGroup::Foundations, 0}}}},
      {"FreeCell", {{tableau0, {PileGroup::Reserves, 0}}, {tableau1, {PileGroup::Reserves, 3}}}},
      {"Golf", {{tableau0, waste}, {stock, waste}}},
  };
  for (const RoundTrip& trip : trips) {
    SCOPED_TRACE(trip.game);
    deal(trip.game);
    for (const auto& [from, to] : trip.moves) move(from, to, from == stock);
    game.store().writeNumber(store::Score, 35);
    game.state().setWord(word::PassCounter, 2);
    game.rules()[rule::FoundationBaseRank + 3] = 7;
    setClock(kAnHourAndMore);
    const PileSnapshot saved = table();
    const HistoryStack::Lists undo = game.history().undo().lists();
    const std::string log = game.history().undoLog().text();
    const int dealCount = game.state().counters[counter::DealCount];
    const int number = game.store().gameNumber();
    const std::string dealNumber = game.store().dealNumber();
    const fs::path file = save();

    deal("Yukon");  // another game runs when the file is opened
    game.store().write(store::ConfirmQuitGame, "N");
    ASSERT_EQ(open(file), OpenOutcome::Opened);
    EXPECT_EQ(game.store().gameNumber(), number);
    EXPECT_EQ(game.store().dealNumber(), dealNumber);
    EXPECT_EQ(table(), saved);
    EXPECT_EQ(game.history().undo().lists(), undo);
    EXPECT_EQ(game.history().undoLog().text(), log);
    EXPECT_EQ(game.state().counters[counter::DealCount], dealCount);
    EXPECT_EQ(game.store().readNumber(store::Score), 35);
    EXPECT_EQ(game.state().word(word::PassCounter), 2);
    EXPECT_EQ(game.rules()[rule::FoundationBaseRank + 3], 7);
    EXPECT_EQ(game.state().word(word::StartPhase), 2);
    EXPECT_TRUE(game.state().on(flag::GameInProgress));
    EXPECT_TRUE(game.state().on(flag::ClockRuns));
    EXPECT_NEAR(static_cast<double>(clockSeconds()), kAnHourAndMore, 1);

    // Each undo step gives the table of that step, down to the deal.
    for (auto steps = trip.moves.size(); steps > 0; --steps) ASSERT_TRUE(TakeHistoryStep(game, HistorySide::Undo));
    EXPECT_EQ(game.history().undo().steps(), 0);
    EXPECT_EQ(game.state().counters[counter::DealCount], 0);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0].text;
  }
}

// A removal game keeps its selection in foundation 1, as copies of cards
// that lie elsewhere: the file opens with the selection as it was.
TEST_F(SavedGameTest, ARemovalGameOpensWithItsSelection) {
  deal("Monte Carlo");
  const CardId selected = game.piles().topCard({PileGroup::Tableau, 0});
  game.piles().pile({PileGroup::Foundations, 0}).push_back(selected);
  const PileSnapshot saved = table();
  const fs::path file = save();
  deal("Klondike (draw one)");
  ASSERT_EQ(open(file), OpenOutcome::Opened) << (ui.messages.empty() ? "" : ui.messages.back().text);
  EXPECT_EQ(table(), saved);
}

// A memory game's misses count in its score: the file keeps them, and a file
// written before it kept them opens with none.
TEST_F(SavedGameTest, AMemoryGameOpensWithItsMisses) {
  deal("Concentration");
  game.state().setWord(word::MemoryMisses, 3);
  const fs::path file = save();
  deal("Klondike (draw one)");
  ASSERT_EQ(open(file), OpenOutcome::Opened);
  EXPECT_EQ(game.state().word(word::MemoryMisses), 3);
  EXPECT_EQ(RecomputeScore(game), -52 - 3);

  std::vector<std::string> lines = TextLines(ReadAll(file));
  lines[0].resize(95);  // the first header as it was before the misses
  WriteAll(file, JoinedLines(lines));
  ASSERT_EQ(open(file), OpenOutcome::Opened);
  EXPECT_EQ(game.state().word(word::MemoryMisses), 0);
}

TEST_F(SavedGameTest, AGameSavedWithoutHistoryOpensWithUndoRefused) {
  deal("Klondike (draw one)");
  const PileSnapshot dealt = table();
  const fs::path file = save();
  deal("FreeCell");
  ASSERT_EQ(OpenSavedGame(game, file, {kScreen, false}), OpenOutcome::Opened);
  EXPECT_EQ(table(), dealt);
  EXPECT_EQ(game.state().word(word::StartPhase), 0);
  EXPECT_FALSE(TakeHistoryStep(game, HistorySide::Undo));
}

TEST_F(SavedGameTest, NothingIsSavedWithoutAGameInProgress) {
  EXPECT_FALSE(SaveGame(game, dir / "none.gam"));
  EXPECT_FALSE(fs::exists(dir / "none.gam"));
}

TEST_F(SavedGameTest, SavingReplacesAFileWhole) {
  deal("Klondike (draw one)");
  WriteAll(dir / "game.gam", std::string(100000, 'x'));
  save();
  EXPECT_TRUE(ReadAll(dir / "game.gam").starts_with("[S-0530]"));
  EXPECT_TRUE(ReadGameFile(ReadAll(dir / "game.gam")).contents);
  game.files().injectFault(FileStep::Rename, 1);
  move({PileGroup::Stock, 0}, {PileGroup::Stock, 1});
  const std::string before = ReadAll(dir / "game.gam");
  EXPECT_FALSE(SaveGame(game, dir / "game.gam"));
  EXPECT_EQ(ReadAll(dir / "game.gam"), before) << "a failed save leaves the earlier file";
}

TEST_F(SavedGameTest, TheSaveFolderIsRememberedOnlyWhenItExists) {
  EXPECT_FALSE(SavedGameFolder(game).empty());
  RememberSavedGameFolder(game, dir.path());
  EXPECT_EQ(SavedGameFolder(game), dir.path());
  RememberSavedGameFolder(game, dir / "gone");
  EXPECT_NE(SavedGameFolder(game), dir / "gone");
}

TEST_F(SavedGameTest, LeavingTheRunningGameIsConfirmedAndRecordedOnce) {
  deal("Klondike (draw one)");
  move({PileGroup::Stock, 0}, {PileGroup::Stock, 1});
  const fs::path file = save();
  deal("FreeCell");
  const PileSnapshot running = table();
  game.store().write(store::ConfirmQuitGame, "Y");
  ui.answer = false;
  EXPECT_EQ(open(file), OpenOutcome::Declined);
  EXPECT_EQ(table(), running);
  EXPECT_EQ(statistics().lost, 0);
  ui.answer = true;
  EXPECT_EQ(open(file), OpenOutcome::Opened);
  EXPECT_EQ(ui.questions.size(), 2u);
  game.store().setGameNumber(FindGame(game.catalogue(), "FreeCell"));
  EXPECT_EQ(statistics().lost, 1) << "the game left behind counts as lost, once";
}

TEST_F(SavedGameTest, AMissingFileIsNamed) {
  deal("Klondike (draw one)");
  EXPECT_EQ(open(dir / "nowhere.gam"), OpenOutcome::Refused);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "File not found: " + (dir / "nowhere.gam").string());
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
}

// Every damaged file is refused before the running game is asked about:
// the table, the history and every data file stay as they were.
TEST_F(SavedGameTest, ADamagedFileIsRefusedAndChangesNothing) {
  using Text = std::vector<std::string>;
  struct Case {
    const char* what;
    std::function<void(Text&)> damage;
  } cases[] = {
      {"an empty file", [](Text& l) { l.clear(); }},
      {"cut short", [](Text& l) { l.resize(40); }},
      {"another tag", [](Text& l) { l[0].replace(0, 3, "[X-"); }},
      {"a version that is no number", [](Text& l) { l[0].replace(3, 4, "05a0"); }},
      {"a newer version", [](Text& l) { l[0].replace(3, 4, "0600"); }},
      {"a short first header", [](Text& l) { l[0].resize(80); }},
      {"a short second header", [](Text& l) { l[1].resize(70); }},
      {"a game this program lacks", [](Text& l) { l[0].replace(8, 4, "9999"); }},
      {"a score that is no number", [](Text& l) { l[0].replace(83, 6, "12x456"); }},
      {"a deal number with letters", [](Text& l) { l[1].replace(50, 13, "00000000abc12"); }},
      {"a deal number of zeros", [](Text& l) { l[1].replace(50, 13, "0000000000000"); }},
      {"a base rank above a King", [](Text& l) { l[1].replace(66, 2, "14"); }},
      {"a card id above 108", [](Text& l) { l[40] += "1091"; }},
      {"a face other than 0 and 1", [](Text& l) { l[40] += "0012"; }},
      {"a card twice on the table", [](Text& l) { l[40] += l[31].substr(0, 4); }},
      {"a card twice in an undo step",
       [](Text& l) {
         const auto piles = std::find(l.begin(), l.end(), "[UNDO - Piles]");
         *(piles + 5) += (piles + 1)->substr(0, 4);
       }},
      {"an undo step missing a pile",
       [](Text& l) { l.erase(std::find(l.begin(), l.end(), "[UNDO - Reserves]") + 1); }},
      {"an undo log of another length", [](Text& l) { l.back() = ",,,,,"; }},
      {"a pile longer than any table", [](Text& l) { l[70] = std::string(4 * 300, '0'); }},
  };
  deal("Klondike (draw one)");
  move({PileGroup::Stock, 0}, {PileGroup::Stock, 1});
  move({PileGroup::Stock, 0}, {PileGroup::Stock, 1});
  const Text good = TextLines(ReadAll(save()));
  const fs::path file = dir / "damaged.gam";
  game.store().write(store::ConfirmQuitGame, "Y");
  const PileSnapshot running = table();
  const HistoryStack::Lists history = game.history().undo().lists();
  const auto dataFiles = FolderContents(dir / "data");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Text lines = good;
    c.damage(lines);
    WriteAll(file, JoinedLines(lines));
    ui.messages.clear();
    ui.questions.clear();
    EXPECT_EQ(open(file), OpenOutcome::Refused);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.starts_with("The game in " + file.string() + " cannot be opened: "))
        << ui.messages[0].text;
    EXPECT_TRUE(ui.questions.empty()) << "refused before the player is asked";
    EXPECT_EQ(table(), running);
    EXPECT_EQ(game.history().undo().lists(), history);
    EXPECT_TRUE(game.state().on(flag::GameInProgress));
    EXPECT_EQ(FolderContents(dir / "data"), dataFiles);
  }
}

TEST_F(SavedGameTest, TheFilesPlayerIsTakenOnlyWhenRegistered) {
  deal("Klondike (draw one)");
  game.store().write(store::UserDefault, "Player 2");
  const fs::path file = save();
  game.store().write(store::UserDefault, "Player 1");
  ASSERT_EQ(OpenSavedGame(game, file, {kScreen, false}), OpenOutcome::Opened);
  EXPECT_EQ(game.store().playerName(), "Player 2");

  std::vector<std::string> lines = TextLines(ReadAll(file));
  lines[1].replace(0, 8, "Stranger");
  WriteAll(file, JoinedLines(lines));
  game.store().write(store::UserDefault, "Player 1");
  ASSERT_EQ(OpenSavedGame(game, file, {kScreen, false}), OpenOutcome::Opened);
  EXPECT_EQ(game.store().playerName(), "Player 1");
}

TEST_F(SavedGameTest, AFillRuleOfTheRankBelowTheBaseTakesTheFilesBaseRank) {
  deal("Klondike (draw one)");
  game.rules()[rule::FoundationBaseRank] = 5;
  const fs::path file = save();
  // The file's game is loaded afresh; a fill rule asking for the rank below
  // the first base rank then gets 4.
  const int number = game.store().gameNumber();
  game.store().write(store::ConfirmQuitGame, "N");
  SavedGameCheck check = ReadSavedGame(game, file);
  ASSERT_TRUE(check.contents) << check.fault;
  ASSERT_TRUE(StartSavedGame(game, std::move(*check.contents), kScreen));
  EXPECT_EQ(game.store().gameNumber(), number);
  EXPECT_EQ(game.rules()[rule::FoundationBaseRank], 5);
  for (int r = rule::TableauFill; r < rule::TableauFill + 40; ++r) EXPECT_NE(game.rules()[r], 91);
}

// --- Older layouts ---

// The same game written in each older layout: the newer slots taken out of
// the table and of every undo snapshot, as those programs wrote them.
std::vector<std::string> OlderLayout(std::vector<std::string> lines, std::string_view version) {
  const auto section = [&lines](std::string_view name) {
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), name) - lines.begin());
  };
  const auto cut = [&lines](std::size_t first, std::size_t count) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first),
                lines.begin() + static_cast<std::ptrdiff_t>(first + count));
  };
  // Drops `count` entries after the first `after` of each snapshot of `every`.
  const auto narrow = [&](std::string_view name, std::size_t every, std::size_t after, std::size_t count) {
    const std::size_t first = section(name) + 1;
    std::size_t steps = 0;
    while (first + steps * every < lines.size() && !lines[first + steps * every].starts_with("[UNDO")) ++steps;
    for (std::size_t step = steps; step-- > 0;) cut(first + step * every + after, count);
  };
  lines[0].replace(3, 4, version);
  cut(59, 12);  // tableau 29-40
  narrow("[UNDO - Piles]", 40, 28, 12);
  if (version >= "0520") return lines;
  cut(67, 2);  // reserves 9-10
  narrow("[UNDO - Reserves]", 10, 8, 2);
  if (version >= "0303") return lines;
  cut(52, 2);  // tableau 22-23
  narrow("[UNDO - Piles]", 28, 21, 2);
  if (version >= "0301") return lines;
  cut(47, 5);
  cut(23, 4);
  lines[1].resize(lines[1].size() - 8);  // the base ranks of foundations 9-16
  return lines;
}

TEST_F(SavedGameTest, OlderLayoutsAreConverted) {
  deal("FreeCell");
  move({PileGroup::Tableau, 0}, {PileGroup::Reserves, 1});
  move({PileGroup::Tableau, 6}, {PileGroup::Reserves, 2});
  const GameFileRead now = ReadGameFile(ReadAll(save()));
  ASSERT_TRUE(now.contents);
  for (std::string_view version : {"0520", "0303", "0302", "0301"}) {
    SCOPED_TRACE(version);
    const GameFileRead older = ReadGameFile(JoinedLines(OlderLayout(TextLines(ReadAll(dir / "game.gam")), version)));
    ASSERT_TRUE(older.contents) << older.fault;
    EXPECT_EQ(older.contents->version, version);
    EXPECT_EQ(older.contents->table, now.contents->table);
    EXPECT_EQ(older.contents->undo, now.contents->undo);
    EXPECT_FALSE(older.contents->historyDropped);
  }
}

// The oldest layout's undo snapshots do not convert to whole ones: the game
// opens at its table, without its history, and the player is told.
TEST_F(SavedGameTest, TheOldestLayoutOpensWithoutItsHistory) {
  deal("FreeCell");
  move({PileGroup::Tableau, 0}, {PileGroup::Reserves, 1});
  const PileSnapshot saved = table();
  const fs::path file = dir / "old.gam";
  WriteAll(file, JoinedLines(OlderLayout(TextLines(ReadAll(save())), "0300")));
  ASSERT_EQ(OpenSavedGame(game, file, {kScreen, false}), OpenOutcome::Opened);
  EXPECT_EQ(table(), saved);
  EXPECT_TRUE(game.history().undo().empty());
  EXPECT_EQ(game.state().word(word::StartPhase), 0);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("older version"), std::string::npos);
}

// --- Quit and restart ---

TEST_F(SavedGameTest, QuittingAsksUnlessThePlayerSaidNot) {
  struct Case {
    const char* confirm;
    bool answer;
    LeaveOutcome outcome;
    std::size_t questions;
    int lost;
  } cases[] = {
      {"Y", false, LeaveOutcome::Declined, 1, 0},
      {"Y", true, LeaveOutcome::Done, 1, 1},
      {"N", false, LeaveOutcome::Done, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.confirm) + (c.answer ? " OK" : " Cancel"));
    TempFolder folder;
    RecordingUi quietUi;
    TMainGame other(Folders(VELMORA_PROGRAM_DIR, folder / "data"), quietUi);
    ASSERT_FALSE(InitialiseProgram(other, StartupEnvironment{}).has_value());
    ASSERT_FALSE(DealNamedGame(other, "Klondike (draw one)", "7", kScreen).has_value());
    other.store().write(store::ConfirmQuitGame, c.confirm);
    quietUi.answer = c.answer;
    EXPECT_EQ(QuitGame(other), c.outcome);
    EXPECT_EQ(quietUi.questions.size(), c.questions);
    EXPECT_EQ(other.state().on(flag::GameInProgress), c.outcome == LeaveOutcome::Declined);
    const auto text = KeyedFile(other.data(), std::string(kStatisticsFile)).load();
    const StatisticsRecord record =
        text ? FindStatistics(*text, other.store().gameNumber(), other.store().playerName()).record : StatisticsRecord{};
    EXPECT_EQ(record.lost, c.lost);
  }
}

TEST_F(SavedGameTest, RestartGoesBackToTheDealAndRecordsTheLossOnce) {
  deal("Klondike (draw one)", "1234");
  const PileSnapshot dealt = table();
  move({PileGroup::Stock, 0}, {PileGroup::Stock, 1});
  move({PileGroup::Stock, 0}, {PileGroup::Stock, 1}, true);
  game.state().setWord(word::PassCounter, 3);
  setClock(500);

  ui.answer = false;
  EXPECT_EQ(RestartGame(game), LeaveOutcome::Declined);
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0], "Velmora 2001: Restart this game?\rGame number: 0000000001234");
  EXPECT_NE(table(), dealt);

  ui.answer = true;
  EXPECT_EQ(RestartGame(game), LeaveOutcome::Done);
  EXPECT_EQ(table(), dealt);
  EXPECT_EQ(game.store().dealNumber(), "0000000001234");
  EXPECT_TRUE(game.history().undo().empty());
  EXPECT_TRUE(game.history().undoLog().text().empty());
  EXPECT_EQ(game.state().word(word::PassCounter), 1);
  EXPECT_EQ(game.state().counters[counter::DealCount], 0);
  EXPECT_EQ(game.state().word(word::StartPhase), 0);
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
  EXPECT_LE(clockSeconds(), 1);
  EXPECT_EQ(statistics().lost, 1);
  EXPECT_NE(std::find(ui.sounds.begin(), ui.sounds.end(), "Restart"), ui.sounds.end());
}

TEST_F(SavedGameTest, RestartRightAfterTheDealAsksAndRecordsALoss) {
  deal("FreeCell", "99");
  const PileSnapshot dealt = table();
  EXPECT_EQ(RestartGame(game), LeaveOutcome::Done);
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(table(), dealt);
  EXPECT_EQ(statistics().lost, 1);
}

// The won-game dialog restarts an ended game: nothing is asked or recorded again.
TEST_F(SavedGameTest, RestartAfterTheEndAsksAndRecordsNothing) {
  deal("FreeCell", "99");
  const PileSnapshot dealt = table();
  move({PileGroup::Tableau, 0}, {PileGroup::Reserves, 0});
  EndGame(game);
  ASSERT_EQ(statistics().lost, 1);
  EXPECT_EQ(RestartGame(game, false), LeaveOutcome::Done);
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_EQ(table(), dealt);
  EXPECT_EQ(statistics().lost, 1);
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
}

TEST_F(SavedGameTest, NothingToRestartWithoutAGame) {
  EXPECT_EQ(RestartGame(game), LeaveOutcome::Declined);
  EXPECT_EQ(RestartGame(game, false), LeaveOutcome::Declined);
  EXPECT_TRUE(ui.questions.empty());
}

// --- Hold and resume ---

TEST_F(SavedGameTest, AHeldGameContinuesAtTheNextStartWithoutARecord) {
  deal("Klondike (draw one)");
  move({PileGroup::Stock, 0}, {PileGroup::Stock, 1});
  move({PileGroup::Stock, 0}, {PileGroup::Stock, 1});
  setClock(kAnHourAndMore);
  game.store().write(store::UndoEnabled, "0");
  ASSERT_TRUE(InsertBookmark(game));
  const std::string bookmark = game.store().read(store::BookmarkFile);
  const PileSnapshot held = table();
  const HistoryStack::Lists history = game.history().undo().lists();

  ASSERT_TRUE(HoldGame(game));
  EXPECT_TRUE(fs::exists(HeldGameFile(game, 1)));
  EXPECT_EQ(fs::status(HeldGameFile(game, 1)).permissions() & fs::perms::others_read, fs::perms::none);
  EXPECT_FALSE(game.state().on(flag::GameInProgress));
  EXPECT_FALSE(fs::exists(bookmark)) << "the bookmark goes with the held game";
  EXPECT_EQ(statistics().won, 0);
  EXPECT_EQ(statistics().lost, 0);
  owned.reset();

  RecordingUi nextUi;
  TMainGame next(Folders(VELMORA_PROGRAM_DIR, dir / "data"), nextUi);
  ASSERT_FALSE(InitialiseProgram(next, StartupEnvironment{}).has_value());
  ASSERT_EQ(ResumeHeldGame(next, kScreen), ResumeOutcome::Resumed);
  EXPECT_FALSE(fs::exists(HeldGameFile(next, 1)));
  EXPECT_EQ(TakeSnapshot(next.piles(), next.cards()), held);
  EXPECT_EQ(next.history().undo().lists(), history);
  EXPECT_NEAR(static_cast<double>((MonotonicMilliseconds() - next.state().times[0]) / 1000), kAnHourAndMore, 1);
  EXPECT_TRUE(next.state().on(flag::GameInProgress));
  EXPECT_TRUE(nextUi.messages.empty());
  EXPECT_EQ(ResumeHeldGame(next, kScreen), ResumeOutcome::NoneHeld);
}

TEST_F(SavedGameTest, HoldingTakesTheFirstFreeNameAndNeverOverwrites) {
  WriteAll(HeldGameFile(game, 1), "someone else's game");
  deal("Klondike (draw one)");
  ASSERT_TRUE(HoldGame(game));
  EXPECT_EQ(ReadAll(HeldGameFile(game, 1)), "someone else's game");
  EXPECT_TRUE(ReadAll(HeldGameFile(game, 2)).starts_with("[S-0530]"));
}

TEST_F(SavedGameTest, AHoldThatFailsKeepsTheGameInProgress) {
  struct Case {
    const char* what;
    std::function<void()> prepare;
  } cases[] = {
      {"every name taken",
       [this] {
         for (int slot = kFirstHoldSlot; slot <= kLastHoldSlot; ++slot) WriteAll(HeldGameFile(game, slot), "held");
       }},
      {"a write that fails", [this] { game.files().injectFault(FileStep::Write, 1); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    deal("Klondike (draw one)");
    const auto before = FolderContents(dir / "data");
    c.prepare();
    const auto prepared = FolderContents(dir / "data");
    ui.messages.clear();
    EXPECT_FALSE(HoldGame(game));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.starts_with("The game could not be held: ")) << ui.messages[0].text;
    EXPECT_TRUE(game.state().on(flag::GameInProgress));
    EXPECT_EQ(FolderContents(dir / "data"), prepared);
    EXPECT_EQ(statistics().lost, 0);
    for (int slot = kFirstHoldSlot; slot <= kLastHoldSlot; ++slot) fs::remove(HeldGameFile(game, slot));
    game.files().injectFault(FileStep::Write, 0);
  }
}

TEST_F(SavedGameTest, ADamagedHeldGameIsMovedAsideAndToldOnce) {
  WriteAll(HeldGameFile(game, 1), "[S-0530] not a game");
  EXPECT_EQ(ResumeHeldGame(game, kScreen), ResumeOutcome::Damaged);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("cannot be continued"), std::string::npos);
  EXPECT_FALSE(fs::exists(HeldGameFile(game, 1)));
  fs::path aside = HeldGameFile(game, 1);
  aside += ".damaged";
  EXPECT_EQ(ReadAll(aside), "[S-0530] not a game");
  EXPECT_FALSE(game.state().on(flag::GameInProgress));
  EXPECT_EQ(ResumeHeldGame(game, kScreen), ResumeOutcome::NoneHeld) << "never retried";
}

}  // namespace
}  // namespace velmora
