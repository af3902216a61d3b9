#pragma once
// Preparing a game for the table: it becomes the current game, its rules are
// loaded and the card size it is played at is settled.
#include "table/card_size.h"

namespace velmora {

class TMainGame;

// False, with the current game unchanged, when the catalogue has no such game.
bool MakeCurrentGame(TMainGame& game, int gameNumber, const DisplayFacts& display);

// Loads the current game's rules and settles its card size, telling the
// player when the size had to change for this screen.
bool PrepareCurrentGame(TMainGame& game, const DisplayFacts& display);

}  // namespace velmora
