#pragma once
// What the records ask of the series, which are kept apart: the result of a
// finished game, and clearing the series scores with every other value.
// Unset, a result goes into no series and there are no series scores.
#include <functional>

#include "files/file_system.h"

namespace velmora {

struct RecordSeams {
  // Called last, when state word 109 says a series is in progress.
  std::function<void(bool won)> seriesResult;
  std::function<FileOutcome()> clearSeriesScores;
};

}  // namespace velmora
