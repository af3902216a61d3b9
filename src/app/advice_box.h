#pragma once
// Advice the player may turn off: an "Information" box with a check box
// "Don't show this message box again", whose answer the preference file keeps
// in section "Show_Messages", one key per message.
#include <QString>
#include <string_view>

#include "dialog_base.h"

class QCheckBox;

namespace velmora {

class PreferenceFile;

// The picture beside the text: colours, or a small screen.
enum class AdvicePicture { Colours = 0, ScreenSize = 1 };

inline constexpr std::string_view kShowMessagesSection = "Show_Messages";

class AdviceDialog final : public DialogBase {
  Q_OBJECT

 public:
  AdviceDialog(const QString& text, AdvicePicture picture, QWidget* parent = nullptr);

  QCheckBox* dontShowAgainBox() const { return dontShowAgain_; }

 private:
  QCheckBox* dontShowAgain_;
};

// Shows the advice unless the player turned it off; when the box is ticked
// as it closes, the message stays off from then on. True when it was shown.
bool ShowAdvice(PreferenceFile& preferences, const QString& text, std::string_view messageName,
                AdvicePicture picture, QWidget* parent = nullptr);

}  // namespace velmora
