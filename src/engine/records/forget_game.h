#pragma once
// Every record kept under one game number, for a game that goes away: a later
// game given the same number must start clean. They are its statistics
// section of DATA\STAT.DAT (every player), its high-score lists, the section
// of DATA\STAT_SCR.DAT, and its lines in the results log. The overall score
// and the internet counts are kept for built-in games only, so a custom game
// has nothing there.
#include "files/file_system.h"

namespace velmora {

class FileBatch;

// Adds the changes to the batch; fails, naming the file, when one of them
// cannot be read.
FileOutcome ForgetGameRecords(FileBatch& batch, int gameNumber);

}  // namespace velmora
