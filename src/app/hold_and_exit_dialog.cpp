#include "hold_and_exit_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {
namespace {

constexpr const char* kTexts[] = {
    "The current game is unfinished.",
    "Do you want to exit or \"hold\" this game to play later?",
    "If you \"hold\" this game, you can exit without affecting statistics.",
};

struct AnswerButton {
  TfrmHoldAndExit::Answer answer;
  const char* caption;
};

constexpr std::array<AnswerButton, TfrmHoldAndExit::kAnswers> kButtons{{
    {TfrmHoldAndExit::Answer::Hold, " &Hold and exit"},
    {TfrmHoldAndExit::Answer::Exit, "&Exit and post a loss"},
    {TfrmHoldAndExit::Answer::Cancel, "Cancel"},
}};

}  // namespace

TfrmHoldAndExit::TfrmHoldAndExit(QWidget* parent) : DialogBase(parent) {
  setObjectName(QStringLiteral("TfrmHoldAndExit"));
  setWindowTitle(ProgramText("[Program]"));
  auto* layout = new QVBoxLayout(this);
  for (const char* text : kTexts) {
    auto* label = new QLabel(QString::fromLatin1(text), this);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
  }
  auto* row = new QHBoxLayout;
  for (const AnswerButton& entry : kButtons) {
    auto* button = new QPushButton(QString::fromLatin1(entry.caption), this);
    buttons_[static_cast<std::size_t>(entry.answer)] = button;
    connect(button, &QPushButton::clicked, this, [this, answer = entry.answer] {
      answer_ = answer;
      if (answer == Answer::Cancel)
        reject();
      else
        accept();
    });
    row->addWidget(button);
  }
  button(Answer::Hold)->setDefault(true);
  layout->addSpacing(layout->spacing());
  layout->addLayout(row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

TfrmHoldAndExit::Answer TfrmHoldAndExit::ask() {
  answer_ = Answer::Cancel;
  exec();
  return answer_;
}

}  // namespace velmora
