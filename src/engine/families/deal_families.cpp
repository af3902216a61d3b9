// The families that deal part of the table their own way: 11, 22 and 50,
// and the removal games whose rules ask for their set-up.
#include <algorithm>

#include "families/family_kinds.h"
#include "families/removal_family.h"
#include "game/deal_table.h"
#include "game/remaining_deck.h"
#include "game/rule_index.h"
#include "text/rounding.h"

namespace velmora {
namespace {

constexpr PileRef Foundation(int k) { return {PileGroup::Foundations, k}; }

class AcesFromReserveAndWaste : public GameFamily {
 public:
  using GameFamily::GameFamily;

  // The Aces dealt to the first reserve open foundations 2, 3...; the first
  // Ace of the waste opens foundation 1, and waste cards refill the reserve.
  void dealStep(DealStage stage, DealContext& deal, RemainingDeck& /*deck*/) const override {
    if (stage != DealStage::ExtraCardDealt) return;
    Pile& reserve = deal.piles.pile({PileGroup::Reserves, 0});
    const int acesTaken = AcesFromReserve(deal, reserve);
    RefillFromWaste(deal, reserve, acesTaken);
    for (CardId card : reserve) deal.cards.setFace(card, Face::Up);
  }

 private:
  static int AcesFromReserve(DealContext& deal, Pile& reserve) {
    int acesTaken = 0;
    for (auto it = reserve.begin(); it != reserve.end();) {
      if (CardRank(*it) != 1 || 1 + acesTaken >= kFoundations) {
        ++it;
        continue;
      }
      deal.piles.addCard(Foundation(1 + acesTaken++), *it, Face::Up, deal.cards);
      it = reserve.erase(it);
    }
    return acesTaken;
  }

  static void RefillFromWaste(DealContext& deal, Pile& reserve, int acesTaken) {
    Pile& waste = deal.piles.pile(kWaste);
    bool acePlaced = false;
    int replaced = 0;
    for (auto it = waste.begin(); it != waste.end() && !(acePlaced && replaced == acesTaken);) {
      if (CardRank(*it) == 1 && !acePlaced) {
        deal.piles.addCard(Foundation(0), *it, Face::Up, deal.cards);
        acePlaced = true;
      } else if (CardRank(*it) != 1 && replaced < acesTaken) {
        reserve.push_back(*it);
        ++replaced;
      } else {
        ++it;
        continue;
      }
      it = waste.erase(it);
    }
  }
};

// Takes a card from wherever it lies on the table.
bool TakeFromTable(PileStore& piles, CardId card) {
  for (PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves})
    for (int i = 0; i < GroupSize(group); ++i) {
      Pile& pile = piles.pile({group, i});
      if (const auto it = std::find(pile.begin(), pile.end(), card); it != pile.end()) {
        pile.erase(it);
        return true;
      }
    }
  return false;
}

class HeartsRoyals : public GameFamily {
 public:
  using GameFamily::GameFamily;

  // The Queen of hearts starts the first pile; the King of hearts lies at the bottom of the stock.
  void dealStep(DealStage stage, DealContext& deal, RemainingDeck& deck) const override {
    if (stage != DealStage::BeforeDealType) return;
    constexpr CardId queen = MakeCard(Hearts, 12), king = MakeCard(Hearts, 13);
    if (deck.take(queen) || TakeFromTable(deal.piles, queen))
      deal.piles.addCard({PileGroup::Tableau, 0}, queen, Face::Up, deal.cards);
    if (deck.take(king) || TakeFromTable(deal.piles, king)) {
      Pile& stock = deal.piles.pile(kStock);
      stock.insert(stock.begin(), king);
    }
  }
};

class DoubledBases : public GameFamily {
 public:
  using GameFamily::GameFamily;

  // The second half of the foundations counts by twos from the first half's bases.
  void dealStep(DealStage stage, DealContext& deal, RemainingDeck& /*deck*/) const override {
    if (stage != DealStage::BaseRanksSet) return;
    RuleRecord& rules = deal.rules;
    const int used = std::clamp<int>(rules[rule::Foundations], 0, kFoundations);
    const int half = DivideRounded(used, 2);
    for (int k = half; k < used; ++k) {
      int rank = 2 * rules[rule::FoundationBaseRank + k - half];
      if (rank > kRanks) rank -= kRanks;
      rules[rule::FoundationBaseRank + k] = static_cast<std::int16_t>(rank == 0 ? kRanks : rank);
    }
  }
};

}  // namespace

// As after every discard, each empty tableau pile in use takes the stock's top card, face up.
void RemovalFamily::dealStep(DealStage stage, DealContext& deal, RemainingDeck& /*deck*/) const {
  if (stage != DealStage::FamilySetup) return;
  FillEmptyTableauFromStock(deal.piles, deal.cards, std::clamp<int>(deal.rules[rule::TableauPiles], 0, kTableauPiles));
}

std::unique_ptr<GameFamily> MakeAcesFromReserveAndWasteFamily(const FamilyFacts& facts) {
  return std::make_unique<AcesFromReserveAndWaste>(facts);
}

std::unique_ptr<GameFamily> MakeHeartsRoyalsFamily(const FamilyFacts& facts) {
  return std::make_unique<HeartsRoyals>(facts);
}

std::unique_ptr<GameFamily> MakeDoubledBasesFamily(const FamilyFacts& facts) {
  return std::make_unique<DoubledBases>(facts);
}

}  // namespace velmora
