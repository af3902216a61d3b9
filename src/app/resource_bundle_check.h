#pragma once
// Checks that bytes hold a whole, well-formed compiled resource bundle before
// they are handed to Qt, which trusts every offset it reads: a truncated or
// damaged SOL.RGF must be refused, never read out of bounds.
#include <QByteArray>
#include <QStringList>
#include <optional>

namespace velmora {

// The paths of every file in the bundle ("bitmaps/CB001H.png", ...), or
// nothing when the bytes are not a whole, well-formed bundle.
std::optional<QStringList> ReadResourceBundleIndex(const QByteArray& bytes);

inline bool IsWellFormedResourceBundle(const QByteArray& bytes) { return ReadResourceBundleIndex(bytes).has_value(); }

}  // namespace velmora
