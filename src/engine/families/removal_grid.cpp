// Families 8 and 45: pairs are found among the cards of a grid of tableau
// piles, which are not refilled after a discard; a press on the stock closes
// the gaps instead - the cards move up, in order, into the emptied piles, and
// the piles left empty at the end are dealt from the stock.
#include <algorithm>

#include "families/removal_family.h"
#include "game/rule_index.h"
#include "history/undo.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

class GapClosingGrid : public RemovalFamily {
 public:
  using RemovalFamily::RemovalFamily;

  bool pressStock(TMainGame& game) const override {
    if (mayCloseGaps(game)) closeGaps(game);
    return true;  // the stock never deals by the rules here
  }

  std::optional<bool> stockPressMayChange(const TMainGame& game) const override { return mayCloseGaps(game); }

 protected:
  bool maySelect(const TMainGame& game, const SelectedCard& card) const override {
    return card.pile.group == PileGroup::Tableau && card.pile.index < piles(game) && card.card != kNoCard;
  }

 private:
  static int piles(const TMainGame& game) { return std::clamp<int>(game.rules()[rule::TableauPiles], 0, kTableauPiles); }
  static bool emptyAt(const TMainGame& game, int i) { return game.piles().pile({PileGroup::Tableau, i}).empty(); }

  // Some pile is empty; once the stock is out, only a gap before a card counts.
  static bool mayCloseGaps(const TMainGame& game) {
    const bool stockHoldsCards = !game.piles().pile(kStock).empty();
    bool gapSeen = false;
    for (int i = 0; i < piles(game); ++i) {
      if (emptyAt(game, i)) gapSeen = true;
      else if (gapSeen) return true;
    }
    return gapSeen && stockHoldsCards;
  }

  static void closeGaps(TMainGame& game) {
    ClearSelection(game);
    RecordStep(game, HistorySide::Undo);
    const int count = piles(game);
    for (int i = 0; i < count; ++i) {
      if (!emptyAt(game, i)) continue;
      for (int j = i + 1; j < count; ++j) {
        if (emptyAt(game, j)) continue;
        std::swap(game.piles().pile({PileGroup::Tableau, i}), game.piles().pile({PileGroup::Tableau, j}));
        break;
      }
    }
    for (int i = 0; i < count; ++i) {
      Pile& stock = game.piles().pile(kStock);
      if (stock.empty() || !emptyAt(game, i)) continue;
      const CardId card = stock.back();
      stock.pop_back();
      game.piles().addCard({PileGroup::Tableau, i}, card, Face::Up, game.cards());
    }
    if (game.store().isOn(store::SoundsTableau)) game.ui().playSound("Shuffle");
    FinishRemovalStep(game);
  }
};

}  // namespace

std::unique_ptr<GameFamily> MakeGapClosingGrid(const FamilyFacts& facts, const RemovalWays& ways) {
  return std::make_unique<GapClosingGrid>(facts, ways);
}

}  // namespace velmora
