#include "catalogue/custom_game_deletion.h"

#include "shell/main_game.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kCaption = "Velmora 2001";
constexpr std::string_view kFavourites = "Favorite Games";
constexpr std::string_view kStatisticsNote = "Note: the statistics for this game will also be deleted.";
constexpr int kLastFavouriteKey = 9999;

std::string FavouriteKey(int n) { return "Game" + FormatNumber(n, 4); }

std::string Question(bool running, DeletionAskedFrom askedFrom, const std::string& name) {
  if (running && askedFrom == DeletionAskedFrom::TheGame)
    return "You are now playing " + name + ".\rAre you sure you want to delete this game?\r" + std::string(kStatisticsNote);
  return "Are you sure you want to delete this customized game\r" + name + "?\r" + std::string(kStatisticsNote);
}

// The favourite keys stay contiguous: the ones after the deleted key move down.
void RemoveFavourite(IniDocument& file, const std::string& name) {
  int found = -1;
  for (int n = 0; n <= kLastFavouriteKey && found < 0; ++n)
    if (file.find(kFavourites, FavouriteKey(n)) == name) found = n;
  if (found < 0) return;
  int last = found;
  while (last < kLastFavouriteKey) {
    const auto next = file.find(kFavourites, FavouriteKey(last + 1));
    if (!next) break;
    file.write(kFavourites, FavouriteKey(last), *next);
    ++last;
  }
  file.deleteKey(kFavourites, FavouriteKey(last));
}

template <typename Hook, typename... Args>
void Call(const Hook& hook, Args... args) {
  if (hook) hook(args...);
}

}  // namespace

bool DeleteCustomGame(TMainGame& game, int number, DeletionAskedFrom askedFrom) {
  Catalogue& catalogue = game.catalogue();
  if (const auto locked = catalogue.CustomGamesLocked(game.data())) {
    game.ui().showMessage(kCaption, *locked, GameUi::Icon::Error);
    return false;
  }
  const std::string name = catalogue.GameName(number);
  if (number < kFirstCustomGame || name.empty()) return false;
  const bool running = game.store().gameNumber() == number;
  if (!game.ui().askQuestion(kCaption, Question(running, askedFrom, name))) return false;
  if (running) {
    Call(catalogue.hooks().endRunningGame);
    game.store().setGameNumber(-1);
    game.store().write(store::GameName, "");
  }
  if (const FileOutcome removed = catalogue.RemoveCustomGame(game.data(), number); !removed) {
    game.ui().showMessage(kCaption, removed.message, GameUi::Icon::Error);
    return false;
  }
  game.preferences().update([&](IniDocument& file) {
    RemoveFavourite(file, name);
    file.deleteKey("Autoplay", "Cust_" + FormatNumber(number, 4));
  });
  const CustomGameHooks& hooks = catalogue.hooks();
  Call(hooks.deleteStatistics, number);
  Call(hooks.deleteSeriesResults, number);
  game.store().resetSessionCounters();
  Call(hooks.forgetLastPlayed, number);
  Call(hooks.refreshGameLists);
  return true;
}

}  // namespace velmora
