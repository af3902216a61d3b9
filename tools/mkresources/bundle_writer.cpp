#include "bundle_writer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>
#include <algorithm>

#include "card_sheet_layout.h"

namespace velmora::mkres {
namespace {
const QString kHighDensitySuffix = QStringLiteral("@2x");

QImage Compact(const QImage& image) {
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}
}  // namespace

BundleWriter::BundleWriter(QString stageFolder) : stageFolder_(std::move(stageFolder)) {
  for (const char* folder : {"bitmaps", "pointers", "sounds", "decks"}) QDir(stageFolder_).mkpath(QLatin1String(folder));
}

void BundleWriter::addBitmap(const QString& name, const QImage& image) {
  writeImage(QStringLiteral("bitmaps"), name + QLatin1String(".png"), image);
}

void BundleWriter::addScalableBitmap(const QString& name, const ScaledPainter& paint) {
  addBitmap(name, paint(1));
  addBitmap(name + kHighDensitySuffix, paint(cards::kHighDensityScale));
}

void BundleWriter::addPointer(const QString& name, const ScaledPainter& paint, QPoint hotspot) {
  for (const int scale : {1, cards::kHighDensityScale}) {
    QImage image = paint(scale);
    // The hotspot travels inside the picture, in natural-size pixels.
    image.setText(QStringLiteral("HotspotX"), QString::number(hotspot.x()));
    image.setText(QStringLiteral("HotspotY"), QString::number(hotspot.y()));
    const QString suffix = scale == 1 ? QString() : kHighDensitySuffix;
    writeImage(QStringLiteral("pointers"), name + suffix + QLatin1String(".png"), image);
  }
}

void BundleWriter::addSound(const QString& name, const QByteArray& wave) {
  writeFile(QStringLiteral("sounds"), name + QLatin1String(".wav"), wave);
}

void BundleWriter::addDeckArtwork(const QString& name, const QByteArray& svg) {
  writeFile(QStringLiteral("decks"), name + QLatin1String(".svgz"), svg);
}

void BundleWriter::writeImage(const QString& folder, const QString& fileName, QImage image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  writer.setQuality(40);  // a moderate zlib effort: a third of the time of the strongest, 5 % larger
  if (image.isNull() || !writer.write(Compact(image))) {
    qWarning("mkresources: cannot encode %s", qPrintable(fileName));
    failed_ = true;
    return;
  }
  writeFile(folder, fileName, bytes);
}

void BundleWriter::writeFile(const QString& folder, const QString& fileName, const QByteArray& bytes) {
  const QString entry = folder + QLatin1Char('/') + fileName;
  if (save(entry, bytes)) entries_.append(entry);
}

bool BundleWriter::save(const QString& relativePath, const QByteArray& bytes) {
  QSaveFile file(stageFolder_ + QLatin1Char('/') + relativePath);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
  qWarning("mkresources: cannot write %s", qPrintable(file.fileName()));
  failed_ = true;
  return false;
}

bool BundleWriter::finish() {
  QStringList sorted = entries_;
  std::sort(sorted.begin(), sorted.end());
  if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
    qWarning("mkresources: an item was staged twice");
    return false;
  }
  QByteArray collection = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
  for (const QString& entry : sorted) collection += "  <file>" + entry.toUtf8() + "</file>\n";
  collection += "</qresource>\n</RCC>\n";
  return save(QStringLiteral("bundle.qrc"), collection) && !failed_;
}

}  // namespace velmora::mkres
