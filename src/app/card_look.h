#pragma once
// The card look the settings ask for: size, set, back and the player's own
// card set when one is chosen and still usable.
#include "table_pictures.h"

namespace velmora {

class TMainGame;

// A chosen custom set that is missing or of a size no card size has is
// reported to the player and given up for the standard set.
CardLook ChooseCardLook(TMainGame& game, qreal devicePixelRatio);

}  // namespace velmora
