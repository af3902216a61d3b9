// Building codes of single games that count the cards of piles: how many the
// destination holds, or what a partner foundation or tableau pile holds.
#include "moves/move_rules.h"
#include "moves/rank_steps.h"
#include "rules/building_codes.h"

namespace velmora {
namespace {

using namespace rank_step;

constexpr int kSuitCards = 13;           // a foundation that holds one whole suit
constexpr int kKingCanFollowAfter = 47;  // code 37: foundation 1's cards before a King may follow
constexpr int kPartnerDistance = 6;      // code 42: the foundation whose King comes first
constexpr int kTableauEightBack = 8;     // codes 50 and 52
constexpr int kCardsOfEachRank = 4;      // code 77
constexpr int kStopsAtFullSuit = 6;      // code 83: foundation 7 stops at 13 cards, not at its number
constexpr PileRef kFirstFoundation{PileGroup::Foundations, 0};

}  // namespace

MoveRules::Ruling MoveRules::countedRule(const BuildCase& test) const {
  using enum Ruling;
  using namespace building_code;
  const auto verdict = [](bool accepted) { return accepted ? Accept : Refuse; };
  const bool empty = test.top == kNoCard;
  const int d = empty ? -1 : CardRank(test.top);
  const int c = CardRank(test.card);
  const bool inSuit = !empty && SameSuit(test.top, test.card);
  const int held = cardsIn(destinationOf(test));
  switch (test.code) {
    case UpOrDownToThree:
      if (empty) return verdict(fillRankAccepts(test));
      return verdict(held < 3 && (Up(d, c) || Down(d, c)));
    case UpToKingThenDown:
      if (empty) return Standard;
      if (!inSuit) return Refuse;
      if (held < kSuitCards) return verdict(Up(d, c));
      return verdict(held == kSuitCards ? c == King : Down(d, c));
    case InSuitKeepsDirection: return keepsDirection(test);
    case DownAfterPreviousFoundation:
      if (empty)
        return verdict(c == test.baseRank &&
                       (test.pile == 0 || cardsIn(PileRef{PileGroup::Foundations, test.pile - 1}) > 0));
      return verdict(DownWrapping(d, c));
    case Doubling:
      if (empty) return Standard;
      return verdict(c == (2 * d) % kRanks || (c == King && cardsIn(kFirstFoundation) > kKingCanFollowAfter));
    case KingBesidePartner: {
      if (empty || !inSuit || !Up(d, c)) return Refuse;
      if (c != King) return Accept;
      const int partner = test.pile + kPartnerDistance;
      return verdict(partner < foundations_ && CardRank(topOf({PileGroup::Foundations, partner})) == King);
    }
    case UpFromBase:
    case DownFromBase: return builtFromBase(test, test.pile);
    case UpBesideTableau:
    case UpTableauSuit: return builtFromBase(test, test.pile);
    case DownBesideTableau:
    case DownTableauSuit: return builtFromBase(test, test.pile - kTableauEightBack);
    case FirstFoundationFirst:
      if (test.pile != 0 && cardsIn(kFirstFoundation) < kSuitCards) return Refuse;
      return verdict(empty ? c == test.baseRank : UpWrapping(d, c));
    case FourOfEachRank: return verdict(empty ? c == Ace : c == held / kCardsOfEachRank + 1);
    case UpReserveThirteenth: {
      const int from = locationOf(test.card);
      const bool thirteenth = held == kSuitCards - 1;
      if (location::IsReserve(from) && !(thirteenth && from == location::Reserve(test.pile))) return Refuse;
      if (!location::IsReserve(from) && held >= kSuitCards - 1) return Refuse;
      return verdict(empty ? c == test.baseRank : UpWrapping(d, c));
    }
    case DownToPileNumber: {
      const bool full = test.pile == kStopsAtFullSuit ? held >= kSuitCards : d == test.pile + 1;
      if (full) return Refuse;
      return empty ? Standard : verdict(DownWrapping(d, c));
    }
    case RankInFoundationBefore: return rankInFoundationBefore(test);
    default: return Undecided;
  }
}

// Code 30: in suit, never a King and an Ace together; a pile of two or more
// keeps the direction its last two cards show.
MoveRules::Ruling MoveRules::keepsDirection(const BuildCase& test) const {
  if (test.top == kNoCard || !rank_step::SameSuit(test.top, test.card)) return Ruling::Refuse;
  const int d = CardRank(test.top), c = CardRank(test.card);
  if ((d == King && c == Ace) || (d == Ace && c == King)) return Ruling::Refuse;
  const Pile& cards = pile(destinationOf(test));
  bool fits = Up(d, c) || Down(d, c);
  if (cards.size() >= 2) fits = d < CardRank(cards[cards.size() - 2]) ? Down(d, c) : Up(d, c);
  return fits ? Ruling::Accept : Ruling::Refuse;
}

// Codes 46 to 52: up (never a Queen or King) or down (a King on an Ace, never
// a Queen) from the base rank; 49 to 52 start only beside a tableau pile that
// holds cards, 51 and 52 in the suit of its bottom card.
MoveRules::Ruling MoveRules::builtFromBase(const BuildCase& test, int partnerPile) const {
  using namespace building_code;
  const int c = CardRank(test.card);
  const bool up = test.code == UpFromBase || test.code == UpBesideTableau || test.code == UpTableauSuit;
  if (test.top != kNoCard) {
    const int d = CardRank(test.top);
    const bool fits = up ? Up(d, c) && c != Queen && c != King : DownWrapping(d, c) && c != Queen;
    return fits ? Ruling::Accept : Ruling::Refuse;
  }
  if (c != test.baseRank) return Ruling::Refuse;
  if (test.code == UpFromBase || test.code == DownFromBase) return Ruling::Accept;
  if (partnerPile < 0 || partnerPile >= tableau_) return Ruling::Refuse;
  const Pile& partner = pile({PileGroup::Tableau, partnerPile});
  if (partner.empty()) return Ruling::Refuse;
  const bool suitAsked = test.code == UpTableauSuit || test.code == DownTableauSuit;
  return !suitAsked || CardSuit(partner.front()) == CardSuit(test.card) ? Ruling::Accept : Ruling::Refuse;
}

// Code 91: any rank in suit, as long as the foundation before already holds
// a card of that rank; the first foundation takes its suit freely, and every
// foundation starts with the rank of the first one's bottom card.
MoveRules::Ruling MoveRules::rankInFoundationBefore(const BuildCase& test) const {
  const int c = CardRank(test.card);
  if (test.pile == 0) {
    if (test.top == kNoCard) return Ruling::Standard;
    return rank_step::SameSuit(test.top, test.card) ? Ruling::Accept : Ruling::Refuse;
  }
  const Pile& first = pile(kFirstFoundation);
  if (test.top == kNoCard && (first.empty() || CardRank(first.front()) != c)) return Ruling::Refuse;
  if (test.top != kNoCard && !rank_step::SameSuit(test.top, test.card)) return Ruling::Refuse;
  for (CardId card : pile({PileGroup::Foundations, test.pile - 1}))
    if (CardRank(card) == c) return Ruling::Accept;
  return Ruling::Refuse;
}

}  // namespace velmora
