#include "game/deal_table.h"

#include <algorithm>
#include <array>

#include "cards/deal_generator.h"
#include "cards/deck_types.h"
#include "families/game_family.h"
#include "game/deal_type_steps.h"
#include "game/foundation_sweeps.h"
#include "game/remaining_deck.h"
#include "game/rule_index.h"
#include "rules/deal_codes.h"

namespace velmora {
namespace {

constexpr int kJokerBaseRank = -2;

int InUse(const RuleRecord& rules, int rule, int capacity) { return std::clamp<int>(rules[rule], 0, capacity); }

PileRef Foundation(int k) { return {PileGroup::Foundations, k}; }
PileRef Tableau(int k) { return {PileGroup::Tableau, k}; }
PileRef Reserve(int k) { return {PileGroup::Reserves, k}; }

// The rank a foundation starts from when this card opens it.
int BaseRankOf(CardId card) { return IsJoker(card) ? kJokerBaseRank : CardRank(card); }

void SetBaseRank(RuleRecord& rules, int foundation, int rank) {
  rules[rule::FoundationBaseRank + foundation] = static_cast<std::int16_t>(rank);
}

void SetAllBaseRanks(RuleRecord& rules, int rank) {
  for (int k = 0; k < kFoundations; ++k) SetBaseRank(rules, k, rank);
}

void PlaceOnFoundation(DealContext& deal, int k, CardId card) {
  deal.piles.addCard(Foundation(k), card, Face::Up, deal.cards);
  SetBaseRank(deal.rules, k, BaseRankOf(card));
}

// Deals `count` cards face down from the front of the deck onto a pile.
void DealFaceDown(DealContext& deal, RemainingDeck& deck, PileRef pile, int count) {
  for (int i = 0; i < count; ++i) {
    const auto card = deck.takeFront();
    if (!card) return;
    deal.piles.addCard(pile, *card, Face::Down, deal.cards);
  }
}

void DealFaceUp(DealContext& deal, RemainingDeck& deck, PileRef pile, int count) {
  for (int i = 0; i < count; ++i) {
    const auto card = deck.takeFront();
    if (!card) return;
    deal.piles.addCard(pile, *card, Face::Up, deal.cards);
  }
}

// ---- Foundations filled before anything else is dealt -------------------

std::optional<CardId> PrefillCard(DealContext& deal, RemainingDeck& deck, int k, int code) {
  const RuleRecord& rules = deal.rules;
  const auto onEarlierFoundations = [&](auto property, auto value) {
    for (int f = 0; f < k; ++f) {
      const CardId top = deal.piles.topCard(Foundation(f));
      if (top != kNoCard && property(top) == value) return true;
    }
    return false;
  };
  switch (code) {
    case prefill::ThirteenOnFromFirst: {
      // Thirteen cards on per foundation, wrapping within the deck (never to card 0).
      const int deckCards = rules[rule::DeckCards];
      if (!deck.front() || deckCards <= 0) return std::nullopt;
      return deck.take((*deck.front() - 1 + kRanks * (k + 1)) % deckCards + 1);
    }
    case prefill::SuitAceSweepAny:
    case prefill::SuitAceSweepOwnPile: return deck.take(kRanks * k + 1);
    case prefill::KingsAndAcesSweep: return deck.take(k <= 3 ? kRanks * (k + 1) : kRanks * k - 51);
    case prefill::FirstCard: return deck.takeFront();
    case prefill::FirstCardNewSuit:
      return deck.takeFirst([&](CardId c) { return !onEarlierFoundations(CardSuit, CardSuit(c)); });
    case prefill::FirstCardNewRank:
      return deck.takeFirst(
          [&](CardId c) { return CardRank(c) != kRanks && !onEarlierFoundations(CardRank, CardRank(c)); });
    default:
      if (code >= prefill::FirstOfRank(1) && code <= prefill::FirstOfRank(kRanks))
        return deck.takeFirst([code](CardId c) { return prefill::FirstOfRank(CardRank(c)) == code; });
      return deck.take(code > 99 ? code - 100 : kRanks * k + code);
  }
}

void PrefillFoundations(DealContext& deal, RemainingDeck& deck) {
  for (int k = 0; k < InUse(deal.rules, rule::Foundations, kFoundations); ++k) {
    const int code = deal.rules[rule::FoundationPrefill + k];
    if (code == prefill::Nothing || code == prefill::AcesFromTableau || code == prefill::TwoToNine) continue;
    if (code == prefill::BaseRankOnly) {
      SetBaseRank(deal.rules, k, deal.rules[rule::FoundationBaseRank]);
      continue;
    }
    if (const auto card = PrefillCard(deal, deck, k, code)) PlaceOnFoundation(deal, k, *card);
  }
}

// Prefill code 97 on the first foundation: ranks 2 to 9 open foundations 1 to 8.
void OpenFoundationsTwoToNine(DealContext& deal, RemainingDeck& deck) {
  for (int k = 0; k < 8; ++k)
    if (const auto card = deck.takeFirst([k](CardId c) { return CardRank(c) == k + 2; }))
      PlaceOnFoundation(deal, k, *card);
}

// The first card and every card of its rank open the foundations in turn.
void OpenWithFirstRank(DealContext& deal, RemainingDeck& deck) {
  const auto first = deck.takeFront();
  if (!first) return;
  deal.piles.addCard(Foundation(0), *first, Face::Up, deal.cards);
  for (int k = 1; k < kFoundations; ++k) {
    const auto same = deck.takeFirst([&](CardId c) { return CardRank(c) == CardRank(*first); });
    if (!same) break;
    deal.piles.addCard(Foundation(k), *same, Face::Up, deal.cards);
  }
  SetAllBaseRanks(deal.rules, BaseRankOf(*first));
}

// ---- The layout ----------------------------------------------------------

void DealSpecialTableauPiles(DealContext& deal, RemainingDeck& deck) {
  for (int k = 0; k < kTableauPiles; ++k) {
    const int code = deal.rules[rule::TableauCards + k];
    if (code > 1000 && code < 1500) {
      if (const auto card = deck.takeFirst([code](CardId c) { return CardRank(c) == code - 1000; }))
        deal.piles.addCard(Tableau(k), *card, Face::Down, deal.cards);
    } else if (code >= 1501 && code <= 1504) {
      deal.piles.addCard(Tableau(k), kFirstJoker + code - 1501, Face::Up, deal.cards);
      deck.take(kFirstJoker + code - 1501);
    } else {
      continue;
    }
    ApplyFaceCode(deal.piles.pile(Tableau(k)), deal.rules[rule::TableauFaceUp + k], deal.cards);
  }
}

void DealStockAndWaste(DealContext& deal, RemainingDeck& deck) {
  DealFaceDown(deal, deck, kStock, deal.rules[rule::StockCards]);
  if (deal.rules[rule::StockFaceDown] == 0)
    for (CardId card : deal.piles.pile(kStock)) deal.cards.setFace(card, Face::Up);
  DealFaceUp(deal, deck, kWaste, deal.rules[rule::WasteCards]);
}

void DealTableauAndReserves(DealContext& deal, RemainingDeck& deck) {
  for (int k = 0; k < kTableauPiles; ++k) {
    const int count = deal.rules[rule::TableauCards + k];
    if (count < 1 || count > 1000) continue;
    DealFaceDown(deal, deck, Tableau(k), count);
    ApplyFaceCode(deal.piles.pile(Tableau(k)), deal.rules[rule::TableauFaceUp + k], deal.cards);
  }
  DealFaceUp(deal, deck, kThirdStockSlot, deal.rules[rule::ThirdSlotCards]);
  for (int l = 0; l < kReserves; ++l) {
    const int count = deal.rules[rule::ReserveCards + l];
    if (count < 1) continue;
    DealFaceDown(deal, deck, Reserve(l), count);
    ApplyFaceCode(deal.piles.pile(Reserve(l)), deal.rules[rule::ReserveFaceUp + l], deal.cards);
  }
}

// The base-card rule settles the foundations' starting ranks after the layout.
void SettleBaseCards(DealContext& deal, RemainingDeck& deck) {
  RuleRecord& rules = deal.rules;
  switch (rules[rule::FoundationBaseCardRule]) {
    case base_card_rule::FirstCardSetsAll:
      if (const auto card = deck.takeFront()) {
        deal.piles.addCard(Foundation(0), *card, Face::Up, deal.cards);
        SetAllBaseRanks(rules, BaseRankOf(*card));
      }
      break;
    case base_card_rule::CardOnEach: {
      for (int k = 0; k < InUse(rules, rule::Foundations, kFoundations); ++k) DealFaceUp(deal, deck, Foundation(k), 1);
      const CardId first = deal.piles.topCard(Foundation(0));
      if (first != kNoCard)
        for (int k = 0; k < InUse(rules, rule::Foundations, kFoundations); ++k) SetBaseRank(rules, k, BaseRankOf(first));
      break;
    }
    case base_card_rule::AboveReserveBottom:
      for (int k = 0; k < InUse(rules, rule::Foundations, kFoundations) && k < kReserves; ++k) {
        const Pile& reserve = deal.piles.pile(Reserve(k));
        if (!reserve.empty()) SetBaseRank(rules, k, RankAbove(CardRank(reserve.front())));
      }
      break;
    case base_card_rule::FirstCardAndRankAbove:
      if (const auto card = deck.takeFront()) {
        deal.piles.addCard(Foundation(0), *card, Face::Up, deal.cards);
        for (int k = 0; k < 4; ++k) SetBaseRank(rules, k, BaseRankOf(*card));
        for (int k = 4; k < 8; ++k) SetBaseRank(rules, k, IsJoker(*card) ? kJokerBaseRank : RankAbove(CardRank(*card)));
      }
      break;
    default:
      break;
  }
}

// An empty tableau pile that takes "one rank below the base card" learns which rank that is.
void SettleTableauFillRanks(RuleRecord& rules) {
  constexpr int kBelowBaseCard = 91;
  const int base = rules[rule::FoundationBaseRank];
  for (int k = 0; k < kTableauPiles; ++k)
    if (rules[rule::TableauFill + k] == kBelowBaseCard)
      rules[rule::TableauFill + k] = static_cast<std::int16_t>(base >= 1 && base <= kRanks ? RankBelow(base) : kRanks);
}

void Run(const std::function<void(DealContext&)>& step, DealContext& deal) {
  if (step) step(deal);
}

}  // namespace

bool DealTable(DealContext& deal, const DealFollowUps& followUps) {
  RuleRecord& rules = deal.rules;
  const GameFamily& family = FamilyFor(rules[rule::Family]);
  const DeckMakeup makeup{rules[rule::DeckCards], rules[rule::JokersInDeck] == 1 ? rules[rule::Jokers] : 0,
                      rules[rule::StrippedDeck]};
  DealList list = BuildDealList(deal.dealDigits, makeup);
  PrepareDeck(list.cards, rules[rule::DealType], rules[rule::TableauPiles]);
  RemainingDeck deck(std::move(list.cards));

  PrefillFoundations(deal, deck);
  const int firstPrefill = rules[rule::FoundationPrefill];
  if (firstPrefill == prefill::TwoToNine) OpenFoundationsTwoToNine(deal, deck);
  family.dealStep(DealStage::BaseRanksSet, deal, deck);
  if (rules[rule::FoundationBaseCardRule] == base_card_rule::FirstRankEverywhere) OpenWithFirstRank(deal, deck);
  if (const int fixed = rules[rule::ThirdSlotFixedCard]; fixed != 0)
    if (const auto card = deck.take(fixed > 100 ? fixed - 100 : fixed))
      deal.piles.addCard(kThirdStockSlot, *card, Face::Up, deal.cards);

  DealSpecialTableauPiles(deal, deck);
  DealStockAndWaste(deal, deck);
  DealTableauAndReserves(deal, deck);
  SettleBaseCards(deal, deck);
  SettleTableauFillRanks(rules);
  if (rules[rule::ExtraCardToFoundation] == 1) DealFaceUp(deal, deck, Foundation(0), 1);
  family.dealStep(DealStage::ExtraCardDealt, deal, deck);
  if (firstPrefill == prefill::SuitAceSweepAny || firstPrefill == prefill::SuitAceSweepOwnPile ||
      firstPrefill == prefill::KingsAndAcesSweep)
    SweepBaseCards(deal);
  if (firstPrefill == prefill::AcesFromTableau) AcesToFoundations(deal);
  if (rules[rule::FamilySetup] == 1) family.dealStep(DealStage::FamilySetup, deal, deck);
  family.dealStep(DealStage::BeforeDealType, deal, deck);

  RunDealTypeStep(deal, deck);
  Run(followUps.openingScore, deal);
  return list.deckSizeValid;
}

}  // namespace velmora
