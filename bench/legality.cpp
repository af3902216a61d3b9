// Move legality and history: single placement checks per second, whole
// legal-move lists per second in mid-game positions of three games, the time
// of one FreeCell list, and undo+redo pairs per second. Medians of several runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "game/deal_table.h"
#include "game/rule_index.h"
#include "history/undo.h"
#include "moves/legal_moves.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"
#include "bench_support.h"

namespace {

using namespace velmora;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 7;
constexpr int kMidGameMoves = 16;

using velmora::bench::Median;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

using velmora::bench::SilentUi;

// A table with its rules, dealt and played a few moves into the game.
struct Position {
  RuleRecord rules;
  CardTable cards;
  PileStore piles;
};

void Move(Position& p, const LegalMove& move) {
  Pile& from = p.piles.pile(move.from);
  Pile& to = p.piles.pile(move.to);
  to.insert(to.end(), from.end() - move.cards, from.end());
  from.resize(from.size() - static_cast<std::size_t>(move.cards));
  if (!from.empty()) p.cards.setFace(from.back(), Face::Up);
}

bool HasWaste(const Position& p) { return p.rules[rule::WasteShown] == 1 && !p.piles.pile(kStock).empty(); }

void TurnStockCard(Position& p) {
  Pile& stock = p.piles.pile(kStock);
  p.piles.pile(kWaste).push_back(stock.back());
  p.cards.setFace(stock.back(), Face::Up);
  stock.pop_back();
}

// Plays the first legal move that does not take back the one before it,
// turning a stock card when there is none, and stops in a position that has
// moves.
void PlayInto(Position& p, int moves) {
  std::optional<LegalMove> last;
  for (int played = 0; played < moves;) {
    const MoveRules legality(p.rules, p.piles, p.cards);
    bool moved = false;
    for (const LegalMove& move : LegalMoves(legality)) {
      if (last && move.card == last->card && move.to == last->from) continue;
      Move(p, move);
      last = move;
      moved = true;
      ++played;
      break;
    }
    if (moved) continue;
    if (!HasWaste(p)) return;
    TurnStockCard(p);
  }
  while (HasWaste(p) && LegalMoves(MoveRules(p.rules, p.piles, p.cards)).empty()) TurnStockCard(p);
}

std::optional<Position> MidGame(const Catalogue& catalogue, const char* name) {
  Position p;
  if (!LoadGameRules(catalogue, catalogue.GameNumberByName(name), p.rules)) return std::nullopt;
  ProgramState state;
  DealContext context{p.rules, p.cards, p.piles, state, "0000000004711"};
  DealTable(context);
  PlayInto(p, kMidGameMoves);
  return p;
}

double EnumerationsPerSecond(const Position& p) {
  std::vector<LegalMove> moves;
  constexpr int kLists = 20000;
  const auto start = Clock::now();
  std::size_t found = 0;  // used, so that the lists are not optimised away
  for (int n = 0; n < kLists; ++n) {
    const MoveRules legality(p.rules, p.piles, p.cards);  // a new position each time, as a solver sees it
    ListLegalMoves(legality, moves);
    found += moves.size();
  }
  const double seconds = SecondsSince(start);
  if (found == 0) std::fprintf(stderr, "bench_legality: a position without moves\n");
  return kLists / seconds;
}

// Every card on the table offered to every building pile of the game.
double CanPlaceChecksPerSecond(const Position& p) {
  const MoveRules legality(p.rules, p.piles, p.cards);
  std::vector<CardId> cards;
  for (int slot = 0; slot < kSnapshotPiles; ++slot)
    for (CardId card : p.piles.pile(SnapshotPile(slot))) cards.push_back(card);
  std::vector<PileRef> targets;
  for (int k = 0; k < legality.foundationsInUse(); ++k) targets.push_back({PileGroup::Foundations, k});
  for (int i = 0; i < legality.tableauInUse(); ++i) targets.push_back({PileGroup::Tableau, i});
  for (int j = 0; j < legality.reservesInUse(); ++j) targets.push_back({PileGroup::Reserves, j});
  constexpr int kRounds = 2000;
  std::size_t accepted = 0;
  const auto start = Clock::now();
  for (int round = 0; round < kRounds; ++round)
    for (CardId card : cards)
      for (PileRef target : targets) accepted += legality.canPlace(card, target) ? 1 : 0;
  const double seconds = SecondsSince(start);
  if (accepted == 0) std::fprintf(stderr, "bench_legality: no placement accepted\n");
  return static_cast<double>(kRounds) * static_cast<double>(cards.size() * targets.size()) / seconds;
}

double UndoRedoPairsPerSecond(TMainGame& game, const Position& p) {
  game.rules() = p.rules;
  game.piles() = p.piles;
  game.cards() = p.cards;
  game.history().clear();
  game.state().set(flag::GameInProgress, true);
  game.store().write(store::UndoEnabled, "0");
  constexpr int kSteps = 200;
  for (int step = 0; step < kSteps; ++step) {
    RecordStep(game, HistorySide::Undo);
    Pile& stock = game.piles().pile(kStock);
    Pile& waste = game.piles().pile(kWaste);
    if (stock.empty()) std::swap(stock, waste);
    waste.push_back(stock.back());
    stock.pop_back();
  }
  const auto start = Clock::now();
  for (int step = 0; step < kSteps; ++step) TakeHistoryStep(game, HistorySide::Undo, true);
  for (int step = 0; step < kSteps; ++step) TakeHistoryStep(game, HistorySide::Redo, true);
  return kSteps / SecondsSince(start);
}

}  // namespace

int main() {
  Catalogue catalogue;
  if (const auto fault = catalogue.loadRuleFile(VELMORA_PROGRAM_DIR "/GAMES.DAT")) {
    std::fprintf(stderr, "bench_legality: %s\n", fault->c_str());
    return 1;
  }
  const std::pair<const char*, const char*> games[] = {
      {"klondike", "Klondike (draw one)"}, {"freecell", "FreeCell"}, {"spider_four_suits", "Spider (four suits)"}};
  std::optional<Position> freecell, klondike;
  for (const auto& [label, name] : games) {
    const auto position = MidGame(catalogue, name);
    if (!position) {
      std::fprintf(stderr, "bench_legality: no game %s\n", name);
      return 1;
    }
    std::vector<double> runs;
    for (int run = 0; run < kRuns; ++run) runs.push_back(EnumerationsPerSecond(*position));
    std::printf("%s_move_lists_per_s %.0f 1/s\n", label, Median(runs));
    if (std::string_view(label) == "freecell") {
      std::printf("freecell_move_list_time %.2f us\n", 1e6 / Median(runs));
      freecell = position;
    }
    if (std::string_view(label) == "klondike") klondike = position;
  }

  std::vector<double> checks;
  for (int run = 0; run < kRuns; ++run) checks.push_back(CanPlaceChecksPerSecond(*freecell));
  std::printf("freecell_can_place_checks_per_s %.0f 1/s\n", Median(checks));

  std::string pattern = (fs::temp_directory_path() / "velmora-bench-legality-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return 1;
  const fs::path folder = pattern;
  SilentUi ui;
  std::vector<double> pairs;
  {
    TMainGame game(Folders(VELMORA_PROGRAM_DIR, folder / "data"), ui);
    for (int run = 0; run < kRuns; ++run) pairs.push_back(UndoRedoPairsPerSecond(game, *klondike));
  }
  fs::remove_all(folder);
  std::printf("klondike_undo_redo_pairs_per_s %.0f 1/s\n", Median(pairs));
  return 0;
}
