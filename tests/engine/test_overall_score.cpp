#include <gtest/gtest.h>

#include "records/internet_counts.h"
#include "records/keyed_file.h"
#include "records/overall_score.h"
#include "records/scrambled_values.h"
#include "records_support.h"

namespace velmora {
namespace {

using testing::ReadAll;
using testing::RecordsFixture;
using testing::WriteAll;

FillerSource Counting() {
  return [n = 0]() mutable { return static_cast<char>('0' + (n++ % 9)); };
}

TEST(ScrambledValues, ScramblingIsUndoneAndWrapsAt256) {
  const std::string plain = std::string("0123456789") + '\xf0' + '\x01';
  EXPECT_EQ(UnscrambleValue(ScrambleValue(plain)), plain);
  EXPECT_EQ(ScrambleValue("00000"), "fbhag");  // '0' + '6', '0' + '2', ...
}

TEST(ScrambledValues, CheckValueFollowsItsFormula) {
  // "A": 65 + 65 * 1 / 2 + (1 + 65) % 3 + 1 = 65 + 32 + 0 + 1
  EXPECT_EQ(CheckValue("A"), 98);
  // "AB": 98 + 66 + 66 + (2 + 66) % 3 + 2 = 98 + 66 + 66 + 2 + 2
  EXPECT_EQ(CheckValue("AB"), 234);
}

TEST(ScrambledValues, OverallEntriesReadBackAndCheck) {
  const std::string score = PlainOverallScore(123456, Counting());
  const std::string time = PlainOverallTime(789, Counting());
  ASSERT_EQ(score.size(), 28u);
  ASSERT_EQ(time.size(), 28u);
  const std::string check = PlainOverallCheck(score, time);
  const auto totals = CheckOverall(score, time, check);
  ASSERT_TRUE(totals);
  EXPECT_EQ(totals->score, 123456);
  EXPECT_EQ(totals->seconds, 789);
  std::string edited = score;
  edited[4] = edited[4] == '9' ? '8' : '9';
  EXPECT_FALSE(CheckOverall(edited, time, check));
}

TEST(ScrambledValues, SixDigitEntriesReadBackAndCheck) {
  struct Case {
    SixDigitLayout layout;
    std::string_view name;
  };
  for (const Case c : {Case{SixDigitLayout::Score, ""}, Case{SixDigitLayout::Time, ""},
                       Case{SixDigitLayout::Score, "GW-0001"}, Case{SixDigitLayout::Time, "GL-0001"}}) {
    const std::string plain = PlainSixDigits(402517, c.layout, c.name, Counting());
    ASSERT_EQ(plain.size(), 16u);
    EXPECT_EQ(CheckSixDigits(plain, c.layout, c.name), 402517);
    // The check binds the value to the entry it belongs to.
    EXPECT_FALSE(CheckSixDigits(plain, c.layout, "GW-0002"));
  }
  EXPECT_EQ(CheckSixDigits(UnscrambleValue(MissingValue()), SixDigitLayout::Score, "GW-0001"), 0);
}

std::optional<OverallScore> StoredOverall(RecordsFixture& f, int game, std::string_view player = "Alice") {
  return ReadOverallScore(ReadAll(f.file("STAT_GLO.DAT")), player, game);
}

TEST(OverallScore, HoldsTheBestScoreOfEachGame) {
  RecordsFixture f;
  f.finish(true, 300, 40);
  EXPECT_EQ(StoredOverall(f, 1)->totals.score, 300);
  f.finish(true, 450, 90);
  f.finish(true, 200, 10);
  f.play(2, "Other", "Alice");
  f.finish(false, 50, 30);
  f.play(2, "Other", "Alice");
  f.finish(false, 50, 20);  // the same score in fewer seconds
  const auto overall = StoredOverall(f, 2);
  ASSERT_TRUE(overall);
  EXPECT_EQ(overall->totals.score, 500);
  EXPECT_EQ(overall->totals.seconds, 110);
  EXPECT_EQ(overall->bestSeconds, 20);
  EXPECT_EQ(StoredOverall(f, 1)->bestScore, 450);
}

TEST(OverallScore, CustomGamesAndNegativeScoresStayOut) {
  RecordsFixture f;
  f.finish(true, -5);
  f.play(8001, "Mine", "Alice");
  f.finish(true, 40);
  EXPECT_EQ(StoredOverall(f, 8001)->totals.score, 0);
}

TEST(OverallScore, StandingsRankEqualScoresByTheShorterTime) {
  RecordsFixture f;
  struct Result {
    std::string_view player;
    std::int64_t score;
    int seconds;
  };
  for (const Result r : {Result{"Slow", 300, 90}, Result{"Best", 400, 500}, Result{"Quick", 300, 40}}) {
    f.play(1, "Klondike", r.player);
    f.finish(true, r.score, r.seconds);
  }
  const auto standings = ReadOverallStandings(ReadAll(f.file("STAT_GLO.DAT")));
  ASSERT_TRUE(standings);
  std::vector<std::string> order;
  for (const OverallStanding& standing : *standings) order.push_back(standing.player);
  EXPECT_EQ(order, (std::vector<std::string>{"Best", "Quick", "Slow"}));
}

TEST(OverallScore, AHandEditedDigitIsFoundAndTheFileKeptAside) {
  RecordsFixture f;
  f.finish(true, 300);
  std::string text = ReadAll(f.file("STAT_GLO.DAT"));
  const auto at = text.find("GS-0001=") + 8;
  text[at + 1] = text[at + 1] == 'h' ? 'i' : 'h';  // one digit of the best score
  WriteAll(f.file("STAT_GLO.DAT"), text);
  f.ui.messages.clear();
  f.finish(true, 500);
  ASSERT_EQ(f.ui.messages.size(), 1u);
  EXPECT_EQ(f.ui.messages[0].text, kOverallScoreCorrupted);
  EXPECT_EQ(ReadAll(f.file("STAT_GLO.DAT.damaged")), text);
  EXPECT_FALSE(std::filesystem::exists(f.file("STAT_GLO.DAT")));
  f.finish(true, 500);
  EXPECT_EQ(StoredOverall(f, 1)->totals.score, 500);
}

TEST(OverallScore, AnUnreadableFileIsNotTakenForDamage) {
  RecordsFixture f;
  std::filesystem::create_directories(f.file("STAT_GLO.DAT"));  // a folder cannot be read as a file
  f.finish(true, 300);
  EXPECT_TRUE(std::filesystem::is_directory(f.file("STAT_GLO.DAT")));
  EXPECT_FALSE(std::filesystem::exists(f.file("STAT_GLO.DAT.damaged")));
  ASSERT_FALSE(f.ui.messages.empty());
  EXPECT_NE(f.ui.messages.back().text.find("Read error"), std::string::npos);
}

TEST(InternetCounts, CountOnlyEligibleBuiltInGames) {
  RecordsFixture f;
  f.game().state().setWord(word::InternetEligible, 1);
  f.finish(true, 1);
  f.finish(true, 1);
  f.finish(false, 1);
  f.play(8001, "Mine", "Alice");
  f.finish(true, 1);
  f.play(2, "Other", "Alice");
  f.game().state().setWord(word::InternetEligible, 0);
  f.finish(true, 1);
  const std::string text = ReadAll(f.file("STAT_UNI.DAT"));
  EXPECT_EQ(ReadInternetCounts(text, "Alice", 1)->won, 2);
  EXPECT_EQ(ReadInternetCounts(text, "Alice", 1)->lost, 1);
  EXPECT_EQ(keyed::Find(text, "Alice", "GW-8001"), std::nullopt);
  EXPECT_EQ(keyed::Find(text, "Alice", "GW-0002"), std::nullopt);
}

TEST(InternetCounts, ADamagedCountIsKeptAside) {
  RecordsFixture f;
  f.game().state().setWord(word::InternetEligible, 1);
  f.finish(true, 1);
  std::string text = ReadAll(f.file("STAT_UNI.DAT"));
  const auto at = text.find("GW-0001=") + 8;
  text[at + 2] = text[at + 2] == 'h' ? 'i' : 'h';
  WriteAll(f.file("STAT_UNI.DAT"), text);
  f.finish(true, 1);
  EXPECT_EQ(f.ui.messages.back().text, kInternetCountsCorrupted);
  EXPECT_EQ(ReadAll(f.file("STAT_UNI.DAT.damaged")), text);
}

}  // namespace
}  // namespace velmora
