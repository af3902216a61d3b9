#pragma once
// The card faces of every set at every size, one sheet per suit, the jokers
// and the card backs.
#include <QString>

#include "bundle_writer.h"

namespace velmora::mkres {

// `deckFolder` holds the freely licensed SVG decks the larger sizes are drawn from.
bool StageCardSheets(BundleWriter& bundle, const QString& deckFolder);

}  // namespace velmora::mkres
