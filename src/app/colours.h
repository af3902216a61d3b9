#pragma once
// Colours as the preference file stores them: decimal numbers holding
// 0x00BBGGRR, or 0x80000000 plus the index of a system colour.
#include <QColor>
#include <cstdint>

namespace velmora {

QColor FromStoredColour(std::int64_t value);

}  // namespace velmora
