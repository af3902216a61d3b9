#pragma once
// The acceptance rules of the removal games: whether the cards selected so
// far may stay selected, and when they form a group that leaves the table.
// Each family that removes by a rule of its own has one small rule; family 0
// and every other family with a target sum add the ranks up to it.
#include <span>
#include <vector>

#include "cards/card.h"
#include "piles/pile_names.h"
#include "piles/pile_store.h"

namespace velmora {

enum class Verdict {
  Invalid,   // the clicked card may not join the selection
  Valid,     // it stays selected, the group is not yet whole
  Complete,  // the selection is a group: it is discarded
};

// A selected card and where it lies on the table.
struct SelectedCard {
  CardId card = kNoCard;
  PileRef pile{PileGroup::Tableau, 0};
  int place = 0;  // its place in its pile, 0 the bottom card
};

struct SelectionRules {
  int targetSum = 0;    // rule 39
  int gridColumns = 5;  // rule 28: the piles of one row of a grid
};

// Judges the selection as it is after the clicked card was added.
using AcceptanceRule = Verdict (*)(std::span<const SelectedCard> selection, const SelectionRules& rules);

// The rule of a family that removes by a rule of its own; null for the
// others.
AcceptanceRule OwnAcceptanceRule(int family);

// Whether the family removes by a rule of its own (whether or not this
// engine knows it); a game with a target sum and any other family number
// removes by the sum.
bool HasOwnRemovalRule(int family);

// Family 0, and every family without a rule of its own whose target sum is
// set: any cards, complete when their ranks add up to the target sum.
Verdict RanksAddToTarget(std::span<const SelectedCard> selection, const SelectionRules& rules);

// The pyramid (family 4): tableau pile r holds row r, "000" where a card
// left. The card at `place` of `row` is free when both places of the next
// row that cover it hold "000", or when every later row is empty.
bool PyramidCardFree(std::span<const Pile> rows, int row, int place);

}  // namespace velmora
