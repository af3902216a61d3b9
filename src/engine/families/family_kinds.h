#pragma once
// The families with procedures of their own, each made from the facts of its
// row in the family table (family_registry.cpp). Only the table makes them.
#include <memory>

#include "families/game_family.h"

namespace velmora {

// Family 2: the discard pile takes a card one rank above or below its top.
std::unique_ptr<GameFamily> MakeRankNeighboursFamily(const FamilyFacts& facts);
// Families 12 and 15: the same, a King and an Ace following each other.
std::unique_ptr<GameFamily> MakeRankNeighboursRoundTheCornerFamily(const FamilyFacts& facts);

// The families of one hook each (hook_families.cpp).
// Family 19, the accordion: a card covers the one before it or three before it of its rank or suit.
std::unique_ptr<GameFamily> MakeAccordionFamily(const FamilyFacts& facts);
// Family 23: only a Seven goes up from the tableau; the first row closes up after every move.
std::unique_ptr<GameFamily> MakeSevensAndClosingRowFamily(const FamilyFacts& facts);
// Family 29: a dealt card a foundation takes goes up at once.
std::unique_ptr<GameFamily> MakeDealtCardsGoUpFamily(const FamilyFacts& facts);
// Family 30: a Jack or King completing a foundation's run sends it to the discard pile.
std::unique_ptr<GameFamily> MakeCompletedRunsLeaveFamily(const FamilyFacts& facts);
// Family 44: won when the top cards, in order up to the first empty pile, add up to 91.
std::unique_ptr<GameFamily> MakeNinetyOneFamily(const FamilyFacts& facts);
// Family 51: no deal while a tableau pile is empty.
std::unique_ptr<GameFamily> MakeFillTableauBeforeDealingFamily(const FamilyFacts& facts);
// Family 56: a press deals one card to each tableau pile and counts as a pass.
std::unique_ptr<GameFamily> MakeDealsCountedAsPassesFamily(const FamilyFacts& facts);
// Family 60: the stock turns no card while the second row has a vacancy.
std::unique_ptr<GameFamily> MakeSecondRowFilledBeforeTurningFamily(const FamilyFacts& facts);

// Family 40, the clock: lost once the four Kings lie face up on the thirteenth pile.
std::unique_ptr<GameFamily> MakeClockFamily(const FamilyFacts& facts);
// Family 11: the Aces of the first reserve and the waste open the foundations.
std::unique_ptr<GameFamily> MakeAcesFromReserveAndWasteFamily(const FamilyFacts& facts);
// Family 22: the Queen of hearts starts the first pile, the King of hearts ends the stock.
std::unique_ptr<GameFamily> MakeHeartsRoyalsFamily(const FamilyFacts& facts);
// Family 50: the second half of the foundations counts by twos.
std::unique_ptr<GameFamily> MakeDoubledBasesFamily(const FamilyFacts& facts);

// Families 32 and 46: rows with gaps that a card fitting its neighbour fills;
// in 46 the rows make one line round the table, scored by its own count.
std::unique_ptr<GameFamily> MakeGapFamily(const FamilyFacts& facts);
std::unique_ptr<GameFamily> MakeGapLineFamily(const FamilyFacts& facts);
// Families 9 and 59, poker squares: the hands of the grid's rows and columns make the score.
std::unique_ptr<GameFamily> MakePokerSquaresFamily(const FamilyFacts& facts);
// Family 59, poker shuffle: the dealt grid is rearranged, two cards changing
// places, until its hands reach the score to win.
std::unique_ptr<GameFamily> MakePokerShuffleFamily(const FamilyFacts& facts);
// Families 37 and 39: memory games that turn up two face-down cards to find a pair.
std::unique_ptr<GameFamily> MakePairsFamily(const FamilyFacts& facts);
// Family 36: the face-down cards are turned up in rank order from an Ace.
std::unique_ptr<GameFamily> MakeAceToKingFamily(const FamilyFacts& facts);
// Family 38: ten cards shown at the deal, matched by their twins from memory.
std::unique_ptr<GameFamily> MakeForgetMeNotFamily(const FamilyFacts& facts);
// The removal families (removal_families.cpp), one per family number that
// selects by a rule of its own: 1, 3, 4, 7, 8, 14, 16, 17, 18, 24, 45.
template <int Family>
std::unique_ptr<GameFamily> MakeRemovalFamily(const FamilyFacts& facts);
// The family of every game with a target sum (rule 39) whose family number
// has no removal rule of its own: any cards, discarded when their ranks add
// up to the target sum.
const GameFamily& SumRemovalFamily();

}  // namespace velmora
