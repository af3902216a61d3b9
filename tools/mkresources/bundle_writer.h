#pragma once
// Writes the staged items of the resource bundle into a folder, with the
// resource collection file that the resource compiler packs into SOL.RGF.
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

namespace velmora::mkres {

// Draws one picture at a whole-number scale of its natural size.
using ScaledPainter = std::function<QImage(int scale)>;

class BundleWriter {
 public:
  explicit BundleWriter(QString stageFolder);

  void addBitmap(const QString& name, const QImage& image);
  // Staged at its natural size and again at twice that size for dense screens.
  void addScalableBitmap(const QString& name, const ScaledPainter& paint);
  void addPointer(const QString& name, const ScaledPainter& paint, QPoint hotspot);
  void addSound(const QString& name, const QByteArray& wave);
  // A card deck's vector artwork (compressed SVG), kept as it is.
  void addDeckArtwork(const QString& name, const QByteArray& svg);

  // Writes the collection file; false when any item failed to be written.
  bool finish();

 private:
  void writeImage(const QString& folder, const QString& fileName, QImage image);
  void writeFile(const QString& folder, const QString& fileName, const QByteArray& bytes);
  bool save(const QString& relativePath, const QByteArray& bytes);

  QString stageFolder_;
  QStringList entries_;  // paths inside the bundle
  bool failed_ = false;
};

}  // namespace velmora::mkres
