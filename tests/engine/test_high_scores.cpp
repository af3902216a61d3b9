#include <gtest/gtest.h>

#include "records/high_scores.h"
#include "records/keyed_file.h"
#include "records/overall_score.h"
#include "records_support.h"

namespace velmora {
namespace {

using testing::ReadAll;
using testing::RecordsFixture;
using testing::WriteAll;

HighScoreList StoredList(RecordsFixture& f, int game = 1) {
  return FindHighScores(ReadAll(f.file("STAT_SCR.DAT")), game, "01");
}

TEST(DefaultChampions, ScoresFollowTheCardsAndTopScore) {
  struct Case {
    int cards;
    int maximum;
    std::array<std::int64_t, kHighScoreRanks> scores;
  };
  const Case cases[] = {
      {52, -1, {52, 49, 46, 43, 40, 37, 34, 31, 28, 25, 22, 19, 16, 14, 12, 10, 8, 6, 4, 2}},
      {52, 40, {20, 18, 16, 14, 12, 10, 8, 6, 4, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {104, -1, {104, 98, 92, 86, 80, 74, 68, 62, 56, 50, 44, 38, 32, 27, 22, 17, 12, 7, 2, 1}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DefaultChampionScores(c.cards, c.maximum), c.scores) << c.cards << " cards, top " << c.maximum;
}

TEST(DefaultChampions, EntriesHaveTheFullLayout) {
  const HighScoreList list = DefaultHighScores(52, -1, "20261210", "09:08:07");
  EXPECT_EQ(list[0], "000052 000260 20261210 09:08:07 * Marie                        000000000000000 Won  x");
  EXPECT_EQ(list[19].substr(32, 8), "* Micael");
  for (const std::string& value : list) EXPECT_EQ(value.size(), kHighScoreWidth);
}

TEST(HighScores, ATieRanksByFewerSeconds) {
  // Rank 3 of the champions is 46 points in 230 seconds.
  struct Case {
    std::int64_t score;
    int seconds;
    int rank;
  };
  for (const Case c : {Case{46, 229, 3}, Case{46, 230, 4}, Case{46, 500, 4}, Case{100, 9, 1}, Case{1, 5, 0}}) {
    RecordsFixture g;
    g.game().rules()[371] = 52;
    g.game().rules()[49] = -1;
    EXPECT_EQ(g.finish(true, c.score, c.seconds).highScoreRank, c.rank) << c.score << " in " << c.seconds;
    const HighScoreList list = StoredList(g);
    EXPECT_EQ(list[19].size(), kHighScoreWidth);
    if (c.rank > 0) {
      EXPECT_EQ(ParseHighScore(list[static_cast<std::size_t>(c.rank - 1)])->player, "Alice");
    }
  }
}

TEST(HighScores, AfterClearingEveryListNoChampionsReturn) {
  RecordsFixture f;
  WriteAll(f.file("STAT_SCR.DAT"), "[Version]\r\nVersion=0300\r\n\r\n[Clear scores]\r\nCleared=Y\r\n");
  EXPECT_EQ(f.finish(true, 5).highScoreRank, 1);
  const HighScoreList list = StoredList(f);
  EXPECT_EQ(ParseHighScore(list[0])->player, "Alice");
  EXPECT_EQ(list[1], UnusedHighScore());
  EXPECT_EQ(f.finish(true, 5, 50).highScoreRank, 1);
  EXPECT_EQ(f.finish(true, 5, 500).highScoreRank, 3);
}

}  // namespace
}  // namespace velmora
