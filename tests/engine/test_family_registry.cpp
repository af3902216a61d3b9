// The family table: each family number gives the facts its games are played
// by, and a number no family uses gives the plain game.
#include <gtest/gtest.h>

#include "families/game_family.h"

namespace velmora {
namespace {

struct Case {
  int family;
  WonRule won;
  ScoreRule score;
  bool keepsOwnScore = false;
  bool losesWhenKingsAreOut = false;
};

void PrintTo(const Case& c, std::ostream* out) { *out << "family " << c.family; }

class FamilyRegistryTest : public ::testing::TestWithParam<Case> {};

TEST_P(FamilyRegistryTest, GivesTheFamilysFacts) {
  const Case& c = GetParam();
  const FamilyFacts& facts = FamilyFor(c.family).facts();
  EXPECT_EQ(facts.won, c.won);
  EXPECT_EQ(facts.score, c.score);
  EXPECT_EQ(facts.keepsOwnScore, c.keepsOwnScore);
  EXPECT_EQ(facts.losesWhenKingsAreOut, c.losesWhenKingsAreOut);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFamily, FamilyRegistryTest,
    ::testing::Values(
        // The plain game: numbers no family row names.
        Case{0, WonRule::Cleared, ScoreRule::Standard}, Case{5, WonRule::Cleared, ScoreRule::Standard},
        Case{99, WonRule::Cleared, ScoreRule::Standard}, Case{-1, WonRule::Cleared, ScoreRule::Standard},
        Case{2, WonRule::Cleared, ScoreRule::Standard}, Case{38, WonRule::Cleared, ScoreRule::FamilyBase},
        Case{4, WonRule::ClearedGapsCountEmpty, ScoreRule::Standard},
        Case{9, WonRule::EveryTableauPileHoldsCards, ScoreRule::Standard, true},
        Case{59, WonRule::EveryTableauPileHoldsCards, ScoreRule::Standard, true},
        Case{21, WonRule::StockOutFirstPileUpToFour, ScoreRule::Standard},
        Case{22, WonRule::StockOutFirstPileUpToFour, ScoreRule::Standard},
        Case{27, WonRule::EveryTableauPileOneCard, ScoreRule::Standard},
        Case{31, WonRule::StockOutAnAceOnEveryPile, ScoreRule::Standard},
        Case{32, WonRule::RunsFromTwoInSuit, ScoreRule::GapRows},
        Case{34, WonRule::ScoreToWinReached, ScoreRule::NumberedPiles},
        Case{35, WonRule::ScoreToWinReached, ScoreRule::DiscardTimesTen},
        Case{36, WonRule::ScoreToWinReached, ScoreRule::FamilyBase},
        Case{37, WonRule::ScoreToWinReached, ScoreRule::MemoryPairs},
        Case{39, WonRule::ScoreToWinReached, ScoreRule::MemoryPairsSeven},
        Case{40, WonRule::ScoreToWinReached, ScoreRule::Clock, false, true},
        Case{41, WonRule::OnlyFirstFoundationHoldsCards, ScoreRule::EmptiedFoundations},
        Case{42, WonRule::ScoreToWinReached, ScoreRule::RisingRuns},
        Case{43, WonRule::NineDownToOne, ScoreRule::NineRuns},
        Case{44, WonRule::SequenceOfNinetyOne, ScoreRule::FamilyBase},
        Case{45, WonRule::FourPilesHoldCards, ScoreRule::Standard},
        Case{46, WonRule::FamilyScoreReached, ScoreRule::FamilyBase},
        Case{47, WonRule::ScoreToWinReached, ScoreRule::Discard},
        Case{48, WonRule::StockOutOneCardLeft, ScoreRule::SecondFoundationBonus},
        Case{49, WonRule::FourOnEachOfTwentyFour, ScoreRule::TwentyFourPilesBonus},
        Case{52, WonRule::EightOnFirstReserve, ScoreRule::Standard},
        Case{55, WonRule::StockOut, ScoreRule::TableauCards},
        Case{57, WonRule::FamilyTest, ScoreRule::FamilyBase},
        Case{58, WonRule::FamilyTest, ScoreRule::FamilyBase}));

}  // namespace
}  // namespace velmora
