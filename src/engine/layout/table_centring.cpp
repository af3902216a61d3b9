// The last step of every layout: the table as the deal fills it, fans
// included, is shifted across so that it stands centred in the window.
#include <algorithm>

#include "layout/layout_work.h"
#include "layout/table_extent.h"
#include "text/rounding.h"

namespace velmora {
namespace {

// Tableau counts above this are codes for one given card (a rank or a joker).
constexpr int kLargestTableauCount = 1000;

// Every placed pile with as many cards as the deal puts there, all face up so
// that the fans take their widest steps.
PileStore DealtPiles(const LayoutWork& w, CardTable& cards) {
  PileStore piles;
  for (const PileRef pile : PilesOfTheGame(w.rules))
    for (int i = DealtCards(w.rules, pile); i > 0; --i) piles.addCard(pile, 1, Face::Up, cards);
  return piles;
}

void ShiftAcross(LayoutWork& w, int shift) {
  for (const PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves}) {
    for (int i = 0; i < GroupSize(group); ++i) {
      const PileRef pile{group, i};
      if (w.placed(pile)) w.place(pile, w.at(pile).x + shift, w.at(pile).y);
    }
  }
}

}  // namespace

int DealtCards(const RuleRecord& rules, PileRef pile) {
  int count = 0;
  switch (pile.group) {
    case PileGroup::Tableau: count = rules[rule::TableauCards + pile.index]; break;
    case PileGroup::Reserves: count = rules[rule::ReserveCards + pile.index]; break;
    default: return 0;  // the stock list never fans; foundations start with a card at most
  }
  if (count > kLargestTableauCount) return 1;
  return std::clamp(count, 0, static_cast<int>(kLastCard));
}

void CentreAcrossTheTable(LayoutWork& w) {
  CardTable cards;
  const PileStore piles = DealtPiles(w, cards);
  const auto extent = TableExtentOf(w.table, w.rules, piles, cards);
  // A table wider than the window stays where the codes' rules for crowded
  // rows put it.
  if (!extent || extent->width() > w.width) return;
  // Never further left than the margin, which keeps room for the shadow and
  // the raised stock, unless the codes put the table there already; but the
  // table stays inside the window.
  int left = std::max(DivideRounded(w.rowWidth - extent->width(), 2), std::min(extent->left, w.margin));
  left = std::min(left, w.width - extent->width());
  ShiftAcross(w, left - extent->left);
}

}  // namespace velmora
