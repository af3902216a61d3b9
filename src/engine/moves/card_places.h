#pragma once
// Where each card lies in one position of the table, and the location codes
// the move rules speak in: -99 the stock, -98 the waste, -1 to -16 the
// foundations, 1 to 40 the tableau piles, -21 to -30 the reserves, 0 nowhere.
#include <array>

#include "cards/card.h"
#include "piles/pile_store.h"

namespace velmora {

namespace location {
inline constexpr int Nowhere = 0;
inline constexpr int Stock = -99;
inline constexpr int Waste = -98;
constexpr int Foundation(int k) { return -(k + 1); }  // k 0-based
constexpr int Tableau(int i) { return i + 1; }        // i 0-based
constexpr int Reserve(int j) { return -(j + 21); }    // j 0-based
constexpr bool IsFoundation(int code) { return code <= -1 && code >= -16; }
constexpr bool IsTableau(int code) { return code >= 1 && code <= 40; }
constexpr bool IsReserve(int code) { return code <= -21 && code >= -30; }
constexpr bool IsStockOrWaste(int code) { return code == Stock || code == Waste; }
}  // namespace location

// A card's pile and its place in it (0 the bottom card).
struct CardPlace {
  PileRef pile{PileGroup::Stock, 0};
  int position = -1;           // -1: the card lies nowhere
  const Pile* cards = nullptr;  // the pile's cards, while the position lasts
  bool onTable() const { return position >= 0; }
};

// An index from card id to place, built from the piles in one pass.
class CardPlaces {
 public:
  // Every card nowhere until the first rebuild.
  CardPlaces() = default;
  // A game that holds its selection in foundation 1 passes it over: the
  // cards there lie elsewhere too.
  void rebuild(const PileStore& piles, bool holdsSelection = false);

  // Nowhere for ids outside 1-108.
  const CardPlace& of(CardId card) const;
  int locationOf(CardId card) const;

 private:
  std::array<CardPlace, kLastCard + 1> places_{};
};

// The location code of a pile; Nowhere for the third stock slot.
int LocationOfPile(PileRef pile);

}  // namespace velmora
