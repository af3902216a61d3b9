#include "history/bookmark.h"

#include <unistd.h>

#include <string>
#include <string_view>
#include <vector>

#include "game/rule_index.h"
#include "history/game_file.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr char kCaption[] = "Velmora 2001";
// Undo histories grow with every step; this holds many thousands of them.
constexpr std::uintmax_t kMaxBookmarkBytes = 256u << 20;
constexpr int kNameAttempts = 100;
constexpr std::string_view kBookmarkPrefix = "Bookmark-";
constexpr std::string_view kBookmarkExtension = ".gam";
// The bookmark holds the player's game: only the player may read it.
constexpr unsigned kPrivateFile = 0600;

// A name no bookmark in the data folder has yet: the process and the moment
// tell running programs and earlier bookmarks apart.
fs::path NewBookmarkName(const fs::path& folder) {
  std::error_code error;
  const std::string stem = std::string(kBookmarkPrefix) + std::to_string(::getpid()) + "-" +
                           std::to_string(MonotonicMilliseconds());
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const fs::path file = folder / (stem + "-" + std::to_string(attempt) + std::string(kBookmarkExtension));
    if (!fs::exists(fs::symlink_status(file, error))) return file;
  }
  return {};
}

bool IsBookmarkName(const std::string& name) {
  return name.starts_with(kBookmarkPrefix) && name.ends_with(kBookmarkExtension);
}

}  // namespace

bool InsertBookmark(TMainGame& game) {
  if (!game.ui().askQuestion(kCaption, "Insert bookmark?")) return false;
  const fs::path file = NewBookmarkName(game.data().folders().data());
  const FileOutcome written = !game.data().writable() ? FileOutcome::Failure("the data folder cannot be written")
                              : file.empty()          ? FileOutcome::Failure("no free file name in the data folder")
                                                      : game.files().createExclusive(file, GameFileText(game), kPrivateFile);
  if (!written) {
    game.ui().showMessage(kCaption, "The bookmark could not be written: " + written.message, GameUi::Icon::Error);
    return false;
  }
  const std::string earlier = game.store().read(store::BookmarkFile);
  game.store().write(store::BookmarkFile, file.string());
  if (!earlier.empty()) game.files().remove(earlier);
  return true;
}

bool GoToBookmark(TMainGame& game) {
  if (!game.ui().askQuestion(kCaption, "Go to bookmark?")) return false;
  const std::string name = game.store().read(store::BookmarkFile);
  const FileContents file = name.empty() ? FileContents{} : game.files().read(name, kMaxBookmarkBytes);
  if (file.status == ReadStatus::Missing) {
    game.ui().showMessage(kCaption, "File not found: " + name, GameUi::Icon::Warning);
    return false;
  }
  GameFileRead read = file.ok() ? ReadGameFile(file.data) : GameFileRead{std::nullopt, "it cannot be read"};
  if (!read.contents) {
    game.ui().showMessage(kCaption, "The bookmark " + name + " cannot be used: " + read.fault + ".", GameUi::Icon::Error);
    return false;
  }
  PutBackGameFile(game, std::move(*read.contents));
  return true;
}

bool HasBookmark(const TMainGame& game) { return !game.store().read(store::BookmarkFile).empty(); }

void RemoveStaleBookmarks(UserData& data) {
  if (!data.writable()) return;
  std::error_code error;
  std::vector<fs::path> stale;
  for (fs::directory_iterator it(data.folders().data(), error), end; !error && it != end; it.increment(error))
    if (it->is_regular_file(error) && IsBookmarkName(it->path().filename().string())) stale.push_back(it->path());
  for (const fs::path& file : stale) data.files().remove(file);
}

void DropBookmark(TMainGame& game) {
  const std::string name = game.store().read(store::BookmarkFile);
  if (name.empty()) return;
  game.files().remove(name);
  game.store().write(store::BookmarkFile, "");
}

}  // namespace velmora
