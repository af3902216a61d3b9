// What the player may take from each kind of pile, and the two tests of a
// unit of several cards: that it is built in sequence, and that it is not
// larger than the free places allow.
#include <algorithm>

#include "game/rule_index.h"
#include "moves/move_rules.h"
#include "rules/building_codes.h"
#include "rules/move_codes.h"

namespace velmora {
namespace {

// Tableau fans whose every card is reachable: only the unit size counts.
constexpr bool IsSpreadFan(int display) { return display == 8 || display == 9 || display == 12; }

// (f + 1) * 2^e, the cards a unit may hold when it moves card by card
// through f free cells and e empty piles; counted no further than `needed`.
int DoubledFreeCells(int f, int e, int needed) {
  int limit = f + 1;
  for (int pile = 0; pile < e && limit < needed; ++pile) limit *= 2;
  return limit;
}

}  // namespace

TakeAnswer MoveRules::canTake(CardId card, std::string_view name) const {
  const auto ref = ParsePileName(name);
  return ref ? canTake(card, *ref) : TakeAnswer::Refused;
}

TakeAnswer MoveRules::canTake(CardId card, PileRef pile) const {
  if (card < 1) return TakeAnswer::Refused;
  const CardPlace& place = places_.of(card);
  if (!place.onTable() || !(place.pile == pile)) return TakeAnswer::Refused;
  const auto verdict = [](bool taken) { return taken ? TakeAnswer::Take : TakeAnswer::Refused; };
  switch (pile.group) {
    case PileGroup::Stock:
      return verdict(pile == kWaste && card == topOf(kWaste) && rule(rule::WasteTopFixed) == 0);
    case PileGroup::Foundations: return pile.index < foundations_ ? takeFromFoundation(card, place) : TakeAnswer::Refused;
    case PileGroup::Reserves: return pile.index < reserves_ ? takeFromReserve(card, place) : TakeAnswer::Refused;
    case PileGroup::Tableau: return pile.index < tableau_ ? takeFromTableau(card, place) : TakeAnswer::Refused;
  }
  return TakeAnswer::Refused;
}

TakeAnswer MoveRules::takeFromFoundation(CardId card, const CardPlace& place) const {
  if (card != topOf(place.pile)) return TakeAnswer::Refused;
  switch (rule(rule::FoundationTakeBack)) {
    case take_back::Yes: return TakeAnswer::Take;
    case take_back::WhileTwoOrMore: return cardsIn(place.pile) >= 2 ? TakeAnswer::Take : TakeAnswer::Refused;
    case take_back::JokersOnly: return IsJoker(card) ? TakeAnswer::Take : TakeAnswer::Refused;
    default: return TakeAnswer::Refused;
  }
}

TakeAnswer MoveRules::takeFromReserve(CardId card, const CardPlace& place) const {
  const auto verdict = [](bool taken) { return taken ? TakeAnswer::Take : TakeAnswer::Refused; };
  switch (rule(rule::ReserveTake)) {
    case reserve_take::FamilyDecides: return verdict(family_.mayTakeFromReserve(place.pile.index, card));
    case reserve_take::GroupTest: return verdict(groupTestAllows(card));
    case reserve_take::AnyFanCard: return verdict(cards_.isFaceUp(card));
    default: return verdict(card == topOf(place.pile) && cards_.isFaceUp(card));
  }
}

TakeAnswer MoveRules::takeFromTableau(CardId card, const CardPlace& place) const {
  if (IsSpreadFan(rule(rule::TableauDisplay)))
    return unitSizeAllowed(card, false) ? TakeAnswer::Take : TakeAnswer::Refused;
  const int i = place.pile.index;
  const int gridRows = rule(rule::GridRows);
  if (gridRows >= 1 && i < gridRows * rule(rule::GridRowPiles))
    return family_.mayTakeFromGrid(i, card) ? TakeAnswer::Take : TakeAnswer::Refused;
  if (card == topOf(place.pile)) {
    if (cards_.isFaceDown(card)) return TakeAnswer::TurnFaceUp;
    return unitSizeAllowed(card, false) ? TakeAnswer::Take : TakeAnswer::Refused;
  }
  const bool taken = cards_.isFaceUp(card) && unitIsSequence(card, i) && unitSizeAllowed(card, false);
  return taken ? TakeAnswer::Take : TakeAnswer::Refused;
}

bool MoveRules::unitIsSequence(CardId card, int i) const { return sequenceHolds(unitCards(card), i); }

bool MoveRules::sequenceHolds(std::span<const CardId> unit, int i) const {
  const int check = rule(rule::UnitSequenceCheck);
  if (check != unit_sequence::BuildingRule && check != unit_sequence::InSuit) return true;
  if (i < 0 || i >= kTableauPiles) return false;
  BuildCase pair{.emptyRule = rule(rule::TableauFill + i),
                 .placing = false,
                 .pile = i,
                 .wrapAllowed = rule(rule::TableauWrap + i) > 0,
                 .toFoundation = false,
                 .code = check == unit_sequence::InSuit ? building_code::InSuit : rule(rule::TableauBuilding + i),
                 .direction = rule(rule::TableauDirection + i),
                 .baseRank = rule(rule::FoundationBaseRank)};
  for (std::size_t at = 1; at < unit.size(); ++at) {
    pair.top = unit[at - 1];
    pair.card = unit[at];
    if (!buildTest(pair)) return false;
  }
  return true;
}

bool MoveRules::unitSizeAllowed(CardId card, bool toEmptyPile) const { return sizeAllowed(unitOf(card), toEmptyPile); }

bool MoveRules::sizeAllowed(const MovingUnit& unit, bool toEmptyPile) const {
  const CardId card = unit.bottom;
  const int u = unit.size(), e = emptyTableau_, f = emptyReserves_;
  if (u == 0) return false;
  switch (const int m = rule(rule::TableauUnitSize)) {
    case unit_size::AnyRun: return true;
    case unit_size::FreeCellsAndPiles:
      if (e == 0) return u <= f + 1;
      return toEmptyPile ? u <= f + e : u <= f + e + 1;
    case unit_size::FreeCellsOrPiles: return e > 0 ? u <= f + e : u <= f + 1;
    case unit_size::FreeCellsDoubled: return u <= DoubledFreeCells(f, toEmptyPile ? e - 1 : e, u);
    case unit_size::OneOrKingRun: return u == 1 || CardRank(card) == 13;
    case unit_size::OneOrWholePile:
      return unit.from.pile.group == PileGroup::Tableau && (u == 1 || unit.from.position == 0);
    case unit_size::GroupTest: return groupTestAllows(card);
    case unit_size::GapLayout: {
      const Pile& cards = *unit.from.cards;
      const auto at = cards.begin() + unit.from.position;
      const auto gap = [](CardId c) { return c == kNoCard; };
      return unit.from.position == 0 || u == 1 || std::all_of(cards.begin(), at, gap) ||
             std::all_of(at + 1, cards.end(), gap);
    }
    default: return m >= 0 ? u <= m : u <= std::max(e, 1);
  }
}

// Tableau piles form groups of ten, each of two halves of five: a card in
// the first half needs the piles of its group before it empty, a card in the
// second half those after it. Reserves 1 to 4 need the reserves before them
// empty, reserves 5 to 9 those after them.
bool MoveRules::groupTestAllows(CardId card) const {
  const CardPlace& place = places_.of(card);
  if (!place.onTable()) return true;
  const int index = place.pile.index;
  const auto allEmpty = [&](PileGroup group, int first, int last) {
    for (int p = first; p <= last; ++p)
      if (!pile({group, p}).empty()) return false;
    return true;
  };
  if (place.pile.group == PileGroup::Tableau) {
    const int groupStart = index / 10 * 10;
    const bool firstHalf = index - groupStart < 5;
    return firstHalf ? allEmpty(PileGroup::Tableau, groupStart, index - 1)
                     : allEmpty(PileGroup::Tableau, index + 1, groupStart + 9);
  }
  if (place.pile.group == PileGroup::Reserves) {
    if (index >= 5) return allEmpty(PileGroup::Reserves, index + 1, kReserves - 1);
    if (index >= 1) return allEmpty(PileGroup::Reserves, 0, index - 1);
  }
  return true;
}

}  // namespace velmora
