#include "catalogue/play_game.h"

#include <algorithm>

#include "play/leave_game.h"
#include "shell/autoplay_switch.h"
#include "shell/main_game.h"
#include "shell/preference_keys.h"
#include "table/prepare_game.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kDealNumbersSection = "Game_Numbers";

std::string DealNumberKey(int index) { return "Game0" + FormatNumber(index, 2); }

// The game in progress is recorded as lost; false when it could not be ended.
bool EndRunningGame(TMainGame& game) {
  if (!game.state().on(flag::GameInProgress) || !game.playSeams().endGame) return true;
  game.playSeams().endGame();
  return !game.state().on(flag::GameInProgress);
}

void MakePlayerCurrent(TMainGame& game, const std::string& player) {
  game.store().write(store::UserDefault, player);
  game.preferences().update([&](IniDocument& file) { file.write(kPreferenceSection, "UserDefault", player); });
}

void RememberChoice(TMainGame& game, const PlayRequest& request) {
  game.preferences().update([&](IniDocument& file) {
    file.writeInt(kPreferenceSection, "Game", request.number);
    file.write(kPreferenceSection, "Game_Name", request.name);
    file.writeInt(kPreferenceSection, "Game_TreeNum", -30);
    file.writeInt(kPreferenceSection, "Game_TreePos", -1);
  });
}

}  // namespace

bool PlayGame(TMainGame& game, const PlayRequest& request, const DisplayFacts& display) {
  ConfigStore& store = game.store();
  ProgramState& state = game.state();
  const bool sameGame = request.number == store.gameNumber();
  const bool newPlayer = request.player != store.playerName();
  if (sameGame && !newPlayer && state.on(flag::GameInProgress)) return false;
  if (!game.catalogue().Knows(request.number)) return false;
  if (RefusedAsUnplayable(game, request.number)) return false;  // before the running game is ended
  if (!ConfirmQuitGame(game)) return false;
  if (!EndRunningGame(game)) return false;

  if (!sameGame || newPlayer) store.resetSessionCounters();
  if (newPlayer) MakePlayerCurrent(game, request.player);
  if (!sameGame || state.word(word::DealChoice) == 2) state.setWord(word::DealChoice, 0);

  if (!MakeCurrentGame(game, request.number, display)) return false;
  store.write(store::GameName, request.name);
  if (!sameGame && state.word(word::AutoplayAllGames) != 1)
    game.setAutoplay(GameAutoplaySwitch(game.preferences().open(), request.number));
  StartNewGame(game, {.deal = true, .animate = true, .mode = request.mode});
  if (request.remember) RememberChoice(game, request);
  return true;
}

std::vector<std::string> RememberedDealNumbers(const IniDocument& file) {
  std::vector<std::string> numbers;
  for (int index = 1; index <= kRememberedDealNumbers; ++index) {
    std::string number(Trim(file.readString(kDealNumbersSection, DealNumberKey(index), "")));
    if (!number.empty()) numbers.push_back(std::move(number));
  }
  return numbers;
}

void RememberDealNumber(IniDocument& file, std::string_view dealNumber) {
  std::vector<std::string> numbers = RememberedDealNumbers(file);
  std::erase(numbers, std::string(dealNumber));
  numbers.insert(numbers.begin(), std::string(dealNumber));
  numbers.resize(std::min<std::size_t>(numbers.size(), kRememberedDealNumbers));
  for (std::size_t i = 0; i < numbers.size(); ++i)
    file.write(kDealNumbersSection, DealNumberKey(static_cast<int>(i) + 1), numbers[i]);
}

void RememberDealNumber(TMainGame& game, std::string_view dealNumber) {
  if (dealNumber.empty()) return;
  game.preferences().update([&](IniDocument& file) { RememberDealNumber(file, dealNumber); });
}

}  // namespace velmora
