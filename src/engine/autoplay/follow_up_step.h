#pragma once
// The cards the program moves by itself after a change - exposed cards sent
// to the foundations, empty piles filled - belong to the change that caused
// them: one undo takes back the player's move and everything that followed.
// Each automatic move records an undo step as every move does; a FollowUpStep
// folds those steps into one when it ends.
namespace velmora {

class TMainGame;

class FollowUpStep {
 public:
  enum class Into {
    CausingStep,  // the newest step before: the player's move or stock press
    OwnStep,      // one step of their own (autoplay switched on)
    Deal,         // none at all: they are part of the dealt table
  };

  FollowUpStep(TMainGame& game, Into into);
  ~FollowUpStep();
  FollowUpStep(const FollowUpStep&) = delete;
  FollowUpStep& operator=(const FollowUpStep&) = delete;

 private:
  TMainGame& game_;
  Into into_;
  int stepsBefore_;
};

}  // namespace velmora
