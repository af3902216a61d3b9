#include "file_chooser.h"

#include <QFileDialog>
#include <QPointer>

namespace velmora {

FileChooser DialogFileChooser(QWidget* parent) {
  return [owner = QPointer<QWidget>(parent)](const FileRequest& request) -> std::optional<fs::path> {
    const bool saving = request.purpose == FileRequest::Purpose::Save;
    QFileDialog dialog(owner, request.title, QString::fromStdString(request.folder.string()), request.filter);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the caller asks with Yes, No and Cancel
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return fs::path(dialog.selectedFiles().front().toStdString());
  };
}

}  // namespace velmora
