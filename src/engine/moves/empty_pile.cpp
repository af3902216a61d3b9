// What may start an empty pile: a rank, any card, or one of the letter codes
// (the character codes of letters) that ask more of the card.
#include <array>

#include "game/rule_index.h"
#include "moves/move_rules.h"
#include "rules/empty_pile_codes.h"

namespace velmora {
namespace {

constexpr char kSuitErrorMessage[] = "Error suit - 1";

}  // namespace

bool MoveRules::emptyPileAccepts(CardId card, int emptyRule, int baseRank) const {
  const int rank = CardRank(card);
  const int from = locationOf(card);
  switch (emptyRule) {
    // The balance comes first: a card without a suit is reported, whatever its rank.
    case letter::AceBalanced: return coloursBalanced(card, emptyRule, false) && rank == 1;
    case letter::KingBalancedSuits: return coloursBalanced(card, emptyRule, true) && rank == 13;
    case letter::AceBalancedSuits: return coloursBalanced(card, emptyRule, true) && rank == 1;
    case letter::TwoBalancedSuits: return coloursBalanced(card, emptyRule, true) && rank == 2;
    case letter::Never:
    case letter::NeverToo: return false;
    case letter::SingleCard: return unitOf(card).size() == 1;
    case letter::NotFromStockOrWaste: return !location::IsStockOrWaste(from);
    case letter::NotFromTableau: return !location::IsTableau(from);
    case letter::RankOfFoundations: return rankMatchesFoundationBottoms(card);
    case letter::RankOfFoundationsReserveFirst:
      if (!anyFoundationHoldsCards() && !location::IsReserve(from)) return false;
      return rankMatchesFoundationBottoms(card);
    case letter::ReserveThenWaste:
      if (location::IsTableau(from)) return false;
      return anyReserveHoldsCards() ? location::IsReserve(from) : from == location::Waste;
    default: return rank == emptyRule || emptyRule == fill::AnyCard || baseRank == base_rank::Any;
  }
}

// The foundations that share a letter code start with as many cards of one
// colour as of the other: neither colour may reach more than half of them,
// rounded down, so an odd foundation out is never started by either colour.
// With `suitsOnce` no suit may start two of them.
bool MoveRules::coloursBalanced(CardId card, int code, bool suitsOnce) const {
  int sharing = 0;
  std::array<int, 2> colours{};  // red, black
  std::array<int, 4> suits{};
  const auto count = [&](CardId c) {
    if (c == kNoCard) return true;
    const int suit = CardSuit(c);
    if (suit < 0) {
      if (reportTo_ != nullptr) reportTo_->showMessage("Velmora 2001", kSuitErrorMessage, GameUi::Icon::Error);
      return false;
    }
    ++colours[IsRed(c) ? 0 : 1];
    ++suits[static_cast<std::size_t>(suit)];
    return true;
  };
  if (!count(card)) return false;
  for (int k = 0; k < foundations_; ++k) {
    if (rule(rule::FoundationBaseRank + k) != code) continue;
    ++sharing;
    const Pile& cards = pile({PileGroup::Foundations, k});
    if (!count(cards.empty() ? kNoCard : cards.front())) return false;
  }
  const int half = sharing / 2;
  if (colours[0] > half || colours[1] > half) return false;
  if (suitsOnce)
    for (int n : suits)
      if (n > 1) return false;
  return true;
}

bool MoveRules::rankMatchesFoundationBottoms(CardId card) const {
  for (int k = 0; k < foundations_; ++k) {
    const Pile& cards = pile({PileGroup::Foundations, k});
    if (!cards.empty() && CardRank(cards.front()) != CardRank(card)) return false;
  }
  return true;
}

bool MoveRules::anyFoundationHoldsCards() const {
  for (int k = 0; k < foundations_; ++k)
    if (!pile({PileGroup::Foundations, k}).empty()) return true;
  return false;
}

bool MoveRules::anyReserveHoldsCards() const { return emptyReserves_ < reserves_; }

}  // namespace velmora
