#pragma once
// Deleting a custom game: asked first, then every file that knows it changes
// together - its record, its favourite entry, its autoplay switch, and its
// statistics, high scores and log lines, so that a later custom game given
// the same number starts clean - and, through the catalogue's hooks, its
// series results and place in the lists of games.
namespace velmora {

class TMainGame;

enum class DeletionAskedFrom { TheGame, AList };

// True when the game was deleted; false when the player said no, the game has
// no record, or a file could not be read or written (the player is told, and
// every file is as it was).
bool DeleteCustomGame(TMainGame& game, int number, DeletionAskedFrom askedFrom);

}  // namespace velmora
