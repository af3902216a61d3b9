#include "shell/main_game.h"

namespace velmora {

TMainGame::TMainGame(Folders folders, GameUi& ui)
    : ui_(ui), data_(std::move(folders), files_), preferences_(data_) {
  store_.reset(data_.folders().program().string() + "/");
  data_.setWarningSink([this](const std::string& text) { ui_.showMessage("Velmora 2001", text, GameUi::Icon::Warning); });
}

}  // namespace velmora
