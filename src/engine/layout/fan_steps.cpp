#include "layout/fan_steps.h"

#include "game/rule_index.h"
#include "text/rounding.h"

namespace velmora {
namespace {

struct SizeSteps {
  char letter;
  int verticalUp, verticalDown, horizontalUp, horizontalDown, smallHorizontal, gridGapX, gridGapY;
};

constexpr SizeSteps kSizeSteps[] = {
    {'S', 18, 4, 12, 4, 7, 12, 8},
    {'B', 18, 4, 12, 4, 7, 12, 8},
    {'M', 14, 4, 10, 4, 5, 8, 6},
    {'L', 3, 3, 3, 3, 3, 4, 3},
};

// An unknown letter draws normal cards, so it takes their steps.
constexpr const SizeSteps& StepsOfSize(char letter) {
  for (const SizeSteps& steps : kSizeSteps)
    if (steps.letter == letter) return steps;
  return kSizeSteps[1];
}

}  // namespace

FanSteps FanStepsFor(char sizeLetter, const RuleRecord& rules) {
  const SizeSteps& size = StepsOfSize(sizeLetter);
  const int tableau = rules[rule::TableauDisplay];
  const int reserve = rules[rule::ReserveDisplay];
  FanSteps steps;
  steps.gridGapX = size.gridGapX;
  steps.gridGapY = size.gridGapY;
  if (tableau == 1 || tableau == 7 || tableau == 12 || reserve == 1) {
    steps.verticalUp = size.verticalUp;
    steps.verticalDown = size.verticalDown;
  }
  if (tableau == 12) {
    steps.verticalUp = MultiplyRounded(steps.verticalUp, 5, 2);
    steps.verticalDown = MultiplyRounded(steps.verticalDown, 5, 2);
  }
  if (tableau == 2 || rules[rule::HorizontalFanSteps] != 0 || reserve == 2) {
    steps.horizontalUp = size.horizontalUp;
    steps.horizontalDown = size.horizontalDown;
  }
  if (tableau == 6) steps.smallHorizontal = size.smallHorizontal;
  return steps;
}

}  // namespace velmora
