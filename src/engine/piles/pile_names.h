#pragma once
// The piles of the table and their names: the stock, the waste and a third
// stock slot ("Mazzo", "Mazzo_Vis", "Mazzo_Waste"), foundations "Dest1" to
// "Dest16", tableau piles "Fila1" to "Fila40" and reserves "Appogg1" to
// "Appogg10". Saved games and undo records name piles this way.
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

enum class PileGroup { Stock, Foundations, Tableau, Reserves };

inline constexpr int kStockSlots = 3;
inline constexpr int kFoundations = 16;
inline constexpr int kTableauPiles = 40;
inline constexpr int kReserves = 10;

constexpr int GroupSize(PileGroup group) {
  switch (group) {
    case PileGroup::Stock: return kStockSlots;
    case PileGroup::Foundations: return kFoundations;
    case PileGroup::Tableau: return kTableauPiles;
    case PileGroup::Reserves: return kReserves;
  }
  return 0;
}

// A pile by group and 0-based index.
struct PileRef {
  PileGroup group;
  int index;
  friend constexpr bool operator==(PileRef, PileRef) = default;
};

inline constexpr PileRef kStock{PileGroup::Stock, 0};
inline constexpr PileRef kWaste{PileGroup::Stock, 1};
inline constexpr PileRef kThirdStockSlot{PileGroup::Stock, 2};
// Foundation 1, where the removal games hold the cards selected so far.
inline constexpr PileRef kSelection{PileGroup::Foundations, 0};

// The kinds of place a card can be, numbered as the move rules number them.
// The third stock slot and the place where cards leave play share kind 3.
enum class PileKind : int {
  None = 0,
  Stock = 1,
  Waste = 2,
  ThirdSlot = 3,
  Discard = 3,
  Tableau = 4,
  Foundation = 5,
  Reserve = 6
};

// Tested on the name's leading characters in this order, so "Mazzo_Vis" and
// "Mazzo_Waste" are known before "Mazzo" is the stock. "Waste" is where cards
// leave play.
PileKind KindOfPile(std::string_view name);

// The pile a name addresses: the number is read from after the word, so
// "Fila07" is "Fila7". No value for a name outside the table.
std::optional<PileRef> ParsePileName(std::string_view name);

// "Mazzo", "Dest3", "Fila12", "Appogg1".
std::string PileName(PileRef pile);

}  // namespace velmora
