#pragma once
// The families with procedures of their own, each made from the facts of its
// row in the family table (family_registry.cpp). Only the table makes them.
#include <memory>

#include "families/game_family.h"

namespace velmora {

// Family 2: the discard pile takes a card one rank above or below its top.
std::unique_ptr<GameFamily> MakeRankNeighboursFamily(const FamilyFacts& facts);

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
// Families 37 and 39: memory games that turn up two face-down cards to find a pair.
std::unique_ptr<GameFamily> MakePairsFamily(const FamilyFacts& facts);
// The removal families (removal_families.cpp), one per family number that
// selects by a rule of its own: 1, 3, 4, 7, 8, 14, 16, 17, 18, 24, 45.
template <int Family>
std::unique_ptr<GameFamily> MakeRemovalFamily(const FamilyFacts& facts);
// The family of every game with a target sum (rule 39) whose family number
// has no removal rule of its own: any cards, discarded when their ranks add
// up to the target sum.
const GameFamily& SumRemovalFamily();

}  // namespace velmora
