#include "table/prepare_game.h"

#include "autoplay/autoplay.h"
#include "cards/deal_generator.h"
#include "catalogue/find_game.h"
#include "game/new_game.h"
#include "rules/load_game_rules.h"
#include "shell/advice.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr int kScreenSizePicture = 0;
constexpr char kCaption[] = "Velmora 2001";

}  // namespace

bool PrepareCurrentGame(TMainGame& game, const DisplayFacts& display) {
  game.rules().clearForGame();
  if (!LoadGameRules(game.catalogue(), game.store().gameNumber(), game.rules())) return false;
  if (const auto notice = SettleCardSize(game.store(), game.rules(), display, game.cardSizeNotices()))
    ShowAdvice(game, notice->text, notice->messageName, kScreenSizePicture);
  return true;
}

bool RefusedAsUnplayable(TMainGame& game, int gameNumber) {
  const auto refusal = RulesRefusal(game.catalogue(), gameNumber);
  if (refusal) game.ui().showMessage(kCaption, *refusal, GameUi::Icon::Error);
  return refusal.has_value();
}

bool MakeCurrentGame(TMainGame& game, int gameNumber, const DisplayFacts& display) {
  if (!game.catalogue().Knows(gameNumber)) return false;
  if (RefusedAsUnplayable(game, gameNumber)) return false;
  const bool another = gameNumber != game.store().gameNumber();
  game.store().setGameNumber(gameNumber);
  game.store().write(store::GameName, game.catalogue().GameName(gameNumber));
  if (another) ApplyGameAutoplaySwitch(game);
  return PrepareCurrentGame(game, display);
}

std::optional<std::string> DealNamedGame(TMainGame& game, std::string_view wanted, std::string_view dealNumber,
                                         const DisplayFacts& display) {
  const int number = FindGame(game.catalogue(), wanted);
  if (number < 0) return "There is no game \"" + std::string(wanted) + "\".";
  const std::optional<std::string> digits =
      dealNumber.empty() ? std::optional<std::string>() : ParseDealNumber(dealNumber);
  if (!dealNumber.empty() && !digits)
    return "\"" + std::string(dealNumber) + "\" is not a game number: game numbers run from " +
           std::string(kDealNumberRange) + ".";
  if (!MakeCurrentGame(game, number, display)) return "The rules of \"" + std::string(wanted) + "\" cannot be read.";
  if (digits) game.store().write(store::DealNumber, *digits);
  StartNewGame(game, {.deal = true, .animate = false, .mode = digits ? DealMode::KeepDealNumber : DealMode::NewDealNumber});
  return std::nullopt;
}

}  // namespace velmora
