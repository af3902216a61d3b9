#include "autoplay/follow_up_step.h"

#include <string>

#include "shell/main_game.h"

namespace velmora {
namespace {

// The newest step goes and its tags join the step before it, whose snapshot
// - the table before both - stays.
void FoldNewestStep(GameHistory& history) {
  StepLog& log = history.undoLog();
  const std::string newer(log.lastEntry());
  log.dropLast();
  const std::string older(log.lastEntry());
  log.dropLast();
  log.append(older + newer);
  history.undo().drop();
}

void DropNewestStep(GameHistory& history) {
  history.undoLog().dropLast();
  history.undo().drop();
}

}  // namespace

FollowUpStep::FollowUpStep(TMainGame& game, Into into)
    : game_(game), into_(into), stepsBefore_(game.history().undo().steps()) {}

FollowUpStep::~FollowUpStep() {
  GameHistory& history = game_.history();
  if (into_ == Into::Deal) {
    while (history.undo().steps() > stepsBefore_) DropNewestStep(history);
    return;
  }
  const int keep = into_ == Into::OwnStep || stepsBefore_ == 0 ? stepsBefore_ + 1 : stepsBefore_;
  while (history.undo().steps() > keep) FoldNewestStep(history);
}

}  // namespace velmora
