#include <gtest/gtest.h>

#include "records/keyed_file.h"
#include "records/results_log.h"
#include "records/statistics_record.h"
#include "records_support.h"

namespace velmora {
namespace {

using testing::ReadAll;
using testing::RecordsFixture;
using testing::WriteAll;

StatisticsRecord StoredRecord(RecordsFixture& f, int game, std::string_view player) {
  const std::string text = ReadAll(f.file("STAT.DAT"));
  const StatisticsLookup found = FindStatistics(text, game, player);
  EXPECT_EQ(found.status, RecordRead::Found);
  return found.record;
}

TEST(StatisticsRecord, ThreeWinsThenALossKeepTheStreaks) {
  RecordsFixture f;
  for (int score : {10, 20, 30}) f.finish(true, score);
  f.finish(false, -5);
  const std::string text = ReadAll(f.file("STAT.DAT"));
  EXPECT_NE(text.find("[0001]\r\nAlice=000003 000001 000003 000001 000000 000001 000000000055 000000000000\r\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(f.game().store().read(store::SessionWon), "0003");
  EXPECT_EQ(f.game().store().read(store::SessionLost), "0001");
}

TEST(StatisticsRecord, LaterResultsOverwriteTheValueInPlace) {
  RecordsFixture f;
  f.finish(true, 10);
  const auto size = std::filesystem::file_size(f.file("STAT.DAT"));
  f.finish(false, 10);
  EXPECT_EQ(std::filesystem::file_size(f.file("STAT.DAT")), size);
}

TEST(StatisticsRecord, APlayerWhoseNameBeginsAnotherKeepsHisOwnRecord) {
  RecordsFixture f;
  f.play(1, "Klondike", "Bobby");
  f.finish(true, 10);
  f.play(1, "Klondike", "Bob");
  f.finish(false, 3);
  f.finish(false, 3);
  EXPECT_EQ(StoredRecord(f, 1, "Bobby").won, 1);
  EXPECT_EQ(StoredRecord(f, 1, "Bobby").lost, 0);
  EXPECT_EQ(StoredRecord(f, 1, "Bob").lost, 2);
}

TEST(StatisticsRecord, NegativeTotalsAndFullCountersStayReadable) {
  StatisticsRecord record;
  record.won = 999999;
  record.currentWinning = 999999;
  record.scoreTotal = -99999999999;
  const StatisticsRecord next = AddResult(record, true, -5);
  EXPECT_EQ(next.won, 999999);
  EXPECT_EQ(next.scoreTotal, -99999999999);
  EXPECT_EQ(ParseStatistics(FormatStatistics(next)), next);
}

TEST(StatisticsRecord, AnUnreadableRecordIsLeftAndReportedWhileOthersGoOn) {
  RecordsFixture f;
  const std::string damaged = "[0001]\r\nAlice=000003 0000x1 000003 000001 000000 000001 000000000055 000000000000\r\n";
  WriteAll(f.file("STAT.DAT"), damaged);
  f.finish(true, 10);
  EXPECT_NE(ReadAll(f.file("STAT.DAT")).find(damaged), std::string::npos);
  ASSERT_FALSE(f.ui.messages.empty());
  EXPECT_NE(f.ui.messages.back().text.find("cannot be read"), std::string::npos);
  f.play(1, "Klondike", "Bob");
  f.finish(true, 10);
  EXPECT_EQ(StoredRecord(f, 1, "Bob").won, 1);
}

TEST(StatisticsRecord, NothingIsWrittenWithoutEligibility) {
  struct Case {
    int disabled;
    int firstMove;
  };
  for (const Case c : {Case{1, 1}, Case{0, 0}}) {
    RecordsFixture f;
    f.game().state().setWord(word::StatisticsDisabled, c.disabled);
    f.game().state().setWord(word::FirstMove, c.firstMove);
    EXPECT_FALSE(f.finish(true, 10).recorded);
    EXPECT_TRUE(std::filesystem::is_empty(f.dir / "data"));
    EXPECT_EQ(f.game().store().read(store::SessionWon), "0000");
  }
}

TEST(StatisticsRecord, ANameThatWouldBreakTheFilesRecordsNothing) {
  for (std::string_view name : {"a=b", "[0001]", "x\r\n[0001]"}) {
    RecordsFixture f;
    f.play(1, "Klondike", name);
    f.game().state().setWord(word::InternetEligible, 1);
    EXPECT_FALSE(f.finish(true, 10).recorded);
    EXPECT_TRUE(std::filesystem::is_empty(f.dir / "data")) << name;
    EXPECT_EQ(f.ui.messages.size(), 1u);
  }
}

TEST(ResultsLog, LinesHaveTheirFieldsInPlace) {
  RecordsFixture f;
  f.finish(true, 123, 75);
  const std::string text = ReadAll(f.file("STAT_LOG.DAT"));
  ASSERT_EQ(text.size(), kLogLineWidth + 2);
  const auto line = ParseLogLine(std::string_view(text).substr(0, kLogLineWidth));
  ASSERT_TRUE(line);
  EXPECT_EQ(line->date, "20261210");
  EXPECT_EQ(line->timeOfDay, "12:34:56");
  EXPECT_EQ(line->seconds, 75);
  EXPECT_EQ(line->gameNumber, 1);
  EXPECT_EQ(line->gameName, "Klondike");
  EXPECT_EQ(line->player, "Alice");
  EXPECT_TRUE(line->won);
  EXPECT_EQ(line->score, "000123");
  EXPECT_EQ(line->dealNumber, "0000000012345");
  EXPECT_EQ(text.substr(112, 7), "Won  01");
  EXPECT_EQ(text.substr(143, 6), "0600\r\n");
}

TEST(ResultsLog, ACutLineIsSkippedAndCountedAndTheNextStartsOnItsOwnLine) {
  RecordsFixture f;
  f.finish(true, 1);
  const std::string first = ReadAll(f.file("STAT_LOG.DAT"));
  WriteAll(f.file("STAT_LOG.DAT"), first + first.substr(0, 60));
  f.finish(false, 2);
  const std::string text = ReadAll(f.file("STAT_LOG.DAT"));
  const LogContents log = SplitLog(text);
  EXPECT_EQ(log.lines.size(), 2u);
  EXPECT_EQ(log.skipped, 1u);
  EXPECT_FALSE(ParseLogLine(log.lines[1])->won);
}

}  // namespace
}  // namespace velmora
