#pragma once
// Checks that bytes hold a whole, well-formed compiled resource bundle before
// they are handed to Qt, which trusts every offset it reads: a truncated or
// damaged SOL.RGF must be refused, never read out of bounds.
#include <QByteArray>

namespace velmora {

bool IsWellFormedResourceBundle(const QByteArray& bytes);

}  // namespace velmora
