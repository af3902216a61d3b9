// Recording one finished game into statistics files that already hold 500
// games x 20 players of history: all five files, as the end of a game does.
// Also the same in a memory-backed folder, the cost of one flushed atomic
// replacement, and one statistics look-up, to show where the time goes.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "records/high_scores.h"
#include "records/keyed_file.h"
#include "records/overall_score.h"
#include "records/record_game.h"
#include "records/results_log.h"
#include "records/scrambled_values.h"
#include "records/statistics_record.h"
#include "shell/main_game.h"
#include "text/fixed_text.h"

namespace {

using namespace velmora;

constexpr int kGames = 500;
constexpr int kPlayers = 20;
constexpr int kRuns = 9;

std::string Player(int p) { return "Player " + std::to_string(p + 1); }
int GameNumber(int g) { return g + 1; }
std::int64_t ScoreOf(int g, int p) { return 20 + (g * 7 + p * 13) % 400; }

void WriteFile(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

// The five files as 500 games x 20 players of history leave them.
void WriteHistory(const std::filesystem::path& data) {
  std::filesystem::create_directories(data);
  const FillerSource filler = [n = 0]() mutable { return static_cast<char>('0' + (n++ % 9)); };
  std::string statistics = "[Version]\r\nVersion=0300\r\n";
  std::string scores = statistics;
  std::string log;
  for (int g = 0; g < kGames; ++g) {
    statistics += "\r\n[" + GameSection(GameNumber(g)) + "]\r\n";
    for (int p = 0; p < kPlayers; ++p) {
      statistics += Player(p) + "=" + FormatStatistics({3, 2, 2, 1, 1, 0, ScoreOf(g, p) * 5}) + "\r\n";
      LogLine line{"20261210", "12:00:00", 300, GameNumber(g), "Game " + std::to_string(g), Player(p), true, "01",
                   FormatNumber(ScoreOf(g, p), 6), "0000000012345"};
      log += FormatLogLine(line) + "\r\n";
    }
    scores += "\r\n[" + GameSection(GameNumber(g)) + "]\r\n";
    const HighScoreList list = DefaultHighScores(52, -1, "20261210", "12:00:00");
    for (int rank = 1; rank <= kHighScoreRanks; ++rank)
      scores += HighScoreName("01", rank) + "=" + list[static_cast<std::size_t>(rank - 1)] + "\r\n";
  }
  std::string overall, internet;
  for (int p = 0; p < kPlayers; ++p) {
    std::int64_t total = 0;
    std::string entries;
    internet += "\r\n[" + Player(p) + "]\r\n";
    for (int g = 0; g < kGames; ++g) {
      total += ScoreOf(g, p);
      const std::string game = GameSection(GameNumber(g));
      entries += "GS-" + game + "=" + ScrambleValue(PlainSixDigits(ScoreOf(g, p), SixDigitLayout::Score, "", filler)) +
                 "\r\nGT-" + game + "=" + ScrambleValue(PlainSixDigits(300, SixDigitLayout::Time, "", filler)) + "\r\n";
      internet += "GW-" + game + "=" + ScrambleValue(PlainSixDigits(3, SixDigitLayout::Score, "GW-" + game, filler)) +
                  "\r\nGL-" + game + "=" + ScrambleValue(PlainSixDigits(2, SixDigitLayout::Time, "GL-" + game, filler)) +
                  "\r\n";
    }
    const std::string score = PlainOverallScore(total, filler);
    const std::string time = PlainOverallTime(300 * kGames, filler);
    overall += "\r\n[" + Player(p) + "]\r\nT01=" + ScrambleValue(score) + "\r\nT02=" + ScrambleValue(time) +
               "\r\nT03=" + ScrambleValue(PlainOverallCheck(score, time)) + "\r\n" + entries;
  }
  WriteFile(data / "STAT.DAT", statistics);
  WriteFile(data / "STAT_SCR.DAT", scores);
  WriteFile(data / "STAT_LOG.DAT", log);
  WriteFile(data / "STAT_GLO.DAT", overall);
  WriteFile(data / "STAT_UNI.DAT", internet);
}

double Milliseconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

struct Figures {
  double recordGame;
  double flush;
  double lookup;
};

// A win that improves the player's best, enters the high scores and counts
// for the internet statistics: every file is rewritten.
Figures Measure(const std::filesystem::path& base) {
  const std::filesystem::path root = base / ("velmora-bench-records-" + std::to_string(::getpid()));
  std::filesystem::remove_all(root);
  WriteHistory(root / "data");
  bench::SilentUi ui;
  TMainGame game(Folders(root / "program", root / "data"), ui);
  game.data().prepare();
  game.state().setWord(word::FirstMove, 1);
  game.state().setWord(word::InternetEligible, 1);
  game.store().write(store::ScoringMode, "01");
  game.store().write(store::DealNumber, "0000000054321");
  game.store().write(store::GameName, "Game 250");
  game.store().write(store::UserDefault, Player(9));

  std::vector<double> record, flush, lookup;
  for (int run = 0; run < kRuns; ++run) {
    game.store().setGameNumber(GameNumber(250 + run));
    game.store().writeNumber(store::Score, 900 + run);
    auto start = std::chrono::steady_clock::now();
    RecordFinishedGame(game, {true, 120, "20261210", "13:00:00"});
    record.push_back(Milliseconds(start));

    start = std::chrono::steady_clock::now();
    game.data().replace("DATA\\bench.tmp", "flushed\r\n");
    flush.push_back(Milliseconds(start));

    const KeyedFile statistics(game.data(), std::string(kStatisticsFile));
    start = std::chrono::steady_clock::now();
    const auto text = statistics.load();
    FindStatistics(*text, GameNumber(400), Player(19));
    lookup.push_back(Milliseconds(start));
  }
  std::filesystem::remove_all(root);
  return {bench::Median(record), bench::Median(flush), bench::Median(lookup)};
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path disk = argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
  const Figures onDisk = Measure(disk);
  std::printf("record_game_end_ms %.3f ms\n", onDisk.recordGame);
  std::printf("atomic_replace_flush_ms %.3f ms\n", onDisk.flush);
  std::printf("statistics_lookup_ms %.3f ms\n", onDisk.lookup);
  std::error_code error;
  if (std::filesystem::is_directory("/dev/shm", error)) {
    const Figures inMemory = Measure("/dev/shm");
    std::printf("record_game_end_memory_ms %.3f ms\n", inMemory.recordGame);
  }
  return 0;
}
