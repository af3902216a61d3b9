#pragma once
// Card backs ("decks"): 28 designs of patterns, scenes and emblems.
#include "bundle_writer.h"

namespace velmora::mkres {

void StageCardBacks(BundleWriter& bundle);

}  // namespace velmora::mkres
