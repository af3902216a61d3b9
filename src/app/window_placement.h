#pragma once
// Where the main window is put back at start-up. A placement kept from
// another arrangement of screens, or written by hand, may leave the window
// almost wholly off every screen. A window whose top edge and a part large
// enough to use lie on a screen stays where it was; any other is moved onto
// the screen that holds most of it, by as little as it takes.
#include <QList>
#include <QRect>
#include <QSize>

namespace velmora {

// Room left above the window for the title bar the window manager adds.
inline constexpr int kTitleBarRoom = 30;
// The least part of the window that must lie on a screen where it stays, and
// the least size of a window.
inline constexpr QSize kLeastShownPart{200, 120};
// Where a window goes that shares no pixel with any screen, from the first
// screen's corner.
inline constexpr QPoint kFreshPlaceOffset{50, 50};

// The window's place on the screens' available areas (the primary first).
// A window that shares nothing with any screen goes to the first one; one
// larger than its screen is shrunk to fit.
QRect PlaceOnScreens(const QRect& stored, const QList<QRect>& screens);

}  // namespace velmora
