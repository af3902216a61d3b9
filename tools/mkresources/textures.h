#pragma once
// Table backgrounds: seamless procedural tiles (felt, wood, marble, paper,
// cloth, walls...) and the tile shown while a game is paused.
#include "bundle_writer.h"

namespace velmora::mkres {

void StageBackgrounds(BundleWriter& bundle);

}  // namespace velmora::mkres
