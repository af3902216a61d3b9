#pragma once
// Fan offsets: how far each card of a pile stands from the card below it,
// by card size and by the display types the game uses.
#include "rules/rule_record.h"

namespace velmora {

struct FanSteps {
  int verticalUp = 0;      // below a face-up card
  int verticalDown = 0;    // below a face-down card
  int horizontalUp = 0;
  int horizontalDown = 0;
  int smallHorizontal = 0;  // tableau display 6
  int gridGapX = 0;         // tableau display 8
  int gridGapY = 0;

  static constexpr int kSideBySideGap = 6;  // display 4
  static constexpr int kReserveStack = 3;   // reserve display 5
  static constexpr int kCloseGap = 2;       // tableau display 9
};

// The steps the game's display types need at this card size; the others are 0.
FanSteps FanStepsFor(char sizeLetter, const RuleRecord& rules);

}  // namespace velmora
