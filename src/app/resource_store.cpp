#include "resource_store.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMutex>
#include <QPixmap>
#include <QResource>
#include <atomic>

#include "card_sheet_layout.h"
#include "resource_bundle_check.h"

namespace velmora {
namespace {

const QString kDenseSuffix = QStringLiteral("@2x");

// Each store registers under a root of its own, so stores never see each other's items.
QString NewRoot() {
  static std::atomic<int> counter{0};
  return QStringLiteral("/velmora-rgf-%1").arg(++counter);
}

const unsigned char* BundleData(const QByteArray& bytes) { return reinterpret_cast<const unsigned char*>(bytes.constData()); }

// Qt's sound player loads samples on a thread of its own, which may still be
// reading a sound after its effect and the store are gone. A bundle that gave
// out sounds is therefore kept, registered, for the rest of the process.
void KeepForTheProcess(QByteArray bytes) {
  static auto* const kept = new QList<QByteArray>;  // never freed: the player's thread ends after main
  static QMutex guard;
  const QMutexLocker lock(&guard);
  kept->append(std::move(bytes));
}

}  // namespace

ResourceStore::~ResourceStore() {
  if (!isOpen()) return;
  if (soundsHandedOut_)
    KeepForTheProcess(std::move(bytes_));
  else
    QResource::unregisterResource(BundleData(bytes_), root_);
}

bool ResourceStore::open(const QString& fileName) {
  if (isOpen()) return false;
  QFile file(fileName);
  if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly)) return false;
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  const std::optional<QStringList> files = ReadResourceBundleIndex(bytes);
  if (!files) return false;
  const QString root = NewRoot();
  if (!QResource::registerResource(BundleData(bytes), root)) return false;
  Catalogue catalogue = index(root, *files);
  if (catalogue.bitmaps.natural.isEmpty()) {  // a resource file, but not a bundle of ours
    QResource::unregisterResource(BundleData(bytes), root);
    return false;
  }
  bytes_ = std::move(bytes);
  root_ = root;
  fileName_ = fileName;
  catalogue_ = std::move(catalogue);
  return true;
}

ResourceStore::Catalogue ResourceStore::index(const QString& root, const QStringList& files) {
  Catalogue catalogue;
  const QString prefix = QLatin1Char(':') + root + QLatin1Char('/');
  for (const QString& file : files) {
    const qsizetype slash = file.indexOf(QLatin1Char('/'));
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    if (slash < 0 || dot < slash) continue;
    const QStringView folder = QStringView(file).left(slash);
    QString key = file.mid(slash + 1, dot - slash - 1).toLower();
    const bool dense = key.endsWith(kDenseSuffix);
    if (dense) key.chop(kDenseSuffix.size());
    const QString path = prefix + file;
    if (folder == QLatin1String("sounds") || folder == QLatin1String("decks")) {
      (folder == QLatin1String("sounds") ? catalogue.sounds : catalogue.decks).insert(key, path);
      continue;
    }
    Pictures* pictures = folder == QLatin1String("pointers")  ? &catalogue.pointers
                         : folder == QLatin1String("bitmaps") ? &catalogue.bitmaps
                                                              : nullptr;
    if (pictures) (dense ? pictures->dense : pictures->natural).insert(key, path);
  }
  return catalogue;
}

std::pair<QString, bool> ResourceStore::Pictures::find(const QString& name, qreal devicePixelRatio) const {
  const QString key = name.toLower();
  if (devicePixelRatio > 1)
    if (const auto it = dense.constFind(key); it != dense.cend()) return {*it, true};
  return {natural.value(key), false};
}

bool ResourceStore::hasBitmap(const QString& name) const { return catalogue_.bitmaps.natural.contains(name.toLower()); }

QImage ResourceStore::bitmap(const QString& name) const { return bitmap(name, 1); }

QImage ResourceStore::bitmap(const QString& name, qreal devicePixelRatio) const {
  const auto [path, dense] = catalogue_.bitmaps.find(name, devicePixelRatio);
  if (path.isEmpty()) return QImage();
  QImage image = decode(name, path);
  if (dense) image.setDevicePixelRatio(cards::kHighDensityScale);
  return image;
}

QByteArray ResourceStore::deckArtwork(const QString& name) const {
  const QString path = catalogue_.decks.value(name.toLower());
  if (path.isEmpty()) return {};
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool ResourceStore::hasPointer(const QString& name) const { return catalogue_.pointers.natural.contains(name.toLower()); }

QCursor ResourceStore::pointer(const QString& name, qreal devicePixelRatio) const {
  const auto [path, dense] = catalogue_.pointers.find(name, devicePixelRatio);
  QImage image = path.isEmpty() ? QImage() : decode(name, path);
  if (image.isNull()) return QCursor(Qt::ArrowCursor);
  if (dense) image.setDevicePixelRatio(cards::kHighDensityScale);
  // The hotspot is stored in natural-size pixels inside the picture.
  const int x = image.text(QStringLiteral("HotspotX")).toInt();
  const int y = image.text(QStringLiteral("HotspotY")).toInt();
  return QCursor(QPixmap::fromImage(image), x, y);
}

QImage ResourceStore::decode(const QString& name, const QString& path) const {
  QImage image(path);
  if (image.isNull() && !damageReported_) {
    damageReported_ = true;
    if (damageReport_) damageReport_(name);
  }
  return image;
}

QString ResourceStore::soundPath(const QString& name) const {
  QString path = catalogue_.sounds.value(name.toLower());
  if (!path.isEmpty()) soundsHandedOut_ = true;
  return path;
}

}  // namespace velmora
