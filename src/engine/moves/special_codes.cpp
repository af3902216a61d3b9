// Building codes of single games. Each rule either decides alone or states
// its own condition and leaves the rest to the standard test with the code's
// suit condition. This file holds the codes decided by the ranks and suits of
// the two cards alone; the codes that read where the card comes from, the stock
// and the waste are in table_codes.cpp, those that count the cards of piles in
// counted_codes.cpp. A code without a rule of its own
// builds by the standard test with no suit condition.
#include "moves/move_rules.h"
#include "moves/rank_steps.h"
#include "rules/building_codes.h"

namespace velmora {

using namespace rank_step;

MoveRules::Ruling MoveRules::specialRule(const BuildCase& test) const {
  if (const Ruling ruling = rankRule(test); ruling != Ruling::Undecided) return ruling;
  if (const Ruling ruling = tableRule(test); ruling != Ruling::Undecided) return ruling;
  if (const Ruling ruling = countedRule(test); ruling != Ruling::Undecided) return ruling;
  return Ruling::Standard;
}

MoveRules::Ruling MoveRules::rankRule(const BuildCase& test) const {
  using enum Ruling;
  using namespace building_code;
  const auto verdict = [](bool accepted) { return accepted ? Accept : Refuse; };
  const bool empty = test.top == kNoCard;
  const int d = empty ? -1 : CardRank(test.top);
  const int c = CardRank(test.card);
  const bool inSuit = !empty && SameSuit(test.top, test.card);
  const bool jokerWild = IsJoker(test.card) || (!empty && IsJoker(test.top));
  switch (test.code) {
    case InSuitNoQueenOnKingOrJack: return !empty && c == Queen && (d == King || d == Jack) ? Refuse : Standard;
    case UpFullDeck: return verdict(empty ? c == Ace : UpWrapping(d, c));
    case InSuitNoKingQueenPair:
      return !empty && ((c == Queen && d == King) || (c == King && d == Queen)) ? Refuse : Standard;
    case InSuitByTwo:
      if (empty) return Standard;
      return verdict(inSuit && c == (test.direction == 1 ? d + 2 : d - 2));
    case InSuitByTwoKingAce:
      if (empty) return Standard;
      return verdict(inSuit && (c == (test.direction == 1 ? d + 2 : d - 2) || (d == King && c == Two) ||
                                (d == Queen && c == Ace)));
    case UpOrDownStopping:
    case UpOrDownStoppingInSuit:
      if (empty) return Accept;
      if (test.code == UpOrDownStoppingInSuit && !inSuit) return Refuse;
      if (d == Ace) return verdict(c == Two);
      if (d == King) return verdict(c == Queen);
      return verdict(Up(d, c) || Down(d, c));
    case InSuitDownNotOnAce: return empty ? Standard : verdict(d != Ace && inSuit && Down(d, c));
    case InSuitUpNotOnKing: return empty ? Standard : verdict(d != King && inSuit && Up(d, c));
    case DownAnySuitSingle: return empty ? Standard : verdict(Down(d, c));
    case UpOrDownWrapping: return empty ? Standard : verdict(NextToWrapping(d, c));
    case UpWithoutQueenOrKing: return verdict(empty ? c == Ace : Up(d, c) && c != Queen && c != King);
    case InSuitUpByTwo: return empty ? Standard : verdict(inSuit && c == d + 2);
    case UpWithoutKing: return verdict(empty ? c == Ace : Up(d, c) && c != King);
    case InSuitUpOrDownWrapping: return empty ? Standard : verdict(inSuit && NextToWrapping(d, c));
    case UpOrDownOnCards: return verdict(!empty && NextToWrapping(d, c));
    case InSuitJokersWild:
    case AlternateJokersWild:
    case AnySuitJokersWild: return jokerWild ? Accept : Standard;
    case RankOfPileNumber: return verdict(c == test.pile + 1);
    case AnyLower: return verdict(empty || c < d);
    case UpAceOnKing:
      if (empty || d == King) return verdict(c == Ace);
      return verdict(inSuit && Up(d, c));
    case UpSuitCycle:
      if (empty) return verdict(c == Ace);
      return verdict(Up(d, c) && CardSuit(test.card) == NextSuitInCycle(CardSuit(test.top)));
    case DownSuitCycle:
      if (empty) return Accept;
      return verdict(Down(d, c) && CardSuit(test.card) == NextSuitInCycle(CardSuit(test.top)));
    case AcesOnly: return verdict(c == Ace);
    case DownSixOnAce: return verdict(empty ? c == Six : Down(d, c) || (d == Ace && c == Six));
    case UpOrDownInColourWrapping:
      return empty ? Standard : verdict(SameColour(test.top, test.card) && NextToWrapping(d, c));
    case UpSevenOnAce:
      if (empty) return verdict(c == test.baseRank);
      return verdict(inSuit && (Up(d, c) || (d == Ace && c == Seven)));
    case DownAnySuitWrapping: return empty ? Standard : verdict(DownWrapping(d, c));
    case UpAnySuitWrapping: return empty ? Standard : verdict(UpWrapping(d, c));
    case DownAlternateWrapping:
      return empty ? Standard : verdict(OtherColour(test.top, test.card) && DownWrapping(d, c));
    case SameRank: return empty ? Standard : verdict(c == d);
    case DownInSuitWrapping: return verdict(inSuit && DownWrapping(d, c));
    case InSuitByTwoFromBase: return verdict(empty ? c == test.baseRank : inSuit && c == d + 2);
    case DownByTwoWrapping: return empty ? Standard : verdict(c == RankBelow(RankBelow(d)));
    case UpOrDownAlternateWrapping:
      return empty ? Standard : verdict(OtherColour(test.top, test.card) && NextToWrapping(d, c));
    case DownInSuitKingsOnEmpty: return verdict(empty ? c == King : inSuit && Down(d, c));
    case DownAlternateKingsOnEmpty: return verdict(empty ? c == King : OtherColour(test.top, test.card) && Down(d, c));
    case DownAnySuitKingsOnEmpty: return verdict(empty ? c == King : Down(d, c));
    case DownInColourOtherSuit:
      return empty ? Standard : verdict(SameColour(test.top, test.card) && !inSuit && Down(d, c));
    default: return Undecided;
  }
}

}  // namespace velmora
