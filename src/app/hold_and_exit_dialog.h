#pragma once
// The question at the close of the window when a game is unfinished
// (TfrmHoldAndExit): hold the game to finish it at the next start, exit and
// count it as lost, or stay.
#include <array>

#include "dialog_base.h"

class QPushButton;

namespace velmora {

class TfrmHoldAndExit final : public DialogBase {
  Q_OBJECT

 public:
  enum class Answer { Hold, Exit, Cancel };
  static constexpr std::size_t kAnswers = 3;

  explicit TfrmHoldAndExit(QWidget* parent = nullptr);

  // Shows the dialog; closing it without a button is Cancel.
  Answer ask();
  QPushButton* button(Answer answer) const { return buttons_[static_cast<std::size_t>(answer)]; }

 private:
  std::array<QPushButton*, kAnswers> buttons_{};
  Answer answer_ = Answer::Cancel;
};

}  // namespace velmora
