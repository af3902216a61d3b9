#pragma once
// What the benchmark programs share: the median of a run's figures, and a
// screen that shows nothing for engines played without windows.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "shell/game_ui.h"

namespace velmora::bench {

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

class SilentUi : public GameUi {
 public:
  void showMessage(std::string_view, std::string_view, Icon) override {}
  bool askQuestion(std::string_view, std::string_view) override { return true; }
  void playSound(std::string_view) override {}
  void stopSound() override {}
  void showTable(TableChange) override {}
  void beep() override {}
  void showScore(std::int64_t) override {}
  void flyCards(const std::vector<CardId>&, TablePoint, TablePoint) override {}
};

}  // namespace velmora::bench
