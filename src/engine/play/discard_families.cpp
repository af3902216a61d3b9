#include "play/discard_families.h"

#include "game/rule_index.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kRankNeighbours = 2;

}  // namespace

bool TakenCardsAreDiscarded(const TMainGame& game) {
  const int family = game.rules()[rule::Family];
  return family == kRankNeighbours || family == 12 || family == 15;
}

bool DiscardTakes(const TMainGame& game, CardId card) {
  if (game.rules()[rule::Family] != kRankNeighbours) return false;
  const CardId top = game.piles().topCard(kThirdStockSlot);
  if (top == kNoCard || !IsNormalCard(card)) return false;
  const int difference = CardRank(card) - CardRank(top);
  return difference == 1 || difference == -1;
}

}  // namespace velmora
