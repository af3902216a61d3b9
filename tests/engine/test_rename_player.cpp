// Renaming a player in the record files: only the name's own fields change,
// counted in characters; a name the records cannot hold and a failed write
// leave every file as it was.
#include <gtest/gtest.h>

#include "files/user_data.h"
#include "records/high_scores.h"
#include "records/player_names.h"
#include "records/rename_player.h"
#include "records/results_log.h"
#include "test_support.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

using testing::ReadAll;
using testing::TempFolder;
using testing::WriteAll;

std::string Repeat(std::string_view piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

std::string LogLine(std::string_view player) {
  return "20261210 12:00:00 000100 0003 " + PadOrCut("FreeCell", 50) + " " + PadOrCut(player, 30) +
         " Won  01 000120 0000000000042   0600";
}

std::string HighScore(std::string_view key, std::string_view player) {
  return std::string(key) + "=000120 000100 20261210 12:00:00 " + PadOrCut(player, 30) + " 0000000000042   Won  x";
}

TEST(RenamePlayer, OnlyTheNamesOwnFieldsChange) {
  struct Case {
    std::string (*rename)(std::string_view, std::string_view, std::string_view);
    std::string before, after;
  } cases[] = {
      {RenameInStatistics, "[0003]\r\nAnna=000001 000002\r\nAnnabel=000003 000004\r\n",
       "[0003]\r\nZoe=000001 000002\r\nAnnabel=000003 000004\r\n"},
      {RenameInStatistics, "[Anna]\r\nx=Anna\r\n", "[Anna]\r\nx=Anna\r\n"},  // not an entry of Anna
      {RenameInResultsLog, LogLine("Anna") + "\r\n" + LogLine("Annabel") + "\r\n",
       LogLine("Zoe") + "\r\n" + LogLine("Annabel") + "\r\n"},
      {RenameInResultsLog, "short line Anna\r\n", "short line Anna\r\n"},
      {RenameInHighScores, "[0003]\r\n" + HighScore("01-01", "Anna") + "\r\n" + HighScore("01-02", "Bruno") + "\n",
       "[0003]\r\n" + HighScore("01-01", "Zoe") + "\r\n" + HighScore("01-02", "Bruno") + "\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.rename(c.before, "Anna", "Zoe"), c.after) << c.before;
}

TEST(RenamePlayer, NamesInAnyScriptKeepTheColumns) {
  const std::string from = Repeat("Ж", 30);            // 60 bytes
  const std::string alike = Repeat("Ж", 29) + "Я";     // the same first 58 bytes
  const std::string to = Repeat("🂡", 29) + "x";       // 117 bytes
  const auto log = [](const std::string& player) {
    return FormatLogLine({"20261210", "12:00:00", 100, 3, "FreeCell", player, true, "01", "120", "42"}) + "\r\n";
  };
  const auto score = [](std::string_view key, const std::string& player) {
    return std::string(key) + "=" + FormatHighScore({120, 100, "20261210", "12:00:00", player, "42", true}) + "\r\n";
  };
  EXPECT_EQ(RenameInResultsLog(log(from) + log(alike), from, to), log(to) + log(alike));
  EXPECT_EQ(RenameInHighScores("[0003]\r\n" + score("01-01", from) + score("01-02", alike), from, to),
            "[0003]\r\n" + score("01-01", to) + score("01-02", alike));
  EXPECT_EQ(ParseLogLine(SplitLog(RenameInResultsLog(log(from), from, to)).lines.at(0))->score, "120");
}

class RenamePlayerFiles : public ::testing::Test {
 protected:
  RenamePlayerFiles() : data(Folders(dir / "program", dir / "data"), files) {
    data.prepare();
    WriteAll(dir / "data" / "STAT.DAT", statistics);
    WriteAll(dir / "data" / "STAT_LOG.DAT", log);
    WriteAll(dir / "data" / "STAT_SCR.DAT", scores);
  }

  TempFolder dir;
  FileSystem files;
  UserData data;
  const std::string statistics = "[Version]\r\nVersion=0300\r\n\r\n[0003]\r\nAnna=000001\r\n";
  const std::string log = LogLine("Anna") + "\r\n";
  const std::string scores = "[0003]\r\n" + HighScore("01-01", "Anna") + "\r\n";
};

TEST_F(RenamePlayerFiles, EveryFileFollowsTheNewName) {
  EXPECT_EQ(RenamePlayerRecords(data, "Anna", "Zoe"), std::nullopt);
  EXPECT_EQ(ReadAll(dir / "data" / "STAT.DAT"), RenameInStatistics(statistics, "Anna", "Zoe"));
  EXPECT_EQ(ReadAll(dir / "data" / "STAT_LOG.DAT"), LogLine("Zoe") + "\r\n");
  EXPECT_NE(ReadAll(dir / "data" / "STAT_SCR.DAT").find("Zoe"), std::string::npos);
}

TEST_F(RenamePlayerFiles, AFailedWriteLeavesEveryFileAsItWas) {
  for (int failing = 1; failing <= 3; ++failing) {
    files.injectFault(FileStep::Rename, failing);
    EXPECT_TRUE(RenamePlayerRecords(data, "Anna", "Zoe").has_value()) << failing;
    EXPECT_EQ(ReadAll(dir / "data" / "STAT.DAT"), statistics) << failing;
    EXPECT_EQ(ReadAll(dir / "data" / "STAT_LOG.DAT"), log) << failing;
    EXPECT_EQ(ReadAll(dir / "data" / "STAT_SCR.DAT"), scores) << failing;
  }
}

TEST_F(RenamePlayerFiles, ANameTheRecordsCannotHoldIsRefused) {
  for (const std::string& to : {Repeat("z", 31), Repeat("Ж", 31), std::string("Zoe\xFF")}) {
    EXPECT_EQ(RenamePlayerRecords(data, "Anna", to), PlayerNameProblem(to)) << to;
    EXPECT_EQ(ReadAll(dir / "data" / "STAT.DAT"), statistics);
    EXPECT_EQ(ReadAll(dir / "data" / "STAT_LOG.DAT"), log);
    EXPECT_EQ(ReadAll(dir / "data" / "STAT_SCR.DAT"), scores);
  }
}

}  // namespace
}  // namespace velmora
