#pragma once
// The step some deal types take once the table is laid out: Kings moved
// aside, piles sorted by rank, gaps opened, counted lay-outs.
#include "game/deal_table.h"
#include "game/remaining_deck.h"

namespace velmora {

void RunDealTypeStep(DealContext& deal, RemainingDeck& deck);

}  // namespace velmora
