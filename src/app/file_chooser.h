#pragma once
// Where the player names a file to save into or to open: the standard file
// dialogs, behind a seam that tests replace.
#include <QString>
#include <functional>
#include <optional>

#include "files/file_system.h"

class QWidget;

namespace velmora {

struct FileRequest {
  enum class Purpose { Save, Open };
  Purpose purpose = Purpose::Open;
  QString title;
  fs::path folder;  // where the dialog starts
  QString filter;
  QString defaultSuffix;  // added to a name typed without one
};

// The chosen file; none when the player cancelled. The chooser never asks
// whether to replace a file: the caller does.
using FileChooser = std::function<std::optional<fs::path>(const FileRequest&)>;

// The file dialog of the desktop, over `parent`.
FileChooser DialogFileChooser(QWidget* parent);

}  // namespace velmora
