#pragma once
// What the table layout is given: the card size, the shadow and the playing
// area of the main window (or of the small preview of the game selection).
namespace velmora {

struct LayoutArea {
  int cardWidth = 71;
  int cardHeight = 96;
  int shadowDepth = 0;    // extra pixels the card shadow takes; 0 without shadows
  int top = 5;            // bottom edge of the visible toolbar, 5 without one
  int bottom = 0;         // client height - 1
  int windowHeight = 0;   // outer height of the main window
  int width = 0;          // outer width of the main window less its vertical scroll bar
  int screenWidth = 0;
  int screenHeight = 0;
  int scrollPosition = 0;  // where the vertical scroll bar stands when the layout runs
  bool preview = false;    // the game selection's small preview
};

// The preview image lays the table out from 3 pixels below its top edge.
inline LayoutArea PreviewArea(LayoutArea cards, int width, int height) {
  cards.top = 3;
  cards.bottom = height - 1;
  cards.windowHeight = height;
  cards.width = width;
  cards.scrollPosition = 0;
  cards.preview = true;
  return cards;
}

}  // namespace velmora
