#pragma once
// The resource bundle SOL.RGF: every picture, pointer and sound of the program,
// looked up by name without regard to letter case.
//
// The bundle is read whole into memory and checked before it is registered,
// so a damaged file is refused at start-up instead of being read out of
// bounds later. Pictures drawn at twice their size for dense screens are kept
// under the same name; `bitmap(name, ratio)` picks them when the ratio asks.
#include <QByteArray>
#include <QCursor>
#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

namespace velmora {

class ResourceStore {
 public:
  ResourceStore() = default;
  ResourceStore(const ResourceStore&) = delete;
  ResourceStore& operator=(const ResourceStore&) = delete;
  ~ResourceStore();

  // Registers the bundle; false when it is missing, unreadable, damaged or
  // holds no pictures. A store opens one bundle in its life.
  bool open(const QString& fileName);
  bool isOpen() const { return !root_.isEmpty(); }
  // The bundle's file, as it was opened.
  const QString& fileName() const { return fileName_; }

  // Called the first time a picture of the bundle cannot be decoded (its
  // bytes are damaged), with the picture's name; once in the store's life,
  // however many pictures fail.
  using DamageReport = std::function<void(const QString& picture)>;
  void setDamageReport(DamageReport report) { damageReport_ = std::move(report); }

  bool hasBitmap(const QString& name) const;
  // An empty image when the bundle has no bitmap of that name, or when its
  // picture cannot be decoded.
  QImage bitmap(const QString& name) const;
  // On a screen whose device pixel ratio is above 1, the twice-size picture
  // when there is one (its device pixel ratio set to 2), else the natural one.
  QImage bitmap(const QString& name, qreal devicePixelRatio) const;

  bool hasPointer(const QString& name) const;
  // The pointer with its hotspot; the standard arrow when there is none.
  QCursor pointer(const QString& name, qreal devicePixelRatio = 1) const;

  // The resource path of a sound, for the player; empty when there is none.
  // Once a sound has been handed out, the bundle stays registered until the
  // process ends: the player reads it on a thread of its own that outlives
  // the store.
  QString soundPath(const QString& name) const;

  // The vector artwork of a card deck (compressed SVG); empty when the
  // bundle has none of that name.
  QByteArray deckArtwork(const QString& name) const;

  qsizetype bitmapCount() const { return catalogue_.bitmaps.natural.size(); }

 private:
  // lower-case name -> resource path, at natural size and at twice the size
  struct Pictures {
    QHash<QString, QString> natural;
    QHash<QString, QString> dense;
    // The path to load and whether it is the twice-size picture.
    std::pair<QString, bool> find(const QString& name, qreal devicePixelRatio) const;
  };
  struct Catalogue {
    Pictures bitmaps;
    Pictures pointers;
    QHash<QString, QString> sounds;
    QHash<QString, QString> decks;
  };
  static Catalogue index(const QString& root, const QStringList& files);
  // The picture at `path`, a damaged one reported.
  QImage decode(const QString& name, const QString& path) const;

  QByteArray bytes_;  // registered with Qt from memory: kept for the store's life
  QString root_;
  QString fileName_;
  Catalogue catalogue_;
  DamageReport damageReport_;
  mutable bool damageReported_ = false;  // reporting is no change of what the store holds
  mutable bool soundsHandedOut_ = false;
};

}  // namespace velmora
