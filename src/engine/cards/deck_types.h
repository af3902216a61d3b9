#pragma once
// Games played with part of a deck: the deck type of the rules thins the
// dealt deck before anything is laid out.
#include <vector>

#include "cards/card.h"
#include "rules/deal_codes.h"

namespace velmora {

namespace deck_type {
inline constexpr int OneSuitUpTo = deal_type::OneSuitUpToCount;     // hearts Ace to T (then clubs)
inline constexpr int OneOfEachRank = deal_type::OneOfEachRank;       // the first card of each rank 1 to T
inline constexpr int FixedSelection = deal_type::FixedSelection;     // a fixed set of cards, by T
inline constexpr int OneSuitAceToNine = deal_type::OneSuitAceToNine;  // Ace to 9 of the first card's suit
inline constexpr int NoQueensOrKings = deal_type::NoQueensOrKings;
}  // namespace deck_type

// Thins `deal` in place for the deck type; `t` is the game's tableau count,
// which these deck types read as their size. Other deck types leave it whole.
void PrepareDeck(std::vector<CardId>& deal, int deckType, int t);

}  // namespace velmora
