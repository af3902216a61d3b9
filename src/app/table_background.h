#pragma once
// The table's background: the default green, a picture of the bundle (a tile
// repeated over the table, or a whole picture from number 500 on), or a
// colour, plain or fading to black towards the bottom.
#include <QColor>
#include <QImage>
#include <QPainter>

namespace velmora {

class ConfigStore;
class ResourceStore;

struct TableBackground {
  QColor colour{};
  bool fade = false;
  QImage picture{};     // painted over the colour when set
  bool tiled = false;  // repeated over the table, else once at the top left
};

TableBackground ChooseBackground(const ConfigStore& store, const ResourceStore& resources, qreal devicePixelRatio);

void PaintBackground(QPainter& painter, const QRect& area, const TableBackground& background);

}  // namespace velmora
