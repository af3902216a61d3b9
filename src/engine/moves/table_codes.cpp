// Building codes of single games that read the table beyond the two cards:
// where the card comes from, what the stock and the waste hold, the game's
// counts, and the family's own tests.
#include "game/rule_index.h"
#include "moves/move_rules.h"
#include "moves/rank_steps.h"
#include "rules/building_codes.h"

namespace velmora {
namespace {

using namespace rank_step;

constexpr int kGridRowLength = 28;  // rule: tableau piles per row of the grid of codes 70 and 71
// Codes 58 and 64: tableau piles 5 to 8 feed the foundation four places before.
constexpr int kFirstFeedingPile = 4, kLastFeedingPile = 7, kFeedDistance = 4;
// Code 63: in the first pass each side of the tableau feeds its own foundations.
constexpr int kFirstPass = 1;
constexpr int kLeftFoundations = 4;  // foundations 1 to 4 ...
constexpr int kRightPilesFrom = 6;   // ... refuse tableau piles 7 to 10
constexpr int kRightPilesTo = 9;
constexpr int kRightFoundations = 8;  // foundations 5 to 8 refuse tableau piles 1 to 4
constexpr int kLeftPiles = 4;
constexpr int kEightPiles = 8;  // code 99 takes cards from tableau piles 1 to 8

int TableauIndex(int location) { return location - 1; }

}  // namespace

PileRef MoveRules::destinationOf(const BuildCase& test) const {
  if (test.toReserve) return {PileGroup::Reserves, test.pile};
  return {test.toFoundation ? PileGroup::Foundations : PileGroup::Tableau, test.pile};
}

// The empty pile takes the rank of its fill rule, or any card with -1.
bool MoveRules::fillRankAccepts(const BuildCase& test) const {
  const int fill = test.pile < kTableauPiles ? rule(rule::TableauFill + test.pile) : -1;
  return fill == -1 || CardRank(test.card) == fill;
}

bool MoveRules::familyAllows(const BuildCase& test) const {
  return family_.mayBuild(test.code, test.top, test.card, test.pile, test.toFoundation);
}

MoveRules::Ruling MoveRules::tableRule(const BuildCase& test) const {
  using enum Ruling;
  using namespace building_code;
  const auto verdict = [](bool accepted) { return accepted ? Accept : Refuse; };
  const bool empty = test.top == kNoCard;
  const int d = empty ? -1 : CardRank(test.top);
  const int c = CardRank(test.card);
  const bool inSuit = !empty && SameSuit(test.top, test.card);
  const int from = locationOf(test.card);
  const bool fromTableau = location::IsTableau(from);
  const bool wasteEmpty = pile(kWaste).empty();
  const int held = cardsIn(destinationOf(test));
  switch (test.code) {
    case FamilyDecides:
    case FamilyDecidesB:
    case FamilyDecidesC:
    case FamilyDecidesD: return verdict(familyAllows(test));
    case EmptyOnceStockOut:
      if (test.placing && (!empty || !pile(kStock).empty())) return Refuse;
      return Standard;
    case NotFromTableau: return verdict(!fromTableau);
    case TableauCardsOnEmpty: return verdict(!(fromTableau && !empty));
    case NotFromTableauOrReserve: return verdict(!fromTableau && !location::IsReserve(from));
    case UpWhileWasteEmpty: return verdict(wasteEmpty && inSuit && Up(d, c));
    case AlternateNotFromFoundationOrReserve:
      return location::IsFoundation(from) || location::IsReserve(from) ? Refuse : Standard;
    case NotFromTableauTwoAtMost: return verdict(!fromTableau && cardsIn(destinationOf(test)) < 2);
    case KingThenAny: return wasteOrFamily(test, empty ? c == King : held == 1 && d == King && c != Queen && c != King);
    case QueenThenAny: return wasteOrFamily(test, empty ? c == Queen : held == 1 && d == Queen && c != Queen);
    case KingThenDown: return wasteOrFamily(test, empty ? c == King : c != King && (held == 1 || Down(d, c)));
    case DealCountRank: {
      const int rank = counts_.deals % kRanks;
      const bool lastCard = cardsIn(kStock) + cardsIn(kWaste) == 1;
      return verdict(c == rank || (rank == 0 && c == King) || lastCard);
    }
    case InSuitByTwoRound:
      if (empty) return verdict(c == test.baseRank && familyAllows(test));
      return verdict(inSuit && c == RankAfter(d, 2));
    case UpInColourWasteEmpty: {
      const bool wasteAllows = wasteEmpty || (cardsIn(kWaste) == 1 && test.card == topOf(kWaste));
      if (!wasteAllows) return Refuse;
      return verdict(empty ? fillRankAccepts(test) : SameColour(test.top, test.card) && Up(d, c));
    }
    case DownFromFillRank: {
      if (empty) return verdict(!fromTableau && !location::IsReserve(from) && fillRankAccepts(test));
      const bool wraps = test.pile < kTableauPiles && rule(rule::TableauWrap + test.pile) == 1;
      return verdict(Down(d, c) || (wraps && d == Ace && c == King));
    }
    case SameRankFromRight: return verdict(!empty && c == d && fromTableau && TableauIndex(from) >= test.pile);
    case UpOrDownOnceStockOut: return verdict(pile(kStock).empty() && !empty && NextToWrapping(d, c));
    case FourBefore:
    case FourBeforeB: return fedFromFourBefore(test);
    case FirstPassSides: {
      if (counts_.passes != kFirstPass || !fromTableau) return Standard;
      const int i = TableauIndex(from);
      const bool left = test.pile < kLeftFoundations,
                 right = test.pile >= kLeftFoundations && test.pile < kRightFoundations;
      if (left && i >= kRightPilesFrom && i <= kRightPilesTo) return Refuse;
      if (right && i < kLeftPiles) return Refuse;
      return Standard;
    }
    case BesideEmptyTableau: return verdict(test.pile < kTableauPiles && pile({PileGroup::Tableau, test.pile}).empty());
    case GridNeighbour: return gridNeighbour(test);
    case EmptyFamilyPlace: return verdict(!test.toFoundation && empty && familyAllows(test));
    case NotFromTableauWrapping: return verdict(!fromTableau && (empty || (inSuit && NextToWrapping(d, c))));
    case EmptyReserveOrBesideReserve: return reserveFeeds(test);
    case GroupOnceStockOut:
      if (!stockAndWasteEmpty() || (empty && !familyAllows(test))) return Refuse;
      return Standard;
    case DownAlternateReserveConsent:
      if (location::IsReserve(from) && !familyAllows(test)) return Refuse;
      if (!empty) return verdict(OtherColour(test.top, test.card) && Down(d, c));
      if (fromTableau) return Refuse;
      return verdict(from != location::Waste || !anyReserveHoldsCards());
    case UpInSuitReserveConsent:
      if (location::IsReserve(from) && !familyAllows(test)) return Refuse;
      return verdict(empty ? c == Ace : inSuit && Up(d, c));
    case FamilyGroupInSuit: return !empty && !familyAllows(test) ? Refuse : Standard;
    case FirstEightPilesFamily:
      if (!fromTableau || TableauIndex(from) >= kEightPiles) return Refuse;
      if (!(empty ? c == Ace : inSuit && Up(d, c))) return Refuse;
      return verdict(familyAllows(test));
    case WhileStockHolds: return verdict(!pile(kStock).empty() && (empty || (inSuit && NextToWrapping(d, c))));
    case InSuitEmptyAfterReserves: return empty && anyReserveHoldsCards() ? Refuse : Standard;
    default: return Undecided;
  }
}

// Codes 38, 45 and 48: the rule stands while the waste is empty; while it
// holds cards the family decides.
MoveRules::Ruling MoveRules::wasteOrFamily(const BuildCase& test, bool wasteEmptyVerdict) const {
  const bool accepted = pile(kWaste).empty() ? wasteEmptyVerdict : familyAllows(test);
  return accepted ? Ruling::Accept : Ruling::Refuse;
}

// Codes 58 and 64: while the stock has cards, tableau piles 5 to 8 feed only
// the foundation four places before them.
MoveRules::Ruling MoveRules::fedFromFourBefore(const BuildCase& test) const {
  const int from = locationOf(test.card);
  if (!pile(kStock).empty() && location::IsTableau(from)) {
    const int i = TableauIndex(from);
    if (i >= kFirstFeedingPile && i <= kLastFeedingPile && test.pile != i - kFeedDistance) return Ruling::Refuse;
  }
  const int c = CardRank(test.card);
  if (test.top == kNoCard) {
    const bool start = (c == Ace && test.pile < 2) || (c == King && test.pile < kLeftFoundations);
    return start && familyAllows(test) ? Ruling::Accept : Ruling::Refuse;
  }
  const int d = CardRank(test.top);
  const bool step = test.direction == 1 ? Up(d, c) : Down(d, c);
  return SameSuit(test.top, test.card) && step ? Ruling::Accept : Ruling::Refuse;
}

// Code 81 on a foundation or tableau pile: nothing from the tableau; while
// the reserve of the same number holds cards, one rank either way in suit.
MoveRules::Ruling MoveRules::reserveFeeds(const BuildCase& test) const {
  if (location::IsTableau(locationOf(test.card))) return Ruling::Refuse;
  const bool reserveHolds = test.pile < reserves_ && !pile({PileGroup::Reserves, test.pile}).empty();
  if (!reserveHolds) return Ruling::Accept;
  const bool fits =
      test.top != kNoCard && SameSuit(test.top, test.card) && NextToWrapping(CardRank(test.top), CardRank(test.card));
  return fits ? Ruling::Accept : Ruling::Refuse;
}

// Code 70: into an empty tableau place from the place beside it in its row,
// or the place above or below it in the grid.
MoveRules::Ruling MoveRules::gridNeighbour(const BuildCase& test) const {
  const int from = locationOf(test.card);
  const int columns = rule(kGridRowLength);
  if (test.toFoundation || test.top != kNoCard || !location::IsTableau(from) || columns < 1) return Ruling::Refuse;
  const int i = TableauIndex(from);
  const int rowFrom = i / columns, columnFrom = i % columns;
  const int rowTo = test.pile / columns, columnTo = test.pile % columns;
  const bool besideInRow = rowFrom == rowTo && (columnFrom - columnTo == 1 || columnTo - columnFrom == 1);
  const bool aboveOrBelow = columnFrom == columnTo && (rowFrom - rowTo == 1 || rowTo - rowFrom == 1);
  return besideInRow || aboveOrBelow ? Ruling::Accept : Ruling::Refuse;
}

}  // namespace velmora
