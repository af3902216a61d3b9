#include "game/foundation_sweeps.h"

#include <algorithm>
#include <vector>

#include "game/rule_index.h"
#include "moves/move_rules.h"
#include "rules/deal_codes.h"

namespace velmora {
namespace {

constexpr int kAce = 1;
// Pre-fill 95: Kings on the first group of four foundations, Aces on the second.
constexpr int kGroupSize = 4;
// Pre-fill 95 sends the cards of the first four places to the Kings' group
// and those of places 7 to 10 to the Aces' group; any other place to both.
constexpr int kFirstAcesPlace = 6;

PileRef Tableau(int k) { return {PileGroup::Tableau, k}; }
PileRef Foundation(int k) { return {PileGroup::Foundations, k}; }

std::vector<int> Range(int first, int end) {
  std::vector<int> range;
  for (int k = first; k < end; ++k) range.push_back(k);
  return range;
}

// Asks the move rules about a dealt card as it lay when it was dealt: the
// cards above it are set aside while the question is asked, then put back.
class DealtCards {
 public:
  explicit DealtCards(DealContext& deal) : deal_(deal), rules_(deal.rules, deal.piles, deal.cards) {}

  int foundations() const { return rules_.foundationsInUse(); }
  int tableauPiles() const { return rules_.tableauInUse(); }
  std::size_t size(int pile) const { return deal_.piles.pile(Tableau(pile)).size(); }
  CardId at(int pile, std::size_t position) const { return deal_.piles.pile(Tableau(pile))[position]; }

  // The first of the candidate foundations that takes the card, or -1.
  int takerOf(int pile, std::size_t position, const std::vector<int>& candidates) {
    Pile& cards = deal_.piles.pile(Tableau(pile));
    const CardId card = cards[position];
    if (card == kNoCard) return -1;  // a gap is no card
    const Pile above(cards.begin() + static_cast<std::ptrdiff_t>(position) + 1, cards.end());
    cards.resize(position + 1);
    rules_.refresh();
    const auto taker = std::find_if(candidates.begin(), candidates.end(),
                                    [&](int k) { return rules_.canBuildOnFoundation(k, card); });
    cards.insert(cards.end(), above.begin(), above.end());
    return taker == candidates.end() ? -1 : *taker;
  }

  // Sends the card up when a candidate takes it; true when it went.
  bool sendUp(int pile, std::size_t position, const std::vector<int>& candidates) {
    const int taker = takerOf(pile, position, candidates);
    if (taker < 0) return false;
    Pile& cards = deal_.piles.pile(Tableau(pile));
    const CardId card = cards[position];
    cards.erase(cards.begin() + static_cast<std::ptrdiff_t>(position));
    deal_.piles.addCard(Foundation(taker), card, Face::Up, deal_.cards);
    return true;
  }

  std::vector<int> allFoundations() const { return Range(0, foundations()); }

 private:
  DealContext& deal_;
  MoveRules rules_;
};

// The foundations the sweep may send a card to. `place` is what pre-fill 95
// reads: the pile's number scanning position by position, the card's
// position in its pile scanning pile by pile.
std::vector<int> SweepTargets(const DealtCards& table, int code, int pile, int place) {
  switch (code) {
    case prefill::SuitAceSweepOwnPile:
      return pile < table.foundations() ? std::vector<int>{pile} : std::vector<int>{};
    case prefill::KingsAndAcesSweep:
      if (place < kGroupSize) return Range(0, std::min(kGroupSize, table.foundations()));
      if (place >= kFirstAcesPlace && place < kFirstAcesPlace + kGroupSize)
        return Range(kGroupSize, std::min(2 * kGroupSize, table.foundations()));
      return Range(0, std::min(2 * kGroupSize, table.foundations()));
    default:
      return table.allFoundations();
  }
}

std::size_t LongestPile(const DealtCards& table) {
  std::size_t longest = 0;
  for (int pile = 0; pile < table.tableauPiles(); ++pile) longest = std::max(longest, table.size(pile));
  return longest;
}

// The waste's top card, or the stock's when the waste is empty, onto the pile.
void RefillFromWasteOrStock(DealContext& deal, int pile) {
  Pile& waste = deal.piles.pile(kWaste);
  Pile& source = waste.empty() ? deal.piles.pile(kStock) : waste;
  if (source.empty()) return;
  const CardId card = source.back();
  source.pop_back();
  deal.piles.addCard(Tableau(pile), card, Face::Up, deal.cards);
}

}  // namespace

void SweepBaseCards(DealContext& deal) {
  DealtCards table(deal);
  const int code = deal.rules[rule::FoundationPrefill];
  if (deal.rules[rule::BaseSweepByPile] != 0) {
    for (int pile = 0; pile < table.tableauPiles(); ++pile)
      for (std::size_t position = 0; position < table.size(pile);) {
        const auto targets = SweepTargets(table, code, pile, static_cast<int>(position));
        if (!table.sendUp(pile, position, targets)) ++position;
      }
    return;
  }
  for (std::size_t position = 0; position < LongestPile(table); ++position)
    for (int pile = 0; pile < table.tableauPiles(); ++pile)
      while (position < table.size(pile) && table.sendUp(pile, position, SweepTargets(table, code, pile, pile))) {
      }
}

void AcesToFoundations(DealContext& deal) {
  DealtCards table(deal);
  for (int pile = 0; pile < table.tableauPiles(); ++pile)
    for (std::size_t position = 0; position < table.size(pile);) {
      if (CardRank(table.at(pile, position)) != kAce || !table.sendUp(pile, position, table.allFoundations())) {
        ++position;
        continue;
      }
      if (table.size(pile) == 0) RefillFromWasteOrStock(deal, pile);
    }
}

void BottomCardsToFoundations(DealContext& deal) {
  DealtCards table(deal);
  for (int pile = 0; pile < std::min(table.tableauPiles(), table.foundations()); ++pile)
    if (table.size(pile) > 0) table.sendUp(pile, 0, {pile});
}

}  // namespace velmora
