#include "colours.h"

#include <QApplication>
#include <QPalette>

namespace velmora {
namespace {

// The system colours a stored value can name, by index.
QColor SystemColour(int index) {
  const QPalette palette = QApplication::palette();
  switch (index) {
    case 5: return palette.color(QPalette::Base);          // window background
    case 8: return palette.color(QPalette::Text);          // window text
    case 13: return palette.color(QPalette::Highlight);    // selected items
    case 14: return palette.color(QPalette::HighlightedText);
    case 15:                                               // button face
    default: return palette.color(QPalette::Button);
  }
}

}  // namespace

QColor FromStoredColour(std::int64_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  if (bits & 0x80000000u) return SystemColour(static_cast<int>(bits & 0xFFu));
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF), static_cast<int>((bits >> 16) & 0xFF));
}

}  // namespace velmora
