#pragma once
// The poker squares families (9 and 59): 25 tableau piles make a grid of
// five rows and five columns, and the score is the sum of the poker hands
// of its ten lines.
#include <array>
#include <cstdint>
#include <span>

#include "cards/card.h"

namespace velmora {

class TMainGame;

// Nothing is announced: the score is counted again silently (undo, redo, a
// stock press, a game opened).
inline constexpr CardId kAnnounceNothing = kNoCard;

inline constexpr int kGridPlaces = 25;

// The first card of each place of the grid (tableau piles 1 to 25), kNoCard
// where a place is empty.
using PokerGrid = std::array<CardId, kGridPlaces>;

PokerGrid GridOf(const TMainGame& game);

// The sum of the hands of the grid's complete rows and columns.
std::int64_t GridScore(const PokerGrid& grid);

// Counts the hands of every complete row and column, shows the total on the
// score panel and the result panel and keeps it as the game's score. The
// scoring lines that hold `announce` are announced one after the other, each
// with the running total, its cards highlighted for a moment. Returns the
// total.
std::int64_t PokerScore(TMainGame& game, CardId announce);
// The same, announcing the scoring lines that hold any of the cards, each once.
std::int64_t PokerScore(TMainGame& game, std::span<const CardId> announce);

}  // namespace velmora
