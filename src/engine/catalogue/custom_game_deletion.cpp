#include "catalogue/custom_game_deletion.h"

#include "records/file_batch.h"
#include "records/forget_game.h"
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

std::string CustomGamesWithout(const Catalogue& catalogue, int number) {
  std::vector<CustomGameRecord> kept = catalogue.customGames().records();
  std::erase_if(kept, [&](const CustomGameRecord& record) { return record.number == number; });
  return WriteCustomGames(kept);
}

std::string PreferencesWithout(std::string_view text, int number, const std::string& name) {
  IniDocument file = IniDocument::Parse(text);
  RemoveFavourite(file, name);
  file.deleteKey("Autoplay", "Cust_" + FormatNumber(number, 4));
  return file.changed() ? file.serialize() : std::string(text);
}

// Every file that knows the game, changed together or not at all: its record
// in the custom games file, its favourite and autoplay switch in the
// preferences, and its statistics, high scores and log lines.
FileOutcome RemoveGameFiles(TMainGame& game, int number, const std::string& name) {
  FileBatch batch(game.data());
  const std::string customGames = CustomGamesWithout(game.catalogue(), number);
  if (FileOutcome read = batch.change(CustomGames::kFileName, CustomGames::kMaxFileBytes,
                                      [&](std::string_view) { return customGames; });
      !read)
    return read;
  if (FileOutcome read = batch.change(PreferenceFile::kName, PreferenceFile::kMaxBytes,
                                      [&](std::string_view text) { return PreferencesWithout(text, number, name); });
      !read)
    return read;
  if (FileOutcome read = ForgetGameRecords(batch, number); !read) return read;
  return batch.commit();
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
    // Ended first: recording it as lost writes records that go with the game.
    Call(catalogue.hooks().endRunningGame);
    game.store().setGameNumber(-1);
    game.store().write(store::GameName, "");
  }
  if (const FileOutcome removed = RemoveGameFiles(game, number, name); !removed) {
    game.ui().showMessage(kCaption, removed.message + "\r" + name + " was not deleted.", GameUi::Icon::Error);
    return false;
  }
  catalogue.loadCustomGames(game.data());
  const CustomGameHooks& hooks = catalogue.hooks();
  Call(hooks.deleteSeriesResults, number);
  game.store().resetSessionCounters();
  Call(hooks.forgetLastPlayed, number);
  Call(hooks.refreshGameLists);
  return true;
}

}  // namespace velmora
