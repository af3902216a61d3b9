#include <gtest/gtest.h>

#include "files/ini_document.h"
#include "records/clear_records.h"
#include "records/high_scores.h"
#include "records/internet_counts.h"
#include "records/overall_score.h"
#include "records/record_files.h"
#include "records/results_log.h"
#include "records/statistics_record.h"
#include "records_support.h"
#include "shell/preference_keys.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

using testing::ReadAll;
using testing::RecordsFixture;
using testing::WriteAll;

const std::vector<std::string> kPlayers{"Alice", "Bob"};
const std::vector<int> kGames{1, 2};

// Alice and Bob have each won and lost games 1 and 2, counted for the
// internet statistics; Alice plays game 1 now.
void PlayEveryone(RecordsFixture& f) {
  f.game().state().setWord(word::InternetEligible, 1);
  for (int game : kGames)
    for (const std::string& player : kPlayers) {
      f.play(game, "Game " + std::to_string(game), player);
      f.finish(true, player == "Alice" ? 300 : 200, 60);
      f.finish(false, 10, 60);
    }
  f.play(1, "Game 1", "Alice");
}

std::size_t LogLinesOf(RecordsFixture& f, int game, std::string_view player) {
  const std::string text = ReadAll(f.file("STAT_LOG.DAT"));
  std::size_t count = 0;
  for (std::string_view line : SplitLog(text).lines) {
    const auto parsed = ParseLogLine(line);
    if (parsed->gameNumber == game && parsed->player == player) ++count;
  }
  return count;
}

TEST(ClearStatistics, ClearsExactlyItsScope) {
  struct Case {
    RecordScope scope;
  };
  const Case cases[] = {{{1, "Alice"}}, {{1, std::nullopt}}, {{std::nullopt, "Alice"}}, {{std::nullopt, std::nullopt}}};
  for (const Case& c : cases) {
    RecordsFixture f;
    PlayEveryone(f);
    const ClearResult result = ClearStatistics(f.game(), c.scope);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.message, "Statistics have been cleared.");
    const std::string statistics = ReadAll(f.file("STAT.DAT"));
    const std::string internet = ReadAll(f.file("STAT_UNI.DAT"));
    for (int game : kGames)
      for (const std::string& player : kPlayers) {
        const bool cleared = (!c.scope.gameNumber || *c.scope.gameNumber == game) &&
                             (!c.scope.player || *c.scope.player == player);
        const std::string label = player + " in game " + std::to_string(game);
        EXPECT_EQ(FindStatistics(statistics, game, player).record.won, cleared ? 0 : 1) << label;
        EXPECT_EQ(ReadInternetCounts(internet, player, game)->won, cleared ? 0 : 1) << label;
        EXPECT_EQ(LogLinesOf(f, game, player), cleared ? 0u : 2u) << label;
      }
    EXPECT_EQ(f.game().store().read(store::SessionWon), "0000");
    EXPECT_TRUE(statistics.starts_with("[Version]\r\nVersion=0300\r\n"));
  }
}

TEST(ClearStatistics, AFailedRewriteKeepsTheFilesAndSaysSo) {
  RecordsFixture f;
  PlayEveryone(f);
  const std::string statistics = ReadAll(f.file("STAT.DAT"));
  const std::string log = ReadAll(f.file("STAT_LOG.DAT"));
  f.game().files().injectFault(FileStep::Rename, 1);
  const ClearResult result = ClearStatistics(f.game(), {1, "Alice"});
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find("STAT.DAT"), std::string::npos) << result.message;
  EXPECT_EQ(ReadAll(f.file("STAT.DAT")), statistics);
  EXPECT_EQ(ReadAll(f.file("STAT_LOG.DAT")), log);
}

TEST(ClearHighScores, OnePlayerLeavesTheListAndTheOverallScore) {
  RecordsFixture f;
  PlayEveryone(f);
  const ClearResult result = ClearHighScores(f.game(), {1, "Alice"});
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.message, "Hi-Scores have been cleared.");
  const HighScoreList list = FindHighScores(ReadAll(f.file("STAT_SCR.DAT")), 1, "01");
  EXPECT_EQ(ParseHighScore(list[0])->player, "Bob");
  for (const std::string& value : list) {
    ASSERT_EQ(value.size(), kHighScoreWidth);
    if (const auto entry = ParseHighScore(value)) {
      EXPECT_NE(entry->player, "Alice");
    }
  }
  const std::string overall = ReadAll(f.file("STAT_GLO.DAT"));
  EXPECT_EQ(ReadOverallScore(overall, "Alice", 1)->totals.score, 300);  // game 2 only
  EXPECT_EQ(ReadOverallScore(overall, "Alice", 1)->bestScore, 0);
  EXPECT_EQ(ReadOverallScore(overall, "Bob", 1)->totals.score, 400);
  EXPECT_EQ(FindHighScores(ReadAll(f.file("STAT_SCR.DAT")), 2, "01")[0].substr(32, 5), "Alice");
}

TEST(ClearHighScores, EverythingLeavesClearedListsAndNoOverallScore) {
  RecordsFixture f;
  PlayEveryone(f);
  ASSERT_TRUE(ClearHighScores(f.game(), {}).ok);
  EXPECT_EQ(ReadAll(f.file("STAT_SCR.DAT")), "[Version]\r\nVersion=0300\r\n\r\n[Clear scores]\r\nCleared=Y\r\n");
  EXPECT_FALSE(std::filesystem::exists(f.file("STAT_GLO.DAT")));
}

TEST(ClearAllValues, ClearsEveryFileAndTheSeries) {
  RecordsFixture f;
  PlayEveryone(f);
  bool seriesCleared = false;
  f.game().recordSeams().clearSeriesScores = [&] {
    seriesCleared = true;
    return FileOutcome{};
  };
  const ClearResult result = ClearAllValues(f.game());
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.message, "Statistics, Hi-Scores, Log, Overall Score and Series have been cleared.");
  EXPECT_TRUE(seriesCleared);
  EXPECT_EQ(ReadAll(f.file("STAT.DAT")), "[Version]\r\nVersion=0300\r\n");
  for (std::string_view gone : {"STAT_LOG.DAT", "STAT_UNI.DAT", "STAT_GLO.DAT"})
    EXPECT_FALSE(std::filesystem::exists(f.file(gone))) << gone;
}

TEST(TrimResultsLog, KeepsTheNewestLinesInOrder) {
  RecordsFixture f;
  for (int i = 0; i < 10; ++i) f.finish(i % 2 == 0, i);
  const ClearResult result = TrimResultsLog(f.game(), 3);
  EXPECT_EQ(result.message, "Log Statistics have been cleared.");
  const std::string text = ReadAll(f.file("STAT_LOG.DAT"));
  const LogContents log = SplitLog(text);
  ASSERT_EQ(log.lines.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(ParseLogLine(log.lines[i])->score, FormatNumber(static_cast<std::int64_t>(7 + i), 6));
  EXPECT_TRUE(ClearResultsLog(f.game()).ok);
  EXPECT_FALSE(std::filesystem::exists(f.file("STAT_LOG.DAT")));
}

TEST(RecordFiles, StartUpCreatesTheHeaders) {
  RecordsFixture f;
  EnsureRecordFiles(f.game().data());
  for (std::string_view name : {"STAT.DAT", "STAT_SCR.DAT", "Series_scr.dat"})
    EXPECT_EQ(ReadAll(f.file(name)), "[Version]\r\nVersion=0300\r\n") << name;
  for (std::string_view name : {"STAT_GLO.DAT", "STAT_UNI.DAT"}) EXPECT_EQ(ReadAll(f.file(name)), "") << name;
}

TEST(RecordFiles, AnOldHighScoreFileIsBroughtUpToDate) {
  RecordsFixture f;
  const std::string entry = "000099 000010 19991231 12:00:00 Bob                            0000000012345   Won ";
  WriteAll(f.file("STAT_SCR.DAT"), "[Version]\nVersion=0200\n\n[0001]\n01-01=" + entry + "\n01-02=\n");
  IniDocument preferences = IniDocument::Parse("[Preference]\r\nCards_Animate=S\r\nConfirmQuit=S\r\nSound=S\r\n");
  PrepareRecordFiles(f.game().data(), preferences);
  EXPECT_EQ(ReadAll(f.file("STAT_SCR.DAT")),
            "[Version]\r\nVersion=0300\r\n\r\n\r\n[0001]\r\n01-01=" + entry + " x\r\n01-02=" + std::string(83, ' ') +
                " x\r\n");
  const HighScoreList list = FindHighScores(ReadAll(f.file("STAT_SCR.DAT")), 1, "01");
  EXPECT_EQ(list[0].size(), kHighScoreWidth);
  EXPECT_EQ(ParseHighScore(list[0])->player, "Bob");
  EXPECT_EQ(preferences.readString(kPreferenceSection, "Cards_Animate", ""), "Y");
  EXPECT_EQ(preferences.readString(kPreferenceSection, "ConfirmQuit", ""), "Y");
  EXPECT_EQ(preferences.readString(kPreferenceSection, "Sound", ""), "S");
  EXPECT_FALSE(UpgradeHighScoreFile(f.game().data()));  // once only
}

}  // namespace
}  // namespace velmora
