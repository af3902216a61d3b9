#pragma once
// The families with procedures of their own, each made from the facts of its
// row in the family table (family_registry.cpp). Only the table makes them.
#include <memory>

#include "families/game_family.h"

namespace velmora {

// Family 2: the discard pile takes a card one rank above or below its top.
std::unique_ptr<GameFamily> MakeRankNeighboursFamily(const FamilyFacts& facts);

}  // namespace velmora
