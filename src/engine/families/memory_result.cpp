#include "families/memory_result.h"

#include <numeric>
#include <string>

#include "families/memory_games.h"
#include "game/rule_index.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

using Count = GameUi::MemoryResult::Count;

enum MemoryFamily { kAceToKing = 36, kPairs = 37, kForgetMeNot = 38, kConcentration = 39 };

constexpr int kMemoryDeck = 52;  // the pair games and Ace-To-King score against one deck
constexpr int kRemembered = 10;  // Forget me not: the cards shown at the deal

// The points of a match and of a miss, family by family.
constexpr int kRunCardPoints = 15, kRunMissPoints = -1;
constexpr int kTwinPoints = 10, kTwinMissPoints = -2;
constexpr int kPlacePoints = 10, kPlaceMissPoints = 0;
constexpr int kRankPairPoints = 7, kRankMissPoints = -1;

Count Counted(std::string what, std::int64_t count, std::int64_t pointsEach) {
  return {.what = std::move(what), .count = count, .pointsEach = pointsEach, .points = count * pointsEach};
}

int Misses(const TMainGame& game) { return game.state().word(word::MemoryMisses); }

int DiscardedPairs(const TMainGame& game) { return static_cast<int>(game.piles().pile(kThirdStockSlot).size()) / 2; }

// The grid the tableau piles of a Pairs game lay, by their number (rule 368).
std::string GridCaption(int piles) {
  switch (piles) {
    case 3: return "Grid: 4 x 3";
    case 4: return "Grid: 6 x 4";
    case 5: return "Grid: 8 x 5";
    default: return "";
  }
}

void FillPage(const TMainGame& game, GameUi::MemoryResult& result) {
  switch (game.rules()[rule::Family]) {
    case kAceToKing:
      result.page = "Ace-To-King";
      result.counts = {Counted("Matches", RunLength(game), kRunCardPoints),
                       Counted("Misses", Misses(game), kRunMissPoints)};
      result.start = -kMemoryDeck;
      return;
    case kPairs:
      result.page = "Pairs";
      result.heading = GridCaption(game.rules()[rule::TableauPiles]);
      result.counts = {Counted("Matches", DiscardedPairs(game), kTwinPoints),
                       Counted("Misses", Misses(game), kTwinMissPoints)};
      result.start = -kMemoryDeck;
      return;
    case kForgetMeNot: {
      const int matches = RememberedMatches(game);
      result.page = "Forget me not";
      result.heading = "Cards: " + std::to_string(kRemembered);
      result.counts = {Counted("Matches", matches, kPlacePoints),
                       Counted("Misses", kRemembered - matches, kPlaceMissPoints)};
      result.start = -game.rules()[rule::DeckCards];
      return;
    }
    case kConcentration:
      result.page = "Concentration";
      result.heading = "Cards: " + std::to_string(kMemoryDeck);
      result.counts = {Counted("Matches", DiscardedPairs(game), kRankPairPoints),
                       Counted("Misses", Misses(game), kRankMissPoints)};
      result.start = -kMemoryDeck;
      return;
    default: return;
  }
}

}  // namespace

GameUi::MemoryResult MemoryResultOf(const TMainGame& game, bool won) {
  GameUi::MemoryResult result{.won = won, .scoreToWin = game.rules()[rule::ScoreToWin]};
  FillPage(game, result);
  result.total = MemoryTotal(result);
  return result;
}

std::int64_t MemoryTotal(const GameUi::MemoryResult& result) {
  return std::accumulate(result.counts.begin(), result.counts.end(), result.start,
                         [](std::int64_t sum, const Count& count) { return sum + count.points; });
}

}  // namespace velmora
