#include "game/deal_type_steps.h"

#include <algorithm>
#include <array>
#include <random>
#include <string>

#include "game/foundation_sweeps.h"
#include "game/rule_index.h"
#include "rules/deal_codes.h"

namespace velmora {
namespace {

constexpr int kQueen = 12;
constexpr int kKing = 13;

PileRef Tableau(int k) { return {PileGroup::Tableau, k}; }
int TableauInUse(const DealContext& deal) { return std::clamp<int>(deal.rules[rule::TableauPiles], 0, kTableauPiles); }
int FoundationsInUse(const DealContext& deal) {
  return std::clamp<int>(deal.rules[rule::Foundations], 0, kFoundations);
}

// 1: a King at the bottom of a pile goes under the stock with its pile, and the
// lowest other card of the stock takes the pile's place.
void KingsUnderTheStock(DealContext& deal) {
  std::vector<PileRef> piles;
  for (int k = 0; k < TableauInUse(deal); ++k) piles.push_back(Tableau(k));
  for (int k = 0; k < FoundationsInUse(deal); ++k) piles.push_back({PileGroup::Foundations, k});
  Pile& stock = deal.piles.pile(kStock);
  for (PileRef ref : piles) {
    Pile& pile = deal.piles.pile(ref);
    if (pile.empty() || CardRank(pile.front()) != kKing) continue;
    // Every card of the pile goes under the stock: none may leave the game.
    stock.insert(stock.begin(), pile.begin(), pile.end());
    pile.clear();
    if (!stock.empty()) deal.cards.setFace(stock.back(), Face::Down);
    const auto lowest = std::find_if(stock.begin(), stock.end(), [](CardId c) { return CardRank(c) != kKing; });
    if (lowest == stock.end()) continue;
    deal.piles.addCard(ref, *lowest, Face::Up, deal.cards);
    stock.erase(lowest);
  }
}

// 2 and 4: the first card of `rank` starts the first pile, the rest of the deck
// follows face up, each card of that rank starting the next pile.
void LayOutRunsFrom(DealContext& deal, RemainingDeck& deck, int rank) {
  const auto first = deck.takeFirst([rank](CardId c) { return CardRank(c) == rank; });
  if (first) {
    Pile& pileOne = deal.piles.pile(Tableau(0));
    pileOne.assign(1, *first);
    deal.cards.setFace(*first, Face::Up);
  }
  int current = 0;
  while (const auto card = deck.takeFront()) {
    if (CardRank(*card) == rank && current + 1 < kTableauPiles) ++current;
    deal.piles.addCard(Tableau(current), *card, Face::Up, deal.cards);
  }
  SweepBaseCards(deal);
}

// 3: the tableau is dealt again so that no pile holds two cards of one rank.
void NoRankTwiceInAPile(DealContext& deal) {
  std::vector<CardId> pool;
  for (int k = 0; k < kTableauPiles; ++k) {
    const Pile& pile = deal.piles.pile(Tableau(k));
    pool.insert(pool.end(), pile.begin(), pile.end());
  }
  for (int k = 0; k < kTableauPiles; ++k) {
    Pile& pile = deal.piles.pile(Tableau(k));
    const std::size_t slots = pile.size();
    pile.clear();
    for (std::size_t slot = 0; slot < slots && !pool.empty(); ++slot) {
      auto fits = std::find_if(pool.begin(), pool.end(), [&](CardId c) {
        return std::none_of(pile.begin(), pile.end(), [c](CardId placed) { return CardRank(placed) == CardRank(c); });
      });
      // When no card fits, the pile takes the next one anyway rather than lose it.
      if (fits == pool.end()) fits = pool.begin();
      pile.push_back(*fits);
      pool.erase(fits);
    }
  }
}

// 5 and 6: every remaining card goes onto the pile numbered by its rank (less `offset`).
void SortByRank(DealContext& deal, RemainingDeck& deck, int offset) {
  deck.removeIf([&](CardId card) {
    const int index = CardRank(card) - offset - 1;
    if (index < 0 || index >= kTableauPiles) return false;
    deal.piles.addCard(Tableau(index), card, Face::Up, deal.cards);
    return true;
  });
}

// 8 and 15: cards of a rank leave their places as gaps.
void OpenGaps(DealContext& deal, int rank, std::size_t padTo) {
  const int piles = std::clamp<int>(deal.rules[rule::TableauPiles], 0, kTableauPiles);  // only the rows in use are padded
  for (int k = 0; k < piles; ++k) {
    Pile& pile = deal.piles.pile(Tableau(k));
    std::replace_if(pile.begin(), pile.end(), [rank](CardId c) { return CardRank(c) == rank; }, kNoCard);
    if (pile.size() < padTo) pile.resize(padTo, kNoCard);
  }
}

// 9: the pile that starts with the card numbered by the tableau count is emptied.
void EmptyPileOfCard(DealContext& deal) {
  const int count = deal.rules[rule::TableauPiles];
  const CardId card = count > kRanks ? count + kRanks : count;
  for (int k = 0; k < kTableauPiles; ++k) {
    Pile& pile = deal.piles.pile(Tableau(k));
    if (!pile.empty() && pile.front() == card) {
      pile.clear();
      return;
    }
  }
}

// 10: one of the first piles is emptied. The choice follows the deal number,
// so that a deal number always gives the same table.
void EmptyOnePile(DealContext& deal) {
  const int choices = TableauInUse(deal) - 1;
  if (choices <= 0) return;
  std::mt19937 chooser(static_cast<std::mt19937::result_type>(std::stoull(std::string(deal.dealDigits))));
  deal.piles.pile(Tableau(static_cast<int>(chooser() % static_cast<unsigned>(choices)))).clear();
}

// 13: each foundation in use takes the next card.
void OneCardPerFoundation(DealContext& deal, RemainingDeck& deck) {
  for (int k = 0; k < FoundationsInUse(deal); ++k)
    if (const auto card = deck.takeFront()) deal.piles.addCard({PileGroup::Foundations, k}, *card, Face::Up, deal.cards);
}

// 17: counting one to thirteen, a card that matches the count goes to the
// stock; the others go to the pile of the count (the reserve at thirteen).
void CountedLayout(DealContext& deal, RemainingDeck& deck) {
  int count = 1;
  while (const auto card = deck.takeFront()) {
    if (CardRank(*card) == count) {
      deal.piles.addCard(kStock, *card, Face::Down, deal.cards);
      continue;
    }
    const PileRef target = count == kRanks ? PileRef{PileGroup::Reserves, 0} : Tableau(count - 1);
    deal.piles.addCard(target, *card, Face::Up, deal.cards);
    count = count == kRanks ? 1 : count + 1;
  }
}

// 18: sixteen number cards in four groups, whose rank sums the game keeps.
void SixteenNumberCards(DealContext& deal, RemainingDeck& deck) {
  const std::vector<CardId> cards(deck.cards().begin(), deck.cards().end());
  const std::size_t head = std::min<std::size_t>(21, cards.size());
  std::vector<CardId> kept;
  for (std::size_t i = 0; i < cards.size(); ++i)
    if (i >= head || CardRank(cards[i]) < 11 || CardRank(cards[i]) > kKing) kept.push_back(cards[i]);
  kept.resize(std::min<std::size_t>(16, kept.size()));
  deck = RemainingDeck({});
  for (int group = 0; group < 4; ++group) {
    int sum = 0;
    for (int i = group * 4; i < group * 4 + 4 && i < static_cast<int>(kept.size()); ++i)
      sum += CardRank(kept[static_cast<std::size_t>(i)]);
    deal.state.setWord(118 + group, sum);
  }
  for (std::size_t i = 0; i < kept.size(); ++i)
    deal.piles.addCard(Tableau(static_cast<int>(i)), kept[i], Face::Up, deal.cards);
}

// 19: ten piles of one number card each, steered by a key of five digits
// taken from the deal number.
void TenKeyedCards(DealContext& deal, RemainingDeck& deck) {
  std::vector<int> key;
  for (int position : {3, 5, 8, 10, 12}) {
    int digit = deal.dealDigits[static_cast<std::size_t>(position - 1)] - '0';
    while (std::find(key.begin(), key.end(), digit) != key.end()) digit = (digit + 1) % 10;
    key.push_back(digit);
  }
  for (int pile = 0; pile < 10; ++pile) {
    bool placed = false;
    while (!placed) {
      const auto card = deck.takeFront();
      if (!card) return;
      const int rank = CardRank(*card);
      if (rank < 1 || rank > 10) continue;
      const auto inKey = std::find(key.begin(), key.end(), rank % 10);
      if (inKey != key.end()) {
        key.erase(inKey);
        placed = true;
      } else {
        placed = 9 - pile >= static_cast<int>(key.size());
      }
      if (placed) deal.piles.addCard(Tableau(pile), *card, Face::Up, deal.cards);
    }
  }
}

}  // namespace

void RunDealTypeStep(DealContext& deal, RemainingDeck& deck) {
  switch (deal.rules[rule::DealType]) {
    case deal_type::KingsToStockBottom: KingsUnderTheStock(deal); break;
    case deal_type::RunsFromKings: LayOutRunsFrom(deal, deck, kKing); break;
    case deal_type::NoRankTwiceInAPile: NoRankTwiceInAPile(deal); break;
    case deal_type::RunsFromQueens: LayOutRunsFrom(deal, deck, kQueen); break;
    case deal_type::ToPileOneBelowRank: SortByRank(deal, deck, 1); break;
    case deal_type::ToPileOfRank: SortByRank(deal, deck, 0); break;
    case deal_type::BottomCardsUp: BottomCardsToFoundations(deal); break;
    case deal_type::AcesLeaveGaps: OpenGaps(deal, 1, 0); break;
    case deal_type::OneSuitUpToCount: EmptyPileOfCard(deal); break;
    case deal_type::OneRandomGap: EmptyOnePile(deal); break;
    case deal_type::CardPerFoundation: OneCardPerFoundation(deal, deck); break;
    case deal_type::KingsLeaveGapsRowsOfNine: OpenGaps(deal, kKing, 9); break;
    case deal_type::CountedLayout: CountedLayout(deal, deck); break;
    case deal_type::SixteenNumberCards: SixteenNumberCards(deal, deck); break;
    case deal_type::TenKeyedCards: TenKeyedCards(deal, deck); break;
    default: break;
  }
}

}  // namespace velmora
