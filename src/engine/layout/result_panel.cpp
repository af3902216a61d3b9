#include "layout/result_panel.h"

#include <algorithm>
#include <optional>

#include "piles/pile_names.h"
#include "game/rule_index.h"

namespace velmora {
namespace {

constexpr int kPokerSquares = 9;
constexpr int kPokerSquaresVariant = 59;
constexpr int kGridPiles = 25;
constexpr int kPanelGap = 20;       // between the panel and the cards beside it, past their shadow
constexpr int kRightMargin = 5;
constexpr int kNarrowestPanel = 130;  // "Total: 100 points" still fits

struct Box {
  int left, top, right, bottom;
};

Box CardBox(const TableLayout& layout, PileRef pile) {
  const TablePoint at = layout.stored(pile);
  return {at.x, at.y, at.x + layout.cardWidth, at.y + layout.cardHeight};
}

// Whether the boxes come closer than the gap.
bool Crowds(const Box& a, const Box& b) {
  return a.left < b.right + kPanelGap && b.left < a.right + kPanelGap && a.top < b.bottom + kPanelGap &&
         b.top < a.bottom + kPanelGap;
}

// Right of the grid, level with its top or below the stock-list piles that
// stand there; none when the table is too narrow.
std::optional<ResultPanelPlace> BesideGrid(const TableLayout& layout, const LayoutArea& area, const Box& grid) {
  const int left = grid.right + kPanelGap;
  if (left + kResultPanelWidth > area.width - kRightMargin) return std::nullopt;
  Box panel{left, grid.top, left + kResultPanelWidth, grid.top + kResultPanelHeight};
  for (bool moved = true; moved;) {
    moved = false;
    for (int slot = 0; slot < kStockSlots; ++slot) {
      const PileRef pile{PileGroup::Stock, slot};
      if (!layout.placed(pile) || !Crowds(panel, CardBox(layout, pile))) continue;
      panel.top = CardBox(layout, pile).bottom + kPanelGap;
      panel.bottom = panel.top + kResultPanelHeight;
      moved = true;
    }
  }
  return ResultPanelPlace{panel.left, panel.top, kResultPanelWidth};
}

std::optional<Box> Bounds(const TableLayout& layout, PileGroup group, int first, int count) {
  std::optional<Box> box;
  for (int i = first; i < first + count; ++i) {
    const PileRef pile{group, i};
    if (!layout.placed(pile)) continue;
    const Box card = CardBox(layout, pile);
    box = box ? Box{std::min(box->left, card.left), std::min(box->top, card.top), std::max(box->right, card.right),
                    std::max(box->bottom, card.bottom)}
              : card;
  }
  return box;
}

}  // namespace

bool ShowsResultPanel(const RuleRecord& rules) {
  const int family = rules[rule::Family];
  return family == kPokerSquares || family == kPokerSquaresVariant;
}

ResultPanelPlace PlaceResultPanel(const TableLayout& layout, const LayoutArea& area) {
  const auto grid = Bounds(layout, PileGroup::Tableau, 0, kGridPiles);
  if (!grid) return {};
  if (const auto beside = BesideGrid(layout, area, *grid)) return *beside;
  const auto stock = Bounds(layout, PileGroup::Stock, 0, kStockSlots);
  if (stock && stock->right + kPanelGap <= grid->left) {
    const int width = std::min(kResultPanelWidth, grid->left - kPanelGap - stock->left);
    if (width >= kNarrowestPanel) return {stock->left, stock->bottom + kPanelGap, width};
  }
  return {grid->left, grid->bottom + kPanelGap, kResultPanelWidth};
}

}  // namespace velmora
