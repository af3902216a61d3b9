#include "resource_store.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QResource>

namespace velmora {
namespace {
const QString kRoot = QStringLiteral(":/rgf");
}

ResourceStore::~ResourceStore() {
  if (isOpen()) QResource::unregisterResource(registered_, kRoot);
}

bool ResourceStore::open(const QString& fileName) {
  if (isOpen()) return false;
  if (!QFileInfo(fileName).isFile() || !QResource::registerResource(fileName, kRoot)) return false;
  registered_ = fileName;
  index();
  return true;
}

void ResourceStore::index() {
  for (QDirIterator it(kRoot, QDirIterator::Subdirectories); it.hasNext();) {
    const QFileInfo file(it.next());
    if (!file.isFile()) continue;
    const QString key = file.completeBaseName().toLower();
    if (file.suffix().compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0)
      sounds_.insert(key, file.filePath());
    else
      bitmaps_.insert(key, file.filePath());
  }
}

bool ResourceStore::hasBitmap(const QString& name) const { return bitmaps_.contains(name.toLower()); }

QImage ResourceStore::bitmap(const QString& name) const {
  const auto it = bitmaps_.constFind(name.toLower());
  return it == bitmaps_.cend() ? QImage() : QImage(*it);
}

QString ResourceStore::soundPath(const QString& name) const { return sounds_.value(name.toLower()); }

}  // namespace velmora
