#pragma once
// The pieces drawn around cards on the table: empty-pile marks, the card
// shadow and the edges of a thick pile.
#include "bundle_writer.h"

namespace velmora::mkres {

void StageTablePieces(BundleWriter& bundle);

}  // namespace velmora::mkres
