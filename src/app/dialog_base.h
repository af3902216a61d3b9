#pragma once
// The base of every dialog of the program: one font for all of them, the
// program's name as the default title, modal unless a tool window says
// otherwise.
#include <QDialog>
#include <QFont>

namespace velmora {

// The dialogs' font, chosen at the first dialog and kept for the run:
// "DejaVu Sans" when it is installed, else the application's font.
QFont DialogFont();

class DialogBase : public QDialog {
  Q_OBJECT

 public:
  explicit DialogBase(QWidget* parent = nullptr);
};

// A caption or message of the program's own, with "[Program]" filled in and
// its "\r" line breaks made "\n".
QString ProgramText(std::string_view text);

}  // namespace velmora
