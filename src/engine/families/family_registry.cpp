// The one table of game families: each family number a game's rule 51 may
// hold, with the facts that set it apart from the plain game. A number the
// table leaves out is the plain game: won when the table is cleared, scored
// by the standard score.
#include <array>
#include <map>
#include <memory>

#include "families/family_kinds.h"
#include "families/family_of_game.h"
#include "families/removal_rules.h"
#include "game/rule_index.h"
#include "rules/rule_record.h"

namespace velmora {
namespace {

using MakeFamily = std::unique_ptr<GameFamily> (*)(const FamilyFacts&);

// A family number, its facts, and what makes the object that serves it
// when its procedures are its own (the plain game's otherwise).
struct FamilyRow {
  int number;
  FamilyFacts facts;
  MakeFamily make = nullptr;
};

constexpr FamilyFacts Won(WonRule won, ScoreRule score = ScoreRule::Standard) { return {.won = won, .score = score}; }

constexpr FamilyFacts kPokerSquares{.won = WonRule::EveryTableauPileHoldsCards, .keepsOwnScore = true};
// The pressed card waits in foundation 1 for the card it changes places with.
constexpr FamilyFacts kPokerShuffle{.won = WonRule::FamilyScoreReached,
                                    .keepsOwnScore = true,
                                    .selects = true,
                                    .leavesFirstFoundationOut = true};
constexpr FamilyFacts kClock{.won = WonRule::ScoreToWinReached,
                             .score = ScoreRule::Clock,
                             .buildsOnFaceDown = true};

// A taken card goes to the discard pile; a stock press may end the game.
constexpr FamilyFacts kDiscardGame{.discardsTakenCard = true, .endsAfterStockPress = true};
constexpr FamilyFacts kStockWithoutPasses{.stockShowsNoPasses = true};

// The gap games: either button presses a card, and the gaps take drops.
constexpr FamilyFacts kGapRows{
    .won = WonRule::RunsFromTwoInSuit, .score = ScoreRule::GapRows, .rightPressIsPlain = true, .fillsGaps = true};
constexpr FamilyFacts kGapsRoundTheTable{
    .won = WonRule::FamilyScoreReached, .score = ScoreRule::FamilyBase, .rightPressIsPlain = true, .fillsGaps = true};

// The memory games show their result at the end.
constexpr FamilyFacts Memory(WonRule won, ScoreRule score) { return {.won = won, .score = score, .showsResult = true}; }
// Games whose last cards may be won only once a move's follow-ups are done.
constexpr FamilyFacts AskedAgain(WonRule won, ScoreRule score = ScoreRule::Standard) {
  return {.won = won, .score = score, .wonTestAfterFollowUps = true};
}

constexpr std::array kFamilyRows{
    FamilyRow{1, {}, MakeRemovalFamily<1>},
    FamilyRow{2, kDiscardGame, MakeRankNeighboursFamily},
    FamilyRow{3, {.selects = true, .leavesFirstFoundationOut = true}, MakeRemovalFamily<3>},
    FamilyRow{4, {.won = WonRule::ClearedGapsCountEmpty, .selects = true, .leavesFirstFoundationOut = true},
              MakeRemovalFamily<4>},
    FamilyRow{7, {}, MakeRemovalFamily<7>},
    FamilyRow{8, kStockWithoutPasses, MakeRemovalFamily<8>},
    FamilyRow{9, kPokerSquares, MakePokerSquaresFamily},
    FamilyRow{11, {}, MakeAcesFromReserveAndWasteFamily},
    FamilyRow{12, {.discardsTakenCard = true, .eddySound = true}, MakeRankNeighboursRoundTheCornerFamily},
    FamilyRow{14, {}, MakeRemovalFamily<14>},
    FamilyRow{15, kDiscardGame, MakeRankNeighboursRoundTheCornerFamily},
    FamilyRow{16, {}, MakeRemovalFamily<16>},
    FamilyRow{17, {}, MakeRemovalFamily<17>},
    FamilyRow{18, {}, MakeRemovalFamily<18>},
    FamilyRow{19, Won(WonRule::StockOutOneCardLeft), MakeAccordionFamily},
    FamilyRow{21, Won(WonRule::StockOutFirstPileUpToFour)},
    FamilyRow{22, Won(WonRule::StockOutFirstPileUpToFour), MakeHeartsRoyalsFamily},
    FamilyRow{23, {.asksTableauToFoundation = true}, MakeSevensAndClosingRowFamily},
    FamilyRow{24, {}, MakeRemovalFamily<24>},
    FamilyRow{27, Won(WonRule::EveryTableauPileOneCard)},
    FamilyRow{28, {.countsTurns = true}},
    FamilyRow{29, {}, MakeDealtCardsGoUpFamily},
    FamilyRow{30, {}, MakeCompletedRunsLeaveFamily},
    FamilyRow{31, AskedAgain(WonRule::StockOutAnAceOnEveryPile)},
    FamilyRow{32, kGapRows, MakeGapFamily},
    FamilyRow{33, {.selects = true, .rightPressIsPlain = true}},
    FamilyRow{34, AskedAgain(WonRule::ScoreToWinReached, ScoreRule::NumberedPiles)},
    FamilyRow{35, AskedAgain(WonRule::ScoreToWinReached, ScoreRule::DiscardTimesTen)},
    FamilyRow{36, Memory(WonRule::ScoreToWinReached, ScoreRule::FamilyBase), MakeAceToKingFamily},
    FamilyRow{37, Memory(WonRule::ScoreToWinReached, ScoreRule::MemoryPairs), MakePairsFamily},
    FamilyRow{38, Memory(WonRule::ScoreToWinReached, ScoreRule::FamilyBase), MakeForgetMeNotFamily},
    FamilyRow{39, Memory(WonRule::ScoreToWinReached, ScoreRule::MemoryPairsSeven), MakePairsFamily},
    FamilyRow{40, kClock, MakeClockFamily},
    FamilyRow{41, Won(WonRule::OnlyFirstFoundationHoldsCards, ScoreRule::EmptiedFoundations)},
    FamilyRow{42, Won(WonRule::ScoreToWinReached, ScoreRule::RisingRuns)},
    FamilyRow{43, Won(WonRule::NineDownToOne, ScoreRule::NineRuns)},
    FamilyRow{44, {.won = WonRule::SequenceOfNinetyOne, .score = ScoreRule::FamilyBase, .wonTestAfterDeal = true},
              MakeNinetyOneFamily},
    FamilyRow{45, {.won = WonRule::FourPilesHoldCards, .stockShowsNoPasses = true}, MakeRemovalFamily<45>},
    FamilyRow{46, kGapsRoundTheTable, MakeGapLineFamily},
    FamilyRow{47, Won(WonRule::ScoreToWinReached, ScoreRule::Discard)},
    FamilyRow{48, Won(WonRule::StockOutOneCardLeft, ScoreRule::SecondFoundationBonus)},
    FamilyRow{49, Won(WonRule::FourOnEachOfTwentyFour, ScoreRule::TwentyFourPilesBonus)},
    FamilyRow{50, {}, MakeDoubledBasesFamily},
    FamilyRow{51, {}, MakeFillTableauBeforeDealingFamily},
    FamilyRow{52, {.won = WonRule::EightOnFirstReserve, .wonTestAfterReserveMove = true}},
    FamilyRow{55, Won(WonRule::StockOut, ScoreRule::TableauCards)},
    FamilyRow{56, {}, MakeDealsCountedAsPassesFamily},
    FamilyRow{57, Won(WonRule::FamilyTest, ScoreRule::FamilyBase)},
    FamilyRow{58, Won(WonRule::FamilyTest, ScoreRule::FamilyBase)},
    FamilyRow{59, kPokerShuffle, MakePokerShuffleFamily},
    FamilyRow{60, {}, MakeSecondRowFilledBeforeTurningFamily},
};

constexpr bool NumbersAreUnique() {
  for (std::size_t a = 0; a < kFamilyRows.size(); ++a)
    for (std::size_t b = a + 1; b < kFamilyRows.size(); ++b)
      if (kFamilyRows[a].number == kFamilyRows[b].number) return false;
  return true;
}
static_assert(NumbersAreUnique(), "each family has one row");

// Built once from the table; the objects live as long as the program.
const std::map<int, std::unique_ptr<const GameFamily>>& Families() {
  static const auto families = [] {
    std::map<int, std::unique_ptr<const GameFamily>> built;
    for (const FamilyRow& row : kFamilyRows)
      built[row.number] = row.make != nullptr ? row.make(row.facts) : std::make_unique<GameFamily>(row.facts);
    return built;
  }();
  return families;
}

}  // namespace

const GameFamily& FamilyFor(int number) {
  static const GameFamily kPlainGame;
  const auto& families = Families();
  const auto found = families.find(number);
  return found == families.end() ? kPlainGame : *found->second;
}

const GameFamily& FamilyOfGame(const RuleRecord& rules) {
  const int number = rules[rule::Family];
  if (rules[rule::RemovalTargetSum] != 0 && !HasOwnRemovalRule(number)) return SumRemovalFamily();
  return FamilyFor(number);
}

bool HoldsSelection(const RuleRecord& rules) {
  return rules[rule::RemovalTargetSum] != 0 || FamilyFor(rules[rule::Family]).facts().selects;
}

}  // namespace velmora
