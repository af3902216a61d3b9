#include "rules/rule_schema.h"

#include <array>

#include "cards/card.h"
#include "game/rule_index.h"
#include "rules/building_codes.h"
#include "rules/deal_codes.h"
#include "rules/description_codes.h"
#include "rules/empty_pile_codes.h"
#include "rules/move_codes.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr int kAny16 = 32767;

// Building codes, fill codes and acceptance codes reach past the standard
// values into the special rules of single games, so their ranges are wide.
constexpr RuleInfo kSchema[] = {
    {0, 1, "reserved_0", -kAny16 - 1, kAny16, "not read by the engine"},
    {1, 1, "foundation_base_card_rule", 0, 5, "base card at the deal: 1 one card sets the rank of all foundations; 2 one card per foundation, ranked as the first; 3 rank above reserve k's bottom card; 4 one card, foundations 5-8 the rank above; 5 the first card and every card of its rank"},
    {2, 1, "unit_sequence_check", 0, 10, "0 none; 1 the cards of a moving unit must lie on each other by the pile's building rule; 10 the same, always in suit"},
    {3, 1, "tableau_display", 0, 12, "tableau fan: 1 down; 2 right; 3 down in one card's room; 4 side by side; 6 right by small steps; 7 top card set down; 8 grid of pile 1; 9 side by side close; 10 left; 11 per pile; 12 down with wide steps"},
    {4, 1, "foundation_display", 0, 7, "foundation fan: 0 stacked; 1 down; 2 right; 4 side by side; 7 top card set down"},
    {5, 1, "reserve_display", 0, 5, "reserve fan: 0 stacked; 1 down; 2 right; 4 side by side; 5 stacked down by 3 pixels"},
    {6, 1, "horizontal_fan_steps", 0, 1, "1 = set the horizontal fan steps (and the two-sided fans of tableau display 11)"},
    {7, 1, "stock_face_down", 0, 1, "0 the stock lies face up; 1 face down"},
    {8, 1, "waste_top_fixed", 0, 1, "0 the waste's top card may be taken; 1 it may not"},
    {9, 1, "stock_shown", 0, 1, "1 = the stock is placed on the table"},
    {10, 1, "waste_shown", 0, 1, "1 = a waste is placed and the stock turns cards onto it; 0 the stock deals to the tableau and reserves"},
    {11, 1, "reserved_11", -kAny16 - 1, kAny16, "not read by the engine"},
    {12, 1, "extra_card_to_foundation", 0, 1, "1 = after the deal the next card goes to foundation 1"},
    {13, 1, "tableau_unit_size", -16, 104, "cards moved together from the tableau: n at most n; -1 any run; -5 and -6 limited by free cells and empty piles; -7 (free cells + 1) doubled for each empty pile but the target; -12 one card or a King's run; -13 one card or the whole pile; -15 group test; -16 gap layouts"},
    {14, 1, "reserve_take", -15, 0, "what may be taken from a reserve: 0 its top card; -11 any card of the fan; -14 family test; -15 group test"},
    {15, 1, "deals", -1, 999, "passes through the stock in all: -1 unlimited; 0 or 1 no redeal; n passes"},
    {16, 1, "redeal_style", 0, 15, "0 the waste is turned over; 4 to 15 the cards are redistributed by that style; 6 on every press"},
    {17, 1, "stock_needs_empty_waste", 0, 1, "1 = the stock turns cards only while the waste is empty"},
    {18, 1, "foundation_take_back", 0, 3, "cards may come back from a foundation: 1 yes; 2 while it holds 2 or more; 3 jokers only; 0 no"},
    {19, 1, "autoplay_available", 0, 1, "1 = autoplay may be switched on"},
    {20, 1, "reserved_20", -kAny16 - 1, kAny16, "not read by the engine"},
    {21, 1, "no_save_hold_bookmark", 0, 1, "1 = the game cannot be saved, held or bookmarked"},
    {22, 1, "stock_deal_count", 0, 104, "cards turned or dealt by one press on the stock"},
    {23, 1, "auto_fill", 0, 17, "empty piles filled at once: 0 none; 1 from reserve 1; 2, 4, 8, 10 from the waste or stock; 3 from the stock or waste; 5 three cards from the waste; 6 to 17 special"},
    {24, 1, "base_sweep_by_pile", 0, 1, "base-card sweep order: 1 pile by pile; 0 position by position"},
    {25, 1, "grid_rows", 0, 40, "rows of the tableau grid"},
    {26, 1, "grid_row_piles", 0, 40, "tableau piles per grid row"},
    {27, 1, "reserved_27", -kAny16 - 1, kAny16, "not read by the engine"},
    {28, 1, "pairing_row_length", 0, 40, "piles per row for the neighbour tests of pairing games"},
    {29, 1, "reserved_29", -kAny16 - 1, kAny16, "not read by the engine"},
    {30, 1, "foundation_family_routine", 0, 1, "1 = the family routine of the foundation runs on a drop"},
    {31, 1, "family_setup", 0, 1, "1 = the family's extra set-up runs after the deal"},
    {32, 1, "foundation_capacity", 0, 108, "cards a foundation holds at most"},
    {33, 1, "tableau_capacity", -1, 108, "cards a tableau pile holds at most; -1 no limit"},
    {34, 1, "deal_type", 0, 19, "deck preparation and step after the deal (0 none; 1 to 19 special deals)"},
    {35, 1, "waste_priority", 0, 3, "1, 2, 3: tableau cards wait while the stock or waste holds cards"},
    {36, 1, "reserved_36", -kAny16 - 1, kAny16, "not read by the engine"},
    {37, 1, "one_click_play", 0, 1, "1 = pressing a card sends it on instead of picking it up"},
    {38, 1, "table_width_class", 0, 2, "1 needs a screen 650 wide for large cards; 2 needs 810"},
    {39, 1, "removal_target_sum", 0, 999, "removal games: the ranks of a discarded group add up to this; 0 not a removal game"},
    {40, 1, "opening_phase", 0, 1, "1 = until the first move only tableau-to-foundation moves are allowed"},
    {41, 1, "fill_tableau_after_first_move", 0, 1, "1 = after the first move the empty tableau piles are filled once from the stock"},
    {42, 1, "auto_turn_face_down", 0, 1, "1 = exposed face-down tableau cards are turned at once"},
    {43, 1, "grid_columns", -1, 40, "columns of the grid of tableau display 8; -1 as many as the screen holds"},
    {44, 1, "jokers_in_deck", 0, 1, "1 = the deck holds jokers"},
    {45, 1, "tutor_available", 0, 1, "1 = hints and the demonstration are available"},
    {46, 1, "score_bonus", -999, 999, "bonus units of the standard score, 5 points each"},
    {47, 1, "stripped_deck", 0, 2, "1 ranks 2 to 6 removed; 2 the Kings too"},
    {48, 1, "one_suit_faces", 0, 1, "1 = every face is drawn from the spade pictures"},
    {49, 1, "family_complete_score", -1, kAny16, "score of a completed family game; the default high-score base; -1 none"},
    {50, 1, "minimum_winning_score", -kAny16 - 1, kAny16, "score a won game must reach; 0 none"},
    {51, 1, "family", 0, 99, "game family: 0 a building game; other values select the procedures of removal, memory, gap and other games"},
    {52, 16, "foundation_base_rank", -1, 96, "rank that starts the empty foundation: 1 to 13; -1 any; 81 to 96 letter codes"},
    {68, 16, "foundation_direction", 0, 2, "0 down; 1 up; 2 up or down"},
    {84, 16, "foundation_building", 0, 255, "0 in suit; 1 in colour; 2 any suit; 3 alternating colours; 4 none; 21 any suit but its own; 14-16 by 2, 3, 4 ranks; others special"},
    {100, 16, "foundation_prefill", 0, 208, "card put on the foundation at the deal: 0 none; 20-22, 51-63, 91-97 special codes; other values a card"},
    {116, 16, "foundation_capacity_each", -1, 108, "cards this foundation holds at most; -1 or 0 as foundation_capacity"},
    {132, 40, "tableau_fill", -1, 96, "what may fill the empty pile: 0 nothing; -1 any card; 1 to 13 that rank (13 King); 91 one rank below the base card; 81 to 96 letter codes"},
    {172, 40, "tableau_direction", 0, 2, "0 down; 1 up; 2 up or down"},
    {212, 40, "tableau_building", 0, 255, "0 in suit; 1 in colour; 2 any suit; 3 alternating colours; 4 none; 21 any suit but its own; 34 single cards only; others special"},
    {252, 40, "tableau_wrap", 0, 2, "1 building may continue past the base rank; 2 the Ace and King rule"},
    {292, 40, "tableau_stock_deal", 0, 12, "what a stock press adds: 1 one card; 2 one card when no pile is empty; 6 face down; 7 only to a non-empty pile; 8 to 12 family styles"},
    {332, 10, "reserve_accepts", 0, 255, "what the reserve takes: 0 one card when empty (a free cell); 4 nothing; 12 anything; others special"},
    {342, 10, "reserve_stock_deal", 0, 12, "what a stock press adds: 1 one card; 3, 4 family styles; 5 one face-down card"},
    {352, 1, "third_slot_fixed_card", 0, 208, "card id put on the third stock slot at the deal (minus 100 above 100); 0 none"},
    {353, 1, "waste_accepts", 0, 2, "2 = the waste takes a card one rank above or below its top card, same suit"},
    {354, 1, "waste_not_target", 0, 4, "4 = the waste is never a drop target"},
    {355, 1, "stock_layout", 0, 999, "layout code of the stock and waste"},
    {356, 1, "stock_row", 0, 4, "table row of the stock and waste"},
    {357, 1, "foundation_layout", 0, 999, "layout code of the foundations"},
    {358, 1, "foundation_row", 0, 4, "table row of the foundations"},
    {359, 1, "tableau_layout", 0, 999, "layout code of the tableau (51 to 173: a whole-table layout)"},
    {360, 1, "tableau_row", 0, 4, "table row of the tableau"},
    {361, 1, "tableau_rows", 0, 40, "rows of tableau piles (layout codes 13 and 18)"},
    {362, 1, "reserve_layout", 0, 999, "layout code of the reserves"},
    {363, 1, "reserve_row", 0, 4, "table row of the reserves"},
    {364, 1, "third_slot_layout", 0, 999, "layout code of the third stock slot; not 0 also makes the stock deal onto it"},
    {365, 1, "third_slot_row", 0, 4, "table row of the third stock slot"},
    {366, 1, "stock_piles_shown", 0, 2, "stock and waste piles shown"},
    {367, 1, "foundations", 0, 16, "number of foundations"},
    {368, 1, "tableau_piles", 0, 40, "number of tableau piles"},
    {369, 1, "reserves", 0, 10, "number of reserves"},
    {370, 1, "third_slot_shown", 0, 1, "1 = the third stock slot is placed"},
    {371, 1, "deck_cards", 0, 104, "cards of the deck: 52 or 104"},
    {372, 1, "stock_cards", 0, 108, "cards dealt to the stock"},
    {373, 1, "waste_cards", 0, 108, "cards dealt to the waste"},
    {374, 1, "jokers", 0, 4, "number of jokers"},
    {375, 40, "tableau_cards", 0, 1504, "cards dealt to the pile; 1001 to 1499 one base card of rank n - 1000; 1501 to 1504 a joker"},
    {415, 40, "tableau_face_up", -3, 1000, "cards face up after the deal: n the top n; -1 odd places up; -2 even places up; -3 the bottom card only; 0 none"},
    {455, 1, "third_slot_cards", 0, 108, "cards dealt face up to the third stock slot"},
    {456, 10, "reserve_cards", 0, 108, "cards dealt to the reserve"},
    {466, 10, "reserve_face_up", -3, 108, "cards face up after the deal, as tableau_face_up"},
    {476, 1, "customise_stock_deal", 0, 2, "the player may change stock_deal_count: 0 no; 1 yes; 2 when the stock is of the usual kind"},
    {477, 1, "customise_deals", 0, 2, "the player may change deals: 0 no; 1 yes; 2 when the stock is of the usual kind"},
    {478, 1, "customise_tableau_fill", 0, 2, "the player may change tableau_fill: 0 no; 1 yes; 2 unless a removal game or no building"},
    {479, 1, "customise_tableau_direction", 0, 2, "the player may change tableau_direction: 0 no; 1 yes; 2 unless a removal game or no building"},
    {480, 1, "customise_tableau_building", 0, 2, "the player may change tableau_building: 0 no; 1 yes; 2 unless a removal game or no building"},
    {481, 1, "customise_foundation_direction", 0, 2, "the player may change foundation_direction: 0 no; 1 yes; 2 unless no building"},
    {482, 1, "customise_foundation_building", 0, 2, "the player may change foundation_building: 0 no; 1 yes; 2 unless a removal game or no building"},
    {483, 1, "game_time", 0, 2, "0 long; 1 medium; 2 quick"},
    {484, 1, "difficulty", 0, 2, "0 easy; 1 medium; 2 hard"},
    {485, 1, "skill", 0, 4, "0 difficult; 1 mostly skill; 2 moderate; 3 mostly chance; 4 chance only"},
    {486, 1, "chance_of_winning", 0, 4, "0 very high to 4 very low"},
    {487, 1, "chance_in", 0, kAny16, "the X of 'about X in Y' games won"},
    {488, 1, "chance_out_of", 0, kAny16, "the Y of 'about X in Y' games won; 0 not shown"},
    {489, 1, "reserved_489", -kAny16 - 1, kAny16, "not read by the engine"},
};

// The rules whose values have names, by the rule index of their first pile.
// A kind without plain numbers is closed: a value it does not name is refused.
struct RuleKind {
  int first;
  ValueKind kind;
};

// The game selection's description of a game (rules 483 to 486).
constexpr int kGameTimeRule = 483, kDifficultyRule = 484, kSkillRule = 485, kChanceOfWinningRule = 486;
constexpr int kLargestPasses = 999, kLargestCapacity = 108, kLargestPrefillCard = 208;

constexpr ValueKind kBuildingCodes{.what = "a building code", .names = kBuildingCodeNames};
constexpr ValueKind kDirections{.what = "a direction", .names = kDirectionNames};

constexpr RuleKind kRuleKinds[] = {
    {rule::FoundationBaseCardRule, {.what = "a base-card rule", .names = kBaseCardRuleNames}},
    {rule::UnitSequenceCheck, {.what = "a unit sequence check", .names = kUnitSequenceNames}},
    {rule::TableauUnitSize,
     {.what = "a unit size", .names = kUnitSizeNames, .plainLow = 0, .plainHigh = unit_size::LargestCount}},
    {rule::ReserveTake, {.what = "a reserve take code", .names = kReserveTakeNames}},
    {rule::DealsInAll,
     {.what = "a number of passes", .names = kDealsNames, .plainLow = 0, .plainHigh = kLargestPasses}},
    {rule::FoundationTakeBack, {.what = "a take-back code", .names = kTakeBackNames}},
    {rule::TableauCapacity,
     {.what = "a capacity", .names = kCapacityNames, .plainLow = 0, .plainHigh = kLargestCapacity}},
    {rule::DealType, {.what = "a deal type", .names = kDealTypeNames}},
    {rule::FoundationBaseRank,
     {.what = "a base rank", .names = kBaseRankNames, .plainLow = 1, .plainHigh = kRanks, .ranksByName = true}},
    {rule::FoundationDirection, kDirections},
    {rule::FoundationBuilding, kBuildingCodes},
    {rule::FoundationPrefill,
     {.what = "a pre-fill code or card", .names = kPrefillNames, .plainLow = 1, .plainHigh = kLargestPrefillCard}},
    {rule::TableauFill,
     {.what = "a fill rule", .names = kFillNames, .plainLow = 1, .plainHigh = kRanks, .ranksByName = true}},
    {rule::TableauDirection, kDirections},
    {rule::TableauBuilding, kBuildingCodes},
    {rule::TableauWrap, {.what = "a wrap code", .names = kWrapNames}},
    {rule::ReserveAccepts,
     {.what = "a reserve code", .names = kReserveCodeNames, .otherwise = kBuildingCodeNames}},
    {kGameTimeRule, {.what = "a game time", .names = kGameTimeNames}},
    {kDifficultyRule, {.what = "a difficulty", .names = kDifficultyNames}},
    {kSkillRule, {.what = "a measure of skill", .names = kSkillNames}},
    {kChanceOfWinningRule, {.what = "a chance of winning", .names = kChanceOfWinningNames}},
};

// Rule index -> position in kSchema, built once at compile time.
constexpr std::array<unsigned short, kRuleCount> BuildIndex() {
  std::array<unsigned short, kRuleCount> index{};
  for (unsigned short entry = 0; entry < std::size(kSchema); ++entry)
    for (int k = 0; k < kSchema[entry].count; ++k) index[static_cast<std::size_t>(kSchema[entry].first + k)] = entry;
  return index;
}

constexpr bool CoversEveryIndexOnce() {
  int next = 0;
  for (const RuleInfo& info : kSchema) {
    if (info.first != next || info.count < 1) return false;
    next += info.count;
  }
  return next == kRuleCount;
}
static_assert(CoversEveryIndexOnce(), "the schema must list rules 0 to 489 in order, each once");

constexpr auto kIndex = BuildIndex();

}  // namespace

std::span<const RuleInfo> RuleSchema() { return kSchema; }

const RuleInfo& RuleInfoOf(int index) { return kSchema[kIndex[static_cast<std::size_t>(index)]]; }

const ValueKind* ValueKindOf(const RuleInfo& info) {
  for (const RuleKind& entry : kRuleKinds)
    if (entry.first == info.first) return &entry.kind;
  return nullptr;
}

bool RuleTakes(const RuleInfo& info, int value) {
  if (value < info.min || value > info.max) return false;
  const ValueKind* kind = ValueKindOf(info);
  return kind == nullptr || KindTakes(*kind, value);
}

const RuleInfo* FindRule(std::string_view name) {
  for (const RuleInfo& info : kSchema)
    if (info.name == name) return &info;
  return nullptr;
}

std::string RuleName(int index) {
  const RuleInfo& info = RuleInfoOf(index);
  if (info.count == 1) return std::string(info.name);
  return std::string(info.name) + "[" + std::to_string(index - info.first + 1) + "]";
}

std::optional<int> RuleIndexByName(std::string_view name) {
  const auto open = name.find('[');
  if (open == std::string_view::npos) {
    const RuleInfo* info = FindRule(name);
    if (!info || info->count != 1) return std::nullopt;
    return info->first;
  }
  if (name.back() != ']') return std::nullopt;
  const RuleInfo* info = FindRule(name.substr(0, open));
  const auto pile = ParseInteger(name.substr(open + 1, name.size() - open - 2));
  if (!info || info->count == 1 || !pile || *pile < 1 || *pile > info->count) return std::nullopt;
  return info->first + static_cast<int>(*pile) - 1;
}

}  // namespace velmora
