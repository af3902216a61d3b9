#include "resource_bundle_check.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace velmora {
namespace {

// Layout of a binary resource file: a header, then a tree of fixed-size
// nodes, a table of names and the data, all located by offsets in the header.
constexpr int kHeaderSize = 20;
constexpr int kVersion3HeaderSize = 24;
constexpr std::uint16_t kDirectoryFlag = 0x02;
constexpr std::uint16_t kKnownFlags = 0x01 | 0x02 | 0x04;  // zlib, directory, zstd
constexpr std::uint32_t kKnownFileFlags = 0x01 | 0x02;     // zstd, zlib used somewhere
constexpr int kNodeSizeVersion1 = 14;
constexpr int kNodeSizeLater = 22;  // plus the time of last change

class Reader {
 public:
  explicit Reader(const QByteArray& bytes) : data_(reinterpret_cast<const unsigned char*>(bytes.constData())), size_(bytes.size()) {}

  bool has(qint64 offset, qint64 length) const { return offset >= 0 && length >= 0 && offset <= size_ - length; }
  std::uint32_t u32(qint64 at) const {
    return std::uint32_t(data_[at]) << 24 | std::uint32_t(data_[at + 1]) << 16 | std::uint32_t(data_[at + 2]) << 8 | data_[at + 3];
  }
  std::uint16_t u16(qint64 at) const { return std::uint16_t(data_[at] << 8 | data_[at + 1]); }
  qint64 size() const { return size_; }

 private:
  const unsigned char* data_;
  qint64 size_;
};

struct Layout {
  int nodeSize;
  qint64 tree, names, data;
};

// A name is its length, a hash, then its UTF-16 characters, most significant byte first.
std::optional<QString> NameAt(const Reader& in, const Layout& layout, std::uint32_t nameOffset) {
  const qint64 at = layout.names + nameOffset;
  if (!in.has(at, 6)) return std::nullopt;
  const int length = in.u16(at);
  if (!in.has(at + 6, qint64(length) * 2)) return std::nullopt;
  QString name(length, Qt::Uninitialized);
  for (int i = 0; i < length; ++i) name[i] = QChar(in.u16(at + 6 + 2 * i));
  return name;
}

bool DataIsInside(const Reader& in, const Layout& layout, std::uint32_t dataOffset) {
  const qint64 at = layout.data + dataOffset;
  return in.has(at, 4) && in.has(at + 4, in.u32(at));
}

// Walks every node from the root; children always follow their parent and
// no more nodes are listed than the tree can hold, so the walk ends in
// bounded memory, and every offset is checked before it is used.
std::optional<QStringList> FilesInTree(const Reader& in, const Layout& layout) {
  const qint64 nodeCount = (in.size() - layout.tree) / layout.nodeSize;
  struct Pending {
    qint64 node;
    QString folder;  // with its trailing slash; empty for the root
  };
  std::vector<Pending> pending{{0, QString()}};
  QStringList files;
  qint64 listed = 1;  // every node but the root is listed by exactly one parent
  while (!pending.empty()) {
    const Pending item = std::move(pending.back());
    pending.pop_back();
    if (item.node >= nodeCount) return std::nullopt;
    const qint64 at = layout.tree + item.node * layout.nodeSize;
    const std::uint16_t flags = in.u16(at + 4);
    const std::optional<QString> name = NameAt(in, layout, in.u32(at));
    if ((flags & ~kKnownFlags) != 0 || !name) return std::nullopt;
    if ((flags & kDirectoryFlag) == 0) {
      if (!DataIsInside(in, layout, in.u32(at + 10))) return std::nullopt;
      files.append(item.folder + *name);
      continue;
    }
    const qint64 count = in.u32(at + 6), first = in.u32(at + 10);
    listed += count;
    if (first <= item.node || listed > nodeCount || first + count > nodeCount) return std::nullopt;
    const QString folder = item.node == 0 ? QString() : item.folder + *name + QLatin1Char('/');
    for (qint64 child = first; child < first + count; ++child) pending.push_back({child, folder});
  }
  return files;
}

}  // namespace

std::optional<QStringList> ReadResourceBundleIndex(const QByteArray& bytes) {
  const Reader in(bytes);
  if (!in.has(0, kHeaderSize) || !bytes.startsWith("qres")) return std::nullopt;
  const std::uint32_t version = in.u32(4);
  if (version < 1 || version > 3) return std::nullopt;
  if (version == 3 && (!in.has(0, kVersion3HeaderSize) || (in.u32(20) & ~kKnownFileFlags) != 0)) return std::nullopt;
  const Layout layout{version == 1 ? kNodeSizeVersion1 : kNodeSizeLater, in.u32(8), in.u32(16), in.u32(12)};
  if (!in.has(layout.tree, layout.nodeSize) || !in.has(layout.names, 0) || !in.has(layout.data, 0)) return std::nullopt;
  // the root node is the unnamed directory
  if ((in.u16(layout.tree + 4) & kDirectoryFlag) == 0) return std::nullopt;
  return FilesInTree(in, layout);
}

}  // namespace velmora
