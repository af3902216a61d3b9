#include "moves/card_places.h"

namespace velmora {

void CardPlaces::rebuild(const PileStore& piles, bool holdsSelection) {
  places_.fill(CardPlace{});
  for (PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves}) {
    for (int index = 0; index < GroupSize(group); ++index) {
      const PileRef ref{group, index};
      if (holdsSelection && ref == kSelection) continue;
      const Pile& pile = piles.pile(ref);
      for (std::size_t at = 0; at < pile.size(); ++at) {
        const CardId card = pile[at];
        // The first place searched wins, as the location search runs in pile order.
        if (card >= 1 && card <= kLastCard && !places_[static_cast<std::size_t>(card)].onTable())
          places_[static_cast<std::size_t>(card)] = CardPlace{ref, static_cast<int>(at), &pile};
      }
    }
  }
}

const CardPlace& CardPlaces::of(CardId card) const {
  static constexpr CardPlace kNowhere{};
  if (card < 1 || card > kLastCard) return kNowhere;
  return places_[static_cast<std::size_t>(card)];
}

int CardPlaces::locationOf(CardId card) const {
  const CardPlace& place = of(card);
  return place.onTable() ? LocationOfPile(place.pile) : location::Nowhere;
}

int LocationOfPile(PileRef pile) {
  switch (pile.group) {
    case PileGroup::Stock:
      return pile.index == 0 ? location::Stock : pile.index == 1 ? location::Waste : location::Nowhere;
    case PileGroup::Foundations: return location::Foundation(pile.index);
    case PileGroup::Tableau: return location::Tableau(pile.index);
    case PileGroup::Reserves: return location::Reserve(pile.index);
  }
  return location::Nowhere;
}

}  // namespace velmora
