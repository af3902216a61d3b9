#pragma once
// The mark an empty pile shows: what may be laid there ("010" an Ace, "011" a
// King, "004" any card allowed by the rules, "_TABLEAU" any card at all), or
// whether the stock can still be turned over ("022") or not ("008").
#include <string>

#include "piles/pile_names.h"

namespace velmora {

class RuleRecord;

struct StockPassState {
  int passCounter = 1;  // 1 during the first pass through the stock, raised by each redeal
};

// The code of the mark (the picture is "W" + size letter + code); empty for
// a pile that shows no mark.
std::string EmptyPileMark(const RuleRecord& rules, PileRef pile, StockPassState passes);

// The mark of a pile that must start with a given rank, or with the card a
// special code names; empty when the value names no rank.
std::string RankMark(int rankOrCode);

}  // namespace velmora
