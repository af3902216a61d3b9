// The hint search and the demonstration: the median time of one search in
// mid-game positions of Klondike, FreeCell and Spider, and how many of a
// thousand deals of Klondike (draw one) and FreeCell the demonstration wins,
// with its time per game.
//
// A mid-game position: a deal after the demonstration's first 15 moves.
// Each position is searched 200 times; the figure is the median over the
// positions of the time of one search. The demonstration plays deals 1 to
// 1000 without waits or drawing, to the end: every card home, or no move
// left.
#include <chrono>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

// The move rules' card places come before the layout's function of that name.
#include "moves/move_rules.h"

#include "files/ini_document.h"
#include "game/rule_index.h"
#include "hints/demo.h"
#include "hints/hint_search.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "text/fixed_text.h"
#include "bench_support.h"

namespace {

using namespace velmora;
using Clock = std::chrono::steady_clock;
using velmora::bench::Median;
using velmora::bench::SilentUi;

constexpr int kPositions = 101;
constexpr int kMovesIntoTheGame = 15;
constexpr int kSearchesPerPosition = 200;
constexpr int kDemoDeals = 1000;

void Deal(TMainGame& game, int deal) {
  game.store().write(store::DealNumber, FormatNumber(deal, 13));
  StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true});
  game.history().clear();
  game.hintMemory().clear();
}

bool Won(const TMainGame& game) {
  int home = 0;
  for (int k = 0; k < kFoundations; ++k) home += static_cast<int>(game.piles().pile({PileGroup::Foundations, k}).size());
  return home == game.rules()[rule::DeckCards];
}

double SearchMicroseconds(TMainGame& game) {
  std::vector<double> times;
  for (int deal = 1; deal <= kPositions; ++deal) {
    Deal(game, deal);
    PlayDemo(game, {.maxMoves = kMovesIntoTheGame});
    const HintMemory empty;
    int found = 0;
    const auto start = Clock::now();
    for (int n = 0; n < kSearchesPerPosition; ++n) found += FindHint(game, empty).has_value() ? 1 : 0;
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (found < 0) std::puts("");  // keeps the searches from being optimised away
    times.push_back(1e6 * seconds / kSearchesPerPosition);
  }
  return Median(times);
}

struct DemoFigures {
  int wins = 0;
  double millisecondsPerGame = 0;
};

DemoFigures PlayDemos(TMainGame& game) {
  DemoFigures figures;
  double seconds = 0;
  for (int deal = 1; deal <= kDemoDeals; ++deal) {
    Deal(game, deal);
    const auto start = Clock::now();
    PlayDemo(game);
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
    if (Won(game)) ++figures.wins;
  }
  figures.millisecondsPerGame = 1e3 * seconds / kDemoDeals;
  return figures;
}

bool LoadGame(TMainGame& game, const char* name) {
  const int number = game.catalogue().GameNumberByName(name);
  game.rules().clearForGame();
  if (number >= 0 && LoadGameRules(game.catalogue(), number, game.rules())) return true;
  std::fprintf(stderr, "bench_hint: no game %s\n", name);
  return false;
}

}  // namespace

int main() {
  std::string pattern = (fs::temp_directory_path() / "velmora-bench-hint-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return 1;
  const fs::path folder = pattern;
  SilentUi ui;
  int status = 0;
  {
    TMainGame game(Folders(VELMORA_PROGRAM_DIR, folder / "data"), ui);
    if (const auto fault = game.catalogue().loadRuleFile(VELMORA_PROGRAM_DIR "/GAMES.DAT")) {
      std::fprintf(stderr, "bench_hint: %s\n", fault->c_str());
      status = 1;
    }
    LoadPreferences(game, IniDocument(), StartupEnvironment{});
    game.store().write(store::UndoEnabled, "0");
    struct Game {
      const char* label;
      const char* name;
      bool demo;
    };
    const Game games[] = {{"klondike", "Klondike (draw one)", true},
                          {"freecell", "FreeCell", true},
                          {"spider", "Spider (four suits)", false}};
    for (const Game& g : status == 0 ? std::span(games) : std::span<const Game>()) {
      if (!LoadGame(game, g.name)) {
        status = 1;
        break;
      }
      std::printf("hint_search_%s_us %.1f us\n", g.label, SearchMicroseconds(game));
      std::fflush(stdout);
      if (!g.demo) continue;
      const DemoFigures demo = PlayDemos(game);
      std::printf("demo_wins_%s %d count\n", g.label, demo.wins);
      std::printf("demo_ms_per_game_%s %.2f ms\n", g.label, demo.millisecondsPerGame);
      std::fflush(stdout);
    }
  }
  fs::remove_all(folder);
  return status;
}
