#pragma once
// The table layout: where every pile of the current game stands, worked out
// from the game's layout codes, the card size and the playing area. Drawing
// and hit testing read it; nothing here draws or moves cards.
#include <vector>

#include "layout/fan_steps.h"
#include "layout/layout_area.h"
#include "piles/pile_geometry.h"
#include "piles/pile_names.h"
#include "rules/rule_record.h"

namespace velmora {

class TableLayout {
 public:
  // Every pile unplaced, at the card size of the area.
  explicit TableLayout(const LayoutArea& area = {});

  // The pile's top-left corner as the window shows it: the stored y less the
  // scroll offset. An unplaced pile keeps its unplaced values.
  TablePoint pile(PileRef ref) const;
  // The position in table coordinates, as the layout stored it.
  TablePoint stored(PileRef ref) const { return geometry_.at(ref, 0); }
  // False for a pile whose x or y is below -9999: it is not drawn and cannot be hit.
  bool placed(PileRef ref) const { return IsPlaced(stored(ref)); }

  void place(PileRef ref, int x, int y) { geometry_.set(ref, x, y); }
  void unplace(PileRef ref);

  // Scrolling moves what the window shows; the stored positions stay.
  void setScrollOffset(int offset) { scrollOffset = offset; }

  static bool IsPlaced(TablePoint p) { return p.x > -10000 && p.y > -10000; }

  FanSteps steps;
  int cardWidth;
  int cardHeight;
  int tableauRoom;     // vertical pixels a tableau fan may take
  int horizontalRoom;  // horizontal pixels a horizontal tableau fan may take
  int scrollOffset = 0;
  int gridColumns = 1;  // columns of the grid of tableau display 8

 private:
  PileGeometry geometry_;
};

// The values an unplaced slot holds, one per kind of pile.
constexpr int UnplacedValue(PileGroup group) {
  switch (group) {
    case PileGroup::Stock: return -10000;
    case PileGroup::Foundations: return -10001;
    case PileGroup::Tableau: return -10002;
    case PileGroup::Reserves: return -10003;
  }
  return -10000;
}

// The stock-list slots the game shows, as many as rule 366 asks: the stock
// when it is shown, the waste when it is shown, then the other in slot order.
std::vector<PileRef> ShownStockSlots(const RuleRecord& rules);

// Every pile the game uses: its shown stock-list slots, the third item when
// placed, and its foundations, tableau piles and reserves.
std::vector<PileRef> PilesOfTheGame(const RuleRecord& rules);

// Lays the table out for the game whose rules are given, at the card size of
// `sizeLetter` ("S", "B", "M", "L") whose pixels the area carries.
TableLayout LayOutTable(const RuleRecord& rules, char sizeLetter, const LayoutArea& area);

}  // namespace velmora
