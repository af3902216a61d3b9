#include "families/removal_family.h"

#include <algorithm>

#include "game/rule_index.h"
#include "history/undo.h"
#include "play/execute_move.h"
#include "play/first_move.h"
#include "play/hit_test.h"
#include "play/player_actions.h"
#include "scoring/score.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kPairingRowLength = 28;      // rule 28: the piles of one row of a grid
constexpr int kSideBySide = 4;             // tableau displays whose rows keep the places of removed cards
constexpr int kSideBySideClose = 9;
constexpr std::size_t kLargestGroup = 4;   // the most cards a listed group holds

int TableauInUse(const TMainGame& game) { return std::clamp<int>(game.rules()[rule::TableauPiles], 0, kTableauPiles); }

bool KeepsPlaces(const TMainGame& game) {
  const int display = game.rules()[rule::TableauDisplay];
  return display == kSideBySide || display == kSideBySideClose;
}

bool Contains(const Pile& pile, CardId card) { return std::find(pile.begin(), pile.end(), card) != pile.end(); }

// The card leaves its place: a row that keeps its places shows "000" there.
void TakeOut(TMainGame& game, const CardSpot& spot) {
  Pile& pile = game.piles().pile(spot.pile);
  const auto at = pile.begin() + spot.index;
  if (spot.pile.group == PileGroup::Tableau && KeepsPlaces(game)) *at = kNoCard;
  else pile.erase(at);
}

void RefillTableau(TMainGame& game) {
  const bool refilled = FillEmptyTableauFromStock(game.piles(), game.cards(), TableauInUse(game));
  if (refilled && game.store().isOn(store::SoundsShuffle)) game.ui().playSound("Shuffle");
}

void Redraw(TMainGame& game) { game.ui().showTable(GameUi::TableChange::Piles); }

}  // namespace

bool FillEmptyTableauFromStock(PileStore& piles, CardTable& cards, int tableauInUse) {
  bool filled = false;
  Pile& stock = piles.pile(kStock);
  for (int i = 0; i < tableauInUse && !stock.empty(); ++i) {
    const PileRef pile{PileGroup::Tableau, i};
    if (!piles.pile(pile).empty()) continue;
    const CardId card = stock.back();
    stock.pop_back();
    piles.addCard(pile, card, Face::Up, cards);
    filled = true;
  }
  return filled;
}

std::vector<SelectedCard> CurrentSelection(const TMainGame& game) {
  std::vector<SelectedCard> selection;
  for (CardId card : game.piles().pile(kSelection))
    if (const auto spot = FindCard(game, card)) selection.push_back({card, spot->pile, spot->index});
  return selection;
}

std::optional<SelectedCard> TopOf(const TMainGame& game, PileRef pile) {
  const Pile& cards = game.piles().pile(pile);
  if (cards.empty() || cards.back() == kNoCard) return std::nullopt;
  return SelectedCard{cards.back(), pile, static_cast<int>(cards.size()) - 1};
}

void ClearSelection(TMainGame& game) {
  game.piles().pile(kSelection).clear();
  Redraw(game);
}

void FinishRemovalStep(TMainGame& game) {
  ProgramState& state = game.state();
  const int playMode = state.word(word::PlayMode);
  NoteFirstMove(state);
  state.setWord(word::HintShown, 0);
  RecomputeScore(game);
  if (playMode != 3) game.hintMemory().keepLast();  // the demonstration remembers its whole game
  if (playMode == 0 || playMode == 3) RecordStep(game, HistorySide::Redo, true);
  Redraw(game);
  const PlaySeams& seams = game.playSeams();
  state.set(flag::GameWon, seams.gameWonTest && seams.gameWonTest());
  if (state.on(flag::GameWon) && seams.endGame) seams.endGame();
}

// --- The family --------------------------------------------------------------

// A left press on the tableau (or, where the family says, on the waste or
// any pile) and a press of either button on a foundation; other presses do
// nothing.
bool RemovalFamily::handles(const PileHit& hit, MouseButton button) const {
  if (hit.pile.group == PileGroup::Foundations) return true;
  if (button != MouseButton::Left) return false;
  if (ways_.selectsAnywhere || hit.pile.group == PileGroup::Tableau) return true;
  return ways_.selectsFromWaste && hit.pile == kWaste;
}

bool RemovalFamily::press(TMainGame& game, const PileHit& hit, MouseButton button) const {
  if (hit.pile == kWaste && hit.card == kNoCard) return false;  // the empty waste redeals by the rules
  if (hit.card == kNoCard || !handles(hit, button)) return true;
  if (hit.pile.group == PileGroup::Foundations) {
    // Only the selection lies there: a press on it takes the card out.
    Pile& selection = game.piles().pile(kSelection);
    if (hit.pile == kSelection && Contains(selection, hit.card)) {
      std::erase(selection, hit.card);
      Redraw(game);
    }
    return true;
  }
  selectCard(game, {hit.card, hit.pile, hit.index});
  return true;
}

void RemovalFamily::selectCard(TMainGame& game, const SelectedCard& card) const {
  Pile& selection = game.piles().pile(kSelection);
  if (Contains(selection, card.card)) {  // a second press deselects
    std::erase(selection, card.card);
    return Redraw(game);
  }
  if (!maySelect(game, card)) return game.ui().beep();
  selection.push_back(card.card);
  switch (judge(game, CurrentSelection(game))) {
    case Verdict::Invalid:
      selection.pop_back();
      return game.ui().beep();
    case Verdict::Valid: return Redraw(game);
    case Verdict::Complete: return discard(game);
  }
}

Verdict RemovalFamily::judge(const TMainGame& game, std::span<const SelectedCard> selection) const {
  const SelectionRules rules{.targetSum = game.rules()[rule::RemovalTargetSum],
                             .gridColumns = game.rules()[kPairingRowLength]};
  return ways_.accept(selection, rules);
}

// The selection goes to the discard pile in one step; the emptied tableau
// piles are refilled in the same step where the family refills.
void RemovalFamily::discard(TMainGame& game) const {
  if (game.store().isOn(store::SoundsPairing)) game.ui().playSound("Pairing");
  RecordStep(game, HistorySide::Undo);
  Pile& selection = game.piles().pile(kSelection);
  while (!selection.empty()) {
    const CardId card = selection.front();
    selection.erase(selection.begin());
    if (const auto spot = FindCard(game, card)) TakeOut(game, *spot);
    game.piles().addCard(kThirdStockSlot, card, Face::Up, game.cards());
  }
  if (ways_.refills) RefillTableau(game);
  FinishRemovalStep(game);
}

bool RemovalFamily::maySelect(const TMainGame& game, const SelectedCard& card) const {
  if (card.pile == kWaste) return ways_.selectsFromWaste && card.card == game.piles().topCard(kWaste);
  if (card.pile.group != PileGroup::Tableau) return ways_.selectsAnywhere && card.card == game.piles().topCard(card.pile);
  if (!game.cards().isFaceUp(card.card)) return false;
  return !ways_.topCardsOnly || card.card == game.piles().topCard(card.pile);
}

std::vector<SelectedCard> RemovalFamily::selectable(const TMainGame& game) const {
  std::vector<SelectedCard> cards;
  for (int i = 0; i < TableauInUse(game); ++i) {
    const PileRef pile{PileGroup::Tableau, i};
    const Pile& row = game.piles().pile(pile);
    for (int place = 0; place < static_cast<int>(row.size()); ++place) {
      const SelectedCard card{row[static_cast<std::size_t>(place)], pile, place};
      if (card.card != kNoCard && maySelect(game, card)) cards.push_back(card);
    }
  }
  if (const auto waste = TopOf(game, kWaste); waste && maySelect(game, *waste)) cards.push_back(*waste);
  return cards;
}

// Adds the candidates from `next` on to the group, in order, while the
// selection stays valid; a complete group is listed by the cards added to
// the `selected` cards already chosen.
void RemovalFamily::groupsFrom(const TMainGame& game, std::vector<SelectedCard>& group,
                               std::span<const SelectedCard> candidates, std::size_t next, std::size_t selected,
                               std::vector<FamilyAction>& out) const {
  for (std::size_t i = next; i < candidates.size(); ++i) {
    group.push_back(candidates[i]);
    const Verdict verdict = judge(game, group);
    if (verdict == Verdict::Complete) {
      FamilyAction action;
      for (std::size_t k = selected; k < group.size(); ++k) action.presses.push_back(group[k].card);
      out.push_back(std::move(action));
    } else if (verdict == Verdict::Valid && group.size() < kLargestGroup) {
      groupsFrom(game, group, candidates, i + 1, selected, out);
    }
    group.pop_back();
  }
}

std::vector<FamilyAction> RemovalFamily::actions(const TMainGame& game) const {
  std::vector<SelectedCard> selection = CurrentSelection(game);
  std::vector<SelectedCard> candidates = selectable(game);
  std::erase_if(candidates, [&](const SelectedCard& card) { return Contains(game.piles().pile(kSelection), card.card); });
  std::vector<FamilyAction> groups;
  groupsFrom(game, selection, candidates, 0, selection.size(), groups);
  if (!groups.empty() || selection.empty()) return groups;
  // The selection leads nowhere: its cards are pressed off before a new group.
  std::vector<SelectedCard> fresh;
  const std::vector<SelectedCard> every = selectable(game);
  groupsFrom(game, fresh, every, 0, 0, groups);
  for (FamilyAction& action : groups) {
    std::vector<CardId> presses(game.piles().pile(kSelection));
    presses.insert(presses.end(), action.presses.begin(), action.presses.end());
    action.presses = std::move(presses);
  }
  return groups;
}

}  // namespace velmora
