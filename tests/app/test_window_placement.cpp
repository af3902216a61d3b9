// The main window put back where it was left, as long as its title bar and a
// usable part of it lie on a screen; otherwise moved onto one.
#include <gtest/gtest.h>

#include <QList>
#include <QRect>

#include "window_placement.h"

namespace velmora {
namespace {

struct PlacementCase {
  const char* name;
  QRect stored;
  QList<QRect> screens;
  QRect placed;
};

const QRect kScreen(0, 0, 1280, 1024);
const QRect kRightScreen(1280, 0, 1920, 1080);
// A screen with a panel along its top: the available area starts below it.
const QRect kBelowPanel(0, 40, 1280, 984);

const PlacementCase kCases[] = {
    {"well inside: kept", {100, 80, 800, 600}, {kScreen}, {100, 80, 800, 600}},
    {"half off the right edge: kept", {900, 80, 800, 600}, {kScreen}, {900, 80, 800, 600}},
    {"only a 10 x 10 corner at the bottom right: moved in",
     {1270, 1014, 800, 600}, {kScreen}, {480, 424, 800, 600}},
    {"only a 10 x 10 corner at the top left: moved in",
     {-790, -590, 800, 600}, {kScreen}, {0, kTitleBarRoom, 800, 600}},
    {"the title bar above the screen: brought down",
     {100, -20, 800, 600}, {kScreen}, {100, kTitleBarRoom, 800, 600}},
    {"the top edge under the panel: brought down",
     {100, 45, 800, 600}, {kBelowPanel}, {100, 40 + kTitleBarRoom, 800, 600}},
    {"too little of it beside the left edge: moved in",
     {-700, 80, 800, 600}, {kScreen}, {0, 80, 800, 600}},
    {"larger than the screen: shrunk to fit below the title bar",
     {-100, -100, 3000, 2000}, {kScreen}, {0, kTitleBarRoom, 1280, 1024 - kTitleBarRoom}},
    {"on no screen at all: the first screen's fresh place",
     {5000, 5000, 800, 600}, {kScreen}, {50, 50, 800, 600}},
    {"too small to use: grown", {100, 80, 10, 10}, {kScreen}, {100, 80, 200, 120}},
    {"a damaged size: grown", {100, 80, -400, 0}, {kScreen}, {100, 80, 200, 120}},
    {"on the second screen: kept there", {1500, 100, 800, 600}, {kScreen, kRightScreen}, {1500, 100, 800, 600}},
    {"mostly on the second screen, off its bottom: moved onto it",
     {1500, 1070, 800, 600}, {kScreen, kRightScreen}, {1500, 480, 800, 600}},
    {"a second screen that is gone: back on the first",
     {2000, 100, 800, 600}, {kScreen}, {50, 50, 800, 600}},
    {"no screen known: as stored", {-5000, 0, 800, 600}, {}, {-5000, 0, 800, 600}},
};

TEST(WindowPlacement, KeepsAUsableWindowAndMovesAnyOtherOntoAScreen) {
  for (const PlacementCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const QRect placed = PlaceOnScreens(c.stored, c.screens);
    EXPECT_EQ(placed, c.placed) << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
  }
}

}  // namespace
}  // namespace velmora
