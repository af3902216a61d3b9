#include "table_zoom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmora {
namespace {

constexpr std::array kZoomSteps{0.5, 0.67, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0, 6.0};
constexpr qreal kSmallest = kSmallestZoom;
constexpr qreal kLargest = kLargestZoom;
static_assert(kZoomSteps.front() == kSmallest && kZoomSteps.back() == kLargest);
constexpr qreal kSameStep = 0.005;  // a scale this close to a step stands on it
constexpr qreal kPercent = 100;
const QString kFitText = QStringLiteral("Fit");

}  // namespace

qreal ZoomedIn(qreal scale) {
  for (const qreal step : kZoomSteps)
    if (step > scale + kSameStep) return step;
  return kLargest;
}

qreal ZoomedOut(qreal scale) {
  for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step)
    if (*step < scale - kSameStep) return *step;
  return kSmallest;
}

QString ZoomPreference(const TableZoom& zoom) {
  return zoom.fit ? kFitText : QString::number(std::lround(zoom.factor * kPercent));
}

TableZoom ZoomFromPreference(const QString& text) {
  bool number = false;
  const qreal factor = text.trimmed().toInt(&number) / kPercent;
  if (!number || factor < kSmallest || factor > kLargest) return TableZoom::Fitted();
  return TableZoom::Fixed(factor);
}

}  // namespace velmora
