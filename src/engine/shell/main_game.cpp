#include "shell/main_game.h"

#include "play/game_won.h"
#include "scoring/score.h"

namespace velmora {

TMainGame::TMainGame(Folders folders, GameUi& ui)
    : ui_(ui), data_(std::move(folders), files_), preferences_(data_) {
  store_.reset(data_.folders().program().string() + "/");
  data_.setWarningSink([this](const std::string& text) { ui_.showMessage("Velmora 2001", text, GameUi::Icon::Warning); });
  // A dealt table has a score of its own (cards already on the foundations, the deck's base).
  seams_.deal.openingScore = [this](DealContext&) { RecomputeScore(*this); };
  // Every game is judged by the rules, in the program, the tools and the tests alike.
  playSeams_.gameWonTest = [this] { return GameWonTest(*this); };
  seams_.familyWonTest = [this] { state_.set(flag::GameWon, GameWonTest(*this)); };  // a game that may be won as dealt
}

}  // namespace velmora
