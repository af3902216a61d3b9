// Playing through the move executor: random legal games per second for
// Klondike and FreeCell, every action with its undo step and the score read
// off the table, as the mouse makes them. Medians of several runs.
//
// A random game: a deal, then random legal actions - a card move (never off
// a foundation, never straight back where it came from) or a press on the
// stock - until the game is won, nothing is left to do, the stock has been
// turned over three times, or 200 actions were made.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "moves/legal_moves.h"

#include "files/ini_document.h"
#include "game/rule_index.h"
#include "play/execute_move.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "stock/stock_commands.h"
#include "bench_support.h"

namespace {

using namespace velmora;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 5;
constexpr int kGamesPerRun = 400;
constexpr int kMaxActions = 200;
constexpr int kMaxTurnOvers = 3;

using velmora::bench::Median;

using velmora::bench::SilentUi;

struct RunFigures {
  double gamesPerSecond;
  double actionsPerSecond;
  double executorMicroseconds;  // one ExecuteMove alone, without choosing the move
};

struct Timed {
  int actions = 0;
  double executorSeconds = 0;
};

bool Won(const TMainGame& game) {
  int up = 0;
  for (int k = 0; k < kFoundations; ++k) up += static_cast<int>(game.piles().pile({PileGroup::Foundations, k}).size());
  return up == game.rules()[rule::DeckCards];
}

// One random game from the deal: the actions made and the time spent in the executor.
Timed PlayRandomGame(TMainGame& game, std::mt19937& random, std::vector<LegalMove>& moves) {
  Timed timed;
  int& actions = timed.actions;
  const int startPasses = game.state().word(word::PassCounter);
  std::optional<LegalMove> last;
  while (actions < kMaxActions && !Won(game) && game.state().word(word::PassCounter) - startPasses < kMaxTurnOvers) {
    ListLegalMoves(MoveRules(game.rules(), game.piles(), game.cards()), moves);
    std::erase_if(moves, [&](const LegalMove& m) {
      return m.from.group == PileGroup::Foundations || (last && m.card == last->card && m.to == last->from);
    });
    const bool stock = !game.piles().pile(kStock).empty() || !game.piles().pile(kWaste).empty();
    const int choices = static_cast<int>(moves.size()) + (stock ? 1 : 0);
    if (choices == 0) break;
    const int pick = static_cast<int>(random() % static_cast<unsigned>(choices));
    bool changed;
    const auto start = Clock::now();
    if (pick == static_cast<int>(moves.size())) {
      changed = ExecuteMove(game, game.piles().topCard(kStock), "Mazzo_Vis");
      last.reset();
    } else {
      const LegalMove& move = moves[static_cast<std::size_t>(pick)];
      changed = ExecuteMove(game, move.card, PileName(move.to));
      last = move;
    }
    timed.executorSeconds += std::chrono::duration<double>(Clock::now() - start).count();
    if (!changed) break;
    ++actions;
  }
  return timed;
}

RunFigures TimeRandomGames(TMainGame& game, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<LegalMove> moves;
  long actions = 0;
  double seconds = 0, executorSeconds = 0;
  for (int n = 0; n < kGamesPerRun; ++n) {
    game.store().write(store::DealNumber, NewDealNumber(random));
    StartNewGame(game, {.deal = true, .animate = false, .mode = DealMode::KeepDealNumber, .quiet = true});
    game.history().clear();
    const auto start = Clock::now();  // the deal is not timed: only the play
    const Timed timed = PlayRandomGame(game, random, moves);
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
    actions += timed.actions;
    executorSeconds += timed.executorSeconds;
  }
  return {kGamesPerRun / seconds, static_cast<double>(actions) / seconds, 1e6 * executorSeconds / static_cast<double>(actions)};
}

}  // namespace

int main() {
  std::string pattern = (fs::temp_directory_path() / "velmora-bench-play-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return 1;
  const fs::path folder = pattern;
  SilentUi ui;
  int status = 0;
  {
    TMainGame game(Folders(VELMORA_PROGRAM_DIR, folder / "data"), ui);
    if (const auto fault = game.catalogue().loadRuleFile(VELMORA_PROGRAM_DIR "/GAMES.DAT")) {
      std::fprintf(stderr, "bench_play: %s\n", fault->c_str());
      status = 1;
    }
    LoadPreferences(game, IniDocument(), StartupEnvironment{});
    game.store().write(store::UndoEnabled, "0");
    const std::pair<const char*, const char*> games[] = {{"klondike", "Klondike (draw one)"}, {"freecell", "FreeCell"}};
    for (const auto& [label, name] : status == 0 ? std::span(games) : std::span<const std::pair<const char*, const char*>>()) {
      const int number = game.catalogue().GameNumberByName(name);
      game.rules().clearForGame();
      if (number < 0 || !LoadGameRules(game.catalogue(), number, game.rules())) {
        std::fprintf(stderr, "bench_play: no game %s\n", name);
        status = 1;
        break;
      }
      std::vector<double> gamesPerSecond, actionsPerSecond, executor;
      for (int run = 0; run < kRuns; ++run) {
        const RunFigures figures = TimeRandomGames(game, 1000u + static_cast<std::uint32_t>(run));
        gamesPerSecond.push_back(figures.gamesPerSecond);
        actionsPerSecond.push_back(figures.actionsPerSecond);
        executor.push_back(figures.executorMicroseconds);
      }
      std::printf("%s_random_games_per_s %.0f 1/s\n", label, Median(gamesPerSecond));
      std::printf("%s_actions_per_s %.0f 1/s\n", label, Median(actionsPerSecond));
      std::printf("%s_execute_move_time %.2f us\n", label, Median(executor));
    }
  }
  fs::remove_all(folder);
  return status;
}
