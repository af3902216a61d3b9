// Family 38, Forget me not: ten cards lie face up on foundations 1 to 10 at
// the deal. Ten seconds later they turn face down and each one's twin (the
// same card of the second deck) appears face up on a free tableau pile from
// pile 11 on; the player moves every twin onto the tableau pile of its
// foundation's number by the ordinary moves.
#include <algorithm>
#include <random>

#include "families/family_kinds.h"
#include "families/family_step.h"
#include "families/memory_games.h"
#include "families/memory_result.h"
#include "game/deal_table.h"
#include "game/remaining_deck.h"
#include "game/rule_index.h"
#include "history/undo.h"
#include "scoring/score.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kShownCards = 10;          // foundations 1 to 10, matched on tableau piles 1 to 10
constexpr int kSecondsShown = 10;        // the clock's ticks before the cards turn face down
constexpr int kTurnDownPauseMs = 200;    // between the cards turning face down
constexpr int kFirstTwinPile = kShownCards;  // tableau pile 11, the first that takes a twin
constexpr int kTwinPileSpread = 8;       // the search for a free pile starts up to this many piles on
constexpr int kSecondDeck = 52;          // a card's twin is this many ids on
constexpr int kSecondsShownWord = 101;   // the state word counting the clock's ticks while the cards are shown

int TableauInUse(const TMainGame& game) { return std::clamp<int>(game.rules()[rule::TableauPiles], 0, kTableauPiles); }

const Pile& TableauPile(const TMainGame& game, int i) { return game.piles().pile({PileGroup::Tableau, i}); }
const Pile& Foundation(const TMainGame& game, int i) { return game.piles().pile({PileGroup::Foundations, i}); }

// The ten cards are still to be remembered: the first lies face up and no
// twin has been placed yet.
bool CardsShown(const TMainGame& game) {
  const Pile& first = Foundation(game, 0);
  return !first.empty() && game.cards().isFaceUp(first.front()) && TableauPile(game, 0).empty();
}

bool PlacesFilled(const TMainGame& game) {
  if (TableauInUse(game) < kShownCards) return false;
  for (int i = 0; i < kShownCards; ++i)
    if (TableauPile(game, i).empty()) return false;
  return true;
}

// The twin leaves wherever it lay before it is placed.
void TakeOffTable(TMainGame& game, CardId card) {
  for (PileGroup group : {PileGroup::Stock, PileGroup::Foundations, PileGroup::Tableau, PileGroup::Reserves})
    for (int i = 0; i < GroupSize(group); ++i) std::erase(game.piles().pile({group, i}), card);
}

// The twin goes face up on the first empty pile from a random one among
// piles 11 on, wrapping round to pile 11; one round at most, so a table
// without an empty pile leaves it out.
void PlaceTwin(TMainGame& game, CardId twin) {
  const int piles = TableauInUse(game) - kFirstTwinPile;
  if (piles <= 0) return;
  std::uniform_int_distribution<int> spread(0, kTwinPileSpread);
  const int start = spread(game.random());
  for (int step = 0; step < piles; ++step) {
    const PileRef pile{PileGroup::Tableau, kFirstTwinPile + (start + step) % piles};
    if (!game.piles().pile(pile).empty()) continue;
    TakeOffTable(game, twin);
    game.piles().pile(pile).push_back(twin);
    game.cards().setFace(twin, Face::Up);
    return;
  }
}

void TurnDownAndDealTwins(TMainGame& game) {
  RecordStep(game, HistorySide::Undo);
  for (int i = 0; i < kShownCards; ++i) {
    for (CardId card : Foundation(game, i)) game.cards().setFace(card, Face::Down);
    game.ui().pauseFor(kTurnDownPauseMs);
    game.ui().showTable(GameUi::TableChange::Piles);
  }
  for (int i = 0; i < kShownCards; ++i)
    if (!Foundation(game, i).empty()) PlaceTwin(game, Foundation(game, i).front() + kSecondDeck);
  FinishFamilyStep(game);
}

class ForgetMeNotGame : public GameFamily {
 public:
  using GameFamily::GameFamily;

  // The ten cards to remember, face up on the foundations, in the games that
  // ask for the family's set-up; their ten seconds start afresh.
  void dealStep(DealStage stage, DealContext& deal, RemainingDeck& deck) const override {
    if (stage != DealStage::FamilySetup) return;
    deal.state.setWord(kSecondsShownWord, 0);
    for (int i = 0; i < kShownCards; ++i)
      if (const auto card = deck.takeFront())
        deal.piles.addCard({PileGroup::Foundations, i}, *card, Face::Up, deal.cards);
  }

  // The ticks are counted in a state word, not as a moment: a game opened
  // from a file or taken back by undo to the shown cards counts its ten
  // seconds afresh.
  void clockTick(TMainGame& game, std::int64_t /*now*/) const override {
    ProgramState& state = game.state();
    if (!CardsShown(game)) {
      state.setWord(kSecondsShownWord, 0);
      return;
    }
    state.setWord(kSecondsShownWord, state.word(kSecondsShownWord) + 1);
    if (state.word(kSecondsShownWord) < kSecondsShown) return;
    state.setWord(kSecondsShownWord, 0);
    TurnDownAndDealTwins(game);
  }

  std::optional<std::int64_t> ownScore(const TMainGame& game) const override {
    return MemoryTotal(MemoryResultOf(game, false));
  }

  // Once the ten places are filled the game is over, judged by the score
  // they make.
  void afterMove(TMainGame& game, CardId /*card*/, PileRef /*from*/, PileRef to) const override {
    if (to.group != PileGroup::Tableau || !PlacesFilled(game)) return;
    RecomputeScore(game);
    SetWonFlag(game);
    if (const auto& endGame = game.playSeams().endGame) endGame();
  }

  // Each placed twin onto the empty place of its foundation's number.
  std::vector<FamilyAction> actions(const TMainGame& game) const override {
    std::vector<FamilyAction> moves;
    if (CardsShown(game) || TableauInUse(game) <= kFirstTwinPile) return moves;
    for (int i = 0; i < kShownCards; ++i) {
      if (Foundation(game, i).empty() || !TableauPile(game, i).empty()) continue;
      const CardId twin = Foundation(game, i).front() + kSecondDeck;
      for (int p = kFirstTwinPile; p < TableauInUse(game); ++p)
        if (TableauPile(game, p).size() == 1 && TableauPile(game, p).front() == twin)
          moves.push_back({.presses = {twin}, .to = PileRef{PileGroup::Tableau, i}});
    }
    return moves;
  }
};

}  // namespace

int RememberedMatches(const TMainGame& game) {
  if (!PlacesFilled(game)) return 0;
  int matches = 0;
  for (int i = 0; i < kShownCards; ++i)
    if (!Foundation(game, i).empty() && TableauPile(game, i).front() == Foundation(game, i).front() + kSecondDeck)
      ++matches;
  return matches;
}

std::unique_ptr<GameFamily> MakeForgetMeNotFamily(const FamilyFacts& facts) {
  return std::make_unique<ForgetMeNotGame>(facts);
}

}  // namespace velmora
