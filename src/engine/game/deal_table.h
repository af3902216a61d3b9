#pragma once
// Dealing a new table: the deck in the order of the deal number, thinned by the
// deck type, laid out onto foundations, stock, waste, tableau and reserves as
// the rules say, with the faces turned and the foundations' base ranks settled.
#include <functional>
#include <string_view>

#include "cards/card_table.h"
#include "piles/pile_store.h"
#include "rules/rule_record.h"
#include "shell/program_state.h"

namespace velmora {

struct DealContext {
  RuleRecord& rules;
  CardTable& cards;
  PileStore& piles;
  ProgramState& state;
  std::string_view dealDigits;  // the deal number's 13 digits
};

// The step of a deal that belongs to the score: it runs last, when it is set.
struct DealFollowUps {
  std::function<void(DealContext&)> openingScore;
};

// False when the deck size of the rules is one the generator cannot deal
// (the table then holds no cards but jokers).
bool DealTable(DealContext& deal, const DealFollowUps& followUps = {});

}  // namespace velmora
