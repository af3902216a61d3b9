#pragma once
// Toolbar glyphs at the large and small toolbar sizes, with greyed forms for
// the buttons that can be disabled.
#include "bundle_writer.h"

namespace velmora::mkres {

void StageToolbarGlyphs(BundleWriter& bundle);

}  // namespace velmora::mkres
