#include "shell/main_game.h"

#include "autoplay/autoplay.h"
#include "families/family_of_game.h"
#include "game/rule_index.h"
#include "play/end_game.h"
#include "play/game_won.h"
#include "scoring/score.h"

namespace velmora {

TMainGame::TMainGame(Folders folders, GameUi& ui)
    : ui_(ui), data_(std::move(folders), files_), preferences_(data_) {
  store_.reset(data_.folders().program().string() + "/");
  data_.setWarningSink([this](const std::string& text) { ui_.showMessage("Velmora 2001", text, GameUi::Icon::Warning); });
  // A dealt table has a score of its own (cards already on the foundations, the deck's base).
  seams_.deal.openingScore = [this](DealContext&) { RecomputeScore(*this); };
  // Every game is judged and ended by the rules, in the program, the tools and the tests alike.
  playSeams_.gameWonTest = [this] { return GameWonTest(*this); };
  playSeams_.endGame = [this] { EndGame(*this); };
  seams_.familyWonTest = [this] {  // a game that may be won as dealt
    state_.set(flag::GameWon, GameWonTest(*this));
    if (state_.on(flag::GameWon)) EndGame(*this);
  };
  // Obvious cards go up and empty piles fill by themselves after a deal and after every release.
  seams_.afterDeal = [this] { AutoplayAfterDeal(*this); };
  playSeams_.autoplay = [this] { AutoplayAfterRelease(*this); };
}

}  // namespace velmora

namespace velmora {

const GameFamily& TMainGame::family() const {
  return familyInUse_ != nullptr ? *familyInUse_ : FamilyOfGame(rules_);
}

}  // namespace velmora
