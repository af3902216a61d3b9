#pragma once
// Preparing a game for the table: it becomes the current game, its rules are
// loaded and the card size it is played at is settled.
#include <optional>
#include <string>
#include <string_view>

#include "table/card_size.h"

namespace velmora {

class TMainGame;

// True, after telling the player why, when the game's rules cannot be played
// (a building code the engine does not know).
bool RefusedAsUnplayable(TMainGame& game, int gameNumber);

// False, with the current game unchanged, when the catalogue has no such game
// or its rules are refused.
bool MakeCurrentGame(TMainGame& game, int gameNumber, const DisplayFacts& display);

// Loads the current game's rules and settles its card size, telling the
// player when the size had to change for this screen.
bool PrepareCurrentGame(TMainGame& game, const DisplayFacts& display);

// Deals a game a player named (by number or name) with the deal number
// given, or a new one when none is. The text of the refusal when the game or
// the deal number is not known; nothing changes then.
std::optional<std::string> DealNamedGame(TMainGame& game, std::string_view wanted, std::string_view dealNumber,
                                         const DisplayFacts& display);

}  // namespace velmora
