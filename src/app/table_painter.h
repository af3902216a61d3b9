#pragma once
// Paints a table scene: the empty-pile marks, then every pile's cards from the
// bottom up, with the shadow a card throws on the table and the edges of the
// cards under a stacked pile.
#include <QPainter>

#include "table/table_scene.h"
#include "table_pictures.h"

namespace velmora {

struct TablePaintOptions {
  bool shadows = true;
};

void PaintTableScene(QPainter& painter, const TableScene& scene, const TablePictures& pictures,
                     const TablePaintOptions& options);

// The lowest card edge of the scene, in table coordinates: how tall the table is.
int LowestCardEdge(const TableScene& scene, QSize card);

}  // namespace velmora
