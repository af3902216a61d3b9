// Recording games when the disk fails at any step, and over a long run: every
// file stays within its format and holds either the state before a game or
// the state after it.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "records/high_scores.h"
#include "records/internet_counts.h"
#include "records/keyed_file.h"
#include "records/overall_score.h"
#include "records/results_log.h"
#include "records/statistics_record.h"
#include "records_support.h"

namespace velmora {
namespace {

using testing::ReadAll;
using testing::RecordsFixture;
using testing::WriteAll;

constexpr std::array<std::string_view, 5> kFiles{"STAT.DAT", "STAT_LOG.DAT", "STAT_SCR.DAT", "STAT_GLO.DAT",
                                                 "STAT_UNI.DAT"};

// What a fresh read of each file says, for the games and players of a test.
struct Reading {
  std::map<std::pair<int, std::string>, StatisticsLookup> statistics;
  std::vector<std::string> log;
  std::map<int, HighScoreList> highScores;
  std::map<std::pair<int, std::string>, std::optional<std::pair<std::int64_t, std::int64_t>>> overall;
  std::map<std::pair<int, std::string>, std::optional<std::pair<std::int64_t, std::int64_t>>> internet;
};

bool SameStatistics(const Reading& a, const Reading& b) {
  if (a.statistics.size() != b.statistics.size()) return false;
  for (const auto& [key, found] : a.statistics) {
    const StatisticsLookup& other = b.statistics.at(key);
    if (found.status != other.status || !(found.record == other.record)) return false;
  }
  return true;
}

Reading Read(RecordsFixture& f, const std::vector<int>& games, const std::vector<std::string>& players) {
  Reading reading;
  const std::string statistics = ReadAll(f.file("STAT.DAT"));
  const std::string log = ReadAll(f.file("STAT_LOG.DAT"));
  const std::string scores = ReadAll(f.file("STAT_SCR.DAT"));
  const std::string overall = ReadAll(f.file("STAT_GLO.DAT"));
  const std::string internet = ReadAll(f.file("STAT_UNI.DAT"));
  for (std::string_view line : SplitLog(log).lines) reading.log.emplace_back(line);
  for (int game : games) {
    reading.highScores[game] = FindHighScores(scores, game, "01");
    for (const std::string& player : players) {
      reading.statistics[{game, player}] = FindStatistics(statistics, game, player);
      const auto best = ReadOverallScore(overall, player, game);
      reading.overall[{game, player}] =
          best ? std::optional(std::pair(best->totals.score * 1000000 + best->bestScore, best->totals.seconds))
               : std::nullopt;
      const auto counts = ReadInternetCounts(internet, player, game);
      reading.internet[{game, player}] = counts ? std::optional(std::pair(counts->won, counts->lost)) : std::nullopt;
    }
  }
  return reading;
}

// Each file on its own holds the state before or the state after.
void ExpectBeforeOrAfter(const Reading& now, const Reading& before, const Reading& after, const std::string& step) {
  EXPECT_TRUE(SameStatistics(now, before) || SameStatistics(now, after)) << step;
  EXPECT_TRUE(now.log == before.log || now.log == after.log) << step;
  EXPECT_TRUE(now.highScores == before.highScores || now.highScores == after.highScores) << step;
  EXPECT_TRUE(now.overall == before.overall || now.overall == after.overall) << step;
  EXPECT_TRUE(now.internet == before.internet || now.internet == after.internet) << step;
  for (const auto& [key, value] : now.overall) EXPECT_TRUE(value.has_value()) << step << " overall score fails its check";
  for (const auto& [key, value] : now.internet) EXPECT_TRUE(value.has_value()) << step << " counts fail their check";
}

class SavedFiles {
 public:
  explicit SavedFiles(RecordsFixture& f) : f_(f) {
    for (std::string_view name : kFiles)
      if (std::filesystem::exists(f.file(name))) files_[std::string(name)] = ReadAll(f.file(name));
  }
  void restore() {
    std::filesystem::remove_all(f_.dir / "data");
    std::filesystem::create_directories(f_.dir / "data");
    for (const auto& [name, text] : files_) WriteAll(f_.file(name), text);
  }

 private:
  RecordsFixture& f_;
  std::map<std::string, std::string> files_;
};

TEST(RecordsUnderFaults, EveryFailedStepLeavesEachFileBeforeOrAfter) {
  RecordsFixture f;
  f.game().state().setWord(word::InternetEligible, 1);
  const std::vector<int> games{1, 2};
  const std::vector<std::string> players{"Alice", "Bob"};
  for (int round = 0; round < 3; ++round)
    for (int game : games)
      for (const std::string& player : players) {
        f.play(game, "Game", player);
        f.finish(round % 2 == 0, 10 * round + game, 50 + round);
      }
  f.play(1, "Game", "Alice");
  SavedFiles saved(f);
  const Reading before = Read(f, games, players);
  f.finish(true, 400, 30);
  const Reading after = Read(f, games, players);
  ASSERT_FALSE(SameStatistics(before, after));
  ASSERT_NE(before.overall, after.overall);
  ASSERT_NE(before.internet, after.internet);

  for (FileStep step : {FileStep::Write, FileStep::Rename, FileStep::Remove}) {
    for (int n = 1;; ++n) {
      saved.restore();
      f.ui.messages.clear();
      f.game().files().injectFault(step, n);
      f.finish(true, 400, 30);
      const std::string label = "step " + std::to_string(static_cast<int>(step)) + " #" + std::to_string(n);
      ExpectBeforeOrAfter(Read(f, games, players), before, after, label);
      if (f.ui.messages.empty()) break;  // the fault was never reached
      ASSERT_LT(n, 50) << label;
    }
  }
}

// A long run of games by several players: every file keeps its format and
// sums up the games as recorded.
TEST(RecordsOverALongRun, TwoThousandGamesKeepEveryFileConsistent) {
  RecordsFixture f(testing::MemoryBackedFolder());
  f.game().state().setWord(word::InternetEligible, 1);
  const std::vector<std::string> players{"Alice", "Bob", "Carol", "Dan"};
  const std::vector<int> games{1, 2, 3, 8001, 40};
  std::mt19937 random(7);
  std::map<std::pair<int, std::string>, std::pair<int, int>> results;
  std::map<std::pair<int, std::string>, std::int64_t> best;
  constexpr int kGames = 2000;
  for (int i = 0; i < kGames; ++i) {
    const int game = games[random() % games.size()];
    const std::string& player = players[random() % players.size()];
    const bool won = random() % 3 == 0;
    const std::int64_t score = static_cast<std::int64_t>(random() % 600) - 50;
    f.play(game, "Game " + std::to_string(game), player);
    f.finish(won, score, static_cast<int>(random() % 900));
    auto& [w, l] = results[{game, player}];
    ++(won ? w : l);
    if (game < 8000 && score > 0) best[{game, player}] = std::max(best[{game, player}], score);
  }
  EXPECT_TRUE(f.ui.messages.empty()) << f.ui.messages.front().text;

  const std::string statistics = ReadAll(f.file("STAT.DAT"));
  const std::string internet = ReadAll(f.file("STAT_UNI.DAT"));
  const std::string overall = ReadAll(f.file("STAT_GLO.DAT"));
  const std::string scores = ReadAll(f.file("STAT_SCR.DAT"));
  for (const auto& [key, counts] : results) {
    const auto found = FindStatistics(statistics, key.first, key.second);
    ASSERT_EQ(found.status, RecordRead::Found);
    EXPECT_EQ(found.record.won, counts.first);
    EXPECT_EQ(found.record.lost, counts.second);
    if (key.first < 8000) {
      const auto counted = ReadInternetCounts(internet, key.second, key.first);
      ASSERT_TRUE(counted);
      EXPECT_EQ(counted->won, counts.first);
      EXPECT_EQ(counted->lost, counts.second);
    }
  }
  for (const std::string& player : players) {
    std::int64_t total = 0;
    for (int game : games) total += best[{game, player}];
    const auto read = ReadOverallScore(overall, player, 1);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->totals.score, total) << player;
  }
  for (int game : games) {
    const HighScoreList list = FindHighScores(scores, game, "01");
    for (std::size_t rank = 0; rank < list.size(); ++rank) {
      ASSERT_EQ(list[rank].size(), kHighScoreWidth);
      if (rank == 0) continue;
      const auto above = ParseHighScore(list[rank - 1]);
      const auto below = ParseHighScore(list[rank]);
      ASSERT_TRUE(above && below);
      EXPECT_TRUE(above->score > below->score || (above->score == below->score && above->seconds <= below->seconds));
    }
  }
  const std::string logText = ReadAll(f.file("STAT_LOG.DAT"));
  const LogContents log = SplitLog(logText);
  EXPECT_EQ(log.lines.size(), static_cast<std::size_t>(kGames));
  EXPECT_EQ(log.skipped, 0u);
  for (std::string_view line : log.lines) ASSERT_TRUE(ParseLogLine(line));
  for (const auto& file : std::filesystem::directory_iterator(f.dir / "data"))
    EXPECT_FALSE(file.path().filename().string().starts_with(".")) << "a temporary file was left behind";
}

}  // namespace
}  // namespace velmora
