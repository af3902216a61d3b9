#include "table/table_scene.h"

#include <algorithm>

#include "cards/card_table.h"
#include "families/game_family.h"
#include "game/rule_index.h"
#include "piles/pile_store.h"
#include "rules/rule_record.h"
#include "text/rounding.h"

namespace velmora {
namespace {

constexpr int kStockListMaxRaise = 15;
constexpr int kFoundationMaxRaise = 2;

// Foundation display types that spread the cards instead of stacking them.
constexpr int kFannedFoundationTypes[] = {1, 2, 4};

int PilesInUse(const RuleRecord& rules, PileGroup group) {
  switch (group) {
    case PileGroup::Stock: return kStockSlots;
    case PileGroup::Foundations: return std::clamp<int>(rules[rule::Foundations], 0, kFoundations);
    case PileGroup::Tableau: return std::clamp<int>(rules[rule::TableauPiles], 0, kTableauPiles);
    case PileGroup::Reserves: return std::clamp<int>(rules[rule::Reserves], 0, kReserves);
  }
  return 0;
}

bool Stacks(const RuleRecord& rules, PileGroup group) {
  if (group == PileGroup::Stock) return true;
  if (group != PileGroup::Foundations) return false;
  return std::ranges::find(kFannedFoundationTypes, rules[rule::FoundationDisplay]) == std::end(kFannedFoundationTypes);
}

bool SamePlace(TablePoint a, TablePoint b) { return a.x == b.x && a.y == b.y; }

ScenePile ScenePileOf(const RuleRecord& rules, const PileStore& piles, const CardTable& cards,
                      const ScenePlaces& places, const SceneFacts& facts, PileRef ref, TablePoint place) {
  ScenePile scene{ref, place, EmptyPileMark(rules, ref, facts.passes), 0, {}};
  const Pile& pile = piles.pile(ref);
  if (Stacks(rules, ref.group)) scene.raised = StackRaise(static_cast<int>(pile.size()), ref.group, facts.preview);
  const bool carriedFrom = facts.carry && facts.carry->active() && facts.carry->from == ref;
  // The selection of a removal game lies in foundation 1 and is shown on the cards where they lie.
  const Pile& selection = piles.pile(kSelection);
  const bool showsSelection = HoldsSelection(rules) && !(ref == kSelection);
  const auto selected = [&](CardId card) {
    return showsSelection && std::find(selection.begin(), selection.end(), card) != selection.end();
  };
  for (std::size_t i = 0; i < pile.size(); ++i) {
    if (pile[i] == kNoCard) continue;
    if (carriedFrom && static_cast<int>(i) >= facts.carry->fromIndex) {
      if (!facts.carry->single) break;
      if (static_cast<int>(i) == facts.carry->fromIndex) continue;
    }
    TablePoint at = places.card(ref, static_cast<int>(i));
    at.x -= scene.raised;
    at.y -= scene.raised;
    // A card lying exactly under the next one cannot be seen.
    if (!scene.cards.empty() && SamePlace(scene.cards.back().place, at)) scene.cards.pop_back();
    scene.cards.push_back({pile[i], cards.isFaceUp(pile[i]), at, selected(pile[i])});
  }
  return scene;
}

}  // namespace

int StackRaise(int cards, PileGroup group, bool preview) {
  if (cards <= 1) return 0;
  const int raise = cards == 2 ? 1 : DivideRounded(cards, preview ? 28 : 7) + 1;
  return std::min(raise, group == PileGroup::Stock ? kStockListMaxRaise : kFoundationMaxRaise);
}

ScenePile CarriedScene(const PileStore& piles, const CardTable& cards, const ScenePlaces& places, const Carry& carry) {
  ScenePile scene{carry.from, carry.at, {}, 0, {}};
  if (!carry.active()) return scene;
  const Pile& pile = piles.pile(carry.from);
  const TablePoint bottom = places.card(carry.from, carry.fromIndex);
  for (std::size_t i = static_cast<std::size_t>(std::max(carry.fromIndex, 0)); i < pile.size(); ++i) {
    if (pile[i] == kNoCard) continue;
    const TablePoint at = places.card(carry.from, static_cast<int>(i));
    const TablePoint carried{carry.at.x + at.x - bottom.x, carry.at.y + at.y - bottom.y};
    scene.cards.push_back({pile[i], cards.isFaceUp(pile[i]), carried, false});
    if (carry.single) break;
  }
  return scene;
}

TableScene BuildTableScene(const RuleRecord& rules, const PileStore& piles, const CardTable& cards,
                           const ScenePlaces& places, const SceneFacts& facts) {
  TableScene scene;
  for (const PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Reserves, PileGroup::Tableau}) {
    for (int index = 0; index < PilesInUse(rules, group); ++index) {
      const PileRef ref{group, index};
      if (const std::optional<TablePoint> place = places.pile(ref))
        scene.piles.push_back(ScenePileOf(rules, piles, cards, places, facts, ref, *place));
    }
  }
  return scene;
}

}  // namespace velmora
