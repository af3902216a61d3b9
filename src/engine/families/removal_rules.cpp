#include "families/removal_rules.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace velmora {
namespace {

constexpr int kTen = 10;
constexpr int kJack = 11;
constexpr int kQueen = 12;
constexpr int kKing = 13;
constexpr int kAce = 1;
constexpr int kPair = 2;

int RankOf(const SelectedCard& card) { return CardRank(card.card); }

int RankSum(std::span<const SelectedCard> selection) {
  int sum = 0;
  for (const SelectedCard& card : selection) sum += RankOf(card);
  return sum;
}

bool AllRanks(std::span<const SelectedCard> selection, int low, int high) {
  return std::all_of(selection.begin(), selection.end(), [&](const SelectedCard& card) {
    return RankOf(card) >= low && RankOf(card) <= high;
  });
}

bool RanksDistinct(std::span<const SelectedCard> selection) {
  for (std::size_t a = 0; a < selection.size(); ++a)
    for (std::size_t b = a + 1; b < selection.size(); ++b)
      if (RankOf(selection[a]) == RankOf(selection[b])) return false;
  return true;
}

bool AllOneRank(std::span<const SelectedCard> selection) {
  return std::all_of(selection.begin(), selection.end(),
                     [&](const SelectedCard& card) { return RankOf(card) == RankOf(selection.front()); });
}

bool AllOneSuit(std::span<const SelectedCard> selection) {
  return std::all_of(selection.begin(), selection.end(),
                     [&](const SelectedCard& card) { return CardSuit(card.card) == CardSuit(selection.front().card); });
}

bool OnTableau(std::span<const SelectedCard> selection) {
  return std::all_of(selection.begin(), selection.end(),
                     [](const SelectedCard& card) { return card.pile.group == PileGroup::Tableau; });
}

// Cards adding to a sum, at most `most` of them (none for any number).
Verdict AddingTo(std::span<const SelectedCard> selection, int sum, std::size_t most) {
  if (selection.size() > most) return Verdict::Invalid;
  return RankSum(selection) == sum ? Verdict::Complete : Verdict::Valid;
}

// Two number cards (ranks 1 to `highest`) adding to `sum`, or the court
// cards from `lowestCourt` to the King, one of each.
Verdict PairToSumOrCourt(std::span<const SelectedCard> selection, int highest, int sum, int lowestCourt) {
  if (AllRanks(selection, kAce, highest)) {
    if (selection.size() > kPair) return Verdict::Invalid;
    return selection.size() == kPair && RankSum(selection) == sum ? Verdict::Complete : Verdict::Valid;
  }
  if (!AllRanks(selection, lowestCourt, kKing) || !RanksDistinct(selection)) return Verdict::Invalid;
  const auto courts = static_cast<std::size_t>(kKing - lowestCourt + 1);
  return selection.size() == courts ? Verdict::Complete : Verdict::Valid;
}

// Pairs of equal rank.
Verdict EqualPair(std::span<const SelectedCard> selection) {
  if (selection.size() > kPair || !AllOneRank(selection)) return Verdict::Invalid;
  return selection.size() == kPair ? Verdict::Complete : Verdict::Valid;
}

// --- One rule per family ---------------------------------------------------

// 1: number cards to 15 (or two to 10), or the four cards of a rank from 10 up.
Verdict NumbersOrFourCourts(std::span<const SelectedCard> selection, const SelectionRules& rules) {
  constexpr int kHighestNumber = 9;
  constexpr std::size_t kFourOfARank = 4;
  constexpr int kFifteen = 15;
  if (AllRanks(selection, kAce, kHighestNumber)) {
    if (rules.targetSum == kTen) {
      if (selection.size() > kPair) return Verdict::Invalid;
      return selection.size() == kPair && RankSum(selection) == kTen ? Verdict::Complete : Verdict::Valid;
    }
    return rules.targetSum == kFifteen && RankSum(selection) == kFifteen ? Verdict::Complete : Verdict::Valid;
  }
  if (!AllRanks(selection, kTen, kKing) || !AllOneRank(selection)) return Verdict::Invalid;
  return selection.size() == kFourOfARank ? Verdict::Complete : Verdict::Valid;
}

// 3: two top cards adding to 14.
Verdict PairToFourteen(std::span<const SelectedCard> selection, const SelectionRules&) {
  constexpr int kFourteen = 14;
  return AddingTo(selection, kFourteen, kPair);
}

// 4: a pair adding to 13, or a King alone.
Verdict PairToThirteen(std::span<const SelectedCard> selection, const SelectionRules&) {
  return AddingTo(selection, kKing, kPair);
}

// 7: at most two cards adding to the target sum.
Verdict PairToTarget(std::span<const SelectedCard> selection, const SelectionRules& rules) {
  return AddingTo(selection, rules.targetSum, kPair);
}

// 8: a pair of equal rank lying next to each other in the grid, diagonals included.
Verdict NeighbourPair(std::span<const SelectedCard> selection, const SelectionRules& rules) {
  if (!OnTableau(selection)) return Verdict::Invalid;
  const Verdict pair = EqualPair(selection);
  if (pair != Verdict::Complete) return pair;
  const int columns = std::max(rules.gridColumns, 1);
  const int a = selection[0].pile.index;
  const int b = selection[1].pile.index;
  const bool touching = a != b && std::abs(a / columns - b / columns) <= 1 && std::abs(a % columns - b % columns) <= 1;
  return touching ? Verdict::Complete : Verdict::Valid;
}

// 14, 16: a pair of equal rank.
Verdict RankPair(std::span<const SelectedCard> selection, const SelectionRules&) { return EqualPair(selection); }

// 17: two number cards to 11, or Jack, Queen and King.
Verdict ElevenOrCourt(std::span<const SelectedCard> selection, const SelectionRules&) {
  constexpr int kEleven = 11;
  return PairToSumOrCourt(selection, kTen, kEleven, kJack);
}

// 18: an Ace alone, or one face card with three different cards from 2 to 10 adding to 18.
Verdict AceOrEighteen(std::span<const SelectedCard> selection, const SelectionRules&) {
  constexpr std::size_t kGroup = 4;
  constexpr std::size_t kMostNumbers = 3;
  constexpr int kEighteen = 18;
  const bool hasAce = std::any_of(selection.begin(), selection.end(),
                                  [](const SelectedCard& card) { return RankOf(card) == kAce; });
  if (hasAce) return selection.size() == 1 ? Verdict::Complete : Verdict::Invalid;
  const auto faces = static_cast<std::size_t>(std::count_if(
      selection.begin(), selection.end(), [](const SelectedCard& card) { return RankOf(card) >= kJack; }));
  const std::size_t numbers = selection.size() - faces;
  if (selection.size() > kGroup || faces > 1 || numbers > kMostNumbers || !RanksDistinct(selection))
    return Verdict::Invalid;
  int numberSum = 0;
  for (const SelectedCard& card : selection)
    if (RankOf(card) < kJack) numberSum += RankOf(card);
  return faces == 1 && numbers == kMostNumbers && numberSum == kEighteen ? Verdict::Complete : Verdict::Valid;
}

// 24: two number cards to 9, or 10, Jack, Queen and King.
Verdict NineOrTenToKing(std::span<const SelectedCard> selection, const SelectionRules&) {
  constexpr int kNine = 9;
  return PairToSumOrCourt(selection, kNine, kNine, kTen);
}

// 45: two cards of one suit, no Ace, in one row or one column of a grid of four columns.
Verdict SuitPairInLine(std::span<const SelectedCard> selection, const SelectionRules&) {
  constexpr int kColumns = 4;
  if (!OnTableau(selection) || !AllOneSuit(selection) ||
      std::any_of(selection.begin(), selection.end(), [](const SelectedCard& card) { return RankOf(card) == kAce; }))
    return Verdict::Invalid;
  if (selection.size() > kPair) return Verdict::Invalid;
  if (selection.size() < kPair) return Verdict::Valid;
  const int a = selection[0].pile.index;
  const int b = selection[1].pile.index;
  const bool inLine = a / kColumns == b / kColumns || a % kColumns == b % kColumns;
  return inLine ? Verdict::Complete : Verdict::Valid;
}

struct RuleRow {
  int family;
  AcceptanceRule rule;
};

constexpr std::array kOwnRules{
    RuleRow{1, NumbersOrFourCourts}, RuleRow{3, PairToFourteen}, RuleRow{4, PairToThirteen},
    RuleRow{7, PairToTarget},        RuleRow{8, NeighbourPair},  RuleRow{14, RankPair},
    RuleRow{16, RankPair},           RuleRow{17, ElevenOrCourt}, RuleRow{18, AceOrEighteen},
    RuleRow{24, NineOrTenToKing},    RuleRow{45, SuitPairInLine},
};

bool PlaceEmpty(const Pile& row, int place) {
  return place < 0 || place >= static_cast<int>(row.size()) || row[static_cast<std::size_t>(place)] == kNoCard;
}

// Every family whose removal rule is its own, including those whose rule
// needs a routine of the family's that this engine does not have.
constexpr std::array kOwnRemovalFamilies{1, 3, 4, 7, 8, 14, 16, 17, 18, 20, 21, 22,
                                         23, 24, 25, 26, 33, 41, 45, 47, 48, 55, 57};

}  // namespace

bool HasOwnRemovalRule(int family) {
  return std::find(kOwnRemovalFamilies.begin(), kOwnRemovalFamilies.end(), family) != kOwnRemovalFamilies.end();
}

AcceptanceRule OwnAcceptanceRule(int family) {
  const auto row = std::find_if(kOwnRules.begin(), kOwnRules.end(), [&](const RuleRow& r) { return r.family == family; });
  return row == kOwnRules.end() ? nullptr : row->rule;
}

Verdict RanksAddToTarget(std::span<const SelectedCard> selection, const SelectionRules& rules) {
  return RankSum(selection) == rules.targetSum ? Verdict::Complete : Verdict::Valid;
}

bool PyramidCardFree(std::span<const Pile> rows, int row, int place) {
  const auto later = rows.subspan(static_cast<std::size_t>(row) + 1);
  if (std::all_of(later.begin(), later.end(), [](const Pile& pile) { return pile.empty(); })) return true;
  const Pile& next = later.front();
  return PlaceEmpty(next, place) && PlaceEmpty(next, place + 1);
}

}  // namespace velmora
