#include "moves/legal_moves.h"

#include "game/rule_index.h"

namespace velmora {
namespace {

void AddMovesOf(const MoveRules& rules, CardId card, PileRef from, std::vector<LegalMove>& out) {
  if (rules.canTake(card, from) != TakeAnswer::Take) return;
  const MovingUnit unit = rules.unitOf(card);
  const auto tryTo = [&](PileGroup group, int count) {
    for (int index = 0; index < count; ++index) {
      const PileRef to{group, index};
      if (!(to == from) && rules.canPlace(unit, to)) out.push_back(LegalMove{card, from, to, unit.size()});
    }
  };
  if (unit.size() == 1) tryTo(PileGroup::Foundations, rules.foundationsInUse());  // they take single cards only
  tryTo(PileGroup::Tableau, rules.tableauInUse());
  tryTo(PileGroup::Reserves, rules.reservesInUse());
}

// The lowest place of a tableau pile from which a unit can still be taken:
// below the run that is built in sequence up to the top card nothing is, in
// fans where only the top of a pile is in reach. The run grows one pair at a
// time rather than testing every longer run from its bottom again.
int LowestTakeablePlace(const MoveRules& rules, int i) {
  const Pile& pile = rules.piles().pile({PileGroup::Tableau, i});
  const int display = rules.rules()[rule::TableauDisplay];
  const bool everyCardInReach = display == 8 || display == 9 || display == 12 || rules.rules()[rule::GridRows] >= 1;
  if (everyCardInReach) return 0;
  int lowest = static_cast<int>(pile.size()) - 1;
  const std::span<const CardId> cards(pile);
  while (lowest > 0 && rules.sequenceHolds(cards.subspan(static_cast<std::size_t>(lowest - 1), 2), i)) --lowest;
  return lowest;
}

}  // namespace

void ListLegalMoves(const MoveRules& rules, std::vector<LegalMove>& out) {
  out.clear();
  const PileStore& piles = rules.piles();
  if (const CardId waste = piles.topCard(kWaste); waste != kNoCard) AddMovesOf(rules, waste, kWaste, out);
  for (int k = 0; k < rules.foundationsInUse(); ++k) {
    const PileRef from{PileGroup::Foundations, k};
    if (const CardId top = piles.topCard(from); top != kNoCard) AddMovesOf(rules, top, from, out);
  }
  for (int i = 0; i < rules.tableauInUse(); ++i) {
    const PileRef from{PileGroup::Tableau, i};
    const Pile& pile = piles.pile(from);
    for (int at = static_cast<int>(pile.size()) - 1, lowest = LowestTakeablePlace(rules, i); at >= lowest && at >= 0; --at)
      AddMovesOf(rules, pile[static_cast<std::size_t>(at)], from, out);
  }
  for (int j = 0; j < rules.reservesInUse(); ++j) {
    const PileRef from{PileGroup::Reserves, j};
    const Pile& pile = piles.pile(from);
    for (auto at = pile.rbegin(); at != pile.rend(); ++at) AddMovesOf(rules, *at, from, out);
  }
}

std::vector<LegalMove> LegalMoves(const MoveRules& rules) {
  std::vector<LegalMove> moves;
  ListLegalMoves(rules, moves);
  return moves;
}

}  // namespace velmora
