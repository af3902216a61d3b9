#include "table/prepare_game.h"

#include "rules/load_game_rules.h"
#include "shell/advice.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kScreenSizePicture = 0;

}  // namespace

bool PrepareCurrentGame(TMainGame& game, const DisplayFacts& display) {
  game.rules().clearForGame();
  if (!LoadGameRules(game.catalogue(), game.store().gameNumber(), game.rules())) return false;
  if (const auto notice = SettleCardSize(game.store(), game.rules(), display, game.cardSizeNotices()))
    ShowAdvice(game, notice->text, notice->messageName, kScreenSizePicture);
  return true;
}

bool MakeCurrentGame(TMainGame& game, int gameNumber, const DisplayFacts& display) {
  if (!game.catalogue().Knows(gameNumber)) return false;
  game.store().setGameNumber(gameNumber);
  game.store().write(store::GameName, game.catalogue().GameName(gameNumber));
  return PrepareCurrentGame(game, display);
}

}  // namespace velmora
