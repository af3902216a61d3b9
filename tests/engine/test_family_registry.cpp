// The family table: each family number gives the facts its games are played
// by, and a number no family uses gives the plain game.
#include <gtest/gtest.h>

#include "families/game_family.h"

namespace velmora {
namespace {

struct Case {
  int family;
  FamilyFacts facts;
};

void PrintTo(const Case& c, std::ostream* out) { *out << "family " << c.family; }

class FamilyRegistryTest : public ::testing::TestWithParam<Case> {};

TEST_P(FamilyRegistryTest, GivesTheFamilysFacts) {
  const Case& c = GetParam();
  const FamilyFacts& facts = FamilyFor(c.family).facts();
  EXPECT_EQ(facts.won, c.facts.won);
  EXPECT_EQ(facts.score, c.facts.score);
  EXPECT_TRUE(facts == c.facts) << "a fact other than the won and score rules differs";
}

constexpr FamilyFacts kPlain{};

constexpr FamilyFacts Won(WonRule won, ScoreRule score = ScoreRule::Standard) { return {.won = won, .score = score}; }
constexpr FamilyFacts Memory(WonRule won, ScoreRule score) { return {.won = won, .score = score, .showsResult = true}; }
constexpr FamilyFacts AskedAgain(WonRule won, ScoreRule score = ScoreRule::Standard) {
  return {.won = won, .score = score, .wonTestAfterFollowUps = true};
}

INSTANTIATE_TEST_SUITE_P(
    EveryFamily, FamilyRegistryTest,
    ::testing::Values(
        // The plain game: numbers no family row names, and families that
        // differ from it only in procedures not yet written.
        Case{0, kPlain}, Case{5, kPlain}, Case{99, kPlain}, Case{-1, kPlain}, Case{29, kPlain}, Case{60, kPlain},
        Case{11, kPlain}, Case{50, kPlain},
        Case{2, {.discardsTakenCard = true, .endsAfterStockPress = true}},
        Case{15, {.discardsTakenCard = true, .endsAfterStockPress = true}},
        Case{3, {.selects = true, .leavesFirstFoundationOut = true}},
        Case{4, {.won = WonRule::ClearedGapsCountEmpty, .selects = true, .leavesFirstFoundationOut = true}},
        Case{8, {.stockShowsNoPasses = true}},
        Case{9, {.won = WonRule::EveryTableauPileHoldsCards, .keepsOwnScore = true}},
        Case{59, {.won = WonRule::FamilyScoreReached, .keepsOwnScore = true, .selects = true,
                  .leavesFirstFoundationOut = true}},
        Case{12, {.discardsTakenCard = true, .eddySound = true}},
        Case{21, Won(WonRule::StockOutFirstPileUpToFour)}, Case{22, Won(WonRule::StockOutFirstPileUpToFour)},
        Case{19, Won(WonRule::StockOutOneCardLeft)},
        Case{23, {.asksTableauToFoundation = true}}, Case{27, Won(WonRule::EveryTableauPileOneCard)},
        Case{28, {.countsTurns = true}},
        Case{31, AskedAgain(WonRule::StockOutAnAceOnEveryPile)},
        Case{32, {.won = WonRule::RunsFromTwoInSuit, .score = ScoreRule::GapRows, .rightPressIsPlain = true,
                  .fillsGaps = true}},
        Case{33, {.selects = true, .rightPressIsPlain = true}},
        Case{34, AskedAgain(WonRule::ScoreToWinReached, ScoreRule::NumberedPiles)},
        Case{35, AskedAgain(WonRule::ScoreToWinReached, ScoreRule::DiscardTimesTen)},
        Case{36, Memory(WonRule::ScoreToWinReached, ScoreRule::FamilyBase)},
        Case{37, Memory(WonRule::ScoreToWinReached, ScoreRule::MemoryPairs)},
        Case{38, Memory(WonRule::ScoreToWinReached, ScoreRule::FamilyBase)},
        Case{39, Memory(WonRule::ScoreToWinReached, ScoreRule::MemoryPairsSeven)},
        Case{40, {.won = WonRule::ScoreToWinReached,
                  .score = ScoreRule::Clock,
                  .buildsOnFaceDown = true}},
        Case{41, Won(WonRule::OnlyFirstFoundationHoldsCards, ScoreRule::EmptiedFoundations)},
        Case{42, Won(WonRule::ScoreToWinReached, ScoreRule::RisingRuns)},
        Case{43, Won(WonRule::NineDownToOne, ScoreRule::NineRuns)},
        Case{44, {.won = WonRule::SequenceOfNinetyOne, .score = ScoreRule::FamilyBase, .wonTestAfterDeal = true}},
        Case{45, {.won = WonRule::FourPilesHoldCards, .stockShowsNoPasses = true}},
        Case{46, {.won = WonRule::FamilyScoreReached, .score = ScoreRule::FamilyBase, .rightPressIsPlain = true,
                  .fillsGaps = true}},
        Case{47, Won(WonRule::ScoreToWinReached, ScoreRule::Discard)},
        Case{48, Won(WonRule::StockOutOneCardLeft, ScoreRule::SecondFoundationBonus)},
        Case{49, Won(WonRule::FourOnEachOfTwentyFour, ScoreRule::TwentyFourPilesBonus)},
        Case{52, {.won = WonRule::EightOnFirstReserve, .wonTestAfterReserveMove = true}},
        Case{55, Won(WonRule::StockOut, ScoreRule::TableauCards)},
        Case{57, Won(WonRule::FamilyTest, ScoreRule::FamilyBase)},
        Case{58, Won(WonRule::FamilyTest, ScoreRule::FamilyBase)}));

}  // namespace
}  // namespace velmora
