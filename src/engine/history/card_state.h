#pragma once
// Card-state strings and pile snapshots: what undo, bookmarks and saved games
// keep of the table. A card-state string is a pile as 4 characters per card,
// bottom first: the 3-digit card id and the card's face ("0" down, "1" up);
// a place without a card is "0000". A snapshot is the 69 piles of the table
// in a fixed order: the three stock slots, foundations 1-16, tableau piles
// 1-40 and reserves 1-10, unused piles as empty strings.
#include <array>
#include <string>
#include <string_view>

#include "cards/card_table.h"
#include "piles/pile_store.h"

namespace velmora {

inline constexpr int kSnapshotPiles = kStockSlots + kFoundations + kTableauPiles + kReserves;
using PileSnapshot = std::array<std::string, kSnapshotPiles>;

std::string CardStateString(const Pile& pile, const CardTable& cards);
// Appends the 4-character group of one card ("0000" for a place without one).
void AppendCardState(std::string& out, CardId card, bool faceUp);

// Whole 4-character groups, each a card id 0 to 108 and a face "0" or "1".
bool IsCardStateString(std::string_view text);

// Sets the pile to the cards of `text` and turns each card as it says. The
// text must pass IsCardStateString.
void RestorePile(PileRef pile, std::string_view text, PileStore& piles, CardTable& cards);

// The pile at a place of the snapshot order (0 to 68), and the place of a pile.
PileRef SnapshotPile(int slot);
int SnapshotSlot(PileRef pile);

PileSnapshot TakeSnapshot(const PileStore& piles, const CardTable& cards);
// Every string must pass IsCardStateString.
void RestoreSnapshot(const PileSnapshot& snapshot, PileStore& piles, CardTable& cards);

}  // namespace velmora
