#pragma once
// Where each card of a pile lies: its pile's place plus one fan step for each
// card below it, by the display type of the pile's kind.
#include <array>
#include <cstdint>
#include <random>

#include "cards/card_table.h"
#include "layout/table_layout.h"
#include "piles/pile_store.h"
#include "rules/rule_record.h"

namespace velmora {

// Small random shifts that make vertical tableau fans look laid by hand; new
// at every game.
class IrregularPiles {
 public:
  static constexpr int kRows = 7;
  static constexpr int kColumns = 13;

  // Fills every row afresh from the random source.
  void refill(std::mt19937& random);

  // How far right of the card below it the card at `place` (0-based) of
  // tableau pile `pile` (0-based) is shifted.
  int step(int pile, int place) const;
  // How far right of its pile's line that card stands: the sum of the steps
  // up to it, which stays within two pixels over each run of twelve cards.
  int shift(int pile, int place) const;

 private:
  std::array<std::array<std::int8_t, kColumns>, kRows> steps_{};
};

// The display type that fans the cards of a pile: tableau rule 3 (type 11
// split per pile), foundations rule 4, reserves rule 5; the stock list none.
int DisplayTypeOf(const RuleRecord& rules, PileRef pile);

// The top-left corner of the card at `indexInPile` (0 the bottom card) as the
// window shows it. An index past the top card is where the next card would
// go. Unplaced piles give their unplaced values. `irregular` is null when the
// irregular piles option is off.
TablePoint CardPlace(const TableLayout& layout, const RuleRecord& rules, const PileStore& piles,
                     const CardTable& cards, PileRef pile, int indexInPile, const IrregularPiles* irregular);

}  // namespace velmora
