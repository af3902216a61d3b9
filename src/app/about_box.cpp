#include "about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace velmora {

AboutBox::AboutBox(QWidget* parent) : DialogBase(parent) {
  setWindowTitle(ProgramText("About [Program]"));
  auto* name = new QLabel(ProgramText("[Program]"), this);
  QFont large = name->font();
  large.setPointSizeF(large.pointSizeF() * 1.8);
  large.setBold(true);
  name->setFont(large);
  auto* details = new QLabel(QStringLiteral("Version %1\n\n"
                                            "A collection of patience games: hundreds of games\n"
                                            "played by one engine from the rules of each.\n\n"
                                            "Licence: GPL-3.0-or-later.\n"
                                            "This program comes with ABSOLUTELY NO WARRANTY.")
                                 .arg(QStringLiteral(VELMORA_VERSION)),
                             this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 16);
  layout->setSpacing(10);
  layout->addWidget(name);
  layout->addWidget(details);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace velmora
