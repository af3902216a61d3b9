#include "cards/deck_types.h"

#include <algorithm>
#include <array>

namespace velmora {
namespace {

void KeepOneSuitUpTo(std::vector<CardId>& deal, int t) {
  if (t <= kRanks) {
    std::erase_if(deal, [t](CardId id) { return id < 1 || id > t; });
    return;
  }
  std::erase_if(deal, [t](CardId id) { return id < 1 || (id >= 14 && id <= 26) || id > t + kRanks; });
}

// One card of each rank 1 to `top`, the first in deal order that `wanted`
// accepts; every other card goes.
template <typename Wanted>
void KeepOneOfEachRank(std::vector<CardId>& deal, int top, Wanted wanted) {
  std::array<bool, kRanks + 1> kept{};
  std::erase_if(deal, [&](CardId id) {
    const int rank = CardRank(id);
    if (rank < 1 || rank > top) return true;
    if (kept[static_cast<std::size_t>(rank)] || !wanted(id)) return true;
    kept[static_cast<std::size_t>(rank)] = true;
    return false;
  });
}

constexpr std::array kAlwaysKept{1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95};
constexpr std::array kKeptUnlessThree{9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103};
constexpr std::array kKeptUnlessThreeOrFour{2, 10, 16, 24, 30, 38, 44, 52, 54, 62, 68, 76, 82, 90, 96, 104};

void KeepFixedSelection(std::vector<CardId>& deal, int t) {
  auto in = [](const auto& set, CardId id) { return std::find(set.begin(), set.end(), id) != set.end(); };
  std::erase_if(deal, [&](CardId id) {
    if (in(kAlwaysKept, id)) return false;
    if (t != 3 && in(kKeptUnlessThree, id)) return false;
    if (t != 3 && t != 4 && in(kKeptUnlessThreeOrFour, id)) return false;
    return true;
  });
}

}  // namespace

void PrepareDeck(std::vector<CardId>& deal, int deckType, int t) {
  switch (deckType) {
    case deck_type::OneSuitUpTo:
      KeepOneSuitUpTo(deal, t);
      break;
    case deck_type::OneOfEachRank:
      KeepOneOfEachRank(deal, t, [](CardId) { return true; });
      break;
    case deck_type::OneSuitAceToNine: {
      const int suit = deal.empty() ? -1 : CardSuit(deal.front());
      KeepOneOfEachRank(deal, 9, [suit](CardId id) { return CardSuit(id) == suit; });
      break;
    }
    case deck_type::FixedSelection:
      KeepFixedSelection(deal, t);
      break;
    case deck_type::NoQueensOrKings:
      std::erase_if(deal, [](CardId id) { return CardRank(id) == 12 || CardRank(id) == 13; });
      break;
    default:
      break;
  }
}

}  // namespace velmora
