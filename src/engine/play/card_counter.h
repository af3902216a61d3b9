#pragma once
// The card counter: for every card of the game, whether the player can see it
// (it lies face up), cannot see it (it lies face down), or whether it is not
// counted (it is not on the table, or lies in the part the player chose not
// to count). The stock part is the stock and the waste; the table part is
// the tableau, the foundations, the reserves and the discard pile.
//
// The grid has one row per suit - hearts, diamonds, clubs, spades, then the
// second deck's rows in the same order - and one column per rank.
#include <array>
#include <string_view>

#include "cards/card.h"

namespace velmora {

class CardTable;
class IniDocument;
class PileStore;
class RuleRecord;

enum class CounterMark { NotCounted, Seen, Unseen };

// "Tableau only" and "Stock only" are at most one checked; with neither, both
// parts are counted. "Inverted" swaps the seen and unseen marks.
struct CounterOptions {
  bool tableauOnly = true;
  bool stockOnly = false;
  bool inverted = false;

  bool countsStock() const { return stockOnly || !tableauOnly; }
  bool countsTable() const { return tableauOnly || !stockOnly; }
  friend bool operator==(const CounterOptions&, const CounterOptions&) = default;
};

inline constexpr int kCounterRowsPerDeck = 4;

class CounterGrid {
 public:
  explicit CounterGrid(int rows) : rows_(rows) {}

  // 4, or 8 with two decks.
  int rows() const { return rows_; }
  // The mark of a card of the grid; a card outside it is not counted.
  CounterMark mark(CardId card) const;
  void setMark(CardId card, CounterMark mark);
  // Row 0 to rows() - 1, rank 1 (Ace) to 13 (King).
  CounterMark mark(int row, int rank) const { return mark(row * kRanks + rank); }
  friend bool operator==(const CounterGrid&, const CounterGrid&) = default;

 private:
  bool inGrid(CardId card) const { return card >= 1 && card <= rows_ * kRanks; }

  int rows_;
  std::array<CounterMark, 2 * kCardsPerDeck + 1> marks_{};
};

// What the counter shows for the current table.
CounterGrid CountCards(const RuleRecord& rules, const PileStore& piles, const CardTable& cards,
                       CounterOptions options);

// The counter's settings in section "Preference" of the preference file.
struct CounterSettings {
  static constexpr int kKeepPlace = -1;

  CounterOptions options;
  int left = kKeepPlace;  // with kKeepPlace the window keeps its own place
  int top = kKeepPlace;
  bool visible = false;  // opened at start-up
};

CounterSettings ReadCounterSettings(const IniDocument& file);
void WriteCounterSettings(IniDocument& file, const CounterSettings& settings);

}  // namespace velmora
