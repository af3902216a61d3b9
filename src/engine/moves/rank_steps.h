#pragma once
// The rank and suit steps the special building codes are made of.
#include "cards/card.h"

namespace velmora::rank_step {

inline constexpr int Ace = 1, Two = 2, Six = 6, Seven = 7, Jack = 11, Queen = 12, King = 13;

constexpr bool Up(int d, int c) { return c == d + 1; }
constexpr bool Down(int d, int c) { return c == d - 1; }
// One rank up, an Ace on a King.
constexpr bool UpWrapping(int d, int c) { return c == RankAbove(d); }
// One rank down, a King on an Ace.
constexpr bool DownWrapping(int d, int c) { return c == RankBelow(d); }
// One rank apart either way, King and Ace adjoining both ways.
constexpr bool NextToWrapping(int d, int c) { return UpWrapping(d, c) || DownWrapping(d, c); }
// n ranks up, counting on from the Ace after the King.
constexpr int RankAfter(int d, int n) { return (d - 1 + n) % kRanks + 1; }

constexpr bool SameSuit(CardId a, CardId b) { return CardSuit(a) >= 0 && CardSuit(a) == CardSuit(b); }
constexpr bool SameColour(CardId a, CardId b) { return IsNormalCard(a) && IsNormalCard(b) && IsRed(a) == IsRed(b); }
constexpr bool OtherColour(CardId a, CardId b) { return IsNormalCard(a) && IsNormalCard(b) && IsRed(a) != IsRed(b); }

// The suit that follows in the cycle of codes 86 and 87: 0, 2, 1, 3, then 0 again.
constexpr int NextSuitInCycle(int suit) {
  constexpr int kNext[] = {2, 3, 1, 0};
  return suit >= 0 && suit < 4 ? kNext[suit] : -1;
}

}  // namespace velmora::rank_step
