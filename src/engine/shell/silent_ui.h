#pragma once
// A screen that shows nothing: messages are dropped, questions answered yes,
// nothing is drawn or played. For dealing and playing where no one watches:
// benchmarks, the build's picture makers, the command-line tool.
#include "shell/game_ui.h"

namespace velmora {

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

}  // namespace velmora
