#pragma once
// The pile store: the cards of every pile on the table, bottom card first.
// Piles are held as card ids; saved games, undo records and the command-line
// tool see them as pile strings of 3-digit ids ("012040105").
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card.h"
#include "cards/card_table.h"
#include "piles/pile_names.h"

namespace velmora {

using Pile = std::vector<CardId>;

// A pile string as card ids; no value unless it is whole 3-digit ids of
// cards 0 to 108.
std::optional<Pile> ParsePileString(std::string_view text);
std::string PileString(const Pile& pile);

class PileStore {
 public:
  const Pile& pile(PileRef ref) const { return group(ref.group).at(static_cast<std::size_t>(ref.index)); }
  Pile& pile(PileRef ref) { return group(ref.group).at(static_cast<std::size_t>(ref.index)); }

  std::string pileString(PileRef ref) const { return PileString(pile(ref)); }
  // False, and the pile unchanged, for text that is not a pile string.
  bool setPileString(PileRef ref, std::string_view text);

  // Every pile empty, as before a deal.
  void clear();
  // Whether no pile holds anything (no table was dealt).
  bool empty() const;

  // Appends a card; when it is a card and a face is given, the card turns so.
  void addCard(PileRef ref, CardId card, std::optional<Face> face, CardTable& cards);

  // The top card of the named pile; 0 for an empty pile or a name that is no pile.
  CardId topCard(std::string_view name) const;
  CardId topCard(PileRef ref) const;

  // Whether the card tops one of the first `tableauInUse` tableau piles.
  bool isTopOfTableau(CardId card, int tableauInUse) const;

 private:
  using Group = std::vector<Pile>;
  const Group& group(PileGroup g) const { return groups_[static_cast<std::size_t>(g)]; }
  Group& group(PileGroup g) { return groups_[static_cast<std::size_t>(g)]; }

  std::array<Group, 4> groups_{Group(kStockSlots), Group(kFoundations), Group(kTableauPiles), Group(kReserves)};
};

// Face codes of a dealt pile: n >= 1 turns the top n cards face up; -1 the
// 1st, 3rd, 5th... card from the bottom up and the others down; -2 the
// opposite; -3 only the bottom card up; 0 changes nothing.
void ApplyFaceCode(const Pile& pile, int code, CardTable& cards);

}  // namespace velmora
