#pragma once
// What the table shows, worked out from the piles and the layout: for every
// placed pile its place, the mark it shows when empty, how far a stacked pile
// stands raised, and each visible card with its face and place. The window
// only paints a scene; it decides nothing about the game.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cards/card.h"
#include "piles/pile_geometry.h"
#include "piles/pile_names.h"
#include "play/carry.h"
#include "table/empty_pile_marks.h"

namespace velmora {

class CardTable;
class PileStore;
class RuleRecord;

struct SceneCard {
  CardId card;
  bool faceUp;
  TablePoint place;
  bool selected = false;  // held in a removal game's selection: drawn inverted where it lies
};

struct ScenePile {
  PileRef pile;
  TablePoint place;
  std::string emptyMark;  // shown while the pile is empty
  int raised = 0;         // a stacked pile stands this many pixels up and to the left
  std::vector<SceneCard> cards;  // bottom first; cards hidden under the same place are left out
};

struct TableScene {
  std::vector<ScenePile> piles;  // stock list, foundations, reserves, tableau
};

// Where the layout puts piles and cards, in table coordinates.
struct ScenePlaces {
  std::function<std::optional<TablePoint>(PileRef)> pile;  // no value for a pile not on the table
  std::function<TablePoint(PileRef, int index)> card;      // 0 = the bottom card
};

struct SceneFacts {
  StockPassState passes{};
  bool preview = false;          // the small picture of a game: thinner stacks
  const Carry* carry = nullptr;  // cards the player carries are drawn at the pointer, not on their pile
};

TableScene BuildTableScene(const RuleRecord& rules, const PileStore& piles, const CardTable& cards,
                           const ScenePlaces& places, const SceneFacts& facts);

// The cards the player carries, fanned as on their pile, with the bottom
// card at the carry's place; no cards when nothing is carried.
ScenePile CarriedScene(const PileStore& piles, const CardTable& cards, const ScenePlaces& places, const Carry& carry);

// How far a stacked pile of `cards` cards stands raised.
int StackRaise(int cards, PileGroup group, bool preview);

}  // namespace velmora
