#pragma once
// What the benchmark programs share: the median of a run's figures, and a
// screen that shows nothing for engines played without windows.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "shell/silent_ui.h"

namespace velmora::bench {

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

using velmora::SilentUi;

}  // namespace velmora::bench
