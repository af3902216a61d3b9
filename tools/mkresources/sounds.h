#pragma once
// The program's sounds, synthesised: card swishes and snaps, chimes,
// fanfares and applause, as 16-bit mono WAVE files.
#include "bundle_writer.h"

namespace velmora::mkres {

void StageSounds(BundleWriter& bundle);

}  // namespace velmora::mkres
