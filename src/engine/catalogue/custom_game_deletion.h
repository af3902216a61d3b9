#pragma once
// Deleting a custom game: asked first, then its record, its favourite entry,
// its autoplay switch, and - through the catalogue's hooks - its statistics,
// series results and place in the lists of games.
namespace velmora {

class TMainGame;

enum class DeletionAskedFrom { TheGame, AList };

// True when the game was deleted; false when the player said no, the game has
// no record, or the custom games file refused the change (the player is told).
bool DeleteCustomGame(TMainGame& game, int number, DeletionAskedFrom askedFrom);

}  // namespace velmora
