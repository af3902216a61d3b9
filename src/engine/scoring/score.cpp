#include "scoring/score.h"

#include <algorithm>

#include "families/game_family.h"
#include "game/rule_index.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kPointsPerCard = 5;
constexpr char kStandardMode[] = "01";
constexpr int kMemoryDeck = 52;  // the memory games score against one deck, whatever rule 371 says

bool StandardMode(const TMainGame& game) { return game.store().read(store::ScoringMode) == kStandardMode; }

int CardsIn(const TMainGame& game, PileRef pile) { return static_cast<int>(game.piles().pile(pile).size()); }

int InUse(const TMainGame& game, int countRule, int most) { return std::clamp<int>(game.rules()[countRule], 0, most); }

const Pile& Tableau(const TMainGame& game, int i) { return game.piles().pile({PileGroup::Tableau, i}); }

int DeckCards(const TMainGame& game) { return game.rules()[rule::DeckCards]; }

// The family base: the deck's cards count against the player, softened by the
// game's bonus units where the family says so.
std::int64_t BaseWithBonus(const TMainGame& game) {
  return kPointsPerCard * game.rules()[rule::ScoreBonus] - DeckCards(game);
}

int Misses(const TMainGame& game) { return game.state().word(word::MemoryMisses); }

int DiscardedPairs(const TMainGame& game) { return CardsIn(game, kThirdStockSlot) / 2; }

// A row of the gap games: a 2 at its head, then its suit rising by one, up to
// but not including the row's last place.
int RunFromTwo(const Pile& pile) {
  const int places = static_cast<int>(pile.size()) - 1;
  if (places < 1 || CardRank(pile.front()) != 2) return 0;
  int run = 1;
  while (run < places && CardSuit(pile[run]) == CardSuit(pile.front()) &&
         CardRank(pile[run]) == CardRank(pile[run - 1]) + 1)
    ++run;
  return run;
}

std::int64_t GapRowsScore(const TMainGame& game) {
  std::int64_t score = BaseWithBonus(game);
  for (int i = 0; i < InUse(game, rule::TableauPiles, kTableauPiles); ++i)
    score += kPointsPerCard * RunFromTwo(Tableau(game, i));
  return score;
}

// Piles in order whose first card is the Ace-to-King card of the pile's number
// in hearts or diamonds; the count stops at the first that is not.
std::int64_t NumberedPilesScore(const TMainGame& game) {
  std::int64_t score = -DeckCards(game);
  for (int i = 0; i < InUse(game, rule::TableauPiles, kTableauPiles); ++i) {
    const Pile& pile = Tableau(game, i);
    if (pile.empty() || (pile.front() != i + 1 && pile.front() != i + 1 + kRanks)) break;
    score += 10;
  }
  return score;
}

// Each pile collects the cards of the rank of its number, face up.
std::int64_t ClockScore(const TMainGame& game) {
  std::int64_t score = -DeckCards(game);
  for (int i = 0; i < InUse(game, rule::TableauPiles, kTableauPiles); ++i)
    for (CardId card : Tableau(game, i))
      if (game.cards().isFaceUp(card) && CardRank(card) == i + 1) score += kPointsPerCard;
  return score;
}

std::int64_t EmptiedFoundationsScore(const TMainGame& game) {
  std::int64_t score = -DeckCards(game);
  for (int k = 1; k < InUse(game, rule::Foundations, kFoundations); ++k)
    if (game.piles().pile({PileGroup::Foundations, k}).empty()) score += 20;
  return score;
}

// Every pile is a run rising from its first card, the King followed by the
// Ace; a card out of place earns nothing but the run's count goes on.
std::int64_t RisingRunsScore(const TMainGame& game) {
  std::int64_t score = -DeckCards(game);
  for (int i = 0; i < InUse(game, rule::TableauPiles, kTableauPiles); ++i) {
    const Pile& pile = Tableau(game, i);
    if (pile.empty()) continue;
    int expected = CardRank(pile.front());
    for (CardId card : pile) {
      if (CardRank(card) == expected) score += kPointsPerCard;
      expected = expected >= 1 && expected <= kRanks ? RankAbove(expected) : expected;
    }
  }
  return score;
}

bool NineDownToOne(const Pile& pile) {
  if (pile.size() != 9) return false;
  for (std::size_t place = 0; place < pile.size(); ++place)
    if (CardRank(pile[place]) != 9 - static_cast<int>(place)) return false;
  return true;
}

std::int64_t NineRunsScore(const TMainGame& game) {
  std::int64_t score = -DeckCards(game);
  for (int i = 0; i < InUse(game, rule::TableauPiles, kTableauPiles); ++i)
    if (NineDownToOne(Tableau(game, i))) score += 225;
  return score;
}

std::int64_t DiscardScore(const TMainGame& game) {
  bool tableauHoldsCards = false;
  for (int i = 0; i < InUse(game, rule::TableauPiles, kTableauPiles); ++i)
    tableauHoldsCards = tableauHoldsCards || !Tableau(game, i).empty();
  const int counted = tableauHoldsCards ? CardsIn(game, kThirdStockSlot) : DeckCards(game);
  return -DeckCards(game) + kPointsPerCard * counted;
}

std::int64_t TableauCardsScore(const TMainGame& game, int firstPiles) {
  int cards = 0;
  for (int i = 0; i < std::min(firstPiles, kTableauPiles); ++i) cards += static_cast<int>(Tableau(game, i).size());
  return kPointsPerCard * cards;
}

// The families whose score is counted by their own routine (matched memory
// cards, a sequence test, their own tallies) start from the family base,
// minus the deck, until that routine joins them; then it counts.
std::int64_t FamilyBase(const TMainGame& game) { return game.family().ownScore(game).value_or(-DeckCards(game)); }

std::int64_t FamilyScore(const TMainGame& game, ScoreRule rule) {
  switch (rule) {
    case ScoreRule::Standard: return StandardScore(game);
    case ScoreRule::GapRows: return GapRowsScore(game);
    case ScoreRule::NumberedPiles: return NumberedPilesScore(game);
    case ScoreRule::DiscardTimesTen: return -DeckCards(game) + 10 * CardsIn(game, kThirdStockSlot);
    case ScoreRule::MemoryPairs: return 10 * DiscardedPairs(game) - kMemoryDeck - 2 * Misses(game);
    case ScoreRule::MemoryPairsSeven: return 7 * DiscardedPairs(game) - kMemoryDeck - Misses(game);
    case ScoreRule::Clock: return ClockScore(game);
    case ScoreRule::EmptiedFoundations: return EmptiedFoundationsScore(game);
    case ScoreRule::RisingRuns: return RisingRunsScore(game);
    case ScoreRule::NineRuns: return NineRunsScore(game);
    case ScoreRule::Discard: return DiscardScore(game);
    case ScoreRule::SecondFoundationBonus:
      return BaseWithBonus(game) + kPointsPerCard * CardsIn(game, {PileGroup::Foundations, 1});
    case ScoreRule::TwentyFourPilesBonus: return BaseWithBonus(game) + TableauCardsScore(game, 24);
    case ScoreRule::TableauCards: return -DeckCards(game) + TableauCardsScore(game, kTableauPiles);
    case ScoreRule::FamilyBase: return FamilyBase(game);
  }
  return StandardScore(game);
}

// Rule 47's base: minus the cards a stripped deck keeps.
int StandardBase(const TMainGame& game) {
  switch (game.rules()[rule::StrippedDeck]) {
    case 0: return -DeckCards(game);
    case 1: return DeckCards(game) == 2 * kCardsPerDeck ? -64 : -32;
    case 2: return -28;
    default: return 0;
  }
}

void ShowStoredScore(TMainGame& game) { game.ui().showScore(StoredScore(game)); }

}  // namespace

std::int64_t StandardScore(const TMainGame& game) {
  if (!StandardMode(game)) return 0;
  int foundationCards = 0;
  for (int k = HoldsSelection(game.rules()) ? 1 : 0; k < kFoundations; ++k) foundationCards += CardsIn(game, {PileGroup::Foundations, k});
  return StandardBase(game) + kPointsPerCard * game.rules()[rule::ScoreBonus] +
         kPointsPerCard * CardsIn(game, kThirdStockSlot) - kPointsPerCard * game.rules()[rule::Jokers] +
         kPointsPerCard * foundationCards;
}

std::int64_t RecomputeScore(TMainGame& game) {
  const GameFamily& family = game.family();
  if (family.facts().keepsOwnScore) {
    family.recountOwnScore(game);
    return StoredScore(game);
  }
  const std::int64_t score = FamilyScore(game, family.facts().score);
  game.store().writeNumber(store::Score, score);
  game.ui().showScore(score);
  family.afterScore(game, score);
  return score;
}

void AddScore(TMainGame& game, int units) {
  if (game.family().facts().keepsOwnScore) return;
  if (StandardMode(game)) game.store().writeNumber(store::Score, StoredScore(game) + kPointsPerCard * units);
  ShowStoredScore(game);
}

std::int64_t StoredScore(const TMainGame& game) { return game.store().readNumber(store::Score).value_or(0); }

}  // namespace velmora
