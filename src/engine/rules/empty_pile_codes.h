#pragma once
// What may start an empty pile: the fill rule of a tableau pile and the base
// rank of a foundation. Both take a rank (1 to 13, by name), and both take the
// letter codes: the character codes of letters, each asking more of the card.
#include "rules/rule_values.h"

namespace velmora {

namespace letter {
inline constexpr int AceBalanced = 81;           // 'Q'
inline constexpr int Never = 82, NeverToo = 83;  // 'R', 'S'
inline constexpr int KingBalancedSuits = 84;     // 'T'
inline constexpr int AceBalancedSuits = 85;      // 'U'
inline constexpr int SingleCard = 86;            // 'V'
inline constexpr int NotFromStockOrWaste = 87;   // 'W'
inline constexpr int NotFromTableau = 88;        // 'X'
inline constexpr int TwoBalancedSuits = 90;      // 'Z'
inline constexpr int RankOfFoundations = 92;     // '\\'
inline constexpr int RankOfFoundationsReserveFirst = 93;
inline constexpr int ReserveThenWaste = 96;      // '`'
}  // namespace letter

// "Balanced": of the piles sharing the code, neither colour starts more than half.
inline constexpr ValueName kLetterCodeNames[] = {
    {letter::AceBalanced, "ace_balanced", "an Ace, the colours of the piles with this rule balanced"},
    {letter::Never, "never", "no card"},
    {letter::NeverToo, "never_too", "no card"},
    {letter::KingBalancedSuits, "king_balanced_suits", "a King, colours balanced, each suit once"},
    {letter::AceBalancedSuits, "ace_balanced_suits", "an Ace, colours balanced, each suit once"},
    {letter::SingleCard, "single_card", "any single card"},
    {letter::NotFromStockOrWaste, "not_from_stock_or_waste", "any card but one from the stock or the waste"},
    {letter::NotFromTableau, "not_from_tableau", "any card but one from the tableau"},
    {letter::TwoBalancedSuits, "two_balanced_suits", "a 2, colours balanced, each suit once"},
    {letter::RankOfFoundations, "rank_of_foundations", "a card of the rank every started foundation begins with"},
    {letter::RankOfFoundationsReserveFirst, "rank_of_foundations_reserve_first",
     "as rank_of_foundations, and from a reserve while no foundation is started"},
    {letter::ReserveThenWaste, "reserve_then_waste",
     "a card from a reserve while any reserve holds cards, else from the waste"},
};

namespace fill {
inline constexpr int Nothing = 0;
inline constexpr int AnyCard = -1;
inline constexpr int OneBelowBase = 91;  // resolved to a rank at the deal
}  // namespace fill

inline constexpr ValueName kFillOwnNames[] = {
    {fill::Nothing, "nothing", "no card"},
    {fill::AnyCard, "any_card", "any card"},
    {fill::OneBelowBase, "one_below_base", "a card one rank below the base card"},
};
inline constexpr auto kFillNames = JoinNames(kFillOwnNames, kLetterCodeNames);

namespace base_rank {
inline constexpr int None = 0;
inline constexpr int Any = -1;
}  // namespace base_rank

inline constexpr ValueName kBaseRankOwnNames[] = {
    {base_rank::None, "none", "no card"},
    {base_rank::Any, "any_card", "any card, and tableau building never stops at a base rank"},
};
inline constexpr auto kBaseRankNames = JoinNames(kBaseRankOwnNames, kLetterCodeNames);

}  // namespace velmora
