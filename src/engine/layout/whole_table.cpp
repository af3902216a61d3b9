// The whole-table layouts, the balanced rows of the tableau codes without a
// fixed arrangement, and the passes that keep every pile of a game on the
// table and clear of the others.
#include <algorithm>
#include <cmath>
#include <span>

#include "layout/fan_steps.h"
#include "layout/layout_work.h"
#include "text/rounding.h"

namespace velmora {
namespace {

int CeilDiv(int a, int b) { return (a + b - 1) / b; }

// "051": sixteen piles in a 4 x 4 grid, the stock on its left and the third
// stock-list item on its right, both level with the grid's middle.
void PlaceFourByFourGrid(LayoutWork& w) {
  const int cw = w.cw, ch = w.ch, top = w.area.top;
  int left = DivideRounded(w.rowWidth - 4 * (cw + 10), 2);
  const int room = left - cw;
  const int distance = room >= 80 ? 70 : room >= 45 ? 35 : 15;
  if (room < 25) left = cw + w.margin + 15;
  const int firstRow = std::max(top + DivideRounded(w.area.bottom - top - 4 * ch - 30, 2), w.rows[0]);
  for (int i = 0; i < w.tableauPiles(); ++i)
    w.place(TableauPile(i), left + (i % 4) * (cw + 10), firstRow + (i / 4) * (ch + 10));
  const int sideY = firstRow + DivideRounded(ch + 10, 2) + ch + 10;
  w.place(kStock, left - distance - cw, sideY);
  w.place(kThirdStockSlot, left + 3 * (cw + 10) + cw + distance, sideY);
  w.x0 = left;
  w.spacing = 10;
}

// "052": a cross of five piles with a foundation in each corner, the stock
// and waste on the left.
void PlaceCross(LayoutWork& w) {
  const int cw = w.cw, ch = w.ch, top = w.area.top;
  const int g = w.area.windowHeight <= 499 ? 25 : 35;
  const int left = std::max(DivideRounded(w.rowWidth - 3 * cw - 2 * g, 2), cw + 2 * g + 25);
  const int middle = left + cw + g, right = middle + cw + g;
  const int topRow = std::max(top + DivideRounded(w.area.bottom - top - 3 * ch - 2 * g, 2), w.rows[0]);
  const int centreRow = topRow + ch + g, bottomRow = centreRow + ch + g;
  w.place(TableauPile(0), middle, topRow);
  w.place(TableauPile(1), left, centreRow);
  w.place(TableauPile(2), middle, centreRow);
  w.place(TableauPile(3), right, centreRow);
  w.place(TableauPile(4), middle, bottomRow);
  w.place(kStock, left - cw - 2 * g, topRow);
  w.place(kWaste, left - cw - 2 * g, centreRow);
  w.place(Foundation(0), left + 7, topRow + 7);
  w.place(Foundation(1), right - 7, topRow + 7);
  w.place(Foundation(2), left + 7, bottomRow - 7);
  w.place(Foundation(3), right - 7, bottomRow - 7);
  w.x0 = left;
  w.spacing = g;
}

// How far a tableau pile's cards reach beyond its first card, so that rows
// and columns of piles leave room for the fans.
struct FanReach {
  int right = 0;
  int down = 0;
  bool onePerRow = false;  // the cards stand side by side across the table
};

FanReach TableauFanReach(const LayoutWork& w) {
  const FanSteps& steps = w.table.steps;
  switch (w.rule(rule::TableauDisplay)) {
    case 1: case 7: case 12: return {0, 6 * steps.verticalUp, false};
    case 2: case 10: case 11: return {4 * std::max(steps.horizontalUp, 12), 0, false};
    case 6: return {4 * steps.smallHorizontal, 0, false};
    case 4: case 8: case 9: return {0, 0, true};
    default: return {};
  }
}

int PilesAcross(const LayoutWork& w, int pitch, int gap) {
  return std::max(1, (w.rowWidth - 2 * w.margin + gap) / pitch);
}

// Piles in as few rows as the width allows, the rows as even as can be and
// each centred; returns the y below the last row.
int PlaceInRows(LayoutWork& w, std::span<const PileRef> piles, int y, int gap, int extraRight, int pitchY,
                int perRowLimit) {
  const int count = static_cast<int>(piles.size());
  if (count == 0) return y;
  const int pitchX = w.cw + extraRight + gap;
  const int most = std::min(PilesAcross(w, pitchX, gap), perRowLimit);
  const int rows = CeilDiv(count, most);
  const int perRow = CeilDiv(count, rows);
  for (int r = 0; r < rows; ++r) {
    const int inRow = std::min(perRow, count - r * perRow);
    const int rowWidth = inRow * pitchX - gap - extraRight;
    const int x = std::max(w.margin, DivideRounded(w.rowWidth - rowWidth, 2));
    for (int i = 0; i < inRow; ++i)
      w.place(piles[static_cast<std::size_t>(r * perRow + i)], x + i * pitchX, y + r * pitchY);
  }
  return y + rows * pitchY;
}

std::vector<PileRef> TableauPiles(const LayoutWork& w) {
  std::vector<PileRef> piles;
  for (int i = 0; i < w.tableauPiles(); ++i) piles.push_back(TableauPile(i));
  return piles;
}

// The tableau from row y down: one row when it fits with gaps of 4 or more
// (the gaps spread as for code "001"), else balanced rows 10 apart.
void PlaceTableauBlock(LayoutWork& w, int y) {
  const int n = w.tableauPiles();
  if (n < 1) return;
  const FanReach reach = TableauFanReach(w);
  const int spread = DivideRounded(w.rowWidth - 2 * w.margin - n * (w.cw + reach.right), n + 1);
  const int gap = !reach.onePerRow && spread >= 4 ? std::min(spread, 20) : 10;
  PlaceInRows(w, TableauPiles(w), y, gap, reach.right, w.ch + w.vg + reach.down, reach.onePerRow ? 1 : n);
  w.x0 = w.at(TableauPile(0)).x;
  w.spacing = gap;
}

// Piles of single cards (no fan) as a square grid, 10 apart, centred in the
// room from row y to the bottom.
void PlaceTableauSquare(LayoutWork& w, int y) {
  const int n = w.tableauPiles();
  const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
  const int rows = CeilDiv(n, std::min(side, PilesAcross(w, w.cw + 10, 10)));
  const int top = w.area.top;
  y = std::max(y, top + DivideRounded(w.area.bottom - top - rows * (w.ch + 10) + 10, 2));
  PlaceInRows(w, TableauPiles(w), y, 10, 0, w.ch + 10, side);
  w.x0 = w.at(TableauPile(0)).x;
  w.spacing = 10;
}

bool FansOut(const LayoutWork& w) {
  const FanReach reach = TableauFanReach(w);
  return reach.right > 0 || reach.down > 0 || reach.onePerRow;
}

// How far a placed pile reaches beyond its first card: a tableau pile's
// dealt fan or row of cards side by side, nothing for the other kinds.
FanReach ReachOf(const LayoutWork& w, PileRef pile) {
  if (pile.group != PileGroup::Tableau) return {};
  const int besideEarlier = std::max(DealtCards(w.rules, pile) - 1, 0);
  switch (w.rule(rule::TableauDisplay)) {
    case 4: return {besideEarlier * (w.cw + FanSteps::kSideBySideGap), 0, false};
    case 9: return {besideEarlier * (w.cw + FanSteps::kCloseGap), 0, false};
    default: {
      const FanReach reach = TableauFanReach(w);
      return {reach.right, reach.down, false};
    }
  }
}

// Whether a pile at `at` keeps `clearance` pixels from every other placed
// pile and the fans dealt from it.
bool FreeAt(const LayoutWork& w, PileRef self, TablePoint at, int clearance) {
  for (const PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves}) {
    for (int i = 0; i < GroupSize(group); ++i) {
      const PileRef other{group, i};
      if (other == self || !w.placed(other)) continue;
      const TablePoint p = w.at(other);
      const FanReach reach = ReachOf(w, other);
      if (at.x < p.x + w.cw + reach.right + clearance && p.x < at.x + w.cw + clearance &&
          at.y < p.y + w.ch + reach.down + clearance && p.y < at.y + w.ch + clearance)
        return false;
    }
  }
  return true;
}

// Inside the window's width, or no farther out than the tableau's own piles
// reach: the centring that follows brings the two back in together, so a
// foundation over the last tableau pile keeps its place.
bool InsideTheTable(const LayoutWork& w, TablePoint at) {
  int left = 0, right = w.width;
  for (int i = 0; i < w.tableauPiles(); ++i) {
    if (!w.placed(TableauPile(i))) continue;
    left = std::min(left, w.at(TableauPile(i)).x);
    right = std::max(right, w.at(TableauPile(i)).x + w.cw);
  }
  return at.x >= left && at.x + w.cw <= right;
}

// The first free left edge at or right of `from` in row y that keeps the
// pile inside the row width, else the first free one from the margin. The
// candidates are the margin and just right of every placed pile.
std::optional<int> FreeXInRow(const LayoutWork& w, PileRef self, int y, int from) {
  const int clearance = std::min(w.hg, 10);
  std::vector<int> edges{w.margin};
  for (const PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves})
    for (int i = 0; i < GroupSize(group); ++i)
      if (PileRef other{group, i}; other != self && w.placed(other))
        edges.push_back(w.at(other).x + w.cw + ReachOf(w, other).right + clearance);
  std::sort(edges.begin(), edges.end());
  for (const bool onlyRightOfFrom : {true, false})
    for (const int x : edges)
      if ((!onlyRightOfFrom || x >= from) && x >= w.margin && x + w.cw <= w.rowWidth && FreeAt(w, self, {x, y}, clearance))
        return x;
  return std::nullopt;
}

int RowRuleOf(PileRef pile) {
  if (pile == kThirdStockSlot) return rule::ThirdSlotRow;
  switch (pile.group) {
    case PileGroup::Stock: return rule::StockRow;
    case PileGroup::Foundations: return rule::FoundationRow;
    case PileGroup::Tableau: return rule::TableauRow;
    case PileGroup::Reserves: return rule::ReserveRow;
  }
  return rule::TableauRow;
}

// Its own row first, then the rows below, then further rows below those.
bool PlaceInFreeSpace(LayoutWork& w, PileRef pile, int fromX) {
  int y = w.rowOf(RowRuleOf(pile));
  for (int tries = 0; tries < 2 * kTableauPiles; ++tries, y += w.ch + w.vg) {
    if (const auto x = FreeXInRow(w, pile, y, fromX)) {
      w.place(pile, *x, y);
      return true;
    }
    fromX = w.margin;
  }
  return false;
}

}  // namespace

// Every other whole-table code: the stock list and reserves from the left of
// the top row, the foundations flush right (each group in rows of its own
// when they do not share one), and the tableau below them: fanned piles in
// rows, piles of single cards in a square.
void ArrangeWholeTable(LayoutWork& w) {
  std::vector<PileRef> left = ShownStockSlots(w.rules);
  if (w.rule(rule::ThirdSlotShown) > 0) left.push_back(kThirdStockSlot);
  for (int j = 0; j < w.reserves(); ++j) left.push_back(Reserve(j));
  std::vector<PileRef> right;
  for (int j = 0; j < w.foundations(); ++j) right.push_back(Foundation(j));

  const int gap = w.width >= 652 ? 10 : 5, pitch = w.cw + gap;
  const int bandPitch = w.ch + 2 * w.vg;
  int y = w.rows[0];
  const int together = static_cast<int>(left.size() + right.size());
  if (together > 0 && together < PilesAcross(w, pitch, gap)) {
    for (std::size_t i = 0; i < left.size(); ++i) w.place(left[i], w.margin + static_cast<int>(i) * pitch, y);
    const int firstRight = w.rowWidth - w.margin - static_cast<int>(right.size()) * pitch + gap;
    for (std::size_t i = 0; i < right.size(); ++i) w.place(right[i], firstRight + static_cast<int>(i) * pitch, y);
    y += bandPitch;
  } else {
    y = PlaceInRows(w, left, y, gap, 0, bandPitch, kTableauPiles);
    y = PlaceInRows(w, right, y, gap, 0, bandPitch, kTableauPiles);
  }
  if (w.tableauPiles() < 1) return;
  if (FansOut(w)) return PlaceTableauBlock(w, y);
  PlaceTableauSquare(w, y);
}

std::vector<PileRef> ShownStockSlots(const RuleRecord& rules) {
  std::vector<PileRef> slots;
  if (rules[rule::StockShown] == 1) slots.push_back(kStock);
  if (rules[rule::WasteShown] == 1) slots.push_back(kWaste);
  for (const PileRef slot : {kStock, kWaste})
    if (std::find(slots.begin(), slots.end(), slot) == slots.end()) slots.push_back(slot);
  slots.resize(static_cast<std::size_t>(std::clamp(static_cast<int>(rules[rule::StockPilesShown]), 0, 2)));
  return slots;
}

std::vector<PileRef> PilesOfTheGame(const RuleRecord& rules) {
  std::vector<PileRef> piles = ShownStockSlots(rules);
  if (rules[rule::ThirdSlotShown] > 0) piles.push_back(kThirdStockSlot);
  const auto add = [&](PileGroup group, int countRule) {
    const int count = std::clamp(static_cast<int>(rules[countRule]), 0, GroupSize(group));
    for (int i = 0; i < count; ++i) piles.push_back({group, i});
  };
  add(PileGroup::Foundations, rule::Foundations);
  add(PileGroup::Tableau, rule::TableauPiles);
  add(PileGroup::Reserves, rule::Reserves);
  return piles;
}

void PlaceFixedWholeTable(LayoutWork& work, int code) {
  if (code == 51) return PlaceFourByFourGrid(work);
  PlaceCross(work);
}

void PlaceTableauInBalancedRows(LayoutWork& work) { PlaceTableauBlock(work, work.rowOf(rule::TableauRow)); }

void PlaceLeftovers(LayoutWork& work) {
  for (const PileRef pile : PilesOfTheGame(work.rules))
    if (!work.placed(pile)) PlaceInFreeSpace(work, pile, work.margin);
}

// The later kinds give way: the third item, then the stock and waste, the
// reserves and the foundations; the tableau stays where its code put it.
void SeparateOverlaps(LayoutWork& work) {
  std::vector<PileRef> movers;
  if (work.rule(rule::ThirdSlotShown) > 0) movers.push_back(kThirdStockSlot);
  for (const PileRef slot : ShownStockSlots(work.rules)) movers.push_back(slot);
  for (int j = 0; j < work.reserves(); ++j) movers.push_back(Reserve(j));
  for (int j = 0; j < work.foundations(); ++j) movers.push_back(Foundation(j));
  for (const PileRef pile : movers) {
    if (!work.placed(pile) || (InsideTheTable(work, work.at(pile)) && FreeAt(work, pile, work.at(pile), 0))) continue;
    const TablePoint was = work.at(pile);
    work.unplace(pile);
    if (const auto x = FreeXInRow(work, pile, was.y, was.x)) {
      work.place(pile, *x, was.y);
    } else if (!PlaceInFreeSpace(work, pile, was.x)) {
      work.place(pile, was.x, was.y);
    }
  }
}

}  // namespace velmora
