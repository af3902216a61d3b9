// New-game set-ups per second: deal list, deck preparation, dealing and base
// ranks, for a few games of different sizes. Medians of several runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "game/deal_table.h"
#include "rules/load_game_rules.h"
#include "text/fixed_text.h"

namespace {

using namespace velmora;

double DealsPerSecond(const RuleRecord& loaded) {
  RuleRecord rules = loaded;
  CardTable cards;
  PileStore piles;
  ProgramState state;
  constexpr int kDeals = 20000;
  std::vector<std::string> numbers;
  numbers.reserve(kDeals);
  for (std::int64_t i = 0; i < kDeals; ++i) numbers.push_back(FormatNumber(1 + i * 7919 * 104729 % 9'999'999'999'999, 13));
  const auto start = std::chrono::steady_clock::now();
  for (const std::string& number : numbers) {
    rules.restoreDealCopy();
    piles.clear();
    DealContext context{rules, cards, piles, state, number};
    DealTable(context);
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return kDeals / seconds;
}

}  // namespace

int main() {
  Catalogue catalogue;
  if (const auto fault = catalogue.loadRuleFile(VELMORA_PROGRAM_DIR "/GAMES.DAT")) {
    std::fprintf(stderr, "bench_deal: %s\n", fault->c_str());
    return 1;
  }
  const std::pair<const char*, const char*> games[] = {
      {"klondike", "Klondike (draw one)"}, {"freecell", "FreeCell"}, {"spider_four_suits", "Spider (four suits)"}};
  for (const auto& [label, name] : games) {
    RuleRecord rules;
    if (!LoadGameRules(catalogue, catalogue.GameNumberByName(name), rules)) {
      std::fprintf(stderr, "bench_deal: no game %s\n", name);
      return 1;
    }
    std::vector<double> runs;
    for (int run = 0; run < 5; ++run) runs.push_back(DealsPerSecond(rules));
    std::sort(runs.begin(), runs.end());
    std::printf("%s_deals_per_s %.0f 1/s\n", label, runs[runs.size() / 2]);
  }
  return 0;
}
