#include "play/hit_test.h"

#include "game/rule_index.h"
#include "layout/card_place.h"
#include "play/execute_move.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kSideBySideTableau = 4;
constexpr int kCardsInARow = 9;  // tableau display: rows of cards, overlapping in a pyramid

const IrregularPiles* IrregularShifts(const TMainGame& game) {
  return game.store().isOn(store::IrregularPiles) ? &game.irregularPiles() : nullptr;
}

int PilesInUse(const RuleRecord& rules, PileGroup group) {
  switch (group) {
    case PileGroup::Stock: return kStockSlots;
    case PileGroup::Foundations: return std::min<int>(rules[rule::Foundations], kFoundations);
    case PileGroup::Tableau: return std::min<int>(rules[rule::TableauPiles], kTableauPiles);
    case PileGroup::Reserves: return std::min<int>(rules[rule::Reserves], kReserves);
  }
  return 0;
}

}  // namespace

TableRect CardRect(const TMainGame& game, PileRef pile, int index) {
  const TableLayout& layout = game.layout();
  const TablePoint at = CardPlace(layout, game.rules(), game.piles(), game.cards(), pile, index, IrregularShifts(game));
  return {at.x, at.y, layout.cardWidth, layout.cardHeight};
}

std::optional<TableRect> PileRect(const TMainGame& game, PileRef pile) {
  if (!game.layout().placed(pile)) return std::nullopt;
  TableRect rect = CardRect(game, pile, 0);
  const int size = static_cast<int>(game.piles().pile(pile).size());
  for (int i = 1; i < size; ++i) rect = rect.joinedWith(CardRect(game, pile, i));
  return rect;
}

std::vector<PileRef> PilesInHitOrder(const TMainGame& game) {
  const RuleRecord& rules = game.rules();
  std::vector<PileRef> order;
  for (int s = 0; s < kStockSlots; ++s) order.push_back({PileGroup::Stock, s});
  const int tableau = PilesInUse(rules, PileGroup::Tableau);
  // Where the tableau's piles may lie on each other, the later one is drawn on top.
  const int display = rules[rule::TableauDisplay];
  const bool fromLast = display == kSideBySideTableau || display == kCardsInARow;
  for (int i = 0; i < tableau; ++i) order.push_back({PileGroup::Tableau, fromLast ? tableau - 1 - i : i});
  for (PileGroup group : {PileGroup::Foundations, PileGroup::Reserves})
    for (int i = 0; i < PilesInUse(rules, group); ++i) order.push_back({group, i});
  return order;
}

std::optional<PileHit> HitTest(const TMainGame& game, TablePoint point) {
  // A pile under the point with no card there, as where a card was removed:
  // a pile beneath may still show a card at the point.
  std::optional<PileHit> noCardThere;
  for (const PileRef pile : PilesInHitOrder(game)) {
    const auto whole = PileRect(game, pile);
    if (!whole || !whole->holds(point)) continue;
    PileHit hit{pile, kNoCard, -1, *whole};
    const Pile& cards = game.piles().pile(pile);
    if (cards.empty()) {
      hit.rect = CardRect(game, pile, 0);
      return hit;
    }
    for (int i = static_cast<int>(cards.size()) - 1; i >= 0; --i) {
      const CardId card = cards[static_cast<std::size_t>(i)];
      const TableRect rect = CardRect(game, pile, i);
      if (card == kNoCard || !rect.holds(point)) continue;  // a gap holds no card
      return PileHit{pile, card, i, rect};
    }
    if (!noCardThere) noCardThere = hit;
  }
  return noCardThere;
}

std::optional<TablePoint> PointOnCard(const TMainGame& game, CardId card) {
  const auto spot = FindCard(game, card);
  if (!spot) return std::nullopt;
  const TableRect rect = CardRect(game, spot->pile, spot->index);
  const TablePoint tries[] = {{rect.x + 2, rect.y + 2},
                              {rect.right() - 3, rect.y + 2},
                              {rect.x + rect.width / 2, rect.y + rect.height / 2},
                              {rect.x + 2, rect.bottom() - 3},
                              {rect.right() - 3, rect.bottom() - 3}};
  for (const TablePoint point : tries) {
    const auto hit = HitTest(game, point);
    if (hit && hit->card == card) return point;
  }
  return std::nullopt;
}

}  // namespace velmora
