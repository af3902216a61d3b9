// The layout runs in a fixed order: gaps and margin, the row table, the
// tableau (which most other kinds line up with), the stock list, foundations,
// reserves and the third stock-list item. Free cells that crowd the tableau
// run it once more with the tableau pushed aside. Whole-table codes place
// every kind at once.
#include "layout/table_layout.h"

#include <algorithm>
#include <initializer_list>

#include "layout/layout_work.h"
#include "text/rounding.h"

namespace velmora {
namespace {

constexpr int kCardsSideBySide = 9;  // tableau display: a pile's cards in a row, 2 pixels apart

constexpr int kCentredRows = 3;  // the rows of the centred block that code "013" starts in

constexpr PileGroup kGroups[] = {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves};

bool IsOneOf(int value, std::initializer_list<int> values) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

int Code(const LayoutWork& w, int layoutRule) { return w.rule(layoutRule); }

// Gaps, margin and row width.
void SetSpacing(LayoutWork& w) {
  w.hg = w.shortScreen() && w.foundations() > 4 && w.stockPiles() > 1 ? 5 : 15;
  w.width = w.area.width;
  w.vg = 10;
  if (w.area.windowHeight <= 499) {
    w.vg = 5;
    w.width -= 10;
  }
  w.margin = w.width >= 652 ? 5 : 3;
  if (w.stockPiles() > 0) {
    w.margin += w.sd;
    // These stock places stand left of the tableau or over it: keep the shadow clear of the edge.
    if (IsOneOf(Code(w, rule::StockLayout), {3, 4, 5, 16, 19}) || Code(w, rule::ThirdSlotLayout) == 4) w.margin += 15;
  }
  w.rowWidth = w.width - 2;
  w.x0 = w.margin;
  w.spacing = 0;
}

// The row table.
void SetRows(LayoutWork& w) {
  const int top = w.area.top;
  if (Code(w, rule::TableauLayout) == 15) {
    w.rows[0] = top + 15;
    w.rows[1] = top + 20 + w.ch;
    w.rows[2] = w.rows[1] + w.ch + 5;
  } else {
    const int stockRow = w.rule(rule::StockRow);
    w.rows[0] = top + w.vg + (stockRow == 1 ? 15 : 0);
    w.rows[1] = w.rows[0] + w.vg + w.ch + (stockRow == 2 || Code(w, rule::StockLayout) == 3 ? 15 : 0);
    w.rows[2] = w.rows[1] + w.vg + w.ch;
  }
  w.rows[3] = w.rows[2] + w.vg + w.ch;
}

// Tableau piles from `first` on, side by side from x, gapAfter(i) pixels after pile i.
template <class GapAfter>
void PlaceSideBySide(LayoutWork& w, int first, int count, int x, int y, GapAfter gapAfter) {
  for (int i = 0; i < count; ++i) {
    w.place(TableauPile(first + i), x, y);
    x += w.cw + gapAfter(i);
  }
}

// Tableau codes "001", "014" and "015": spread over the row width.
void PlaceSpreadRow(LayoutWork& w, int code) {
  const int n = w.tableauPiles(), cw = w.cw, m = w.margin;
  const bool stockOverTableau = Code(w, rule::StockLayout) == 4 || Code(w, rule::ThirdSlotLayout) == 4;
  int s = std::clamp(DivideRounded(w.rowWidth - n * cw, n + 1), 4, 20);
  if (code == 1 && stockOverTableau) s = std::max(s, 15);
  int x0 = DivideRounded(w.rowWidth - n * cw - (n - 1) * s, 2);
  if (x0 < m && code == 1) x0 = m;
  if (x0 < m && code != 1) {
    // Shrink the spacing rather than start left of the margin.
    if (n > 1) s = std::clamp(s - RoundHalfEven(static_cast<double>(m - x0) / (n - 1) + 0.99), 4, 20);
    x0 = w.area.screenWidth <= 649 && (w.foundations() == 8 || n == 10) ? m - 2 : m;
  }
  // Stock and waste over the first piles need a wider gap beside them.
  const int wideGaps = code != 1 && stockOverTableau && s < 15 ? w.stockPiles() : 0;
  w.x0 = x0;
  w.spacing = s;
  PlaceSideBySide(w, 0, n, x0, w.rowOf(rule::TableauRow), [&](int i) { return i < wideGaps ? 15 : s; });
}

// "002": a fixed gap, centred, or from the edge a reserve collision forced.
void PlaceCentredRow(LayoutWork& w) {
  const int n = w.tableauPiles();
  const int s = w.width >= 652 ? 10 : 5;
  w.spacing = s;
  w.x0 = w.forcedLeft.value_or(std::max(w.margin, DivideRounded(w.rowWidth - n * w.cw - (n - 1) * s, 2)));
  PlaceSideBySide(w, 0, n, w.x0, w.rowOf(rule::TableauRow), [s](int) { return s; });
}

// "003", "012" (one column left of the tableau, two gaps) and "011", "021" (two columns, one gap).
void PlaceRowBesideColumns(LayoutWork& w, int code) {
  const int n = w.tableauPiles(), cw = w.cw;
  const bool oneColumn = code == 3 || code == 12;
  const int columns = oneColumn ? 1 : 2, gaps = oneColumn ? 2 : 1;
  int s = std::max(DivideRounded(w.rowWidth - (n + columns) * cw - gaps * w.hg - columns * 15, n + 4), 4);
  if (s > 20) s = 15;
  if (code == 21) s = 4;
  if (w.shortScreen() && oneColumn && w.hg > 10) {
    w.hg = 10;
    w.margin = 15;
  }
  int x0 = DivideRounded(w.rowWidth - columns * 15 - gaps * w.hg - (n + columns) * cw - n * s, 2);
  const int h = w.foundations();
  const int lowest = h < 8 || (h == 8 && oneColumn) ? w.margin : w.shortScreen() ? -4 : 1;
  x0 = std::max(x0, lowest) + columns * (cw + 15) + gaps * w.hg;
  if (code == 11 || code == 12) x0 += w.hg;
  w.x0 = x0;
  w.spacing = s;
  PlaceSideBySide(w, 0, n, x0, w.rowOf(rule::TableauRow), [s](int) { return s; });
}

// "010": close together after room for the shadow.
void PlaceCloseRow(LayoutWork& w) {
  w.x0 = w.shortScreen() ? 8 : 2 * (w.sd < 1 ? 9 : w.sd) + 30;
  w.spacing = 4;
  PlaceSideBySide(w, 0, w.tableauPiles(), w.x0, w.rowOf(rule::TableauRow), [](int) { return 4; });
}

// "013" and "018": several rows of equal length; the first row of a block of
// `blockRows` centred rows is `firstRow`.
void PlaceRows(LayoutWork& w, int perRow, int x0, int s, int blockRows, int firstRow) {
  w.x0 = x0;
  w.spacing = s;
  for (int i = 0; i < w.tableauPiles(); ++i)
    w.place(TableauPile(i), x0 + (i % perRow) * (w.cw + s), CentredBlockRow(w, blockRows, firstRow + i / perRow));
}

int PilesPerRow(const LayoutWork& w) {
  return std::max(1, DivideRounded(w.tableauPiles(), std::max(1, w.rule(rule::TableauRows))));
}

// Rows of cards side by side, one pile a row, each row dealt one card more
// than the row above: a pyramid.
bool IsPyramid(const LayoutWork& w) {
  const int n = w.tableauPiles();
  if (w.rule(rule::TableauDisplay) != kCardsSideBySide || n < 2 || PilesPerRow(w) != 1) return false;
  for (int k = 1; k < n; ++k)
    if (DealtCards(w.rules, TableauPile(k)) != DealtCards(w.rules, TableauPile(k - 1)) + 1) return false;
  return true;
}

// Each row half a card lower than the one above and centred under it, so
// that each card lies between the two it covers; the whole pyramid centred
// in the room below the first row.
void PlacePyramid(LayoutWork& w) {
  const int n = w.tableauPiles();
  const int pitch = w.cw + FanSteps::kCloseGap;
  const int widest = DealtCards(w.rules, TableauPile(n - 1));
  const int rowStep = DivideRounded(w.ch, 2);
  const int height = (n - 1) * rowStep + w.ch;
  const int top = std::max(w.area.top + DivideRounded(w.area.bottom - w.area.top - height, 2), w.rows[0]);
  const int bottomRowLeft = DivideRounded(w.rowWidth - widest * pitch + FanSteps::kCloseGap, 2);
  for (int k = 0; k < n; ++k) {
    const int shorter = widest - DealtCards(w.rules, TableauPile(k));
    w.place(TableauPile(k), bottomRowLeft + DivideRounded(shorter * pitch, 2), top + k * rowStep);
  }
  w.x0 = w.at(TableauPile(0)).x;
  w.spacing = FanSteps::kCloseGap;
}

void PlaceRowsFromEdge(LayoutWork& w) {
  if (IsPyramid(w)) return PlacePyramid(w);
  const int perRow = PilesPerRow(w);
  // More rows than the three of the centred block, which would run past the
  // bottom from there, stand in a block centred for all of them.
  const int rows = (w.tableauPiles() + perRow - 1) / perRow;
  const bool pastTheBottom = CentredBlockRow(w, kCentredRows, rows - 1) + w.ch > w.area.bottom;
  PlaceRows(w, perRow, 15, MultiplyRounded(w.cw, 17, 20), pastTheBottom ? rows : kCentredRows, 0);
}

void PlaceRowsInFourRowBlock(LayoutWork& w) {
  const int p = PilesPerRow(w);
  const int s = std::min(DivideRounded(w.rowWidth - p * w.cw - 2, p + 1), MultiplyRounded(w.cw, 3, 2));
  const int digit = std::clamp(static_cast<int>(w.rule(rule::TableauRow)), 1, 4);
  PlaceRows(w, p, w.margin + (w.shortScreen() ? 15 : 10), s, 4, digit - 1);
}

// "020": gap 10, centred under the foundations.
void PlaceRowUnderFoundations(LayoutWork& w) {
  const int n = w.tableauPiles(), h = w.foundations();
  if (h < 1 || !w.placed(Foundation(0))) return PlaceTableauInBalancedRows(w);
  const int first = w.at(Foundation(0)).x, last = w.at(Foundation(h - 1)).x;
  w.spacing = 10;
  w.x0 = first + DivideRounded(last + w.cw - first - w.cw * n - 10 * n + 10, 2);
  PlaceSideBySide(w, 0, n, w.x0, w.rowOf(rule::TableauRow), [](int) { return 10; });
}

void PlaceTableau(LayoutWork& w) {
  switch (const int code = Code(w, rule::TableauLayout)) {
    case 1: case 14: case 15: return PlaceSpreadRow(w, code);
    case 2: return PlaceCentredRow(w);
    case 3: case 11: case 12: case 21: return PlaceRowBesideColumns(w, code);
    case 10: return PlaceCloseRow(w);
    case 13: return PlaceRowsFromEdge(w);
    case 18: return PlaceRowsInFourRowBlock(w);
    case 20: return PlaceRowUnderFoundations(w);
    default: return PlaceTableauInBalancedRows(w);
  }
}

// The x of tableau pile `index` (0-based); left of pile 1 the piles' pitch
// carries on, so that more foundations than piles still stand apart.
std::optional<int> TableauX(const LayoutWork& w, int index) {
  const int n = w.tableauPiles();
  if (n < 1 || !w.placed(TableauPile(0))) return std::nullopt;
  if (index >= 0) return w.at(TableauPile(std::min(index, n - 1))).x;
  return w.at(TableauPile(0)).x + index * (w.cw + w.spacing);
}

void PlaceOver(LayoutWork& w, PileRef pile, std::optional<int> x, int y) {
  if (x) w.place(pile, *x, y);
}

// The stock list.
void PlaceStockList(LayoutWork& w) {
  if (w.stockPiles() <= 0) return;
  const int y = w.rowOf(rule::StockRow), cw = w.cw, hg = w.hg;
  const bool stockShown = w.rule(rule::StockShown) == 1, wasteShown = w.rule(rule::WasteShown) == 1;
  const PileRef onePile = stockShown ? kStock : kWaste;
  switch (Code(w, rule::StockLayout)) {
    case 4:
      if (stockShown && wasteShown) {
        PlaceOver(w, kStock, TableauX(w, 0), y);
        PlaceOver(w, kWaste, TableauX(w, 1), y);
      } else {
        PlaceOver(w, onePile, TableauX(w, 0), y);
      }
      return;
    case 5: {
      int x = w.margin;
      for (PileRef slot : ShownStockSlots(w.rules)) {
        w.place(slot, x, y);
        x += w.margin + cw;
      }
      return;
    }
    case 3:
      w.place(kStock, w.x0 - cw - 2 * hg, y);
      if (wasteShown) w.place(kWaste, w.x0 - cw - 2 * hg, w.rows[1]);
      return;
    case 11:
      w.place(kWaste, w.x0 - cw - 3 * hg, y);
      w.place(kStock, w.x0 - cw - 3 * hg - cw - hg, y);
      return;
    case 13: {
      const bool crowded = w.shortScreen() && w.foundations() == 8 && w.stockPiles() == 2;
      const int x = (crowded ? -3 : w.sd > 1 ? DivideRounded(w.sd, 2) : w.sd) + 15;
      w.place(kStock, x, y);
      if (w.stockPiles() > 1) w.place(kWaste, x + cw + 15, y);
      return;
    }
    case 16: return w.place(onePile, w.x0 - cw - 2 * hg, y);
    case 19: return w.place(onePile, w.x0 - cw - 4 * hg, y);
    case 21: {
      const int wasteX = w.x0 - cw - hg;
      w.place(kWaste, wasteX, y);
      w.place(kStock, wasteX - cw - (w.shortScreen() && w.foundations() >= 5 ? 0 : 5) - 15, y);
      return;
    }
    default: return;
  }
}

// Foundations `pitch` apart, from `x` on or ending at `lastX`.
void PlaceFoundationsFrom(LayoutWork& w, int x, int pitch, int y) {
  for (int j = 0; j < w.foundations(); ++j) w.place(Foundation(j), x + j * pitch, y);
}
void PlaceFoundationsEndingAt(LayoutWork& w, int lastX, int pitch, int y) {
  const int h = w.foundations();
  PlaceFoundationsFrom(w, lastX - (h - 1) * pitch, pitch, y);
}

// Foundations.
void PlaceFoundations(LayoutWork& w) {
  const int h = w.foundations(), n = w.tableauPiles(), cw = w.cw;
  if (h <= 0) return;
  const int y = w.rowOf(rule::FoundationRow);
  const int fs = std::max(DivideRounded(w.spacing, 3), 4);
  const auto overTableau = [&](int firstPile) {
    for (int j = 0; j < h; ++j) PlaceOver(w, Foundation(j), TableauX(w, firstPile + j), y);
  };
  const auto endingOverLastPile = [&](int pitch) {
    if (const auto last = TableauX(w, n - 1)) PlaceFoundationsEndingAt(w, *last, pitch, y);
  };
  switch (Code(w, rule::FoundationLayout)) {
    case 1: {
      const int gap = std::max(DivideRounded(w.rowWidth - h * cw - 2, h + 1), 1);
      return PlaceFoundationsFrom(w, gap, cw + gap, y);
    }
    case 2: {
      const int gap = std::max(DivideRounded(w.spacing, 2), 4);
      return PlaceFoundationsFrom(w, DivideRounded(w.rowWidth - h * cw - (h - 1) * gap, 2), cw + gap, y);
    }
    case 7: return overTableau(n - h);
    case 8: return PlaceFoundationsEndingAt(w, w.rowWidth - cw - w.margin - 5, w.margin + cw, y);
    case 9: return endingOverLastPile(fs + cw);
    case 13:
      if (!w.shortScreen()) return overTableau(n - h);
      return endingOverLastPile(cw + 2);
    case 17: {
      const PileRef after = w.rule(rule::WasteShown) == 1 ? kWaste : kStock;
      if (!w.placed(after)) return;
      const bool crowded = w.foundations() == 8 && w.stockPiles() == 2;
      const int base = w.at(after).x + cw;
      if (w.shortScreen()) return PlaceFoundationsFrom(w, base + (crowded ? 4 : 7), cw + 3, y);
      return PlaceFoundationsFrom(w, base + 17, cw + 4, y);
    }
    case 22: return overTableau(0);
    default: return;
  }
}

// Reserves.
void PlaceReserves(LayoutWork& w) {
  const int k = w.reserves(), n = w.tableauPiles(), cw = w.cw;
  if (k <= 0) return;
  const int y = w.rowOf(rule::ReserveRow);
  const auto overStockSlot = [&](PileRef slot) {
    if (w.placed(slot)) w.place(Reserve(0), w.at(slot).x, y);
  };
  switch (Code(w, rule::ReserveLayout)) {
    case 4:
      w.place(Reserve(0), w.x0, y);
      for (int j = 1; j < k; ++j) PlaceOver(w, Reserve(j), TableauX(w, j), y);
      return;
    case 5:
      for (int j = 0; j < k; ++j) w.place(Reserve(j), w.margin + j * (w.margin + cw), y);
      return;
    case 6: {
      const int fs = std::max(DivideRounded(w.spacing, 3), 4);
      for (int j = 0; j < k; ++j) w.place(Reserve(j), w.x0 + j * (fs + cw), y);
      return;
    }
    case 7:
      for (int j = 0; j < k; ++j) PlaceOver(w, Reserve(j), TableauX(w, n - k + j), y);
      return;
    case 11: return overStockSlot(kWaste);
    case 12: {
      const int gap = n > 7 ? MultiplyRounded(w.hg, 3, 2) : 3 * w.hg;
      return w.place(Reserve(0), w.x0 - cw - gap, y);
    }
    case 23: return overStockSlot(kStock);
    default: return;
  }
}

// The third stock-list item.
void PlaceThirdItem(LayoutWork& w) {
  if (w.rule(rule::ThirdSlotShown) <= 0) return;
  const int y = w.rowOf(rule::ThirdSlotRow);
  switch (Code(w, rule::ThirdSlotLayout)) {
    case 16:
      if (w.placed(kStock)) w.place(kThirdStockSlot, w.at(kStock).x, w.at(kStock).y + w.ch + 20);
      return;
    // Over the first tableau pile that the stock and waste leave free.
    case 4: return PlaceOver(w, kThirdStockSlot, TableauX(w, w.stockPiles()), y);
    case 6: return PlaceOver(w, kThirdStockSlot, TableauX(w, 1), y);
    case 7: return PlaceOver(w, kThirdStockSlot, TableauX(w, w.tableauPiles() - 1), y);
    default: return;
  }
}

bool Meets(TablePoint a, TablePoint b, int cw, int ch, int widen) {
  return a.x - widen < b.x + cw && b.x < a.x + cw + widen && a.y < b.y + ch && b.y < a.y + ch;
}

// Free cells placed from the margin must keep clear of the tableau: the
// tableau's left edge to use instead, when they do not.
std::optional<int> ReserveCollision(const LayoutWork& w) {
  const int k = w.reserves();
  if (Code(w, rule::ReserveLayout) != 5 || k < 1 || !w.placed(Reserve(k - 1))) return std::nullopt;
  const TablePoint last = w.at(Reserve(k - 1));
  for (int i = 0; i < kTableauPiles; ++i) {
    if (w.placed(TableauPile(i)) && Meets(last, w.at(TableauPile(i)), w.cw, w.ch, 85)) {
      const int edge = last.x + w.cw + 86;
      return edge < 1 ? w.margin : edge;
    }
  }
  return std::nullopt;
}

// A waste that no code placed stands level with the stock.
void FillInWasteRow(LayoutWork& w) {
  if (w.at(kWaste).y == UnplacedValue(PileGroup::Stock)) w.place(kWaste, w.at(kWaste).x, w.at(kStock).y);
}

// Tableau display 8 spreads pile 1 into a grid of as many columns as the
// rule asks, or as fit across the table.
void SetGridColumns(LayoutWork& w) {
  const int gap = w.table.steps.gridGapX;
  const int asked = w.rule(rule::GridColumns);
  w.table.gridColumns = asked > 0 ? asked : std::max(1, (w.rowWidth - 2 * w.margin + gap) / (w.cw + gap));
}

// The grid stands centred across the table.
void CentreGrid(LayoutWork& w) {
  if (w.rule(rule::TableauDisplay) != 8 || !w.placed(TableauPile(0))) return;
  const int columns = w.table.gridColumns;
  const int gridWidth = columns * w.cw + (columns - 1) * w.table.steps.gridGapX;
  w.place(TableauPile(0), std::max(w.margin, DivideRounded(w.rowWidth - gridWidth, 2)), w.at(TableauPile(0)).y);
}

bool RowHoldsOtherPiles(const LayoutWork& w, int row) {
  return (w.stockPiles() >= 1 && w.rule(rule::StockRow) == row) ||
         (w.foundations() >= 1 && w.rule(rule::FoundationRow) == row) ||
         (w.reserves() >= 1 && w.rule(rule::ReserveRow) == row);
}

// How far down a vertical tableau fan may reach: to the next row that
// holds other piles, else to the window's bottom.
int TableauRoom(const LayoutWork& w) {
  if (w.rule(rule::TableauDisplay) != 1) return w.ch;
  const int digit = w.rule(rule::TableauRow);
  const int y = w.placed(TableauPile(0)) ? w.at(TableauPile(0)).y : w.rowY(digit);
  for (int row = std::max(digit, 1) + 1; row <= 4; ++row)
    if (RowHoldsOtherPiles(w, row)) return w.rowY(row) - y;
  return w.area.windowHeight - y;
}

// How far right a horizontal tableau fan may reach: to the next pile of
// its row, else to foundation 1.
int HorizontalRoom(const LayoutWork& w) {
  if (w.rule(rule::TableauDisplay) != 2 || !w.placed(TableauPile(0))) return w.cw;
  const TablePoint first = w.at(TableauPile(0));
  const TablePoint second = w.at(TableauPile(1));
  if (w.placed(TableauPile(1)) && second.y == first.y) return second.x - first.x;
  if (w.placed(Foundation(0)) && w.at(Foundation(0)).x > first.x) return w.at(Foundation(0)).x - first.x;
  return w.cw;
}

void PlaceKinds(LayoutWork& w) {
  const bool underFoundations = Code(w, rule::TableauLayout) == 20;
  if (!underFoundations) PlaceTableau(w);
  PlaceStockList(w);
  PlaceFoundations(w);
  if (underFoundations) PlaceTableau(w);
  PlaceReserves(w);
  PlaceThirdItem(w);
}

void ResetSlots(TableLayout& table) {
  for (PileGroup group : kGroups)
    for (int i = 0; i < GroupSize(group); ++i) table.unplace({group, i});
}

}  // namespace

TableLayout::TableLayout(const LayoutArea& area)
    : cardWidth(area.cardWidth),
      cardHeight(area.cardHeight),
      tableauRoom(area.cardHeight),
      horizontalRoom(area.cardWidth) {
  ResetSlots(*this);
}

TablePoint TableLayout::pile(PileRef ref) const {
  TablePoint p = stored(ref);
  if (IsPlaced(p)) p.y -= scrollOffset;
  return p;
}

void TableLayout::unplace(PileRef ref) { geometry_.set(ref, UnplacedValue(ref.group), UnplacedValue(ref.group)); }

int CentredBlockRow(const LayoutWork& w, int rowCount, int row) {
  const int top = w.area.top;
  const int first = top + DivideRounded(w.area.bottom - top - rowCount * w.ch - (rowCount - 1) * 10, 2);
  return std::max(first, top + 2) + row * (w.ch + 10);
}

TableLayout LayOutTable(const RuleRecord& rules, char sizeLetter, const LayoutArea& area) {
  TableLayout table(area);
  table.steps = FanStepsFor(sizeLetter, rules);
  LayoutWork w(rules, area, table);
  SetSpacing(w);
  SetRows(w);
  SetGridColumns(w);
  const int tableauCode = Code(w, rule::TableauLayout);
  if (tableauCode == 51 || tableauCode == 52) {
    PlaceFixedWholeTable(w, tableauCode);
  } else if (IsWholeTableCode(tableauCode)) {
    ArrangeWholeTable(w);
    CentreGrid(w);
  } else {
    PlaceKinds(w);
    if (const auto edge = ReserveCollision(w)) {
      ResetSlots(table);
      w.forcedLeft = edge;
      SetSpacing(w);
      SetRows(w);
      PlaceKinds(w);
    }
    FillInWasteRow(w);
    CentreGrid(w);
    PlaceLeftovers(w);
    SeparateOverlaps(w);
  }
  CentreAcrossTheTable(w);
  table.horizontalRoom = HorizontalRoom(w);
  table.tableauRoom = TableauRoom(w);
  table.scrollOffset = area.scrollPosition;
  return table;
}

}  // namespace velmora
