// The memory games that find pairs: family 39 (Concentration) pairs cards of
// equal rank, family 37 (Pairs) the two copies of one card in a two-deck
// pack. Only a press on a face-down tableau card does anything.
#include <algorithm>
#include <cstdlib>

#include "families/family_kinds.h"
#include "families/family_step.h"
#include "families/memory_games.h"
#include "game/rule_index.h"
#include "history/undo.h"
#include "play/hit_test.h"
#include "play/player_actions.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kTwinsFamily = 37;      // the two copies of a card make the pair
constexpr int kTurnBackPauseMs = 200;  // between the cards of a miss turning face down
constexpr int kDeckCards = 52;         // a card's copy in the second deck is this many ids on

int TableauInUse(const TMainGame& game) { return std::clamp<int>(game.rules()[rule::TableauPiles], 0, kTableauPiles); }

// The tableau cards with this face, pile by pile from the bottom card.
std::vector<CardId> TableauCards(const TMainGame& game, Face face) {
  std::vector<CardId> found;
  for (int i = 0; i < TableauInUse(game); ++i)
    for (CardId card : game.piles().pile({PileGroup::Tableau, i}))
      if (card != kNoCard && (game.cards().isFaceUp(card) == (face == Face::Up))) found.push_back(card);
  return found;
}

bool OnTableau(const TMainGame& game, CardId card) {
  for (int i = 0; i < TableauInUse(game); ++i)
    if (std::ranges::count(game.piles().pile({PileGroup::Tableau, i}), card) > 0) return true;
  return false;
}

bool IsPair(const TMainGame& game, CardId a, CardId b) {
  if (game.rules()[rule::Family] == kTwinsFamily) return std::abs(a - b) == kDeckCards;
  return CardRank(a) == CardRank(b);
}

// The card leaves its place, a "000" kept there, for the discard pile.
void Discard(TMainGame& game, CardId card) {
  for (int i = 0; i < TableauInUse(game); ++i) {
    Pile& pile = game.piles().pile({PileGroup::Tableau, i});
    if (const auto at = std::ranges::find(pile, card); at != pile.end()) *at = kNoCard;
  }
  game.piles().pile(kThirdStockSlot).push_back(card);
  game.cards().setFace(card, Face::Up);
}

// The end of a game once nothing lies face down: won by the score.
void EndWhenAllTurned(TMainGame& game) {
  if (!TableauCards(game, Face::Down).empty()) return;
  SetWonFlag(game);
  if (const auto& endGame = game.playSeams().endGame) endGame();
}

class PairsGame : public GameFamily {
 public:
  using GameFamily::GameFamily;

  // Every press on the tableau is the family's: a face-down card turns, and
  // nothing else there is taken up.
  bool press(TMainGame& game, const PileHit& hit, MouseButton button) const override {
    if (hit.pile.group != PileGroup::Tableau) return false;
    if (button == MouseButton::Left && hit.card != kNoCard) TurnMemoryCard(game, hit.card);
    return true;
  }

  // The face-down cards to turn: with one card face up, its partners first.
  std::vector<FamilyAction> actions(const TMainGame& game) const override {
    const std::vector<CardId> up = TableauCards(game, Face::Up);
    if (up.size() >= 2) return {};
    std::vector<CardId> down = TableauCards(game, Face::Down);
    if (up.size() == 1)
      std::ranges::stable_partition(down, [&](CardId card) { return IsPair(game, up.front(), card); });
    std::vector<FamilyAction> presses;
    for (CardId card : down) presses.push_back({.presses = {card}, .to = std::nullopt});
    return presses;
  }
};

}  // namespace

bool TurnMemoryCard(TMainGame& game, CardId card) {
  if (!OnTableau(game, card) || game.cards().isFaceUp(card)) return false;
  std::vector<CardId> up = TableauCards(game, Face::Up);
  if (up.size() >= 2) return false;
  RecordStep(game, HistorySide::Undo);
  game.cards().setFace(card, Face::Up);
  if (game.store().isOn(store::SoundsFaceUp)) game.ui().playSound("Face_up");
  game.ui().showTable(GameUi::TableChange::Piles);
  up.push_back(card);
  if (up.size() == 2) {
    if (IsPair(game, up[0], up[1])) {
      for (CardId pairCard : up) Discard(game, pairCard);
    } else {
      MissTurnBack(game);
    }
  }
  FinishFamilyStep(game);
  EndWhenAllTurned(game);
  return true;
}

void MissTurnBack(TMainGame& game) {
  game.state().setWord(word::MemoryMisses, game.state().word(word::MemoryMisses) + 1);
  for (CardId card : TableauCards(game, Face::Up)) {
    game.ui().pauseFor(kTurnBackPauseMs);
    game.cards().setFace(card, Face::Down);
    game.ui().showTable(GameUi::TableChange::Piles);
  }
}

std::unique_ptr<GameFamily> MakePairsFamily(const FamilyFacts& facts) { return std::make_unique<PairsGame>(facts); }

}  // namespace velmora
