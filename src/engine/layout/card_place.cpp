#include "layout/card_place.h"

#include <algorithm>

#include "game/rule_index.h"

namespace velmora {
namespace {

// Piles beyond the seventh reuse the rows of piles 2 to 7.
int IrregularRow(int pile) { return pile < IrregularPiles::kRows ? pile : pile % 6; }
int IrregularColumn(int place) { return place <= 12 ? place : place % 12; }

// Grid cell of the k-th card of tableau display 8: row by row, every second
// row from right to left, so that each card has a cell of its own.
TablePoint GridOffset(const TableLayout& layout, int k) {
  const int columns = std::max(layout.gridColumns, 1);
  const int row = k / columns;
  int column = k % columns;
  if (row % 2 == 1) column = columns - 1 - column;
  return {column * (layout.cardWidth + layout.steps.gridGapX), row * (layout.cardHeight + layout.steps.gridGapY)};
}

}  // namespace

void IrregularPiles::refill(std::mt19937& random) {
  const auto draw = [&random] { return static_cast<int>(random() % 4); };
  for (auto& row : steps_) {
    row[0] = 0;
    int previous = draw();
    int total = 0;
    for (int column = 1; column < kColumns; ++column) {
      int c = draw();
      // No two moves left in a row, and a move right only just after one left.
      if ((previous > 2 && c > 2) || (c > 0 && c <= 2 && previous <= 2)) c = 0;
      previous = c;
      int d = c <= 2 ? c : -1;
      total += d;
      if (total > 2) {
        d -= 2;
        total -= 2;
      } else if (total < -2) {
        d += 2;
        total += 2;
      }
      row[static_cast<std::size_t>(column)] = static_cast<std::int8_t>(d);
    }
  }
}

int IrregularPiles::step(int pile, int place) const {
  if (pile < 0 || place < 0) return 0;
  return steps_[static_cast<std::size_t>(IrregularRow(pile))][static_cast<std::size_t>(IrregularColumn(place))];
}

int IrregularPiles::shift(int pile, int place) const {
  int sum = 0;
  for (int i = 1; i <= place; ++i) sum += step(pile, i);
  return sum;
}

int DisplayTypeOf(const RuleRecord& rules, PileRef pile) {
  switch (pile.group) {
    case PileGroup::Stock: return 0;
    case PileGroup::Foundations: return rules[rule::FoundationDisplay];
    case PileGroup::Reserves: return rules[rule::ReserveDisplay];
    case PileGroup::Tableau: break;
  }
  const int type = rules[rule::TableauDisplay];
  if (type != 11) return type;
  // Two-sided fans: piles 1 to 7 open to the right, piles 8 to 12 to the left.
  if (rules[rule::HorizontalFanSteps] != 1) return 0;
  return pile.index < 7 ? 2 : pile.index < 12 ? 10 : 0;
}

TablePoint CardPlace(const TableLayout& layout, const RuleRecord& rules, const PileStore& piles,
                     const CardTable& cards, PileRef pile, int indexInPile, const IrregularPiles* irregular) {
  TablePoint at = layout.pile(pile);
  if (!TableLayout::IsPlaced(at) || indexInPile <= 0) return at;
  const Pile& held = piles.pile(pile);
  const int size = static_cast<int>(held.size());
  const FanSteps& steps = layout.steps;
  const bool tableau = pile.group == PileGroup::Tableau;
  // A place past the top card counts the cards below it as face up.
  const auto faceUpBelow = [&](int i) { return i >= size || cards.isFaceUp(held[static_cast<std::size_t>(i)]); };
  const auto sumSteps = [&](int up, int down) {
    int total = 0;
    for (int i = 0; i < indexInPile; ++i) total += faceUpBelow(i) ? up : down;
    return total;
  };
  switch (DisplayTypeOf(rules, pile)) {
    case 1: at.y += sumSteps(steps.verticalUp, steps.verticalDown); break;
    case 12: if (tableau) at.y += sumSteps(steps.verticalUp, steps.verticalDown); break;
    case 2: at.x += sumSteps(steps.horizontalUp, steps.horizontalDown); break;
    case 10: if (tableau) at.x -= sumSteps(steps.horizontalUp, steps.horizontalDown); break;
    case 4: at.x += indexInPile * (layout.cardWidth + FanSteps::kSideBySideGap); break;
    case 5: if (pile.group == PileGroup::Reserves) at.y += indexInPile * FanSteps::kReserveStack; break;
    case 6: if (tableau) at.x += indexInPile * steps.smallHorizontal; break;
    case 7: if (size >= 2 && indexInPile == size - 1) at.y += steps.verticalUp; break;
    case 9: if (tableau) at.x += indexInPile * (layout.cardWidth + FanSteps::kCloseGap); break;
    case 8:
      if (tableau && pile.index == 0) {
        const TablePoint cell = GridOffset(layout, indexInPile);
        at.x += cell.x;
        at.y += cell.y;
      }
      break;
    default: break;
  }
  if (irregular && tableau && rules[rule::TableauDisplay] == 1) at.x += irregular->shift(pile.index, indexInPile);
  return at;
}

}  // namespace velmora
