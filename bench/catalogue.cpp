// How long the program takes to read and check a rule file of 600 games and
// build its catalogue, and to fill the rule record of one game (built-in and
// custom). The rule file is generated here from the shipped games, each
// repeated under new numbers. Medians of several runs.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "catalogue/catalogue.h"
#include "rules/load_game_rules.h"
#include "bench_support.h"

namespace {

namespace fs = std::filesystem;
using namespace velmora;
using Clock = std::chrono::steady_clock;

constexpr int kGames = 600;
constexpr int kRuns = 15;

using velmora::bench::Median;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// kGames games, the shipped ones repeated with numbers 1 to kGames.
RuleFileContents SixHundredGames(const RuleFileContents& shipped) {
  RuleFileContents contents;
  contents.given.fill(true);
  for (int number = 1; number <= kGames; ++number) {
    GameEntry game = shipped.games[static_cast<std::size_t>(number - 1) % shipped.games.size()];
    game.number = number;
    game.listed = true;
    game.name = "Game " + std::to_string(number) + " " + game.name;
    game.name.resize(std::min<std::size_t>(game.name.size(), kLongestGameName));
    contents.games.push_back(std::move(game));
  }
  return contents;
}

}  // namespace

int main() {
  const RuleFileParse shipped = ParseRuleFile(ReadAll(fs::path(VELMORA_PROGRAM_DIR) / "GAMES.DAT"));
  if (!shipped.contents || shipped.contents->games.empty()) {
    std::fprintf(stderr, "cannot read the shipped GAMES.DAT: %s\n", shipped.error.c_str());
    return 1;
  }
  std::string pattern = (fs::temp_directory_path() / "velmora-bench-catalogue-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return 1;
  const fs::path folder = pattern;
  fs::create_directories(folder / "data");
  const fs::path ruleFile = folder / "GAMES.DAT";
  std::ofstream(ruleFile, std::ios::binary) << WriteRuleFile(SixHundredGames(*shipped.contents));
  std::ofstream(folder / "data" / "GAM_CUST.DAT", std::ios::binary)
      << "[R-0301]\r\n8000Custom" << std::string(44, ' ') << "0001\r\n00300020100102003\r\n" << std::string(56, '\n');

  FileSystem files;
  UserData data(Folders(folder, folder / "data"), files);
  std::vector<double> catalogueLoads, gameLoads, customLoads;
  for (int run = 0; run < kRuns; ++run) {
    Catalogue catalogue;
    const auto start = Clock::now();
    if (auto fault = catalogue.loadRuleFile(ruleFile)) {
      std::fprintf(stderr, "generated rule file refused: %s\n", fault->c_str());
      return 1;
    }
    catalogue.loadCustomGames(data);
    catalogueLoads.push_back(MillisecondsSince(start));

    RuleRecord rules;
    const auto games = Clock::now();
    for (int number = 1; number <= kGames; ++number) {
      rules.clearForGame();
      if (!LoadGameRules(catalogue, number, rules)) return 1;
    }
    gameLoads.push_back(MillisecondsSince(games) / kGames);
    const auto custom = Clock::now();
    rules.clearForGame();
    if (!LoadGameRules(catalogue, 8000, rules)) return 1;
    customLoads.push_back(MillisecondsSince(custom));
  }
  fs::remove_all(folder);
  std::printf("catalogue_load_600_games %.3f ms\n", Median(catalogueLoads));
  std::printf("game_rules_load %.4f ms\n", Median(gameLoads));
  std::printf("custom_game_rules_load %.4f ms\n", Median(customLoads));
  return 0;
}
