#pragma once
// A game object over a scratch data folder, set up to record finished games:
// statistics on, the player's first move made, a game, a player and a score.
#include <memory>
#include <string>

#include "records/record_game.h"
#include "shell/main_game.h"
#include "test_support.h"

namespace velmora::testing {

// Where a test that records many games keeps its files: in memory when the
// machine offers it, so that it measures the formats, not the disk's flushes.
inline std::filesystem::path MemoryBackedFolder() {
  std::error_code error;
  return std::filesystem::is_directory("/dev/shm", error) ? std::filesystem::path("/dev/shm")
                                                          : std::filesystem::temp_directory_path();
}

class RecordsFixture {
 public:
  explicit RecordsFixture(const std::filesystem::path& base = std::filesystem::temp_directory_path())
      : dir(base), game_(std::make_unique<TMainGame>(Folders(dir / "program", dir / "data"), ui)) {
    game().data().prepare();
    game().state().setWord(word::FirstMove, 1);
    play(1, "Klondike", "Alice");
    game().store().write(store::ScoringMode, "01");
    game().store().write(store::DealNumber, "0000000012345");
    game().store().resetSessionCounters();
  }

  TMainGame& game() { return *game_; }
  std::filesystem::path file(std::string_view name) const { return dir / "data" / name; }

  void play(int number, std::string_view name, std::string_view player) {
    game().store().setGameNumber(number);
    game().store().write(store::GameName, name);
    game().store().write(store::UserDefault, player);
  }

  RecordOutcome finish(bool won, std::int64_t score, int seconds = 100) {
    game().store().writeNumber(store::Score, score);
    return RecordFinishedGame(game(), {won, seconds, "20261210", "12:34:56"});
  }

  TempFolder dir;
  RecordingUi ui;

 private:
  std::unique_ptr<TMainGame> game_;
};

}  // namespace velmora::testing
