#pragma once
// The deal generator: a deal number and the deck's size give the order of the
// deck, the same on every machine and in every version. Players share deal
// numbers, and saved games and statistics refer to them, so every step of the
// order is fixed to the last digit.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card.h"

namespace velmora {

inline constexpr int kDealNumberDigits = 13;
// For messages: what the player may choose.
inline constexpr std::string_view kDealNumberRange = "1 to 9999999999999";
inline constexpr std::string_view kDeckSizeError = "Error 01 - fnGameNumberCardsArray";

// A deal number as its 13 digits, zero-padded in front: 1 to 13 decimal
// digits (blanks around allowed) whose value is not 0 are a deal number, as
// the player can choose them; anything else is not.
std::optional<std::string> ParseDealNumber(std::string_view text);

struct DeckMakeup {
  int cards = kCardsPerDeck;  // 52 or 104
  int jokers = 0;             // 0 to 4
  int strip = 0;              // 1: ranks 2 to 6 removed; 2: the Kings too
};

struct DealList {
  std::vector<CardId> cards;  // position 0 is dealt first; 0 is an empty slot
  bool deckSizeValid = true;  // false: the size was neither up to 52 nor 104
};

// The order of the deck for a deal number of exactly 13 digits.
DealList BuildDealList(std::string_view dealDigits, const DeckMakeup& deck);

// The first empty slot from `start` in the given direction, else the first
// from the front; -1 when the list is full.
int FindFreeSlot(const std::vector<CardId>& list, int start, bool forward);

// The list as concatenated 3-digit ids.
std::string DealListText(const std::vector<CardId>& list);

}  // namespace velmora
