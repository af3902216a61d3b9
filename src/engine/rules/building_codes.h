#pragma once
// The building codes of foundations, tableau piles and reserves: how a card
// may be placed on a pile's top card (or start the empty pile). A reserve's
// acceptance code is a building code too; a few numbers mean one thing on a
// reserve and another on a foundation or tableau pile, and their meaning says
// both.
//
// d is the rank of the pile's top card, c the rank of the card placed; "down"
// is c = d - 1, "up" c = d + 1; "wrapping" lets a King and an Ace adjoin.
//
// The codes no single traditional rule fixes, and the reading given them here
// (the one the game that needs it would use):
//   59  up or down by one in suit, wrapping (the two-way foundations of braid games)
//   72  jokers are wild: a joker goes anywhere and anything goes on a joker; otherwise in suit
//   75  jokers are wild as with 72; otherwise in alternating colours
//   91  in suit, any rank, while the foundation before holds a card of that rank (the
//       first foundation takes the suit freely); empty: the rank of foundation 1's bottom card
//   93  down regardless of suit, a 6 on an Ace (a centre pile that turns from Ace back to 6);
//       empty: only a 6
//   97  up or down by one in the same colour, wrapping
//   100 down regardless of suit, a King on an Ace whatever the base rank
//   101 up regardless of suit, an Ace on a King whatever the base rank
//   102 down in alternating colours, a King on an Ace whatever the base rank
//   104 the same rank as the top card (four of a kind)
//   109 down by two regardless of suit, wrapping
//   110 up or down by one in alternating colours, wrapping
//   111 down in suit; the empty pile takes only a King
//   112 down in alternating colours; the empty pile takes only a King
//   114 down regardless of suit; the empty pile takes only a King
//   115 down in the same colour but never in suit
//   116 in suit by the pile's direction; the empty pile only once every reserve is empty
//   117 jokers are wild as with 72; otherwise regardless of suit
#include "rules/rule_values.h"

namespace velmora {

namespace building_code {
// The standard methods.
inline constexpr int InSuit = 0;
inline constexpr int InColour = 1;
inline constexpr int AnySuit = 2;
inline constexpr int AlternateColours = 3;
inline constexpr int NoBuilding = 4;
inline constexpr int OtherSuit = 21;
inline constexpr int UpByTwo = 14, UpByThree = 15, UpByFour = 16;
// Decided by the game family's routine.
inline constexpr int FamilyDecides = 5, FamilyDecidesB = 62, FamilyDecidesC = 67, FamilyDecidesD = 113;
inline constexpr int EmptyOnly = 6;
inline constexpr int EmptyOnceStockOut = 7;
// Reserve codes that build like code 2 on other piles.
inline constexpr int FewKings = 8;
inline constexpr int FewSingles = 13;
inline constexpr int FaceCard = 9;
inline constexpr int QueensOnly = 10;
inline constexpr int InSuitNoQueenOnKingOrJack = 11;
inline constexpr int Anything = 12;
inline constexpr int NotFromTableau = 17;
inline constexpr int TableauCardsOnEmpty = 18;
inline constexpr int NotFromTableauOrReserve = 19;
inline constexpr int UpFullDeck = 20;
inline constexpr int BelowTableauTop = 22;
inline constexpr int UpWhileWasteEmpty = 23;
inline constexpr int InSuitNoKingQueenPair = 24;
inline constexpr int InSuitByTwo = 25;
inline constexpr int UpOrDownToThree = 26;
inline constexpr int AlternateNotFromFoundationOrReserve = 27;
inline constexpr int UpOrDownStopping = 28;
inline constexpr int UpToKingThenDown = 29;
inline constexpr int InSuitKeepsDirection = 30;
inline constexpr int InSuitDownNotOnAce = 31;
inline constexpr int InSuitUpNotOnKing = 32;
inline constexpr int NotFromTableauTwoAtMost = 33;
inline constexpr int DownAnySuitSingle = 34;
inline constexpr int UpOrDownWrapping = 35;
inline constexpr int DownAfterPreviousFoundation = 36;
inline constexpr int Doubling = 37;
inline constexpr int KingThenAny = 38;
inline constexpr int UpWithoutQueenOrKing = 39;
inline constexpr int DealCountRank = 40;
inline constexpr int InSuitByTwoRound = 41;
inline constexpr int KingBesidePartner = 42;
inline constexpr int InSuitUpByTwo = 43;
inline constexpr int UpWithoutKing = 44;
inline constexpr int KingThenDown = 45;
inline constexpr int UpFromBase = 46, DownFromBase = 47;
inline constexpr int QueenThenAny = 48;
inline constexpr int UpBesideTableau = 49, DownBesideTableau = 50;
inline constexpr int UpTableauSuit = 51, DownTableauSuit = 52;
inline constexpr int FirstFoundationFirst = 53;
inline constexpr int DownFromFillRank = 54;
inline constexpr int UpInColourWasteEmpty = 55;
inline constexpr int SameRankFromRight = 56;
inline constexpr int UpOrDownOnceStockOut = 57;
inline constexpr int FourBefore = 58, FourBeforeB = 64;
inline constexpr int InSuitUpOrDownWrapping = 59;
inline constexpr int UpOrDownStoppingInSuit = 60;
inline constexpr int InSuitByTwoKingAce = 61;
inline constexpr int FirstPassSides = 63;
inline constexpr int UpOrDownOnCards = 68;
inline constexpr int BesideEmptyTableau = 69;
inline constexpr int GridNeighbour = 70;
inline constexpr int EmptyFamilyPlace = 71;
inline constexpr int InSuitJokersWild = 72;
inline constexpr int RankOfPileNumber = 73;
inline constexpr int AlternateJokersWild = 75;
inline constexpr int AnyLower = 76;
inline constexpr int FourOfEachRank = 77;
inline constexpr int UpAceOnKing = 78;
inline constexpr int UpReserveThirteenth = 79;
inline constexpr int NotFromTableauWrapping = 80;
inline constexpr int EmptyReserveOrBesideReserve = 81;
inline constexpr int GroupOnceStockOut = 82;
inline constexpr int DownToPileNumber = 83;
inline constexpr int WasteCardOnly = 85;
inline constexpr int UpSuitCycle = 86, DownSuitCycle = 87;
inline constexpr int SingleJack = 88, SingleQueen = 89, SingleKing = 90;
inline constexpr int RankInFoundationBefore = 91;
inline constexpr int AcesOnly = 92;
inline constexpr int DownSixOnAce = 93;
inline constexpr int DownAlternateReserveConsent = 94;
inline constexpr int UpInSuitReserveConsent = 95;
inline constexpr int FamilyGroupInSuit = 96;
inline constexpr int UpOrDownInColourWrapping = 97;
inline constexpr int UpSevenOnAce = 98;
inline constexpr int FirstEightPilesFamily = 99;
inline constexpr int DownAnySuitWrapping = 100;
inline constexpr int UpAnySuitWrapping = 101;
inline constexpr int DownAlternateWrapping = 102;
inline constexpr int GroupTest = 103;
inline constexpr int SameRank = 104;
inline constexpr int DownInSuitWrapping = 105;
inline constexpr int InSuitByTwoFromBase = 106;
inline constexpr int AlternatingAces = 107;
inline constexpr int WhileStockHolds = 108;
inline constexpr int DownByTwoWrapping = 109;
inline constexpr int UpOrDownAlternateWrapping = 110;
inline constexpr int DownInSuitKingsOnEmpty = 111;
inline constexpr int DownAlternateKingsOnEmpty = 112;
inline constexpr int DownAnySuitKingsOnEmpty = 114;
inline constexpr int DownInColourOtherSuit = 115;
inline constexpr int InSuitEmptyAfterReserves = 116;
inline constexpr int AnySuitJokersWild = 117;
}  // namespace building_code

inline constexpr ValueName kBuildingCodeNames[] = {
    {building_code::InSuit, "in_suit", "in suit"},
    {building_code::InColour, "in_colour", "in colour"},
    {building_code::AnySuit, "any_suit", "regardless of suit"},
    {building_code::AlternateColours, "alternate_colours", "in alternating colours"},
    {building_code::NoBuilding, "no_building", "nothing may be built"},
    {building_code::FamilyDecides, "family_rule", "the game family decides"},
    {building_code::EmptyOnly, "empty_only", "only the empty pile is started; nothing is built on a card"},
    {building_code::EmptyOnceStockOut, "empty_once_stock_out", "only on an empty pile, once the stock is empty"},
    {building_code::FewKings, "few_kings",
     "on a reserve a single King while reserve 1 holds fewer than 3 cards; elsewhere regardless of suit"},
    {building_code::FaceCard, "face_card",
     "on a reserve a single Jack, Queen or King on the empty reserve; elsewhere regardless of suit"},
    {building_code::QueensOnly, "queens_only", "only a Queen, on the empty foundation"},
    {building_code::InSuitNoQueenOnKingOrJack, "in_suit_no_queen_on_king_or_jack",
     "in suit, but never a Queen on a King or a Jack"},
    {building_code::Anything, "anything", "any card or cards"},
    {building_code::FewSingles, "few_singles",
     "on a reserve a single card while reserve 1 holds fewer than 5 cards; elsewhere regardless of suit"},
    {building_code::UpByTwo, "up_by_two", "up by two regardless of suit, wrapping"},
    {building_code::UpByThree, "up_by_three", "up by three regardless of suit, wrapping"},
    {building_code::UpByFour, "up_by_four", "up by four regardless of suit, wrapping"},
    {building_code::NotFromTableau, "not_from_tableau", "any card but one from the tableau"},
    {building_code::TableauCardsOnEmpty, "tableau_cards_on_empty",
     "any card; one from the tableau only on an empty pile"},
    {building_code::NotFromTableauOrReserve, "not_from_tableau_or_reserve",
     "any card but one from the tableau or a reserve"},
    {building_code::UpFullDeck, "up_full_deck", "up regardless of suit from the Ace, round and round to 52 cards"},
    {building_code::OtherSuit, "other_suit", "on any suit but its own"},
    {building_code::BelowTableauTop, "below_tableau_top",
     "no Ace; only while a tableau pile's top card of its suit is higher, or is an Ace"},
    {building_code::UpWhileWasteEmpty, "up_while_waste_empty", "up in suit on a card, only while the waste is empty"},
    {building_code::InSuitNoKingQueenPair, "in_suit_no_king_queen_pair",
     "in suit, but never a Queen on a King or a King on a Queen"},
    {building_code::InSuitByTwo, "in_suit_by_two", "in suit by two in the pile's direction"},
    {building_code::UpOrDownToThree, "up_or_down_to_three",
     "up or down by one while the pile holds fewer than 3 cards"},
    {building_code::AlternateNotFromFoundationOrReserve, "alternate_colours_not_from_foundation_or_reserve",
     "in alternating colours, nothing from a foundation or a reserve"},
    {building_code::UpOrDownStopping, "up_or_down_stopping",
     "up or down by one, no wrap; an empty pile takes any card"},
    {building_code::UpToKingThenDown, "up_to_king_then_down", "in suit up to the King, a second King, then down"},
    {building_code::InSuitKeepsDirection, "in_suit_keeps_direction", "in suit, up or down as the pile started"},
    {building_code::InSuitDownNotOnAce, "in_suit_down_not_on_ace", "down in suit, nothing on an Ace"},
    {building_code::InSuitUpNotOnKing, "in_suit_up_not_on_king", "up in suit, nothing on a King"},
    {building_code::NotFromTableauTwoAtMost, "not_from_tableau_two_at_most",
     "any card but one from the tableau, while the pile holds fewer than 2"},
    {building_code::DownAnySuitSingle, "down_any_suit_single", "down regardless of suit, single cards on a built pile"},
    {building_code::UpOrDownWrapping, "up_or_down_wrapping", "up or down regardless of suit, wrapping"},
    {building_code::DownAfterPreviousFoundation, "down_after_previous_foundation",
     "down, wrapping; started only once the foundation before holds cards"},
    {building_code::Doubling, "doubling", "each card doubles the rank below it (counted round 13)"},
    {building_code::KingThenAny, "king_then_any",
     "a King, then any card but a Queen or King; the family decides while the waste holds cards"},
    {building_code::UpWithoutQueenOrKing, "up_without_queen_or_king", "from the Ace up, never a Queen or King"},
    {building_code::DealCountRank, "deal_count_rank", "a card of the rank of the deal count"},
    {building_code::InSuitByTwoRound, "in_suit_by_two_round", "in suit by two, counting on round the King"},
    {building_code::KingBesidePartner, "king_beside_partner",
     "up in suit; a King only once the foundation six on shows a King"},
    {building_code::InSuitUpByTwo, "in_suit_up_by_two", "up by two in suit"},
    {building_code::UpWithoutKing, "up_without_king", "from the Ace up, never a King"},
    {building_code::KingThenDown, "king_then_down",
     "a King, then down; the family decides while the waste holds cards"},
    {building_code::UpFromBase, "up_from_base", "up from the base rank, wrapping, never a Queen or King"},
    {building_code::DownFromBase, "down_from_base", "down from the base rank, wrapping, never a Queen"},
    {building_code::QueenThenAny, "queen_then_any",
     "a Queen, then any card but a Queen; the family decides while the waste holds cards"},
    {building_code::UpBesideTableau, "up_beside_tableau",
     "as up_from_base, started while the tableau pile of its number holds cards"},
    {building_code::DownBesideTableau, "down_beside_tableau",
     "as down_from_base, started while the tableau pile eight back holds cards"},
    {building_code::UpTableauSuit, "up_tableau_suit",
     "as up_beside_tableau, started in the suit of that pile's bottom card"},
    {building_code::DownTableauSuit, "down_tableau_suit",
     "as down_beside_tableau, started in the suit of that pile's bottom card"},
    {building_code::FirstFoundationFirst, "first_foundation_first",
     "up, wrapping; the others only once the first is full"},
    {building_code::DownFromFillRank, "down_from_fill_rank",
     "down; started by the fill rank, not from a reserve or the tableau"},
    {building_code::UpInColourWasteEmpty, "up_in_colour_waste_empty",
     "up in colour, while the waste is empty or its card is the one placed"},
    {building_code::SameRankFromRight, "same_rank_from_right",
     "the same rank, from a tableau pile not before this one"},
    {building_code::UpOrDownOnceStockOut, "up_or_down_once_stock_out", "up or down, wrapping, once the stock is empty"},
    {building_code::FourBefore, "four_before",
     "in suit by the direction; tableau piles 5 to 8 feed the foundation four before"},
    {building_code::InSuitUpOrDownWrapping, "in_suit_up_or_down_wrapping", "up or down by one in suit, wrapping"},
    {building_code::UpOrDownStoppingInSuit, "up_or_down_stopping_in_suit", "up or down by one in suit, no wrap"},
    {building_code::InSuitByTwoKingAce, "in_suit_by_two_king_ace",
     "in suit by two; also a 2 on a King and an Ace on a Queen"},
    {building_code::FamilyDecidesB, "family_rule_b", "the game family decides"},
    {building_code::FirstPassSides, "first_pass_sides",
     "in suit; in the first pass each side feeds its own foundations"},
    {building_code::FourBeforeB, "four_before_b", "as four_before, with the family's own start"},
    {building_code::FamilyDecidesC, "family_rule_c", "the game family decides"},
    {building_code::UpOrDownOnCards, "up_or_down_on_cards",
     "up or down regardless of suit, wrapping; never on an empty pile"},
    {building_code::BesideEmptyTableau, "beside_empty_tableau",
     "any card while the tableau pile of its number is empty"},
    {building_code::GridNeighbour, "grid_neighbour", "into an empty place, from a neighbouring place of the grid"},
    {building_code::EmptyFamilyPlace, "empty_family_place", "into an empty place the family allows"},
    {building_code::InSuitJokersWild, "in_suit_jokers_wild", "in suit, jokers wild"},
    {building_code::RankOfPileNumber, "rank_of_pile_number", "a card whose rank is the pile's number"},
    {building_code::AlternateJokersWild, "alternate_colours_jokers_wild", "in alternating colours, jokers wild"},
    {building_code::AnyLower, "any_lower", "any lower card"},
    {building_code::FourOfEachRank, "four_of_each_rank", "four Aces, four 2s and so on up"},
    {building_code::UpAceOnKing, "up_ace_on_king", "from the Ace up in suit; any Ace on a King"},
    {building_code::UpReserveThirteenth, "up_reserve_thirteenth",
     "up, wrapping; the thirteenth card from the reserve of its number"},
    {building_code::NotFromTableauWrapping, "not_from_tableau_wrapping",
     "up or down in suit, wrapping, nothing from the tableau"},
    {building_code::EmptyReserveOrBesideReserve, "empty_reserve_any",
     "on a reserve any single card on the empty reserve; elsewhere nothing from the tableau, up or down in suit beside "
     "a reserve"},
    {building_code::GroupOnceStockOut, "group_once_stock_out",
     "once the stock and waste are empty, in suit by the direction"},
    {building_code::DownToPileNumber, "down_to_pile_number", "down, wrapping, until the top shows the pile's number"},
    {building_code::WasteCardOnly, "waste_card_only", "only the card on the waste"},
    {building_code::UpSuitCycle, "up_suit_cycle", "from the Ace up, each card of the next suit in turn"},
    {building_code::DownSuitCycle, "down_suit_cycle", "down, each card of the next suit in turn"},
    {building_code::SingleJack, "jack", "a single Jack, on the empty pile"},
    {building_code::SingleQueen, "queen", "a single Queen, on the empty pile"},
    {building_code::SingleKing, "king", "a single King, on the empty pile"},
    {building_code::RankInFoundationBefore, "rank_in_foundation_before",
     "in suit, any rank the foundation before already holds"},
    {building_code::AcesOnly, "aces_only", "only an Ace"},
    {building_code::DownSixOnAce, "down_six_on_ace", "down regardless of suit from a 6, a 6 again on an Ace"},
    {building_code::DownAlternateReserveConsent, "down_alternate_reserve_consent",
     "down in alternating colours; a reserve card when the family allows"},
    {building_code::UpInSuitReserveConsent, "up_in_suit_reserve_consent",
     "from the Ace up in suit; a reserve card when the family allows"},
    {building_code::FamilyGroupInSuit, "family_group_in_suit", "in suit, when the family's group test allows"},
    {building_code::UpOrDownInColourWrapping, "up_or_down_in_colour_wrapping", "up or down by one in colour, wrapping"},
    {building_code::UpSevenOnAce, "up_seven_on_ace", "up in suit, or a 7 on an Ace"},
    {building_code::FirstEightPilesFamily, "first_eight_piles_family",
     "from the Ace up in suit, from tableau piles 1 to 8, as the family allows"},
    {building_code::DownAnySuitWrapping, "down_any_suit_wrapping", "down regardless of suit, a King on an Ace"},
    {building_code::UpAnySuitWrapping, "up_any_suit_wrapping", "up regardless of suit, an Ace on a King"},
    {building_code::DownAlternateWrapping, "down_alternate_colours_wrapping",
     "down in alternating colours, a King on an Ace"},
    {building_code::GroupTest, "group_test", "on the empty pile, when the group test allows"},
    {building_code::SameRank, "same_rank", "a card of the same rank"},
    {building_code::DownInSuitWrapping, "down_in_suit_wrapping",
     "down in suit, a King on an Ace; never on an empty pile"},
    {building_code::InSuitByTwoFromBase, "in_suit_by_two_from_base", "up by two in suit from the base rank"},
    {building_code::AlternatingAces, "alternating_aces", "Aces only, in alternating colours"},
    {building_code::WhileStockHolds, "while_stock_holds", "up or down in suit, wrapping, while the stock holds cards"},
    {building_code::DownByTwoWrapping, "down_by_two_wrapping", "down by two regardless of suit, wrapping"},
    {building_code::UpOrDownAlternateWrapping, "up_or_down_alternate_colours_wrapping",
     "up or down in alternating colours, wrapping"},
    {building_code::DownInSuitKingsOnEmpty, "down_in_suit_kings_on_empty",
     "down in suit; only a King on an empty pile"},
    {building_code::DownAlternateKingsOnEmpty, "down_alternate_colours_kings_on_empty",
     "down in alternating colours; only a King on an empty pile"},
    {building_code::FamilyDecidesD, "family_rule_d", "the game family decides"},
    {building_code::DownAnySuitKingsOnEmpty, "down_any_suit_kings_on_empty",
     "down regardless of suit; only a King on an empty pile"},
    {building_code::DownInColourOtherSuit, "down_in_colour_other_suit", "down in colour but never in suit"},
    {building_code::InSuitEmptyAfterReserves, "in_suit_empty_after_reserves",
     "in suit; an empty pile only once every reserve is empty"},
    {building_code::AnySuitJokersWild, "any_suit_jokers_wild", "regardless of suit, jokers wild"},
};

// Whether the engine knows the code; any other value is refused when a game is checked.
constexpr bool IsBuildingCode(int code) {
  for (const ValueName& known : kBuildingCodeNames)
    if (known.value == code) return true;
  return false;
}

// What the codes mean on a reserve where that differs from building: a
// reserve with any other code is a free cell for the cards the code would
// start an empty pile with.
inline constexpr ValueName kReserveCodeNames[] = {
    {building_code::InSuit, "free_cell", "one card, while the reserve is empty"},
    {building_code::NoBuilding, "nothing", "no card"},
    {building_code::FewKings, "few_kings", "a single King while reserve 1 holds fewer than 3 cards"},
    {building_code::FaceCard, "face_card", "a single Jack, Queen or King, while the reserve is empty"},
    {building_code::Anything, "anything", "any card or cards"},
    {building_code::FewSingles, "few_singles", "a single card while reserve 1 holds fewer than 5 cards"},
    {building_code::EmptyReserveOrBesideReserve, "empty_reserve_any", "any single card, while the reserve is empty"},
    {building_code::WasteCardOnly, "waste_card_only", "only the card on the waste"},
    {building_code::SingleJack, "jack", "a single Jack, while the reserve is empty"},
    {building_code::SingleQueen, "queen", "a single Queen, while the reserve is empty"},
    {building_code::SingleKing, "king", "a single King, while the reserve is empty"},
    {building_code::GroupTest, "group_test", "one card while the reserve is empty, when the group test allows"},
    {building_code::AlternatingAces, "alternating_aces", "Aces only, in alternating colours"},
};

}  // namespace velmora
