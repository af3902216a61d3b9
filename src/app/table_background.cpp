#include "table_background.h"

#include "colours.h"
#include "resource_store.h"
#include "shell/config_store.h"

namespace velmora {
namespace {

const QColor kDefaultGreen(0x00, 0x60, 0x00);
constexpr int kFirstWholePicture = 500;
constexpr int kFadeBands = 256;

QColor ChosenColour(const ConfigStore& store) {
  const auto fixed = store.readNumber(store::BackgroundFixedColour).value_or(0);
  return FromStoredColour(fixed > 0 ? fixed : store.readNumber(store::BackgroundColour).value_or(0));
}

// Equal bands from the full colour at the top to black at the bottom.
void PaintFade(QPainter& painter, const QRect& area, const QColor& colour) {
  for (int band = 0; band < kFadeBands; ++band) {
    const int top = area.top() + area.height() * band / kFadeBands;
    const int bottom = area.top() + area.height() * (band + 1) / kFadeBands;
    const int share = kFadeBands - band;
    painter.fillRect(QRect(area.left(), top, area.width(), bottom - top),
                     QColor(colour.red() * share / kFadeBands, colour.green() * share / kFadeBands,
                            colour.blue() * share / kFadeBands));
  }
}

}  // namespace

TableBackground ChooseBackground(const ConfigStore& store, const ResourceStore& resources, qreal devicePixelRatio) {
  if (store.isOn(store::BackgroundDefault)) return {kDefaultGreen};
  TableBackground background{ChosenColour(store), store.isOn(store::FadeBackground)};
  if (const auto number = store.readNumber(store::BackgroundBitmap).value_or(0); number > 0) {
    background.picture =
        resources.bitmap(QStringLiteral("B%1").arg(number, 3, 10, QLatin1Char('0')), devicePixelRatio);
    background.tiled = number < kFirstWholePicture;
  }
  return background;
}

void PaintBackground(QPainter& painter, const QRect& area, const TableBackground& background) {
  if (background.fade && background.picture.isNull())
    PaintFade(painter, area, background.colour);
  else
    painter.fillRect(area, background.colour);
  if (background.picture.isNull()) return;
  if (background.tiled)
    painter.drawTiledPixmap(area, QPixmap::fromImage(background.picture), area.topLeft());
  else
    painter.drawImage(area.topLeft(), background.picture);
}

}  // namespace velmora
