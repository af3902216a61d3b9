// Family 4, the pyramid: a card may be selected when no card of the next row
// covers it, and so may the waste's top card and, while a card is already
// selected, the stock's top card; a pair adding to 13, or a King alone, is
// discarded and leaves "000" in its row.
#include <algorithm>

#include "families/removal_family.h"
#include "game/rule_index.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

class Pyramid : public RemovalFamily {
 public:
  using RemovalFamily::RemovalFamily;

  // The stock's top card joins a selection already begun; with nothing
  // selected the stock deals by the rules.
  bool pressStock(TMainGame& game) const override {
    const auto top = TopOf(game, kStock);
    if (game.piles().pile(kSelection).empty() || !top) return false;
    selectCard(game, *top);
    return true;
  }

 protected:
  bool maySelect(const TMainGame& game, const SelectedCard& card) const override {
    if (card.pile == kStock) return card.card == game.piles().topCard(kStock);
    if (card.pile.group != PileGroup::Tableau) return RemovalFamily::maySelect(game, card);
    const int rows = std::clamp<int>(game.rules()[rule::TableauPiles], 0, kTableauPiles);
    std::vector<Pile> pyramid;
    for (int r = 0; r < rows; ++r) pyramid.push_back(game.piles().pile({PileGroup::Tableau, r}));
    return card.pile.index < rows && PyramidCardFree(pyramid, card.pile.index, card.place);
  }
};

}  // namespace

std::unique_ptr<GameFamily> MakePyramid(const FamilyFacts& facts, const RemovalWays& ways) {
  return std::make_unique<Pyramid>(facts, ways);
}

}  // namespace velmora
