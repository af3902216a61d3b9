#pragma once
// How large the table is shown: scaled to the largest size at which the whole
// dealt table fits the window, or at a zoom the player chose. The layout is
// always worked out at the card size's natural pixels; the zoom only scales
// what is drawn and where the pointer lands.
#include <QString>

namespace velmora {

// The range of scales the table is shown at.
inline constexpr qreal kSmallestZoom = 0.5;
inline constexpr qreal kLargestZoom = 6;

struct TableZoom {
  bool fit = true;
  qreal factor = 1;  // the scale when the table is not fitted; 1 is the card size's natural pixels

  static TableZoom Fitted() { return {}; }
  static TableZoom Fixed(qreal factor) { return {false, factor}; }
  friend bool operator==(const TableZoom&, const TableZoom&) = default;
};

// One step larger or smaller than `scale`, within the steps there are.
qreal ZoomedIn(qreal scale);
qreal ZoomedOut(qreal scale);

// The preference's text: "Fit", or the percentage of a fixed zoom.
QString ZoomPreference(const TableZoom& zoom);
// A text that is neither "Fit" nor a percentage within the steps' range fits.
TableZoom ZoomFromPreference(const QString& text);

}  // namespace velmora
