#include "resource_bundle_check.h"

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

bool NameIsInside(const Reader& in, const Layout& layout, std::uint32_t nameOffset) {
  const qint64 at = layout.names + nameOffset;
  return in.has(at, 6) && in.has(at + 6, qint64(in.u16(at)) * 2);
}

bool DataIsInside(const Reader& in, const Layout& layout, std::uint32_t dataOffset) {
  const qint64 at = layout.data + dataOffset;
  return in.has(at, 4) && in.has(at + 4, in.u32(at));
}

// Walks every node from the root; children always follow their parent, so
// the walk ends, and every offset is checked before it is used.
bool TreeIsInside(const Reader& in, const Layout& layout) {
  const qint64 nodeCount = (in.size() - layout.tree) / layout.nodeSize;
  std::vector<qint64> pending{0};
  qint64 visited = 0;
  while (!pending.empty()) {
    const qint64 node = pending.back();
    pending.pop_back();
    if (node >= nodeCount || ++visited > nodeCount) return false;
    const qint64 at = layout.tree + node * layout.nodeSize;
    const std::uint16_t flags = in.u16(at + 4);
    if ((flags & ~kKnownFlags) != 0 || !NameIsInside(in, layout, in.u32(at))) return false;
    if ((flags & kDirectoryFlag) == 0) {
      if (!DataIsInside(in, layout, in.u32(at + 10))) return false;
      continue;
    }
    const qint64 count = in.u32(at + 6), first = in.u32(at + 10);
    if (first <= node || count > nodeCount || first + count > nodeCount) return false;
    for (qint64 child = first; child < first + count; ++child) pending.push_back(child);
  }
  return true;
}

}  // namespace

bool IsWellFormedResourceBundle(const QByteArray& bytes) {
  const Reader in(bytes);
  if (!in.has(0, kHeaderSize) || !bytes.startsWith("qres")) return false;
  const std::uint32_t version = in.u32(4);
  if (version < 1 || version > 3) return false;
  if (version == 3 && (!in.has(0, kVersion3HeaderSize) || (in.u32(20) & ~kKnownFileFlags) != 0)) return false;
  const Layout layout{version == 1 ? kNodeSizeVersion1 : kNodeSizeLater, in.u32(8), in.u32(16), in.u32(12)};
  if (!in.has(layout.tree, layout.nodeSize) || !in.has(layout.names, 0) || !in.has(layout.data, 0)) return false;
  // the root node is the unnamed directory
  if ((in.u16(layout.tree + 4) & kDirectoryFlag) == 0) return false;
  return TreeIsInside(in, layout);
}

}  // namespace velmora
