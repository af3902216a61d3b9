#pragma once
// The codes that shape a deal: the deal type (rule 34), the pre-fill code of
// each foundation (rules 100 + k) and the base-card rule of the foundations
// (rule 1). A pre-fill value outside the table is a plain card: 13k + c
// (rank c of suit k + 1) below 100, card id c - 100 above it.
#include "rules/rule_values.h"

namespace velmora {

namespace deal_type {
inline constexpr int Plain = 0;
inline constexpr int KingsToStockBottom = 1;
inline constexpr int RunsFromKings = 2;
inline constexpr int NoRankTwiceInAPile = 3;
inline constexpr int RunsFromQueens = 4;
inline constexpr int ToPileOneBelowRank = 5;
inline constexpr int ToPileOfRank = 6;
inline constexpr int BottomCardsUp = 7;
inline constexpr int AcesLeaveGaps = 8;
inline constexpr int OneSuitUpToCount = 9;  // also a deck preparation
inline constexpr int OneRandomGap = 10;
inline constexpr int OneOfEachRank = 11;  // a deck preparation only
inline constexpr int FixedSelection = 12;  // a deck preparation only
inline constexpr int CardPerFoundation = 13;
inline constexpr int OneSuitAceToNine = 14;  // a deck preparation only
inline constexpr int KingsLeaveGapsRowsOfNine = 15;
inline constexpr int NoQueensOrKings = 16;  // a deck preparation only
inline constexpr int CountedLayout = 17;
inline constexpr int SixteenNumberCards = 18;
inline constexpr int TenKeyedCards = 19;
}  // namespace deal_type

namespace prefill {
inline constexpr int Nothing = 0;
inline constexpr int FirstCard = 20;
inline constexpr int FirstCardNewSuit = 21;
inline constexpr int FirstCardNewRank = 22;
// 51 to 63: the first card of rank 1 to 13.
inline constexpr int FirstOfRankBefore = 50;
constexpr int FirstOfRank(int rank) { return FirstOfRankBefore + rank; }
inline constexpr int ThirteenOnFromFirst = 91;
inline constexpr int BaseRankOnly = 92;
// 93 to 95 lay base cards, then the dealt cards that fit follow them up (the sweep).
inline constexpr int SuitAceSweepAny = 93;
inline constexpr int SuitAceSweepOwnPile = 94;
inline constexpr int KingsAndAcesSweep = 95;
inline constexpr int AcesFromTableau = 96;
inline constexpr int TwoToNine = 97;
}  // namespace prefill

namespace base_card_rule {
inline constexpr int Nothing = 0;
inline constexpr int FirstCardSetsAll = 1;
inline constexpr int CardOnEach = 2;
inline constexpr int AboveReserveBottom = 3;
inline constexpr int FirstCardAndRankAbove = 4;
inline constexpr int FirstRankEverywhere = 5;
}  // namespace base_card_rule

inline constexpr ValueName kDealTypeNames[] = {
    {deal_type::Plain, "plain", "no special step"},
    {deal_type::KingsToStockBottom, "kings_to_stock_bottom",
     "a pile whose bottom card is a King goes under the stock; the lowest other stock card takes its place"},
    {deal_type::RunsFromKings, "runs_from_kings",
     "the rest of the deck is laid face up, each King starting the next pile; then fitting cards go up"},
    {deal_type::NoRankTwiceInAPile, "no_rank_twice", "the tableau is dealt again so that no pile holds a rank twice"},
    {deal_type::RunsFromQueens, "runs_from_queens",
     "the rest of the deck is laid face up, each Queen starting the next pile; then fitting cards go up"},
    {deal_type::ToPileOneBelowRank, "to_pile_below_rank",
     "every remaining card goes face up onto the pile numbered one below its rank"},
    {deal_type::ToPileOfRank, "to_pile_of_rank", "every remaining card goes face up onto the pile of its rank"},
    {deal_type::BottomCardsUp, "bottom_cards_up",
     "the bottom card of each pile goes to the foundation of the same number when it fits"},
    {deal_type::AcesLeaveGaps, "aces_leave_gaps", "every Ace of the tableau leaves an empty place"},
    {deal_type::OneSuitUpToCount, "one_suit_to_pile_count",
     "hearts from the Ace up to the tableau count; the pile starting with that card is emptied"},
    {deal_type::OneRandomGap, "one_random_gap", "one of the piles but the last is emptied"},
    {deal_type::OneOfEachRank, "one_of_each_rank", "one card of each rank up to the tableau count"},
    {deal_type::FixedSelection, "fixed_selection", "a fixed set of cards, by the tableau count"},
    {deal_type::CardPerFoundation, "card_per_foundation", "each foundation in use receives the next card"},
    {deal_type::OneSuitAceToNine, "one_suit_ace_to_nine", "the Ace to 9 of one suit"},
    {deal_type::KingsLeaveGapsRowsOfNine, "kings_leave_gaps_rows_of_nine",
     "every King leaves an empty place and each row is padded to nine places"},
    {deal_type::NoQueensOrKings, "no_queens_or_kings", "the deck without Queens and Kings"},
    {deal_type::CountedLayout, "counted_layout",
     "the deck is laid out counting 1 to 13; a card matching the count goes to the stock"},
    {deal_type::SixteenNumberCards, "sixteen_number_cards", "sixteen cards without court cards in four groups"},
    {deal_type::TenKeyedCards, "ten_keyed_cards", "ten number cards chosen by a key from the deal number"},
};

inline constexpr ValueName kPrefillNames[] = {
    {prefill::Nothing, "nothing", "no card"},
    {prefill::FirstCard, "first_card", "the first card of the deck"},
    {prefill::FirstCardNewSuit, "first_card_new_suit", "the first card of a suit no earlier foundation holds"},
    {prefill::FirstCardNewRank, "first_card_new_rank",
     "the first card, not a King, of a rank no earlier foundation holds"},
    {prefill::FirstOfRank(1), "first_ace", "the first Ace of the deck"},
    {prefill::FirstOfRank(2), "first_two", "the first 2 of the deck"},
    {prefill::FirstOfRank(3), "first_three", "the first 3 of the deck"},
    {prefill::FirstOfRank(4), "first_four", "the first 4 of the deck"},
    {prefill::FirstOfRank(5), "first_five", "the first 5 of the deck"},
    {prefill::FirstOfRank(6), "first_six", "the first 6 of the deck"},
    {prefill::FirstOfRank(7), "first_seven", "the first 7 of the deck"},
    {prefill::FirstOfRank(8), "first_eight", "the first 8 of the deck"},
    {prefill::FirstOfRank(9), "first_nine", "the first 9 of the deck"},
    {prefill::FirstOfRank(10), "first_ten", "the first 10 of the deck"},
    {prefill::FirstOfRank(11), "first_jack", "the first Jack of the deck"},
    {prefill::FirstOfRank(12), "first_queen", "the first Queen of the deck"},
    {prefill::FirstOfRank(13), "first_king", "the first King of the deck"},
    {prefill::ThirteenOnFromFirst, "thirteen_on_from_first",
     "the card thirteen places on per foundation from the deck's first card"},
    {prefill::BaseRankOnly, "base_rank_only", "no card; the foundation starts from the first foundation's base rank"},
    {prefill::SuitAceSweepAny, "suit_ace_sweep_any",
     "the Ace of the foundation's suit; dealt cards that fit then go up to any foundation"},
    {prefill::SuitAceSweepOwnPile, "suit_ace_sweep_own_pile",
     "the Ace of the foundation's suit; dealt cards that fit then go up to the foundation of their pile's number"},
    {prefill::KingsAndAcesSweep, "kings_and_aces_sweep",
     "Kings on foundations 1 to 4 and Aces on 5 to 8; dealt cards that fit then go up"},
    {prefill::AcesFromTableau, "aces_from_tableau",
     "no card; the tableau's Aces go up and their piles refill from the waste or the stock"},
    {prefill::TwoToNine, "two_to_nine", "the first 2 to 9 of the deck on foundations 1 to 8"},
};

inline constexpr ValueName kBaseCardRuleNames[] = {
    {base_card_rule::Nothing, "nothing", "no base card"},
    {base_card_rule::FirstCardSetsAll, "first_card_sets_all",
     "the next card goes to foundation 1 and every foundation starts from its rank"},
    {base_card_rule::CardOnEach, "card_on_each",
     "each foundation receives the next card; all start from the first one's rank"},
    {base_card_rule::AboveReserveBottom, "above_reserve_bottom",
     "each foundation starts one rank above the bottom card of the reserve of its number"},
    {base_card_rule::FirstCardAndRankAbove, "first_card_and_rank_above",
     "the next card goes to foundation 1; foundations 1 to 4 start from its rank, 5 to 8 from the rank above"},
    {base_card_rule::FirstRankEverywhere, "first_rank_everywhere",
     "the first card and every card of its rank open the foundations in turn"},
};

}  // namespace velmora
