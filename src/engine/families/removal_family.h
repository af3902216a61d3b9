#pragma once
// The removal games: a press selects a card (held in foundation 1), a second
// press deselects it, and a selection that the family's acceptance rule
// calls complete is discarded in one step and the emptied tableau piles are
// refilled from the stock. The families that differ in where a card may be
// selected, or in their stock, derive from `RemovalFamily`.
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "families/game_family.h"
#include "families/removal_rules.h"
#include "piles/pile_store.h"

namespace velmora {

// How a removal family selects, beyond its acceptance rule.
struct RemovalWays {
  AcceptanceRule accept = RanksAddToTarget;
  bool selectsAnywhere = false;   // a left press on any pile selects, not only on the tableau
  bool selectsFromWaste = false;  // the waste's top card may be selected
  bool topCardsOnly = false;      // only the top card of a tableau pile may be selected
  bool refills = true;            // the emptied tableau piles are refilled after a discard
};

class RemovalFamily : public GameFamily {
 public:
  RemovalFamily(const FamilyFacts& facts, const RemovalWays& ways) : GameFamily(facts), ways_(ways) {}

  bool press(TMainGame& game, const PileHit& hit, MouseButton button) const override;
  // The set-up the rules may ask for (rule 31): the empty tableau piles filled from the stock.
  void dealStep(DealStage stage, DealContext& deal, RemainingDeck& deck) const override;
  // The groups that complete the selection, each as the presses that make
  // it: the selection's cards pressed off first when it leads nowhere.
  std::vector<FamilyAction> actions(const TMainGame& game) const override;

  // The click on a card: deselects it, or adds it and judges the selection.
  void selectCard(TMainGame& game, const SelectedCard& card) const;
  Verdict judge(const TMainGame& game, std::span<const SelectedCard> selection) const;

 protected:
  // Whether the card where it lies may be selected at all.
  virtual bool maySelect(const TMainGame& game, const SelectedCard& card) const;
  // The cards a press may select now, for the groups `actions` lists.
  virtual std::vector<SelectedCard> selectable(const TMainGame& game) const;

 private:
  bool handles(const PileHit& hit, MouseButton button) const;
  void discard(TMainGame& game) const;
  void groupsFrom(const TMainGame& game, std::vector<SelectedCard>& group, std::span<const SelectedCard> candidates,
                  std::size_t next, std::size_t selected, std::vector<FamilyAction>& out) const;

  RemovalWays ways_;
};

// The pyramid (family 4) and the grid games that close their gaps on a stock
// press (families 8 and 45).
std::unique_ptr<GameFamily> MakePyramid(const FamilyFacts& facts, const RemovalWays& ways);
std::unique_ptr<GameFamily> MakeGapClosingGrid(const FamilyFacts& facts, const RemovalWays& ways);

// Every empty tableau pile in use, in order, gets the stock's top card face
// up; true when one did.
bool FillEmptyTableauFromStock(PileStore& piles, CardTable& cards, int tableauInUse);

// The selection as it lies: each card of foundation 1 with its place.
std::vector<SelectedCard> CurrentSelection(const TMainGame& game);
// The card at the top of the pile, where it lies; none for an empty pile.
std::optional<SelectedCard> TopOf(const TMainGame& game, PileRef pile);
// The selection emptied, as a press on the stock of a grid game does.
void ClearSelection(TMainGame& game);

// Ends a family's step as every move ends: first move, score, redo side
// cleared, redraw; then the won test and, when won, the end of the game.
void FinishRemovalStep(TMainGame& game);

}  // namespace velmora
