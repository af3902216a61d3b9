#pragma once
// A picture of the window as the screen shows it, with a list of where each
// pile's top card lies in it: for players' screenshots and for checking the
// drawing against the layout.
#include <QString>

namespace velmora {

class TableView;

// Writes `file` (PNG) and `file` + ".piles": one line per placed pile with its
// name, the window rectangle of its top card or empty place (x y width
// height) and "up", "down" or "empty". False when either cannot be written.
bool SaveTableSnapshot(const TableView& table, const QString& file);

}  // namespace velmora
