#pragma once
// The about box: the program's name, version and licence.
#include "dialog_base.h"

namespace velmora {

class AboutBox final : public DialogBase {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace velmora
