#pragma once
// The history of the running game: the undo and redo stacks of table
// snapshots and their step logs. They start empty with every deal and grow
// without limit until the game ends, restarts or another game opens.
#include "history/history_stack.h"
#include "history/step_log.h"

namespace velmora {

class GameHistory {
 public:
  HistoryStack& undo() { return undo_; }
  const HistoryStack& undo() const { return undo_; }
  HistoryStack& redo() { return redo_; }
  const HistoryStack& redo() const { return redo_; }
  StepLog& undoLog() { return undoLog_; }
  const StepLog& undoLog() const { return undoLog_; }
  StepLog& redoLog() { return redoLog_; }
  const StepLog& redoLog() const { return redoLog_; }

  void clear() {
    undo_.clear();
    redo_.clear();
    undoLog_.clear();
    redoLog_.clear();
  }

 private:
  HistoryStack undo_, redo_;
  StepLog undoLog_, redoLog_;
};

}  // namespace velmora
