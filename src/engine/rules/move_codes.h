#pragma once
// The codes that say how cards move: the direction of building, the wrap past
// the base rank, how many cards move as a unit and how they must lie, what may
// be taken from a reserve or a foundation, and the passes through the stock.
#include "rules/rule_values.h"

namespace velmora {

namespace direction {
inline constexpr int Down = 0, Up = 1, UpOrDown = 2;
}  // namespace direction

inline constexpr ValueName kDirectionNames[] = {
    {direction::Down, "down", "down"},
    {direction::Up, "up", "up"},
    {direction::UpOrDown, "up_or_down", "up or down"},
};

namespace wrap {
inline constexpr int StopsAtBase = 0, Wraps = 1, AceAndKing = 2;
}  // namespace wrap

inline constexpr ValueName kWrapNames[] = {
    {wrap::StopsAtBase, "stops_at_base", "building stops at the base rank"},
    {wrap::Wraps, "wraps", "building goes on past the base rank, an Ace after a King"},
    {wrap::AceAndKing, "ace_and_king", "a 2 only on an Ace going up, a Queen only on a King"},
};

namespace unit_sequence {
inline constexpr int NoCheck = 0, BuildingRule = 1, InSuit = 10;
}  // namespace unit_sequence

inline constexpr ValueName kUnitSequenceNames[] = {
    {unit_sequence::NoCheck, "no_check", "the cards of a moving unit may lie anyhow"},
    {unit_sequence::BuildingRule, "building_rule",
     "each card of a moving unit lies on the one below by the pile's rule"},
    {unit_sequence::InSuit, "in_suit", "each card of a moving unit lies on the one below by the pile's rule, in suit"},
};

// Rule 13 counts the cards of a unit moved from the tableau: a number n is at
// most n cards; the codes below count free places, with f the empty reserves
// (free cells) and e the empty tableau piles. A negative value without a name
// is refused.
//
// FreeCellsDoubled is the usual count of the free-cell games, where a unit
// moves as if card by card through the free places: u <= (f + 1) * 2^e, the
// target pile not counted among the e. It has no value of the original rule
// set; -7 is one it leaves unused.
namespace unit_size {
inline constexpr int AnyRun = -1;
inline constexpr int FreeCellsAndPiles = -5;  // u <= f + e, + 1 unless the target is empty; u <= f + 1 when e = 0
inline constexpr int FreeCellsOrPiles = -6;   // u <= f + e when e > 0; u <= f + 1 when e = 0
inline constexpr int FreeCellsDoubled = -7;   // u <= (f + 1) * 2^e, e not counting the target
inline constexpr int OneOrKingRun = -12;
inline constexpr int OneOrWholePile = -13;
inline constexpr int GroupTest = -15;
inline constexpr int GapLayout = -16;
inline constexpr int LargestCount = 104;

// Whether the count asks if the target is an empty pile.
constexpr bool CountsEmptyTarget(int code) { return code == FreeCellsAndPiles || code == FreeCellsDoubled; }
}  // namespace unit_size

inline constexpr ValueName kUnitSizeNames[] = {
    {unit_size::AnyRun, "any_run", "any number of cards"},
    {unit_size::FreeCellsAndPiles, "free_cells_and_piles",
     "one card more than the free cells and empty piles; none more when moving to an empty pile"},
    {unit_size::FreeCellsOrPiles, "free_cells_or_piles",
     "as many cards as the free cells and empty piles; one more than the free cells when no pile is empty"},
    {unit_size::FreeCellsDoubled, "free_cells_doubled",
     "one card more than the free cells, doubled for each empty pile other than the target"},
    {unit_size::OneOrKingRun, "one_or_king_run", "one card, or a run from a King"},
    {unit_size::OneOrWholePile, "one_or_whole_pile", "one card, or the whole pile"},
    {unit_size::GroupTest, "group_test", "a card whose neighbour piles of its group are empty"},
    {unit_size::GapLayout, "gap_layout", "the first or last card of a row, or one with only gaps before or after it"},
};

namespace reserve_take {
inline constexpr int TopCard = 0, AnyFanCard = -11, FamilyDecides = -14, GroupTest = -15;
}  // namespace reserve_take

inline constexpr ValueName kReserveTakeNames[] = {
    {reserve_take::TopCard, "top_card", "its top card"},
    {reserve_take::AnyFanCard, "any_fan_card", "any face-up card, with the cards above it"},
    {reserve_take::FamilyDecides, "family_decides", "as the game's family decides"},
    {reserve_take::GroupTest, "group_test", "a card whose neighbour reserves are empty"},
};

namespace take_back {
inline constexpr int No = 0, Yes = 1, WhileTwoOrMore = 2, JokersOnly = 3;
}  // namespace take_back

inline constexpr ValueName kTakeBackNames[] = {
    {take_back::No, "no", "no card comes back"},
    {take_back::Yes, "yes", "the top card may be taken back"},
    {take_back::WhileTwoOrMore, "while_two_or_more", "the top card, while the foundation holds 2 or more"},
    {take_back::JokersOnly, "jokers_only", "only a joker"},
};

// Passes through the stock (rule 15) and the cards a tableau pile holds
// (rule 33): a number, or no limit.
inline constexpr int kUnlimited = -1;
inline constexpr ValueName kDealsNames[] = {{kUnlimited, "unlimited", "as many passes as you like"}};
inline constexpr ValueName kCapacityNames[] = {{kUnlimited, "no_limit", "no limit"}};

}  // namespace velmora
