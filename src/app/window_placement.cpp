#include "window_placement.h"

#include <algorithm>

namespace velmora {
namespace {

qint64 SharedArea(const QRect& a, const QRect& b) {
  const QRect shared = a.intersected(b);
  return shared.isEmpty() ? 0 : qint64(shared.width()) * shared.height();
}

// The screen holding most of the window; none when it touches none.
const QRect* ScreenHolding(const QRect& window, const QList<QRect>& screens) {
  const QRect* best = nullptr;
  qint64 bestArea = 0;
  for (const QRect& screen : screens)
    if (const qint64 area = SharedArea(window, screen); area > bestArea) {
      best = &screen;
      bestArea = area;
    }
  return best;
}

// The room for the window on `screen`: below its title bar.
QRect Room(const QRect& screen) { return screen.adjusted(0, kTitleBarRoom, 0, 0); }

// Its top edge in the room, and enough of it beside that edge to use.
bool WellShown(const QRect& window, const QRect& room) {
  const QSize least = kLeastShownPart.boundedTo(window.size());
  const int shownWidth = std::min(window.right(), room.right()) - std::max(window.left(), room.left()) + 1;
  return window.top() >= room.top() && window.top() + least.height() <= room.bottom() + 1 &&
         shownWidth >= least.width();
}

// `start` moved by as little as it takes for `length` to lie in [low, high),
// or to start at `low` where it cannot.
int Within(int start, int length, int low, int high) { return std::clamp(start, low, std::max(low, high - length)); }

QRect MovedInto(QRect window, const QRect& room) {
  window.moveLeft(Within(window.left(), window.width(), room.left(), room.right() + 1));
  window.moveTop(Within(window.top(), window.height(), room.top(), room.bottom() + 1));
  return window;
}

}  // namespace

QRect PlaceOnScreens(const QRect& stored, const QList<QRect>& screens) {
  if (screens.isEmpty()) return stored;
  QRect window(stored.topLeft(), stored.size().expandedTo(kLeastShownPart));
  const QRect* holding = ScreenHolding(window, screens);
  const QRect room = Room(holding ? *holding : screens.first());
  window.setSize(window.size().boundedTo(room.size()));
  if (!holding) window.moveTopLeft(screens.first().topLeft() + kFreshPlaceOffset);
  return WellShown(window, room) ? window : MovedInto(window, room);
}

}  // namespace velmora
