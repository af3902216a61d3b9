#include "moves/move_rules.h"

#include <algorithm>

#include "game/rule_index.h"
#include "rules/building_codes.h"
#include "rules/move_codes.h"
#include "shell/program_state.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr int kRankKing = 13;
constexpr int kRankQueen = 12;
constexpr int kRankAce = 1;

// The rank of a pile's top card, -1 for an empty pile (or a gap).
int TopRank(CardId top) { return top == kNoCard ? -1 : CardRank(top); }

constexpr int kJack = 11;
// Reserve 1 holds the few Kings or single cards of codes 8 and 13.
constexpr int kFewKingsLimit = 3;
constexpr int kFewSinglesLimit = 5;

}  // namespace

PlayCounts CountsOf(const ProgramState& state) {
  return {.deals = state.counters[counter::DealCount], .passes = state.word(word::PassCounter)};
}

MoveRules::MoveRules(const RuleRecord& rules, const PileStore& piles, const CardTable& cards,
                     const GameFamily* family, GameUi* reportTo, PlayCounts counts)
    : rules_(rules),
      piles_(piles),
      cards_(cards),
      family_(family != nullptr ? *family : FamilyFor(rules[rule::Family])),
      reportTo_(reportTo),
      counts_(counts) {
  refresh();
}

void MoveRules::refresh() {
  places_.rebuild(piles_, HoldsSelection(rules_));
  foundations_ = std::clamp<int>(rule(rule::Foundations), 0, kFoundations);
  tableau_ = std::clamp<int>(rule(rule::TableauPiles), 0, kTableauPiles);
  reserves_ = std::clamp<int>(rule(rule::Reserves), 0, kReserves);
  wastePriority_ = rule(rule::WastePriority);
  emptyTableau_ = 0;
  for (int i = 0; i < tableau_; ++i) emptyTableau_ += pile({PileGroup::Tableau, i}).empty() ? 1 : 0;
  emptyReserves_ = 0;
  for (int j = 0; j < reserves_; ++j) emptyReserves_ += pile({PileGroup::Reserves, j}).empty() ? 1 : 0;
}

MovingUnit MoveRules::unitOf(CardId card) const {
  const CardPlace& place = places_.of(card);
  if (!place.onTable()) return MovingUnit{card, kNoCard, place, {}};
  const Pile& cards = *place.cards;
  return MovingUnit{card, cards.back(), place,
                    std::span<const CardId>(cards).subspan(static_cast<std::size_t>(place.position))};
}

std::span<const CardId> MoveRules::unitCards(CardId card) const { return unitOf(card).cards; }

bool MoveRules::stockAndWasteEmpty() const { return pile(kStock).empty() && pile(kWaste).empty(); }

// --- Placing -----------------------------------------------------------------

bool MoveRules::canPlace(CardId card, std::string_view name) const {
  const auto ref = ParsePileName(name);
  return ref && canPlace(card, *ref);
}

bool MoveRules::canPlace(CardId card, PileRef pile) const { return canPlace(unitOf(card), pile); }

bool MoveRules::canPlace(const MovingUnit& unit, PileRef pile) const {
  switch (pile.group) {
    case PileGroup::Foundations: return foundationAccepts(pile.index, unit);
    case PileGroup::Tableau: return tableauAccepts(pile.index, unit);
    case PileGroup::Reserves: return reserveAccepts(pile.index + 1, unit);
    case PileGroup::Stock: return false;
  }
  return false;
}

bool MoveRules::canBuildOnFoundation(int k, CardId card) const { return foundationAccepts(k, unitOf(card)); }
bool MoveRules::canBuildOnTableau(int i, CardId card) const { return tableauAccepts(i, unitOf(card)); }
bool MoveRules::canBuildOnReserve(int n, CardId card) const { return reserveAccepts(n, unitOf(card)); }

bool MoveRules::foundationAccepts(int k, const MovingUnit& unit) const {
  if (k < 0 || k >= foundations_) return false;
  if (unit.size() != 1) return false;  // only single cards go to a foundation
  const CardId card = unit.bottom;
  if (family_.facts().asksTableauToFoundation && location::IsTableau(locationOf(card)) &&
      !family_.mayGoFromTableauToFoundation(k, card))
    return false;
  const PileRef ref{PileGroup::Foundations, k};
  const int held = cardsIn(ref);
  const int code = rule(rule::FoundationBuilding + k);
  if (code == building_code::QueensOnly) return held == 0 && CardRank(card) == kRankQueen;
  if (code == building_code::BelowTableauTop) {
    if (CardRank(card) == kRankAce) return false;
    for (int i = 0; i < tableau_; ++i) {
      const CardId top = topOf(PileRef{PileGroup::Tableau, i});
      if (top == kNoCard || CardSuit(top) != CardSuit(card)) continue;
      if (CardRank(top) > CardRank(card) || CardRank(top) == kRankAce) return true;
    }
    return false;
  }
  if (code != building_code::UpFullDeck && code != building_code::UpToKingThenDown) {
    const int own = rule(rule::FoundationCapacityEach + k);
    const int capacity = own > 0 ? own : rule(rule::FoundationCapacity);
    if (held >= capacity) return false;
  }
  if (code == building_code::UpFullDeck && held >= kCardsPerDeck) return false;
  const int base = rule(rule::FoundationBaseRank + k);
  return buildTest(BuildCase{.top = topOf(ref),
                             .card = card,
                             .emptyRule = base,
                             .placing = true,
                             .pile = k,
                             .wrapAllowed = false,
                             .toFoundation = true,
                             .code = code,
                             .direction = rule(rule::FoundationDirection + k),
                             .baseRank = base});
}

bool MoveRules::tableauAccepts(int i, const MovingUnit& unit) const {
  if (i < 0 || i >= tableau_) return false;
  if (unit.size() == 0) return false;
  const CardId card = unit.bottom;
  const PileRef ref{PileGroup::Tableau, i};
  if (unit.from.pile == ref) return false;  // a unit never goes back onto its own pile
  const int held = cardsIn(ref);
  const CardId top = topOf(ref);
  if (held > 0) {
    if (cards_.isFaceDown(top) && !family_.facts().buildsOnFaceDown) return false;
    // 0 and -1 both leave a pile unlimited: no pile that holds cards holds 0 of them.
    const int capacity = rule(rule::TableauCapacity);
    if (capacity > 0 && held >= capacity) return false;
  }
  const int code = rule(rule::TableauBuilding + i);
  if (!buildTest(BuildCase{.top = top,
                           .card = card,
                           .emptyRule = rule(rule::TableauFill + i),
                           .placing = true,
                           .pile = i,
                           .wrapAllowed = rule(rule::TableauWrap + i) > 0,
                           .toFoundation = false,
                           .code = code,
                           .direction = rule(rule::TableauDirection + i),
                           .baseRank = rule(rule::FoundationBaseRank)}))
    return false;
  if (unit.size() == 1) return true;
  if (code == building_code::DownAnySuitSingle && held > 0) return false;
  if (rule(rule::UnitSequenceCheck) != 0 && !sequenceHolds(unit.cards, i)) return false;
  if (held == 0 && unit_size::CountsEmptyTarget(rule(rule::TableauUnitSize)) && !sizeAllowed(unit, true)) return false;
  return true;
}

bool MoveRules::reserveAccepts(int n, const MovingUnit& unit) const {
  if (n < 1 || n > reserves_) return false;
  if (unit.size() == 0) return false;
  const CardId card = unit.bottom;
  const PileRef ref{PileGroup::Reserves, n - 1};
  const bool single = unit.size() == 1;
  const bool empty = pile(ref).empty();
  const int firstReserveHolds = cardsIn({PileGroup::Reserves, 0});
  using namespace building_code;
  switch (const int code = rule(rule::ReserveAccepts + n - 1)) {
    case NoBuilding: return false;
    case FewKings: return single && CardRank(card) == kRankKing && firstReserveHolds < kFewKingsLimit;
    case Anything: return true;
    case WasteCardOnly: return card == topOf(kWaste);
    case FewSingles: return single && firstReserveHolds < kFewSinglesLimit;
    case GroupTest: return empty && groupTestAllows(card);
    case AlternatingAces:
      if (CardRank(card) != kRankAce) return false;
      return empty || IsRed(topOf(ref)) != IsRed(card);
    case SingleJack: return single && empty && CardRank(card) == kJack;
    case SingleQueen: return single && empty && CardRank(card) == kRankQueen;
    case SingleKing: return single && empty && CardRank(card) == kRankKing;
    case FaceCard: return single && empty && IsFaceCard(card);
    case EmptyReserveOrBesideReserve: return single && empty;
    default:
      // A free cell: with a standard code the empty reserve takes every card.
      return single && empty &&
             buildTest(BuildCase{.top = kNoCard,
                                 .card = card,
                                 .emptyRule = -1,
                                 .placing = true,
                                 .pile = n - 1,
                                 .wrapAllowed = false,
                                 .toFoundation = true,
                                 .toReserve = true,
                                 .code = code,
                                 .direction = -1,
                                 .baseRank = -1});
  }
}

// --- The building test ------------------------------------------------------------

bool MoveRules::buildTest(const BuildCase& test) const {
  if (test.top == test.card) return false;
  if (test.card < 1 || test.card > kLastCard) return false;  // no card: matches no rank or suit
  if (test.placing && wastePriority_ != 0) {
    if (wastePriorityRefuses(test)) return false;
    bool verdict = false;
    if (wastePriorityDecidesTableau(test, verdict)) return verdict;
  }
  using namespace building_code;
  switch (test.code) {
    case InSuit: case InColour: case AnySuit: case AlternateColours: return standardTest(test, test.code);
    case NoBuilding: return false;
    case Anything: return true;
    case UpByTwo: return intervalAccepts(test, 2);
    case UpByThree: return intervalAccepts(test, 3);
    case UpByFour: return intervalAccepts(test, 4);
    default: break;
  }
  switch (specialRule(test)) {
    case Ruling::Accept: return true;
    case Ruling::Refuse: return false;
    case Ruling::Standard:
    case Ruling::Undecided: return standardTest(test, test.code);
  }
  return false;
}

// Waste priority: while the stock or the waste holds cards, tableau cards wait.
bool MoveRules::wastePriorityRefuses(const BuildCase& test) const {
  const int priority = wastePriority_;
  const bool applies = (test.toFoundation && priority == 1) || priority == 2 || priority == 3;
  return applies && !stockAndWasteEmpty() && location::IsTableau(locationOf(test.card));
}

// Priorities 2 and 3 on a tableau pile: while the waste holds a card only that
// card may come, and the family decides. True when the verdict is given.
bool MoveRules::wastePriorityDecidesTableau(const BuildCase& test, bool& verdict) const {
  const int priority = wastePriority_;
  if (test.toFoundation || (priority != 2 && priority != 3) || pile(kWaste).empty()) return false;
  verdict = test.card == topOf(kWaste) && family_.mayPlaceWasteCard(test.card, priority == 2 ? 1 : 0, test.pile);
  return true;
}

bool MoveRules::standardTest(const BuildCase& test, int suitCode) const {
  if (test.top == kNoCard) return emptyPileAccepts(test.card, test.emptyRule, test.baseRank);
  return suitConditionHolds(suitCode, test.top, test.card) && directionHolds(test);
}

bool MoveRules::suitConditionHolds(int suitCode, CardId top, CardId card) const {
  using namespace building_code;
  switch (suitCode) {
    case InSuit: case InSuitNoQueenOnKingOrJack: case InSuitNoKingQueenPair: case FirstPassSides:
    case InSuitJokersWild: case GroupOnceStockOut: case FamilyGroupInSuit: case InSuitEmptyAfterReserves:
      return CardSuit(card) >= 0 && CardSuit(card) == CardSuit(top);
    case InColour: return IsNormalCard(card) && IsNormalCard(top) && IsRed(card) == IsRed(top);
    case AlternateColours: case AlternateNotFromFoundationOrReserve: case AlternateJokersWild:
      return IsNormalCard(card) && IsNormalCard(top) && IsRed(card) != IsRed(top);
    case EmptyOnly: return false;
    case OtherSuit: return CardSuit(card) != CardSuit(top);
    default: return true;
  }
}

bool MoveRules::directionHolds(const BuildCase& test) const {
  if (!test.toFoundation && rule(rule::TableauWrap + test.pile) == 2) return aceKingRule(test);
  if (!test.toFoundation && TopRank(test.top) == test.baseRank && !test.wrapAllowed)
    return false;  // building stops at the base rank, both ways
  bool ended = false;
  if ((test.direction == 1 || test.direction == 2) && upAccepts(test, ended)) return true;
  if (ended) return false;
  return (test.direction == 0 || test.direction == 2) && downAccepts(test);
}

// One rank up. `ended` is set when the up test has the last word.
bool MoveRules::upAccepts(const BuildCase& test, bool& ended) const {
  const int d = TopRank(test.top), c = CardRank(test.card);
  if (d == kRankKing) {
    if (test.toFoundation) {
      ended = test.direction == 1;
      return c == kRankAce && test.baseRank != kRankAce;
    }
    return c == kRankAce;
  }
  return c == d + 1;
}

bool MoveRules::downAccepts(const BuildCase& test) const {
  const int d = TopRank(test.top), c = CardRank(test.card);
  if (d == kRankAce) {
    if (test.toFoundation) return c == kRankKing && test.baseRank != kRankKing;
    const bool letterBase = test.baseRank >= 81 && test.baseRank <= 83;
    if (letterBase && !test.wrapAllowed) return false;
    return c == kRankKing;
  }
  return c == d - 1;
}

// Wrap flag 2: on an Ace only a 2 (when the pile may build up), on a King only a Queen.
bool MoveRules::aceKingRule(const BuildCase& test) const {
  const int d = TopRank(test.top), c = CardRank(test.card);
  if (d == kRankAce) {
    const int direction = rule(rule::TableauDirection + test.pile);
    return c == 2 && (direction == 1 || direction == 2);
  }
  if (d == kRankKing) return c == kRankQueen;
  return false;
}

bool MoveRules::intervalAccepts(const BuildCase& test, int interval) const {
  if (test.top == kNoCard) return emptyPileAccepts(test.card, test.emptyRule, test.baseRank);
  const int d = TopRank(test.top), c = CardRank(test.card);
  return c == d + interval || (d + interval) % kRanks == c;
}

}  // namespace velmora
