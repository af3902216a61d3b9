#include "cards/deal_generator.h"

#include <algorithm>
#include <array>

#include "text/fixed_text.h"

namespace velmora {
namespace {

using Row = std::array<int, 8>;

// The suits (1 hearts to 4 spades) of the eight cards of one rank, by row.
constexpr std::array<Row, 13> kSuitRows{{
    {4, 2, 3, 1, 4, 2, 1, 3},
    {1, 3, 2, 4, 4, 3, 2, 1},
    {2, 4, 3, 1, 3, 4, 1, 2},
    {3, 4, 2, 1, 2, 3, 1, 4},
    {4, 2, 3, 1, 1, 3, 4, 2},
    {1, 4, 2, 3, 4, 1, 2, 3},
    {2, 1, 3, 4, 3, 1, 2, 4},
    {3, 2, 1, 4, 2, 4, 1, 3},
    {4, 3, 1, 2, 1, 2, 3, 4},
    {2, 1, 4, 3, 4, 2, 1, 3},
    {3, 1, 4, 2, 1, 2, 4, 3},
    {3, 2, 4, 1, 1, 4, 3, 2},
    {2, 3, 4, 1, 4, 1, 3, 2},
}};

// How far each of the eight cards of a rank lands from the one before, by row.
constexpr std::array<Row, 10> kStepRows{{
    {25, 18, 13, 22, 21, 20, 15, 15},
    {20, 19, 12, 13, 18, 18, 23, 17},
    {30, 21, 19, 19, 13, 22, 20, 18},
    {51, 16, 14, 18, 21, 21, 17, 19},
    {18, 19, 19, 23, 13, 16, 15, 20},
    {17, 21, 14, 19, 19, 16, 18, 17},
    {48, 16, 13, 14, 19, 20, 20, 16},
    {11, 21, 21, 23, 17, 18, 22, 20},
    {22, 16, 13, 13, 19, 17, 22, 13},
    {24, 13, 20, 21, 21, 14, 15, 22},
}};

// The deal number's digits, read 1-based as the rules count them.
class Digits {
 public:
  explicit Digits(std::string_view text) : text_(text) {}
  int at(int i) const { return text_[static_cast<std::size_t>(i - 1)] - '0'; }
  // The number formed by the digits at these positions, in this order.
  template <typename... I>
  int number(I... positions) const {
    int n = 0;
    ((n = n * 10 + at(positions)), ...);
    return n;
  }
  // The nine digits left when four are taken out, as a number.
  long long withoutFour(int stage) const {
    int first = 1, last = 13, skipFrom = stage, skipTo = stage + 3;
    if (stage >= 11) {  // the last stages read a run of nine digits
      first = stage - 8;
      last = stage;
      skipFrom = skipTo = 0;
    }
    long long n = 0;
    for (int i = first; i <= last; ++i)
      if (i < skipFrom || i > skipTo) n = n * 10 + at(i);
    return n;
  }

 private:
  std::string_view text_;
};

// Moves a position along the list, wrapping past its end.
int Advance(int position, int step, int size) {
  position += step;
  if (position >= size) return position % size;
  return position < 0 ? 0 : position;
}

void PlaceJokers(std::vector<CardId>& list, const Digits& d, int start, int jokers) {
  const Row& steps = kStepRows[static_cast<std::size_t>(d.at(1))];
  const int size = static_cast<int>(list.size());
  int z = start;
  for (int j = 1; j <= jokers; ++j) {
    z = Advance(z, steps[static_cast<std::size_t>(j - 1)], size);
    const int slot = FindFreeSlot(list, z, true);
    if (slot >= 0) list[static_cast<std::size_t>(slot)] = kFirstJoker + j - 1;
  }
}

void PlaceRanks(std::vector<CardId>& list, const Digits& d, int y, int cardsPerRank) {
  std::vector<int> ranks{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
  const int size = static_cast<int>(list.size());
  int a = 1, b = 7, c = 13;
  for (int stage = 1; stage <= 13; ++stage) {
    const int digit = d.at(stage);
    const Row& steps = kStepRows[static_cast<std::size_t>(digit)];
    const bool forward = digit == 0;
    const Row& suits = kSuitRows[static_cast<std::size_t>(d.withoutFour(stage) % 13)];

    int pick = d.number(a, b, c) % 13;
    const int last = static_cast<int>(ranks.size()) - 1;
    if (pick > last) pick = forward ? last : 0;
    const int rank = ranks[static_cast<std::size_t>(pick)];
    ranks.erase(ranks.begin() + pick);
    for (int* pointer : {&a, &b, &c})
      if (++*pointer > 13) *pointer -= 13;

    y -= digit;
    for (int i = 0; i < cardsPerRank; ++i) {
      y = Advance(y, steps[static_cast<std::size_t>(i)], size);
      const CardId card = MakeCard(suits[static_cast<std::size_t>(i)] - 1, rank) + (i >= 4 ? kCardsPerDeck : 0);
      if (list[static_cast<std::size_t>(y)] != kNoCard) y = FindFreeSlot(list, y, forward);
      if (y >= 0) list[static_cast<std::size_t>(y)] = card;
    }
  }
}

void StripDeck(std::vector<CardId>& list, int strip) {
  std::erase_if(list, [strip](CardId id) {
    const int rank = CardRank(id);
    return (rank >= 2 && rank <= 6) || (strip == 2 && rank == kRanks);
  });
}

}  // namespace

std::optional<std::string> ParseDealNumber(std::string_view text) {
  text = Trim(text);
  if (text.empty() || text.size() > kDealNumberDigits) return std::nullopt;
  for (char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  if (text.find_first_not_of('0') == std::string_view::npos) return std::nullopt;  // deal numbers run from 1
  return std::string(kDealNumberDigits - text.size(), '0') + std::string(text);
}

int FindFreeSlot(const std::vector<CardId>& list, int start, bool forward) {
  const int size = static_cast<int>(list.size());
  const auto empty = [&](int i) { return list[static_cast<std::size_t>(i)] == kNoCard; };
  if (forward) {
    for (int i = std::max(start, 0); i < size; ++i)
      if (empty(i)) return i;
  } else {
    for (int i = std::min(start, size - 1); i >= 0; --i)
      if (empty(i)) return i;
  }
  for (int i = 0; i < size; ++i)
    if (empty(i)) return i;
  return -1;
}

DealList BuildDealList(std::string_view dealDigits, const DeckMakeup& deck) {
  DealList deal;
  const auto digits = ParseDealNumber(dealDigits);
  const int size = std::max(deck.cards, 0) + std::clamp(deck.jokers, 0, 4);
  deal.cards.assign(static_cast<std::size_t>(size), kNoCard);
  if (!digits || size == 0) {
    deal.deckSizeValid = size != 0;
    return deal;
  }
  const Digits d(*digits);
  const int cardsPerRank = deck.cards <= kCardsPerDeck ? 4 : deck.cards == 2 * kCardsPerDeck ? 8 : 0;
  deal.deckSizeValid = cardsPerRank != 0;

  const int start = d.number(2, 6, 12);
  PlaceJokers(deal.cards, d, start, std::clamp(deck.jokers, 0, 4));
  if (cardsPerRank > 0) PlaceRanks(deal.cards, d, start, cardsPerRank);
  if (deck.strip == 1 || deck.strip == 2) StripDeck(deal.cards, deck.strip);
  return deal;
}

std::string DealListText(const std::vector<CardId>& list) {
  std::string out;
  out.reserve(list.size() * 3);
  for (CardId id : list) out += CardIdText(id);
  return out;
}

}  // namespace velmora
