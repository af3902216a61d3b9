#include "play/game_won.h"

#include <algorithm>
#include <array>

#include "game/rule_index.h"
#include "scoring/score.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

// What a won table looks like, by game family.
enum class WonRule {
  Cleared,                      // stock, waste, tableau and reserves empty
  EveryTableauPileHoldsCards,   // the table is filled (poker squares)
  StockOutFirstPileUpToFour,
  EveryTableauPileOneCard,
  StockOutAnAceOnEveryPile,
  RunsFromTwoInSuit,
  ScoreToWinReached,
  OnlyFirstFoundationHoldsCards,
  NineDownToOne,
  SequenceOfNinetyOne,
  FourPilesHoldCards,
  FamilyScoreReached,
  StockOutOneCardLeft,
  FourOnEachOfTwentyFour,
  EightOnFirstReserve,
  StockOut,
  FamilyTest,
};

struct FamilyWonRule {
  int family;
  WonRule rule;
};

// Every family not listed is won when the table is cleared.
constexpr std::array kFamilyWonRules{
    FamilyWonRule{9, WonRule::EveryTableauPileHoldsCards},   FamilyWonRule{59, WonRule::EveryTableauPileHoldsCards},
    FamilyWonRule{21, WonRule::StockOutFirstPileUpToFour},   FamilyWonRule{22, WonRule::StockOutFirstPileUpToFour},
    FamilyWonRule{27, WonRule::EveryTableauPileOneCard},     FamilyWonRule{31, WonRule::StockOutAnAceOnEveryPile},
    FamilyWonRule{32, WonRule::RunsFromTwoInSuit},           FamilyWonRule{34, WonRule::ScoreToWinReached},
    FamilyWonRule{35, WonRule::ScoreToWinReached},           FamilyWonRule{36, WonRule::ScoreToWinReached},
    FamilyWonRule{37, WonRule::ScoreToWinReached},           FamilyWonRule{39, WonRule::ScoreToWinReached},
    FamilyWonRule{40, WonRule::ScoreToWinReached},           FamilyWonRule{42, WonRule::ScoreToWinReached},
    FamilyWonRule{47, WonRule::ScoreToWinReached},           FamilyWonRule{41, WonRule::OnlyFirstFoundationHoldsCards},
    FamilyWonRule{43, WonRule::NineDownToOne},               FamilyWonRule{44, WonRule::SequenceOfNinetyOne},
    FamilyWonRule{45, WonRule::FourPilesHoldCards},          FamilyWonRule{46, WonRule::FamilyScoreReached},
    FamilyWonRule{48, WonRule::StockOutOneCardLeft},         FamilyWonRule{49, WonRule::FourOnEachOfTwentyFour},
    FamilyWonRule{52, WonRule::EightOnFirstReserve},         FamilyWonRule{55, WonRule::StockOut},
    FamilyWonRule{57, WonRule::FamilyTest},                  FamilyWonRule{58, WonRule::FamilyTest},
};

constexpr WonRule RuleOfFamily(int family) {
  for (const FamilyWonRule& entry : kFamilyWonRules)
    if (entry.family == family) return entry.rule;
  return WonRule::Cleared;
}

constexpr int kPyramidFamily = 4;
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

// The pyramid (family 4) keeps "000" in the places of removed cards: a row
// of gaps alone is an empty row.
bool TableauPileEmpty(const TMainGame& game, int i) {
  const Pile& pile = Tableau(game, i);
  if (game.rules()[rule::Family] != kPyramidFamily) return pile.empty();
  return std::all_of(pile.begin(), pile.end(), [](CardId card) { return card == kNoCard; });
}

bool StockWasteAndTableauEmpty(const TMainGame& game) {
  if (!Empty(game, kStock) || !Empty(game, kWaste)) return false;
  for (int i = 0; i < kTableauPiles; ++i)
    if (!TableauPileEmpty(game, i)) return false;
  return true;
}

// Foundations and the third stock slot (the discard pile) are not looked at.
bool Cleared(const TMainGame& game) {
  if (!StockWasteAndTableauEmpty(game)) return false;
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
  const auto& sequence = game.playSeams().familyWon.sequenceComplete;
  if (!sequence || !sequence()) return false;
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
  const FamilyWonHooks& hooks = game.playSeams().familyWon;
  const bool stockOut = Empty(game, kStock);
  switch (RuleOfFamily(game.rules()[rule::Family])) {
    case WonRule::Cleared: return Cleared(game);
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
    case WonRule::FamilyScoreReached: return hooks.familyScore && ScoreReaches(game, hooks.familyScore());
    case WonRule::StockOutOneCardLeft: return StockOutOneCardLeft(game);
    case WonRule::FourOnEachOfTwentyFour: return FourOnEachOfTwentyFour(game);
    case WonRule::EightOnFirstReserve:
      return StockWasteAndTableauEmpty(game) && Cards(game, {PileGroup::Reserves, 0}) == 8;
    case WonRule::StockOut: return stockOut;
    case WonRule::FamilyTest: return hooks.ownTest && hooks.ownTest();
  }
  return false;
}

}  // namespace velmora
