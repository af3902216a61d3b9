#pragma once
// The resource bundle SOL.RGF: every picture, pointer and sound of the program,
// looked up by name without regard to letter case.
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

namespace velmora {

class ResourceStore {
 public:
  ResourceStore() = default;
  ResourceStore(const ResourceStore&) = delete;
  ResourceStore& operator=(const ResourceStore&) = delete;
  ~ResourceStore();

  // Registers the bundle; false when it is missing, unreadable or not a bundle.
  bool open(const QString& fileName);
  bool isOpen() const { return !registered_.isEmpty(); }

  bool hasBitmap(const QString& name) const;
  // An empty image when the bundle has no bitmap of that name.
  QImage bitmap(const QString& name) const;
  // The resource path of a sound, for the player; empty when there is none.
  QString soundPath(const QString& name) const;

 private:
  void index();

  QString registered_;
  QHash<QString, QString> bitmaps_;  // lower-case name -> resource path
  QHash<QString, QString> sounds_;
};

}  // namespace velmora
