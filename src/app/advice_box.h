#pragma once
// The box of advice the player may turn off: "Information", the text, a
// picture, and a check box "Don't show this message box again". Whether a
// message is still shown, and remembering the answer, is the engine's part.
#include <QString>

#include "dialog_base.h"

class QCheckBox;

namespace velmora {


// The picture beside the text: colours, or a small screen.
enum class AdvicePicture { Colours = 0, ScreenSize = 1 };

class AdviceDialog final : public DialogBase {
  Q_OBJECT

 public:
  AdviceDialog(const QString& text, AdvicePicture picture, QWidget* parent = nullptr);

  QCheckBox* dontShowAgainBox() const { return dontShowAgain_; }

 private:
  QCheckBox* dontShowAgain_;
};

// Shows the box; true when "Don't show this message box again" was ticked.
bool AskAdvice(const QString& text, AdvicePicture picture, QWidget* parent = nullptr);

}  // namespace velmora
