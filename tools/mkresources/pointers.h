#pragma once
// Mouse pointers over the table: arrows and hands, each with a pointing and
// a carrying form.
#include "bundle_writer.h"

namespace velmora::mkres {

void StagePointers(BundleWriter& bundle);

}  // namespace velmora::mkres
