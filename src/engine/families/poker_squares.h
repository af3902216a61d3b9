#pragma once
// The poker squares families (9 and 59): 25 tableau piles make a grid of
// five rows and five columns, and the score is the sum of the poker hands
// of its ten lines.
#include <cstdint>

#include "cards/card.h"

namespace velmora {

class TMainGame;

// Nothing is announced: the score is counted again silently (undo, redo, a
// stock press, a game opened).
inline constexpr CardId kAnnounceNothing = kNoCard;

// Counts the hands of every complete row and column, shows the total on the
// score panel and the result panel and keeps it as the game's score. The
// scoring lines that hold `announce` are announced one after the other, each
// with the running total, its cards highlighted for a moment. Returns the
// total.
std::int64_t PokerScore(TMainGame& game, CardId announce);

}  // namespace velmora
