#pragma once
// The working state of one layout run, shared by the steps that place each
// kind of pile. Only the layout's own files include this.
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "game/rule_index.h"
#include "layout/table_layout.h"

namespace velmora {

struct LayoutWork {
  LayoutWork(const RuleRecord& r, const LayoutArea& a, TableLayout& t)
      : rules(r), area(a), table(t), cw(a.cardWidth), ch(a.cardHeight), sd(a.shadowDepth) {}

  const RuleRecord& rules;
  const LayoutArea& area;
  TableLayout& table;
  const int cw, ch, sd;

  int hg = 15;      // horizontal gap
  int vg = 10;      // vertical gap
  int margin = 5;   // left margin m
  int width = 0;    // W
  int rowWidth = 0;  // U
  std::array<int, 4> rows{};  // R1 to R4
  int x0 = 0;        // the first tableau pile's x
  int spacing = 0;   // s: the gap between tableau piles
  std::optional<int> forcedLeft;  // the tableau's left edge after a reserve collision

  int rule(int index) const { return rules[index]; }
  // Pile counts held to the slots there are, whatever a damaged record says.
  int tableauPiles() const { return count(rule::TableauPiles, kTableauPiles); }
  int foundations() const { return count(rule::Foundations, kFoundations); }
  int reserves() const { return count(rule::Reserves, kReserves); }
  int stockPiles() const { return count(rule::StockPilesShown, 2); }
  int count(int index, int most) const { return std::clamp(static_cast<int>(rules[index]), 0, most); }
  bool shortScreen() const { return area.screenHeight < 500; }

  // The y of a row digit 1 to 4; any other digit stands for the first row.
  int rowY(int digit) const { return rows[static_cast<std::size_t>(digit >= 1 && digit <= 4 ? digit - 1 : 0)]; }
  int rowOf(int rowRule) const { return rowY(rules[rowRule]); }

  void place(PileRef ref, int x, int y) { table.place(ref, x, y); }
  void unplace(PileRef ref) { table.unplace(ref); }
  TablePoint at(PileRef ref) const { return table.stored(ref); }
  bool placed(PileRef ref) const { return table.placed(ref); }
};

inline PileRef TableauPile(int i) { return {PileGroup::Tableau, i}; }
inline PileRef Foundation(int i) { return {PileGroup::Foundations, i}; }
inline PileRef Reserve(int i) { return {PileGroup::Reserves, i}; }

// Whether a tableau code lays out the whole table at once.
constexpr bool IsWholeTableCode(int code) { return code >= 51 && code <= 173 && code != 102; }

// The whole-table layouts "051" (a 4 x 4 grid) and "052" (a cross).
void PlaceFixedWholeTable(LayoutWork& work, int code);

// Every other whole-table code: the stock list, reserves and foundations in
// the top rows, the tableau below them.
void ArrangeWholeTable(LayoutWork& work);

// The tableau in balanced, centred rows: for tableau codes without a fixed
// arrangement.
void PlaceTableauInBalancedRows(LayoutWork& work);

// Piles of the game a code left unplaced, or put on another pile or beyond
// the table's edges, go to the first free place of their row.
void PlaceLeftovers(LayoutWork& work);
void SeparateOverlaps(LayoutWork& work);

// How many cards the deal puts on a pile: a tableau or reserve count of the
// rules (one card for a tableau code naming a card), none elsewhere.
int DealtCards(const RuleRecord& rules, PileRef pile);

// Shifts every placed pile across so that the dealt table, fans included,
// stands centred in the window.
void CentreAcrossTheTable(LayoutWork& work);

}  // namespace velmora

namespace velmora {

// Row `row` (0-based) of a block of `rowCount` rows, ch + 10 apart, centred
// between the top and the bottom of the area but not above top + 2.
int CentredBlockRow(const LayoutWork& work, int rowCount, int row);

}  // namespace velmora
