#pragma once
// Card ids and the small questions every rule asks of a card. Ids 1-52 are the
// first deck (hearts, diamonds, clubs, spades; Ace to King each), 53-104 the
// second deck in the same order, 105-108 the jokers, 0 no card.
#include <string>
#include <string_view>

namespace velmora {

using CardId = int;

inline constexpr CardId kNoCard = 0;
inline constexpr CardId kFirstJoker = 105;
inline constexpr CardId kLastCard = 108;
inline constexpr int kJokerRank = 100;
inline constexpr int kCardsPerDeck = 52;
inline constexpr int kRanks = 13;

enum Suit : int { Hearts = 0, Diamonds = 1, Clubs = 2, Spades = 3 };

constexpr bool IsJoker(CardId id) { return id >= kFirstJoker && id <= kLastCard; }
constexpr bool IsNormalCard(CardId id) { return id >= 1 && id <= 2 * kCardsPerDeck; }

// The first-deck card that a second-deck card matches.
constexpr CardId FirstDeckCard(CardId id) { return id > kCardsPerDeck ? id - kCardsPerDeck : id; }

// 1 (Ace) to 13 (King); 0 for no card, 100 for a joker, -1 for anything else.
constexpr int CardRank(CardId id) {
  if (id == kNoCard) return 0;
  if (IsJoker(id)) return kJokerRank;
  if (!IsNormalCard(id)) return -1;
  return (FirstDeckCard(id) - 1) % kRanks + 1;
}

// 0 hearts, 1 diamonds, 2 clubs, 3 spades; -1 for a joker or no card.
constexpr int CardSuit(CardId id) { return IsNormalCard(id) ? (FirstDeckCard(id) - 1) / kRanks : -1; }

constexpr bool IsRed(CardId id) { return (id >= 1 && id <= 26) || (id >= 53 && id <= 78); }
constexpr bool IsFaceCard(CardId id) { return IsNormalCard(id) && CardRank(id) >= 11; }

// Ranks wrap: below an Ace is a King, above a King an Ace.
constexpr int RankBelow(int rank) { return rank == 1 ? kRanks : rank - 1; }
constexpr int RankAbove(int rank) { return rank == kRanks ? 1 : rank + 1; }

// The card of that suit (0-3) and rank (1-13) in the first deck.
constexpr CardId MakeCard(int suit, int rank) { return suit * kRanks + rank; }

// Which of the 53 card pictures shows the card: the first deck's 52, then the joker.
constexpr int CardImageIndex(CardId id) { return IsJoker(id) ? kCardsPerDeck : FirstDeckCard(id) - 1; }

// "" for 0, "A", "2" to "10", "J", "Q", "K".
std::string RankLabel(int rank);

// The id as the three digits every pile string and file holds ("007").
std::string CardIdText(CardId id);

}  // namespace velmora
