// The memory games that turn face-down tableau cards: family 39
// (Concentration) pairs cards of equal rank, family 37 (Pairs) the two
// copies of one card in a two-deck pack, family 36 (Ace-To-King) turns the
// cards up in rank order. Only a press on a face-down tableau card does
// anything.
#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "families/family_kinds.h"
#include "families/family_step.h"
#include "families/memory_games.h"
#include "families/memory_result.h"
#include "game/deal_table.h"
#include "game/remaining_deck.h"
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

CardId TwinOf(CardId card) { return card > kDeckCards ? card - kDeckCards : card + kDeckCards; }

// Whole pairs from the cards in this order: each card not chosen yet whose
// copy is among them, with that copy, until `wanted` cards are chosen.
std::vector<CardId> WholePairs(const std::vector<CardId>& order, std::size_t wanted) {
  std::vector<CardId> chosen;
  for (CardId card : order) {
    if (chosen.size() >= wanted) break;
    if (std::ranges::count(chosen, card) == 0 && std::ranges::count(order, TwinOf(card)) > 0) {
      chosen.push_back(card);
      chosen.push_back(TwinOf(card));
    }
  }
  return chosen;
}

// Pairs lays only whole pairs, after the deal: the tableau's places take, in
// the order of the shuffle (the tableau as dealt, then the rest of the pack),
// the first cards whose copies can join them, each with its copy; the rest
// of the pack is left out of the game.
void LayWholePairs(DealContext& deal, RemainingDeck& deck) {
  const int piles = std::clamp<int>(deal.rules[rule::TableauPiles], 0, kTableauPiles);
  std::vector<CardId> order;
  std::vector<Face> faces;
  for (int i = 0; i < piles; ++i)
    for (CardId card : deal.piles.pile({PileGroup::Tableau, i})) {
      order.push_back(card);
      faces.push_back(deal.cards.isFaceUp(card) ? Face::Up : Face::Down);
    }
  const std::size_t places = order.size();
  order.insert(order.end(), deck.cards().begin(), deck.cards().end());
  const std::vector<CardId> chosen = WholePairs(order, places);
  if (chosen.size() != places) return;  // too few pairs in the pack: the deal stays as it was
  std::vector<CardId> laid;
  std::ranges::copy_if(order, std::back_inserter(laid),
                       [&chosen](CardId card) { return std::ranges::count(chosen, card) > 0; });
  std::size_t next = 0;
  for (int i = 0; i < piles; ++i)
    for (CardId& card : deal.piles.pile({PileGroup::Tableau, i})) {
      card = laid[next];
      deal.cards.setFace(card, faces[next]);
      ++next;
    }
  deck.removeIf([](CardId) { return true; });
}

class PairsGame : public GameFamily {
 public:
  using GameFamily::GameFamily;

  // The twins' game lays whole pairs, in the games that ask for the family's set-up.
  void dealStep(DealStage stage, DealContext& deal, RemainingDeck& deck) const override {
    if (stage == DealStage::FamilySetup && deal.rules[rule::Family] == kTwinsFamily) LayWholePairs(deal, deck);
  }

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

// Ace-To-King: the run starts at an Ace and rises by one rank, a King
// followed by an Ace again, so that a whole pack makes one run. The run is
// the face-up cards, since a miss turns every card back: a card lies in one
// pile only, so a saved game holds the run as it holds the table.
int RankAtRunPlace(std::size_t place) { return static_cast<int>(place % kRanks) + 1; }

class AceToKingGame : public GameFamily {
 public:
  using GameFamily::GameFamily;

  bool press(TMainGame& game, const PileHit& hit, MouseButton button) const override {
    if (hit.pile.group != PileGroup::Tableau) return false;
    if (button == MouseButton::Left && hit.card != kNoCard) TurnInRankOrder(game, hit.card);
    return true;
  }

  std::optional<std::int64_t> ownScore(const TMainGame& game) const override {
    return MemoryTotal(MemoryResultOf(game, false));
  }

  // The face-down cards to turn, those that go on with the run first.
  std::vector<FamilyAction> actions(const TMainGame& game) const override {
    const int next = RankAtRunPlace(TableauCards(game, Face::Up).size());
    std::vector<CardId> down = TableauCards(game, Face::Down);
    std::ranges::stable_partition(down, [next](CardId card) { return CardRank(card) == next; });
    std::vector<FamilyAction> presses;
    for (CardId card : down) presses.push_back({.presses = {card}, .to = std::nullopt});
    return presses;
  }
};

}  // namespace

bool TurnInRankOrder(TMainGame& game, CardId card) {
  if (!OnTableau(game, card) || game.cards().isFaceUp(card)) return false;
  const std::size_t place = TableauCards(game, Face::Up).size();
  RecordStep(game, HistorySide::Undo);
  game.cards().setFace(card, Face::Up);
  if (game.store().isOn(store::SoundsFaceUp)) game.ui().playSound("Face_up");
  game.ui().showTable(GameUi::TableChange::Piles);
  if (CardRank(card) != RankAtRunPlace(place)) MissTurnBack(game);
  FinishFamilyStep(game);
  EndWhenAllTurned(game);
  return true;
}

int RunLength(const TMainGame& game) { return static_cast<int>(TableauCards(game, Face::Up).size()); }

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

std::unique_ptr<GameFamily> MakeAceToKingFamily(const FamilyFacts& facts) {
  return std::make_unique<AceToKingGame>(facts);
}

}  // namespace velmora
