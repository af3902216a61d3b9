#include "rules/game_check.h"

#include <algorithm>

#include "families/game_family.h"
#include "rules/building_codes.h"
#include "rules/deal_codes.h"

namespace velmora {
namespace {

namespace rule {
constexpr int FoundationBuilding = 84, TableauBuilding = 212, ReserveAccepts = 332;
constexpr int BaseCardRule = 1, ExtraCardToFoundation = 12, FoundationCapacity = 32, DealType = 34;
constexpr int RemovalTargetSum = 39, JokersInDeck = 44, StrippedDeck = 47, Family = 51, FamilySetup = 31;
constexpr int FoundationPrefill = 100, FoundationCapacityEach = 116;
constexpr int ThirdSlotFixedCard = 352, Foundations = 367, TableauPiles = 368, Reserves = 369;
constexpr int DeckCards = 371, StockCards = 372, WasteCards = 373, Jokers = 374;
constexpr int TableauCards = 375, TableauFaceUp = 415, ThirdSlotCards = 455;
constexpr int ReserveCards = 456, ReserveFaceUp = 466;
}  // namespace rule

// Deal types that lay the rest of the deck out by themselves (or cut it).
constexpr int kDealTypesPlacingTheRest[] = {deal_type::RunsFromKings,      deal_type::RunsFromQueens,
                                           deal_type::ToPileOneBelowRank, deal_type::ToPileOfRank,
                                           deal_type::CountedLayout,      deal_type::SixteenNumberCards,
                                           deal_type::TenKeyedCards};
// Deck types that thin the deck before the deal, so the counts cannot be checked.
constexpr int kDealTypesThinningTheDeck[] = {deal_type::OneSuitUpToCount, deal_type::OneOfEachRank,
                                             deal_type::FixedSelection, deal_type::OneSuitAceToNine,
                                             deal_type::NoQueensOrKings};
constexpr int kPrefillPlacingNothing[] = {prefill::Nothing, prefill::BaseRankOnly, prefill::AcesFromTableau,
                                          prefill::TwoToNine};
constexpr int kPrefillAllEightBaseCards = prefill::TwoToNine;

template <std::size_t N>
bool OneOf(int value, const int (&set)[N]) {
  return std::find(std::begin(set), std::end(set), value) != std::end(set);
}

int Rule(const RuleValues& rules, int index) { return rules[static_cast<std::size_t>(index)]; }

int CardsInDeck(const RuleValues& rules) {
  const int deck = Rule(rules, rule::DeckCards);
  const int stripped = Rule(rules, rule::StrippedDeck);
  const int perDeck = stripped == 1 ? 32 : stripped == 2 ? 28 : 52;
  const int jokers = Rule(rules, rule::JokersInDeck) ? Rule(rules, rule::Jokers) : 0;
  return deck / 52 * perDeck + jokers;
}

bool IsRemovalGame(const RuleValues& rules) {
  return Rule(rules, rule::RemovalTargetSum) != 0 || FamilyFor(Rule(rules, rule::Family)).facts().selects;
}

void CheckDeck(const RuleValues& rules, std::vector<std::string>& problems) {
  const int deck = Rule(rules, rule::DeckCards);
  if (deck != 52 && deck != 104)
    problems.push_back("deck_cards is " + std::to_string(deck) + "; the engine deals 52 or 104 cards");
  if (Rule(rules, rule::Foundations) + Rule(rules, rule::TableauPiles) + Rule(rules, rule::Reserves) == 0)
    problems.push_back("the game has no foundations, tableau piles or reserves");
}

// Non-zero values for piles past the number in use are a slip of the definition.
void CheckUnusedPiles(const RuleValues& rules, std::vector<std::string>& problems) {
  struct Family {
    int first, count, countRule;
  };
  constexpr Family kDealt[] = {{rule::TableauCards, 40, rule::TableauPiles},
                               {rule::TableauFaceUp, 40, rule::TableauPiles},
                               {rule::ReserveCards, 10, rule::Reserves},
                               {rule::ReserveFaceUp, 10, rule::Reserves},
                               {rule::FoundationPrefill, 16, rule::Foundations}};
  for (const Family& family : kDealt)
    for (int k = Rule(rules, family.countRule); k < family.count; ++k)
      if (k >= 0 && Rule(rules, family.first + k) != 0)
        problems.push_back(RuleName(family.first + k) + " is set, but " + RuleName(family.countRule) + " is " +
                           std::to_string(Rule(rules, family.countRule)));
}

void CheckFoundationCapacity(const RuleValues& rules, std::vector<std::string>& problems) {
  if (IsRemovalGame(rules)) return;
  for (int k = 0; k < std::min(Rule(rules, rule::Foundations), 16); ++k) {
    const int own = Rule(rules, rule::FoundationCapacityEach + k);
    const int capacity = own > 0 ? own : Rule(rules, rule::FoundationCapacity);
    if (capacity <= 0) {
      problems.push_back("foundation " + std::to_string(k + 1) + " can hold no card (foundation_capacity is 0)");
      return;
    }
  }
}

int TableauCardsDealt(int code) { return code <= 1000 ? code : 1; }

// Cards the deal puts down by counts, and whether that must be the whole deck.
struct DealCount {
  int placed = 0;
  bool mustBeWholeDeck = true;
};

DealCount CountDeal(const RuleValues& rules) {
  DealCount count;
  count.placed = Rule(rules, rule::StockCards) + Rule(rules, rule::WasteCards) + Rule(rules, rule::ThirdSlotCards);
  for (int k = 0; k < std::min(Rule(rules, rule::TableauPiles), 40); ++k)
    count.placed += TableauCardsDealt(Rule(rules, rule::TableauCards + k));
  for (int l = 0; l < std::min(Rule(rules, rule::Reserves), 10); ++l) count.placed += Rule(rules, rule::ReserveCards + l);
  const int foundations = std::min(Rule(rules, rule::Foundations), 16);
  for (int k = 0; k < foundations; ++k)
    if (!OneOf(Rule(rules, rule::FoundationPrefill + k), kPrefillPlacingNothing)) ++count.placed;
  if (Rule(rules, rule::FoundationPrefill) == kPrefillAllEightBaseCards) count.placed += 8;
  switch (Rule(rules, rule::BaseCardRule)) {
    case base_card_rule::FirstCardSetsAll:
    case base_card_rule::FirstCardAndRankAbove: count.placed += 1; break;
    case base_card_rule::CardOnEach: count.placed += foundations; break;
    case base_card_rule::FirstRankEverywhere: count.mustBeWholeDeck = false; break;
    default: break;
  }
  count.placed += Rule(rules, rule::ExtraCardToFoundation) == 1;
  count.placed += Rule(rules, rule::ThirdSlotFixedCard) != 0;
  if (OneOf(Rule(rules, rule::DealType), kDealTypesPlacingTheRest) || Rule(rules, rule::FamilySetup) == 1)
    count.mustBeWholeDeck = false;
  return count;
}

void CheckDealCount(const RuleValues& rules, std::vector<std::string>& problems) {
  if (OneOf(Rule(rules, rule::DealType), kDealTypesThinningTheDeck)) return;
  const int deck = CardsInDeck(rules);
  const DealCount count = CountDeal(rules);
  if (count.placed > deck)
    problems.push_back("the deal needs " + std::to_string(count.placed) + " cards, but the deck holds " +
                       std::to_string(deck));
  else if (count.mustBeWholeDeck && count.placed < deck)
    problems.push_back("the deal places " + std::to_string(count.placed) + " of the deck's " + std::to_string(deck) +
                       " cards; the rest would lie nowhere");
}

// A building code the engine does not know would silently build by the
// standard test: every pile in use must name a known one.
void CheckBuildingCodes(const RuleValues& rules, std::vector<std::string>& problems) {
  struct Piles {
    int first, most, countRule;
  };
  constexpr Piles kBuilding[] = {{rule::FoundationBuilding, 16, rule::Foundations},
                                 {rule::TableauBuilding, 40, rule::TableauPiles},
                                 {rule::ReserveAccepts, 10, rule::Reserves}};
  for (const Piles& piles : kBuilding)
    for (int k = 0; k < std::min(Rule(rules, piles.countRule), piles.most); ++k)
      if (const int code = Rule(rules, piles.first + k); !IsBuildingCode(code))
        problems.push_back(RuleName(piles.first + k) + " has the unknown building code " + std::to_string(code));
}

}  // namespace

std::optional<std::string> UnknownBuildingCode(const RuleValues& rules) {
  std::vector<std::string> problems;
  CheckBuildingCodes(rules, problems);
  if (problems.empty()) return std::nullopt;
  return problems.front();
}

std::vector<std::string> PlayabilityProblems(const RuleValues& rules) {
  std::vector<std::string> problems;
  CheckDeck(rules, problems);
  CheckUnusedPiles(rules, problems);
  CheckFoundationCapacity(rules, problems);
  CheckDealCount(rules, problems);
  CheckBuildingCodes(rules, problems);
  return problems;
}

}  // namespace velmora
