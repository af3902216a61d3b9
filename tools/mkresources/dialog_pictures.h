#pragma once
// Pictures of the windows around the table: the pause screen, dialog
// pictures, the card counter's cells, and the game tree's icons.
#include "bundle_writer.h"

namespace velmora::mkres {

void StagePanelPictures(BundleWriter& bundle);
void StageCardCounterPictures(BundleWriter& bundle);
void StageGameTreeIcons(BundleWriter& bundle);
void StageDescriptionIcons(BundleWriter& bundle);

}  // namespace velmora::mkres
