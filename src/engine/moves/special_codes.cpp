// Building codes of single games. Each rule either decides alone or states
// its own condition and leaves the rest to the standard test with the code's
// suit condition. A code without a rule of its own builds by the standard
// test with no suit condition.
#include "game/rule_index.h"
#include "moves/move_rules.h"

namespace velmora {
namespace {

// Ranks one apart, King and Ace adjoining both ways.
constexpr bool NextToWrapping(int d, int c) { return c == d + 1 || c == d - 1 || (d == 13 && c == 1) || (d == 1 && c == 13); }
constexpr bool SameSuit(CardId a, CardId b) { return CardSuit(a) >= 0 && CardSuit(a) == CardSuit(b); }

}  // namespace

MoveRules::Ruling MoveRules::specialRule(const BuildCase& test) const {
  using enum Ruling;
  const auto verdict = [](bool accepted) { return accepted ? Accept : Refuse; };
  const bool empty = test.top == kNoCard;
  const int d = empty ? -1 : CardRank(test.top);
  const int c = CardRank(test.card);
  const int from = locationOf(test.card);
  const PileRef destination{test.toFoundation ? PileGroup::Foundations : PileGroup::Tableau, test.pile};
  switch (test.code) {
    case 5: case 62: case 67: case 113:
      return verdict(family_.mayBuild(test.code, test.top, test.card, test.pile, test.toFoundation));
    case 7:  // starts only an empty pile, once the stock is used up
      if (test.placing && (!empty || !pile(kStock).empty())) return Refuse;
      return Standard;
    case 11:
      return !empty && c == 12 && (d == 13 || d == 11) ? Refuse : Standard;
    case 17: return verdict(!location::IsTableau(from));
    case 18: return verdict(!(location::IsTableau(from) && !empty));
    case 19: return verdict(!location::IsTableau(from) && !location::IsReserve(from));
    case 20: return verdict(empty ? c == 1 : c == d + 1 || (d == 13 && c == 1));
    case 24:
      return !empty && ((c == 12 && d == 13) || (c == 13 && d == 12)) ? Refuse : Standard;
    case 25:
      if (empty) return Standard;
      return verdict(SameSuit(test.top, test.card) && c == (test.direction == 1 ? d + 2 : d - 2));
    case 27:
      return location::IsFoundation(from) || location::IsReserve(from) ? Refuse : Standard;
    case 28: case 60:
      if (empty) return Accept;
      if (test.code == 60 && !SameSuit(test.top, test.card)) return Refuse;
      if (d == 1) return verdict(c == 2);
      if (d == 13) return verdict(c == 12);
      return verdict(c == d + 1 || c == d - 1);
    case 31:
      if (empty) return Standard;
      return verdict(d != 1 && SameSuit(test.top, test.card) && c == d - 1);
    case 32:
      if (empty) return Standard;
      return verdict(d != 13 && SameSuit(test.top, test.card) && c == d + 1);
    case 33: return verdict(!location::IsTableau(from) && cardsIn(destination) < 2);
    case 34:
      if (empty) return Standard;
      return verdict(c == d - 1);
    case 35:
      if (empty) return Standard;
      return verdict(NextToWrapping(d, c));
    case 39: return verdict(empty ? c == 1 : c == d + 1 && c != 12 && c != 13);
    case 43:
      if (empty) return Standard;
      return verdict(SameSuit(test.top, test.card) && c == d + 2);
    case 44: return verdict(empty ? c == 1 : c == d + 1 && c != 13);
    case 57: return verdict(pile(kStock).empty() && !empty && NextToWrapping(d, c));
    case 68: return verdict(!empty && NextToWrapping(d, c));
    case 69: return verdict(test.pile < kTableauPiles && pile({PileGroup::Tableau, test.pile}).empty());
    case 73: return verdict(c == test.pile + 1);
    case 76: return verdict(empty || c < d);
    case 78:
      if (empty) return verdict(c == 1);
      if (d == 13) return verdict(c == 1);
      return verdict(SameSuit(test.top, test.card) && c == d + 1);
    case 92: return verdict(c == 1);
    case 105: return verdict(!empty && SameSuit(test.top, test.card) && (c == d - 1 || (d == 1 && c == 13)));
    case 106:
      if (empty) return verdict(c == test.baseRank);
      return verdict(SameSuit(test.top, test.card) && c == d + 2);
    default: return Standard;
  }
}

}  // namespace velmora
