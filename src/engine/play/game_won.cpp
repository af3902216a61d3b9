#include "play/game_won.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "families/game_family.h"
#include "game/rule_index.h"
#include "scoring/score.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kPilesOfFour = 24;

int InUse(const TMainGame& game, PileGroup group) {
  const int count = group == PileGroup::Tableau ? game.rules()[rule::TableauPiles] : game.rules()[rule::Foundations];
  return std::clamp(count, 0, GroupSize(group));
}

const Pile& Tableau(const TMainGame& game, int i) { return game.piles().pile({PileGroup::Tableau, i}); }
bool Empty(const TMainGame& game, PileRef pile) { return game.piles().pile(pile).empty(); }
std::size_t Cards(const TMainGame& game, PileRef pile) { return game.piles().pile(pile).size(); }

template <typename Test>
bool EveryTableauPile(const TMainGame& game, Test test) {
  for (int i = 0; i < InUse(game, PileGroup::Tableau); ++i)
    if (!test(Tableau(game, i))) return false;
  return true;
}

bool ScoreReaches(const TMainGame& game, std::int64_t score) { return score >= game.rules()[rule::ScoreToWin]; }

// The families that keep "000" in the places of removed cards (the
// pyramid) count a row of gaps alone as an empty row.
enum class Gaps { AreCards, CountEmpty };

bool TableauPileEmpty(const TMainGame& game, int i, Gaps gaps) {
  const Pile& pile = Tableau(game, i);
  if (gaps == Gaps::AreCards) return pile.empty();
  return std::all_of(pile.begin(), pile.end(), [](CardId card) { return card == kNoCard; });
}

bool StockWasteAndTableauEmpty(const TMainGame& game, Gaps gaps = Gaps::AreCards) {
  if (!Empty(game, kStock) || !Empty(game, kWaste)) return false;
  for (int i = 0; i < kTableauPiles; ++i)
    if (!TableauPileEmpty(game, i, gaps)) return false;
  return true;
}

// Foundations and the third stock slot (the discard pile) are not looked at.
bool Cleared(const TMainGame& game, Gaps gaps = Gaps::AreCards) {
  if (!StockWasteAndTableauEmpty(game, gaps)) return false;
  for (int j = 0; j < kReserves; ++j)
    if (!Empty(game, {PileGroup::Reserves, j})) return false;
  return true;
}

// Each pile starts with a 2 that the following cards continue in its suit,
// one rank up at a time; a pile's last place holds any card (the gap that
// moves around). Pile 1 ends with that gap.
bool RunsFromTwoInSuit(const TMainGame& game) {
  if (InUse(game, PileGroup::Tableau) == 0 || Tableau(game, 0).empty() || Tableau(game, 0).back() != kNoCard)
    return false;
  return EveryTableauPile(game, [](const Pile& pile) {
    if (pile.empty() || CardRank(pile.front()) != 2) return false;
    for (std::size_t at = 1; at + 1 < pile.size(); ++at) {
      const CardId card = pile[at];
      const CardId below = pile[at - 1];
      if (!IsNormalCard(card) || CardSuit(card) != CardSuit(below) || CardRank(card) != CardRank(below) + 1)
        return false;
    }
    return true;
  });
}

bool NineDownToOne(const Pile& pile) {
  if (pile.size() != 9) return false;
  for (std::size_t at = 0; at < pile.size(); ++at)
    if (!IsNormalCard(pile[at]) || CardRank(pile[at]) != 9 - static_cast<int>(at)) return false;
  return true;
}

bool SequenceOfNinetyOne(TMainGame& game) {
  if (!game.family().sequenceComplete(game)) return false;
  game.ui().showMessage("Game won", "Your sequence is equal to 91.\rThe game is won.", GameUi::Icon::Information);
  return true;
}

bool OnlyFirstFoundationHoldsCards(const TMainGame& game) {
  for (int k = 1; k < InUse(game, PileGroup::Foundations); ++k)
    if (!Empty(game, {PileGroup::Foundations, k})) return false;
  return true;
}

bool SomePileNineDownToOne(const TMainGame& game) {
  for (int i = 0; i < InUse(game, PileGroup::Tableau); ++i)
    if (NineDownToOne(Tableau(game, i))) return true;
  return false;
}

bool FourPilesHoldCards(const TMainGame& game) {
  int holding = 0;
  for (int i = 0; i < kTableauPiles; ++i) holding += Tableau(game, i).empty() ? 0 : 1;
  return holding == 4;
}

bool FourOnEachOfTwentyFour(const TMainGame& game) {
  for (int i = 0; i < kPilesOfFour; ++i)
    if (Tableau(game, i).size() != 4) return false;
  return true;
}

bool StockOutOneCardLeft(const TMainGame& game) {
  const Pile& first = Tableau(game, 0);
  return Empty(game, kStock) && first.size() == 1 && first[0] != kNoCard;
}

bool AnAceOnEveryPile(const TMainGame& game) {
  return EveryTableauPile(game, [](const Pile& pile) {
    return pile.size() == 1 && IsNormalCard(pile[0]) && CardRank(pile[0]) == 1;
  });
}

}  // namespace

bool GameWonTest(TMainGame& game) {
  const GameFamily& family = game.family();
  const bool stockOut = Empty(game, kStock);
  switch (family.facts().won) {
    case WonRule::Cleared: return Cleared(game);
    case WonRule::ClearedGapsCountEmpty: return Cleared(game, Gaps::CountEmpty);
    case WonRule::EveryTableauPileHoldsCards:
      return EveryTableauPile(game, [](const Pile& pile) { return !pile.empty(); });
    case WonRule::StockOutFirstPileUpToFour: return stockOut && Cards(game, {PileGroup::Tableau, 0}) <= 4;
    case WonRule::EveryTableauPileOneCard:
      return EveryTableauPile(game, [](const Pile& pile) { return pile.size() == 1; });
    case WonRule::StockOutAnAceOnEveryPile: return stockOut && AnAceOnEveryPile(game);
    case WonRule::RunsFromTwoInSuit: return RunsFromTwoInSuit(game);
    case WonRule::ScoreToWinReached: return ScoreReaches(game, StoredScore(game));
    case WonRule::OnlyFirstFoundationHoldsCards: return OnlyFirstFoundationHoldsCards(game);
    case WonRule::NineDownToOne: return SomePileNineDownToOne(game);
    case WonRule::SequenceOfNinetyOne: return SequenceOfNinetyOne(game);
    case WonRule::FourPilesHoldCards: return FourPilesHoldCards(game);
    case WonRule::FamilyScoreReached: {
      const std::optional<std::int64_t> score = family.ownScore(game);
      return score && ScoreReaches(game, *score);
    }
    case WonRule::StockOutOneCardLeft: return StockOutOneCardLeft(game);
    case WonRule::FourOnEachOfTwentyFour: return FourOnEachOfTwentyFour(game);
    case WonRule::EightOnFirstReserve:
      return StockWasteAndTableauEmpty(game) && Cards(game, {PileGroup::Reserves, 0}) == 8;
    case WonRule::StockOut: return stockOut;
    case WonRule::FamilyTest: return family.ownWonTest(game);
  }
  return false;
}

}  // namespace velmora
