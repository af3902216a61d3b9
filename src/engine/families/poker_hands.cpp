// The hands, tested in the order of their worth. Five cards of one suit are
// scored by the suited hands only (royal flush, straight flush, flush); a
// suited run may pass from King to Ace, a mixed one may not.
#include "families/poker_hands.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr HandScore kRoyalFlush{"Royal Flush", 100};
constexpr HandScore kStraightFlush{"Straight Flush", 75};
constexpr HandScore kFourOfAKind{"Four of a Kind", 50};
constexpr HandScore kFullHouse{"Full House", 25};
constexpr HandScore kFlush{"Flush", 20};
constexpr HandScore kStraight{"Straight", 15};
constexpr HandScore kThreeOfAKind{"Three of a Kind", 10};
constexpr HandScore kTwoPair{"Two Pair", 5};
constexpr HandScore kOnePair{"One Pair", 2};
constexpr HandScore kNothing{};

using Ranks = std::array<int, kHandCards>;  // sorted ascending, Ace = 1

constexpr int kTen = 10;

// Ace, 10, Jack, Queen, King: the top run, where the Ace counts high.
constexpr bool IsTopRun(const Ranks& r) { return r == Ranks{1, kTen, 11, 12, kRanks}; }

constexpr bool IsRunInRow(const Ranks& r) {
  for (int i = 1; i < kHandCards; ++i)
    if (r[i] != r[i - 1] + 1) return false;
  return true;
}

// The suited runs that pass from King to Ace: J-Q-K-A-2, Q-K-A-2-3, K-A-2-3-4.
constexpr std::array<Ranks, 3> kRunsRoundTheCorner{
    Ranks{1, 2, 11, 12, kRanks}, Ranks{1, 2, 3, 12, kRanks}, Ranks{1, 2, 3, 4, kRanks}};

constexpr bool IsRunRoundTheCorner(const Ranks& r) {
  return std::ranges::find(kRunsRoundTheCorner, r) != kRunsRoundTheCorner.end();
}

HandScore SuitedHand(const Ranks& r) {
  if (IsTopRun(r)) return kRoyalFlush;
  if (IsRunInRow(r) || IsRunRoundTheCorner(r)) return kStraightFlush;
  return kFlush;
}

// The sizes of the groups of equal rank, largest first.
std::array<int, kHandCards> GroupSizes(const Ranks& r) {
  std::array<int, kHandCards> sizes{};
  int groups = 0;
  for (int i = 0; i < kHandCards; ++i) {
    if (i > 0 && r[i] == r[i - 1]) ++sizes[groups - 1];
    else sizes[groups++] = 1;
  }
  std::ranges::sort(sizes, std::greater<>());
  return sizes;
}

HandScore MixedHand(const Ranks& r) {
  if (IsRunInRow(r) || IsTopRun(r)) return kStraight;
  const auto sizes = GroupSizes(r);
  if (sizes[0] >= 4) return kFourOfAKind;
  if (sizes[0] == 3) return sizes[1] == 2 ? kFullHouse : kThreeOfAKind;
  if (sizes[0] == 2) return sizes[1] == 2 ? kTwoPair : kOnePair;
  return kNothing;
}

}  // namespace

HandScore HandValue(const PokerHand& cards) {
  if (std::ranges::any_of(cards, [](CardId card) { return !IsNormalCard(card); })) return kNothing;
  Ranks ranks{};
  std::ranges::transform(cards, ranks.begin(), CardRank);
  std::ranges::sort(ranks);
  const bool oneSuit =
      std::ranges::all_of(cards, [&](CardId card) { return CardSuit(card) == CardSuit(cards.front()); });
  return oneSuit ? SuitedHand(ranks) : MixedHand(ranks);
}

}  // namespace velmora
