// The acceptance rules of the removal games, judged on the selection as it
// is once the clicked card joined it, and the free cards of the pyramid.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "families/family_kinds.h"
#include "families/family_of_game.h"
#include "families/removal_rules.h"
#include "game/rule_index.h"
#include "rules/rule_record.h"
#include "table_cards.h"

namespace velmora {
namespace {

using namespace testing;
constexpr int J = 11;

// A card selected from tableau pile `pile` (1-based, a grid place in the grid games).
SelectedCard At(CardId card, int pile = 1) { return {card, Tab(pile), 0}; }
SelectedCard OnWaste(CardId card) { return {card, kWaste, 0}; }

struct AcceptanceCase {
  std::string name;
  int family;
  int targetSum;
  std::vector<SelectedCard> selection;  // the clicked card last
  Verdict expected;
};

Verdict Judge(const AcceptanceCase& c) {
  const AcceptanceRule own = OwnAcceptanceRule(c.family);
  const SelectionRules rules{.targetSum = c.targetSum, .gridColumns = 5};
  return own != nullptr ? own(c.selection, rules) : RanksAddToTarget(c.selection, rules);
}

class AcceptanceTest : public ::testing::TestWithParam<AcceptanceCase> {};

TEST_P(AcceptanceTest, JudgesTheSelection) { EXPECT_EQ(Judge(GetParam()), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Families, AcceptanceTest,
    ::testing::Values(
        // The sum family: any cards, complete at the target sum.
        AcceptanceCase{"SumOneCardShort", 0, 13, {At(H(5))}, Verdict::Valid},
        AcceptanceCase{"SumThreeCardsReachTarget", 0, 13, {At(H(5)), At(S(4)), At(D(4))}, Verdict::Complete},
        AcceptanceCase{"SumPassedStaysValid", 0, 13, {At(H(9)), At(S(8))}, Verdict::Valid},
        // 7: at most two cards to the target; a King alone at 13.
        AcceptanceCase{"BaronessKingAlone", 7, 13, {At(S(K))}, Verdict::Complete},
        AcceptanceCase{"BaronessPair", 7, 13, {At(S(6)), At(H(7))}, Verdict::Complete},
        AcceptanceCase{"BaronessThirdCard", 7, 13, {At(S(2)), At(H(3)), At(D(8))}, Verdict::Invalid},
        // 1: number cards, or one rank from 10 up.
        AcceptanceCase{"FifteensNumbers", 1, 15, {At(H(7)), At(S(5)), At(D(3))}, Verdict::Complete},
        AcceptanceCase{"FifteensNumberThenCourt", 1, 15, {At(H(7)), At(S(Q))}, Verdict::Invalid},
        AcceptanceCase{"FifteensTwoRanksOfCourts", 1, 15, {At(H(J)), At(S(Q))}, Verdict::Invalid},
        AcceptanceCase{"FifteensFourTens", 1, 15, {At(H(10)), At(S(10)), At(D(10)), At(C(10))}, Verdict::Complete},
        AcceptanceCase{"FifteensThreeKings", 1, 15, {At(H(K)), At(S(K)), At(D(K))}, Verdict::Valid},
        AcceptanceCase{"BlockTenPair", 1, 10, {At(H(6)), At(S(4))}, Verdict::Complete},
        AcceptanceCase{"BlockTenThirdNumber", 1, 10, {At(H(2)), At(S(3)), At(D(5))}, Verdict::Invalid},
        AcceptanceCase{"BlockTenFourQueens", 1, 10, {At(H(Q)), At(S(Q)), At(D(Q)), At(C(Q))}, Verdict::Complete},
        // 17: two number cards to 11, or Jack, Queen and King.
        AcceptanceCase{"ElevensPair", 17, 0, {At(H(A)), At(S(10))}, Verdict::Complete},
        AcceptanceCase{"ElevensCourts", 17, 0, {At(H(J)), At(S(Q)), At(D(K))}, Verdict::Complete},
        AcceptanceCase{"ElevensJackThenThree", 17, 0, {At(H(J)), At(S(3))}, Verdict::Invalid},
        AcceptanceCase{"ElevensTwoJacks", 17, 0, {At(H(J)), At(S(J))}, Verdict::Invalid},
        AcceptanceCase{"ElevensPairNotEleven", 17, 0, {At(H(4)), At(S(5))}, Verdict::Valid},
        // 24: two number cards to 9, or 10, Jack, Queen and King.
        AcceptanceCase{"NinesPair", 24, 0, {At(H(4)), At(S(5))}, Verdict::Complete},
        AcceptanceCase{"NinesFourCourts", 24, 0, {At(H(10)), At(S(J)), At(D(Q)), At(C(K))}, Verdict::Complete},
        AcceptanceCase{"NinesThreeCourts", 24, 0, {At(H(10)), At(S(J)), At(D(Q))}, Verdict::Valid},
        // 18: an Ace alone, or a face card and three different cards to 18.
        AcceptanceCase{"EighteensAceAlone", 18, 0, {At(H(A))}, Verdict::Complete},
        AcceptanceCase{"EighteensAceJoiningCards", 18, 0, {At(H(5)), At(S(A))}, Verdict::Invalid},
        AcceptanceCase{"EighteensGroup", 18, 0, {At(H(J)), At(S(10)), At(D(5)), At(C(3))}, Verdict::Complete},
        AcceptanceCase{"EighteensTwoFaceCards", 18, 0, {At(H(J)), At(S(Q))}, Verdict::Invalid},
        AcceptanceCase{"EighteensSameRankTwice", 18, 0, {At(H(J)), At(S(5)), At(D(5))}, Verdict::Invalid},
        AcceptanceCase{"EighteensWrongSum", 18, 0, {At(H(J)), At(S(10)), At(D(5)), At(C(2))}, Verdict::Valid},
        // 3: two cards to 14.
        AcceptanceCase{"FourteenOutPair", 3, 0, {At(H(A)), At(S(K))}, Verdict::Complete},
        AcceptanceCase{"FourteenOutThird", 3, 0, {At(H(2)), At(S(3)), At(D(9))}, Verdict::Invalid},
        // 4: a pair to 13, or a King alone.
        AcceptanceCase{"PyramidKingAlone", 4, 13, {At(S(K))}, Verdict::Complete},
        AcceptanceCase{"PyramidPairWithWaste", 4, 13, {At(S(Q)), OnWaste(H(A))}, Verdict::Complete},
        AcceptanceCase{"PyramidPairNotThirteen", 4, 13, {At(S(Q)), At(H(2))}, Verdict::Valid},
        AcceptanceCase{"PyramidThirdCard", 4, 13, {At(S(2)), At(H(3)), At(D(8))}, Verdict::Invalid},
        // 14, 16: a pair of equal rank.
        AcceptanceCase{"SimplePairs", 14, 0, {At(S(9)), OnWaste(H(9))}, Verdict::Complete},
        AcceptanceCase{"SimplePairsUnequal", 16, 0, {At(S(9)), At(H(8))}, Verdict::Invalid},
        // 8: a pair of equal rank touching in a grid of five columns.
        AcceptanceCase{"MonteCarloSide", 8, 2, {At(S(7), 1), At(H(7), 2)}, Verdict::Complete},
        AcceptanceCase{"MonteCarloDiagonal", 8, 2, {At(S(7), 7), At(H(7), 13)}, Verdict::Complete},
        AcceptanceCase{"MonteCarloOppositeCorners", 8, 2, {At(S(7), 1), At(H(7), 25)}, Verdict::Valid},
        AcceptanceCase{"MonteCarloRowEndToNextRowStart", 8, 2, {At(S(7), 5), At(H(7), 6)}, Verdict::Valid},
        AcceptanceCase{"MonteCarloUnequal", 8, 2, {At(S(7), 1), At(H(8), 2)}, Verdict::Invalid},
        AcceptanceCase{"MonteCarloWaste", 8, 2, {OnWaste(S(7))}, Verdict::Invalid},
        // 45: two cards of one suit, no Ace, in one line of a grid of four columns.
        AcceptanceCase{"AcesSquareRow", 45, 0, {At(S(7), 1), At(S(9), 4)}, Verdict::Complete},
        AcceptanceCase{"AcesSquareColumn", 45, 0, {At(S(7), 2), At(S(9), 14)}, Verdict::Complete},
        AcceptanceCase{"AcesSquareDiagonal", 45, 0, {At(S(7), 1), At(S(9), 6)}, Verdict::Valid},
        AcceptanceCase{"AcesSquareAce", 45, 0, {At(S(A), 1)}, Verdict::Invalid},
        AcceptanceCase{"AcesSquareTwoSuits", 45, 0, {At(S(7), 1), At(H(9), 2)}, Verdict::Invalid}),
    [](const ::testing::TestParamInfo<AcceptanceCase>& info) { return info.param.name; });

// The game's family: a target sum turns a family number without a removal
// rule of its own into the sum family; one with a rule keeps it.
TEST(SumFamilyTest, ServesTargetSumsOfFamiliesWithoutOwnRule) {
  RuleRecord rules;
  rules[rule::RemovalTargetSum] = 13;
  rules[rule::Family] = 0;
  EXPECT_EQ(&FamilyOfGame(rules), &SumRemovalFamily());
  rules[rule::Family] = 5;
  EXPECT_EQ(&FamilyOfGame(rules), &SumRemovalFamily());
  rules[rule::Family] = 4;
  EXPECT_EQ(&FamilyOfGame(rules), &FamilyFor(4));
  rules[rule::Family] = 21;  // removal by a routine this engine lacks: never summed
  EXPECT_EQ(&FamilyOfGame(rules), &FamilyFor(21));
  rules[rule::RemovalTargetSum] = 0;
  rules[rule::Family] = 0;
  EXPECT_EQ(&FamilyOfGame(rules), &FamilyFor(0));
}

// The pyramid's rows: pile r holds row r, "000" where a card left.
struct FreeCase {
  std::string name;
  std::vector<Pile> rows;
  int row;  // 0-based
  int place;
  bool free;
};

class PyramidFreeTest : public ::testing::TestWithParam<FreeCase> {};

TEST_P(PyramidFreeTest, FreesACardUncovered) {
  const FreeCase& c = GetParam();
  EXPECT_EQ(PyramidCardFree(c.rows, c.row, c.place), c.free);
}

const Pile kFull3{H(3), H(4), H(5)};

INSTANTIATE_TEST_SUITE_P(
    Rows, PyramidFreeTest,
    ::testing::Values(FreeCase{"BothCoveringPlacesGone", {{H(1)}, {kNoCard, kNoCard}, kFull3}, 0, 0, true},
                      FreeCase{"OneCoveringCardLeft", {{H(1)}, {kNoCard, S(2)}, kFull3}, 0, 0, false},
                      FreeCase{"CoveredByFullRow", {{H(1)}, {S(1), S(2)}, kFull3}, 1, 1, false},
                      FreeCase{"RightPlaceUncovered", {{H(1)}, {S(1), S(2)}, {H(3), kNoCard, kNoCard}}, 1, 1, true},
                      FreeCase{"LeftPlaceStillCovered", {{H(1)}, {S(1), S(2)}, {H(3), kNoCard, kNoCard}}, 1, 0, false},
                      FreeCase{"LastRow", {{H(1)}, {S(1), S(2)}, kFull3}, 2, 1, true},
                      FreeCase{"EveryLaterRowEmpty", {{H(1)}, {}, {}}, 0, 0, true}),
    [](const ::testing::TestParamInfo<FreeCase>& info) { return info.param.name; });

}  // namespace
}  // namespace velmora
