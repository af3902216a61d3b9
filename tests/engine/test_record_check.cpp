#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "records/high_scores.h"
#include "records/internet_counts.h"
#include "records/keyed_file.h"
#include "records/overall_score.h"
#include "records/record_check.h"
#include "records/results_log.h"
#include "records/statistics_record.h"
#include "records_support.h"

namespace velmora {
namespace {

using testing::ReadAll;
using testing::RecordsFixture;
using testing::WriteAll;

// Two recorded games of Alice, with an internet count and an overall score.
void RecordSomeGames(RecordsFixture& f) {
  f.game().state().setWord(word::InternetEligible, 1);
  f.finish(true, 300);
  f.finish(false, 120);
}

std::vector<std::string> Names(const std::vector<FileVerdict>& verdicts) {
  std::vector<std::string> names;
  for (const FileVerdict& verdict : verdicts) names.emplace_back(verdict.name);
  return names;
}

TEST(RecordCheck, RecordedFilesAndMissingOnesAreSound) {
  RecordsFixture f(testing::MemoryBackedFolder());
  const std::vector<std::string> every{"DATA\\STAT_LOG.DAT", "DATA\\STAT.DAT", "DATA\\STAT_UNI.DAT",
                                       "DATA\\STAT_SCR.DAT", "DATA\\STAT_GLO.DAT"};
  for (const FileVerdict& verdict : CheckRecordFiles(f.game().data())) {
    EXPECT_EQ(verdict.status, ReadStatus::Missing) << verdict.name;
    EXPECT_TRUE(verdict.sound()) << verdict.name;
  }
  RecordSomeGames(f);
  const auto verdicts = CheckRecordFiles(f.game().data());
  EXPECT_EQ(Names(verdicts), every);
  for (const FileVerdict& verdict : verdicts) {
    EXPECT_EQ(verdict.status, ReadStatus::Ok) << verdict.name;
    EXPECT_TRUE(verdict.faults.empty()) << verdict.name << ": " << verdict.faults.front();
  }
}

// Changes one character `offset` places after the first `marker` of the text.
std::function<void(std::string&)> EditAfter(std::string_view marker, std::size_t offset, char replacement) {
  return [=](std::string& text) {
    const auto at = text.find(marker);
    ASSERT_NE(at, std::string::npos) << marker;
    char& c = text[at + marker.size() + offset];
    c = c == replacement ? static_cast<char>(replacement + 1) : replacement;
  };
}

std::set<std::filesystem::path> Entries(const std::filesystem::path& folder) {
  std::set<std::filesystem::path> entries;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) entries.insert(entry.path());
  return entries;
}

struct DamageCase {
  std::string_view file;
  std::function<void(std::string&)> damage;
  std::string fault;
};

TEST(RecordCheck, EachFaultIsNamedAndTheFileLeftAsItWas) {
  const DamageCase cases[] = {
      {"STAT.DAT", EditAfter("Alice=", 3, 'x'),
       "game 0001, player \"Alice\": the record is not seven numbers in their fixed places"},
      {"STAT.DAT", [](std::string& text) { text += "Bob=12\r\n"; },
       "game 0001, player \"Bob\": the record is not seven numbers in their fixed places"},
      {"STAT_SCR.DAT", EditAfter("01-01=", 2, 'x'), "game 0001, entry 01-01: the score is not a number"},
      {"STAT_LOG.DAT", [](std::string& text) { text += "20261210 12:00"; },
       "1 line(s) are not 147 characters long (cut short?); every reader skips them"},
      {"STAT_GLO.DAT", EditAfter("GS-0001=", 1, 'h'), "player \"Alice\", game 0001: the best score fails its check"},
      {"STAT_GLO.DAT", EditAfter("GT-0001=", 3, 'h'), "player \"Alice\", game 0001: the best score fails its check"},
      {"STAT_GLO.DAT", EditAfter("T01=", 2, 'h'), "player \"Alice\": the overall score fails its check"},
      {"STAT_UNI.DAT", EditAfter("GW-0001=", 2, 'h'),
       "player \"Alice\", game 0001: the games won and lost fail their check"},
      {"STAT_UNI.DAT", EditAfter("GL-0001=", 3, 'h'),
       "player \"Alice\", game 0001: the games won and lost fail their check"},
  };
  for (const DamageCase& c : cases) {
    SCOPED_TRACE(std::string(c.file) + ": " + c.fault);
    RecordsFixture f(testing::MemoryBackedFolder());
    RecordSomeGames(f);
    std::string text = ReadAll(f.file(c.file));
    c.damage(text);
    WriteAll(f.file(c.file), text);
    const std::set<std::filesystem::path> before = Entries(f.dir / "data");

    const FileVerdict verdict = CheckRecordFile(f.game().data(), "DATA\\" + std::string(c.file));
    EXPECT_EQ(verdict.status, ReadStatus::Ok);
    EXPECT_EQ(verdict.faults, std::vector<std::string>{c.fault});
    EXPECT_EQ(RecordFileFaults("DATA\\" + std::string(c.file), text), verdict.faults);
    EXPECT_EQ(ReadAll(f.file(c.file)), text);
    EXPECT_EQ(Entries(f.dir / "data"), before) << "nothing is set aside or created";
  }
}

TEST(RecordCheck, OnlyTheDamagedPlayersAndGamesAreNamed) {
  RecordsFixture f(testing::MemoryBackedFolder());
  RecordSomeGames(f);
  f.play(2, "Other", "Bob");
  f.finish(true, 50);
  std::string text = ReadAll(f.file("STAT_GLO.DAT"));
  EditAfter("GS-0002=", 1, 'h')(text);
  EXPECT_EQ(RecordFileFaults(kOverallScoreFile, text),
            std::vector<std::string>{"player \"Bob\", game 0002: the best score fails its check"});
}

TEST(RecordCheck, AFileThatCannotBeReadIsSaidSo) {
  RecordsFixture f(testing::MemoryBackedFolder());
  std::filesystem::create_directories(f.file("STAT.DAT"));  // a folder cannot be read as a file
  const FileVerdict folder = CheckRecordFile(f.game().data(), kStatisticsFile);
  EXPECT_EQ(folder.status, ReadStatus::Unreadable);
  EXPECT_EQ(folder.faults, std::vector<std::string>{"the file cannot be read"});
  EXPECT_FALSE(folder.readable());

  std::ofstream(f.file("STAT_SCR.DAT")).put('x');
  std::filesystem::resize_file(f.file("STAT_SCR.DAT"), kRecordFileMaxBytes + 1);  // sparse: costs no disk
  const FileVerdict large = CheckRecordFile(f.game().data(), kHighScoreFile);
  EXPECT_EQ(large.status, ReadStatus::TooLarge);
  EXPECT_EQ(large.faults, std::vector<std::string>{"the file is larger than 64 MiB, too large to be read"});
}

}  // namespace
}  // namespace velmora
