#include "dialog_base.h"

#include <QApplication>
#include <QFontDatabase>

#include "commands.h"
#include "qt_game_ui.h"

namespace velmora {
namespace {

constexpr const char* kDialogFamily = "DejaVu Sans";
constexpr qreal kDialogPointSize = 9;

QFont ChooseDialogFont() {
  if (!QFontDatabase::hasFamily(QLatin1String(kDialogFamily))) return QApplication::font();
  QFont font{QString::fromLatin1(kDialogFamily)};
  font.setPointSizeF(kDialogPointSize);
  return font;
}

}  // namespace

QFont DialogFont() {
  static const QFont font = ChooseDialogFont();
  return font;
}

DialogBase::DialogBase(QWidget* parent) : QDialog(parent) {
  setFont(DialogFont());
  setWindowTitle(QString::fromLatin1(kProgramName.data(), static_cast<qsizetype>(kProgramName.size())));
  setModal(true);
}

QString ProgramText(std::string_view text) { return ToDisplayText(FillProgramName(text)); }

}  // namespace velmora
