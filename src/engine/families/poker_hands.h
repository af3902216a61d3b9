#pragma once
// The poker hands of the poker squares families (9 and 59): each row and
// column of the 5 x 5 grid is a hand of five cards, scored by this table.
#include <array>
#include <string_view>

#include "cards/card.h"

namespace velmora {

inline constexpr int kHandCards = 5;
using PokerHand = std::array<CardId, kHandCards>;

struct HandScore {
  std::string_view name;  // empty for a hand that scores nothing
  int points = 0;

  bool operator==(const HandScore&) const = default;
};

// The hand the five cards make, with its points. A hand holding no card
// ("000") scores nothing.
HandScore HandValue(const PokerHand& cards);

}  // namespace velmora
