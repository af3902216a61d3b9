// What keeps the player's files safe beyond atomic replacement: one writer at
// a time per data folder, nothing written over a file that could not be read,
// appends that fail leave no broken line, crashes leave no temporary files,
// and links to files kept elsewhere stay links.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <span>

#include "files/update_lock.h"
#include "files/user_data.h"
#include "records/internet_counts.h"
#include "records/results_log.h"
#include "records/statistics_record.h"
#include "records_support.h"
#include "shell/preference_file.h"

namespace velmora {
namespace {

using testing::ReadAll;
using testing::RecordingUi;
using testing::TempFolder;
using testing::WriteAll;

class DataFolder : public ::testing::Test {
 protected:
  DataFolder() : data(Folders(dir / "program", dir / "data"), files) { data.prepare(); }

  fs::path file(std::string_view name) const { return dir / "data" / name; }

  TempFolder dir;
  FileSystem files;
  UserData data;
};

// The i-th result of each recorder: the game it was and whether it was won.
int GameOf(int i, std::span<const int> games) { return games[static_cast<std::size_t>(i) % games.size()]; }
bool WonAt(int i) { return i % 4 != 3; }

// One program's share of the parallel recorders: its exit status says
// whether every result was saved.
int RecordGames(const fs::path& folder, int count, std::span<const int> games) {
  RecordingUi ui;
  TMainGame game(Folders(folder / "program", folder / "data"), ui);
  game.data().prepare();
  game.state().setWord(word::FirstMove, 1);
  game.state().setWord(word::InternetEligible, 1);
  game.store().write(store::UserDefault, "Alice");
  game.store().write(store::ScoringMode, "01");
  game.store().write(store::DealNumber, "0000000012345");
  for (int i = 0; i < count; ++i) {
    const int number = GameOf(i, games);
    game.store().setGameNumber(number);
    game.store().write(store::GameName, "Game " + std::to_string(number));
    game.store().writeNumber(store::Score, 10 + i);
    if (!RecordFinishedGame(game, {WonAt(i), 100, "20261210", "12:34:56"}).saved) return 1;
  }
  return ui.messages.empty() ? 0 : 2;
}

// Several programs recording into one folder at once: each result counts
// once in every file, however their updates interleave.
TEST(ParallelRecorders, EveryGameIsCountedOnceInEveryFile) {
  TempFolder dir;
  constexpr int kRecorders = 6;
  constexpr int kGamesEach = 8;
  constexpr std::array<int, 2> kGames{1, 2};
  std::vector<pid_t> children;
  for (int recorder = 0; recorder < kRecorders; ++recorder) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(RecordGames(dir.path(), kGamesEach, kGames));
    children.push_back(child);
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a recorder failed to save";
  }

  const std::string statistics = ReadAll(dir / "data" / "STAT.DAT");
  const std::string internet = ReadAll(dir / "data" / "STAT_UNI.DAT");
  std::map<int, std::pair<int, int>> expected;  // won and lost of each game
  for (int i = 0; i < kGamesEach; ++i) ++(WonAt(i) ? expected[GameOf(i, kGames)].first : expected[GameOf(i, kGames)].second);
  for (auto& [game, counts] : expected) {
    const auto [won, lost] = std::pair(counts.first * kRecorders, counts.second * kRecorders);
    const auto found = FindStatistics(statistics, game, "Alice");
    ASSERT_EQ(found.status, RecordRead::Found);
    EXPECT_EQ(found.record.won, won) << "game " << game;
    EXPECT_EQ(found.record.lost, lost) << "game " << game;
    const auto counted = ReadInternetCounts(internet, "Alice", game);
    ASSERT_TRUE(counted) << "game " << game;
    EXPECT_EQ(counted->won, won) << "game " << game;
    EXPECT_EQ(counted->lost, lost) << "game " << game;
  }
  EXPECT_EQ(SplitLog(ReadAll(dir / "data" / "STAT_LOG.DAT")).lines.size(),
            static_cast<std::size_t>(kRecorders * kGamesEach));
}

TEST_F(DataFolder, AnUpdateWaitsForAnotherProgramThenGivesUpWithAReason) {
  UpdateLock otherProgram;
  ASSERT_EQ(otherProgram.acquire(dir / "data", std::chrono::milliseconds(0)), UpdateLock::Result::Acquired);
  data.setUpdateWait(std::chrono::milliseconds(50));
  const FileOutcome refused = data.replace("STAT.DAT", "new");
  EXPECT_FALSE(refused.ok);
  EXPECT_NE(refused.message.find("busy"), std::string::npos) << refused.message;
  EXPECT_FALSE(fs::exists(file("STAT.DAT")));

  otherProgram.release();
  EXPECT_TRUE(data.replace("STAT.DAT", "new"));
}

TEST_F(DataFolder, HoldsNestAndTheLockIsFreedByTheOutermost) {
  UpdateLock otherProgram;
  {
    const auto outer = data.holdForUpdate();
    ASSERT_TRUE(outer);
    {
      const auto inner = data.holdForUpdate();
      ASSERT_TRUE(inner);
      EXPECT_TRUE(data.replace("Cfg.dat", "[Preference]\r\n"));
    }
    EXPECT_EQ(otherProgram.acquire(dir / "data", std::chrono::milliseconds(0)), UpdateLock::Result::TimedOut)
        << "the outer hold still has the lock";
  }
  EXPECT_EQ(otherProgram.acquire(dir / "data", std::chrono::milliseconds(0)), UpdateLock::Result::Acquired);
}

TEST_F(DataFolder, APreferenceFileThatCannotBeReadIsNeverWrittenOver) {
  const std::string kept = "[Users]\r\nUser001=Alice\r\n[Preference]\r\nUserDefault=Alice\r\n";
  WriteAll(file("Cfg.dat"), kept);
  std::vector<std::string> warnings;
  data.setWarningSink([&](const std::string& text) { warnings.push_back(text); });
  PreferenceFile preferences(data);

  files.injectFault(FileStep::Read, 1);  // as a file the player may not read
  const FileOutcome refused = preferences.update([](IniDocument& file) { file.write("Preference", "Game", "3"); });
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(ReadAll(file("Cfg.dat")), kept);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("left as it is"), std::string::npos) << warnings[0];

  // Once it reads again, changes go into the file as it is.
  EXPECT_TRUE(preferences.update([](IniDocument& file) { file.write("Preference", "Game", "3"); }));
  EXPECT_NE(ReadAll(file("Cfg.dat")).find("User001=Alice"), std::string::npos);
}

TEST_F(DataFolder, AnUnreadablePreferenceFileIsReportedOnce) {
  fs::create_directories(file("Cfg.dat"));  // a folder where the file should be
  std::vector<std::string> warnings;
  data.setWarningSink([&](const std::string& text) { warnings.push_back(text); });
  PreferenceFile preferences(data);
  for (int use = 0; use < 5; ++use) {
    EXPECT_FALSE(preferences.open().find("Preference", "Game"));
    EXPECT_FALSE(preferences.update([](IniDocument& file) { file.write("Preference", "Game", "3"); }).ok);
  }
  EXPECT_EQ(warnings.size(), 1u);
  EXPECT_TRUE(fs::is_directory(file("Cfg.dat")));
}

TEST_F(DataFolder, AFailedAppendLeavesNoBrokenLine) {
  const std::string before = "first line\r\n";
  WriteAll(file("STAT_LOG.DAT"), before);
  files.injectFault(FileStep::Write, 1);  // the disk fills up in the middle of the line
  EXPECT_FALSE(data.appendLine("STAT_LOG.DAT", "second line\r\n").ok);
  EXPECT_EQ(ReadAll(file("STAT_LOG.DAT")), before);
  EXPECT_TRUE(data.appendLine("STAT_LOG.DAT", "second line\r\n"));
  EXPECT_EQ(ReadAll(file("STAT_LOG.DAT")), before + "second line\r\n");
}

TEST(LeftoverFiles, TemporaryFilesOfCutShortUpdatesAreRemovedAtStartUp) {
  TempFolder dir;
  const std::vector<std::string> leftovers{".STAT.DAT.tmp-a1B2c3", ".Cfg.dat.tmp-XXXXXX", "sub/.GAM_CUST.DAT.tmp-000000"};
  const std::vector<std::string> theirs{".hidden", "notes.tmp-abcdef", ".x.tmp-1234567", "STAT.DAT"};
  for (const std::string& name : leftovers) WriteAll(dir / "data" / name, "half");
  for (const std::string& name : theirs) WriteAll(dir / "data" / name, "kept");
  FileSystem files;
  UserData data(Folders(dir / "program", dir / "data"), files);
  data.prepare();
  for (const std::string& name : leftovers) EXPECT_FALSE(fs::exists(dir / "data" / name)) << name;
  for (const std::string& name : theirs) EXPECT_TRUE(fs::exists(dir / "data" / name)) << name;
}

// A player who keeps his statistics elsewhere links them into the folder.
TEST_F(DataFolder, ALinkedFileIsChangedThroughItsLink) {
  const fs::path elsewhere = dir / "elsewhere" / "stat.dat";
  WriteAll(elsewhere, "old");
  WriteAll(dir / "elsewhere" / "log.dat", "line 1\r\n");
  fs::create_symlink(elsewhere, file("STAT.DAT"));
  fs::create_symlink(dir / "elsewhere" / "log.dat", file("STAT_LOG.DAT"));

  ASSERT_TRUE(data.replace("STAT.DAT", "new"));
  ASSERT_TRUE(data.appendLine("STAT_LOG.DAT", "line 2\r\n"));
  EXPECT_TRUE(fs::is_symlink(file("STAT.DAT")));
  EXPECT_EQ(ReadAll(elsewhere), "new");
  EXPECT_EQ(ReadAll(dir / "elsewhere" / "log.dat"), "line 1\r\nline 2\r\n");
}

TEST_F(DataFolder, ALinkToNothingIsRefusedAndKept) {
  const fs::path gone = dir / "unmounted" / "stat.dat";
  fs::create_symlink(gone, file("STAT.DAT"));
  for (const FileOutcome& refused : {data.replace("STAT.DAT", "new"), data.appendLine("STAT.DAT", "line\r\n")}) {
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.message.find("link"), std::string::npos) << refused.message;
  }
  EXPECT_TRUE(fs::is_symlink(file("STAT.DAT")));
  EXPECT_FALSE(fs::exists(gone));
}

}  // namespace
}  // namespace velmora
