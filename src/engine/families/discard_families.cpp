// The families whose taken cards go to the discard pile (the third stock
// slot) at once instead of being carried: 2, 12 and 15. Only the top card of
// a tableau pile is taken (the free card), as the rules' take test says.
#include "families/family_kinds.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

// A card one rank above or below the discard pile's top card, whatever its
// suit; a King and an Ace do not follow each other.
class RankNeighbours : public GameFamily {
 public:
  using GameFamily::GameFamily;

  bool discardTakes(const TMainGame& game, CardId card) const override {
    const CardId top = game.piles().topCard(kThirdStockSlot);
    if (top == kNoCard || !IsNormalCard(card)) return false;
    const int difference = CardRank(card) - CardRank(top);
    return difference == 1 || difference == -1;
  }
};

// Families 12 and 15: a card one rank above or below the discard pile's top
// card, whatever its suit, a King and an Ace following each other.
class RankNeighboursRoundTheCorner : public GameFamily {
 public:
  using GameFamily::GameFamily;

  bool discardTakes(const TMainGame& game, CardId card) const override {
    const CardId top = game.piles().topCard(kThirdStockSlot);
    if (top == kNoCard || !IsNormalCard(card) || !IsNormalCard(top)) return false;
    const int rank = CardRank(top);
    return CardRank(card) == RankAbove(rank) || CardRank(card) == RankBelow(rank);
  }
};

}  // namespace

std::unique_ptr<GameFamily> MakeRankNeighboursRoundTheCornerFamily(const FamilyFacts& facts) {
  return std::make_unique<RankNeighboursRoundTheCorner>(facts);
}

std::unique_ptr<GameFamily> MakeRankNeighboursFamily(const FamilyFacts& facts) {
  return std::make_unique<RankNeighbours>(facts);
}

}  // namespace velmora
