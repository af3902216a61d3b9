#pragma once
// Held games: a game in progress put aside at exit, without a win or a loss,
// and continued at the next start. Held files are "Stat_e" + two digits +
// ".dat" in the data folder; holding creates the first free one of 01-99
// exclusively, so two running programs never share one.
#include <optional>
#include <string>

#include "files/file_system.h"
#include "table/card_size.h"

namespace velmora {

class TMainGame;

inline constexpr int kFirstHoldSlot = 1;
inline constexpr int kLastHoldSlot = 99;

fs::path HeldGameFile(const TMainGame& game, int slot);

// Writes the game in progress to a new held file and ends it without a
// record; the bookmark goes with it. On failure (no free name, a full disk,
// a folder that cannot be written) the player is told and the game stays in
// progress: the caller cancels the close.
bool HoldGame(TMainGame& game);

enum class ResumeOutcome {
  NoneHeld,  // no held file: the game selection opens
  Resumed,   // the first held game runs again; its file is gone
  Damaged,   // the first held file could not be used: the player was told and it was moved aside
};

// At start-up: opens the first held file (00 to 99) and deletes it once its
// game runs. A file that cannot be used is renamed with ".damaged" after its
// name, so it is never retried and never lost.
ResumeOutcome ResumeHeldGame(TMainGame& game, const DisplayFacts& display);

}  // namespace velmora
