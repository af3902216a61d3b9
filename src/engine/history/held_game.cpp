#include "history/held_game.h"

#include "history/bookmark.h"
#include "history/game_file.h"
#include "history/saved_game.h"
#include "play/end_game.h"
#include "shell/main_game.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr char kCaption[] = "Velmora 2001";
constexpr int kFirstResumeSlot = 0;  // older programs held from 00 too
// A held game is the player's: only the player may read it.
constexpr unsigned kPrivateFile = 0600;

bool Exists(const fs::path& file) {
  std::error_code error;
  return fs::exists(fs::symlink_status(file, error));
}

// A new held file holding `text`; why not, when none could be made.
FileOutcome CreateHeldFile(TMainGame& game, const std::string& text) {
  if (!game.data().writable()) return FileOutcome::Failure("the data folder cannot be written");
  for (int slot = kFirstHoldSlot; slot <= kLastHoldSlot; ++slot) {
    const fs::path file = HeldGameFile(game, slot);
    if (Exists(file)) continue;
    FileOutcome created = game.files().createExclusive(file, text, kPrivateFile);
    if (created || !Exists(file)) return created;  // a file that appeared meanwhile is another program's
  }
  return FileOutcome::Failure("all " + std::to_string(kLastHoldSlot) +
                              " places for held games are taken; finish a held game first");
}

void TellDamaged(TMainGame& game, const fs::path& file, const std::string& fault, const std::optional<fs::path>& aside) {
  std::string text = "The held game in " + file.string() + " cannot be continued: " + fault + ".";
  text += aside ? "\rThe file was renamed to " + aside->filename().string() + "."
                : "\rThe file could not be moved aside.";
  game.ui().showMessage(kCaption, text, GameUi::Icon::Warning);
}

}  // namespace

fs::path HeldGameFile(const TMainGame& game, int slot) {
  return game.data().folders().data() / ("Stat_e" + FormatNumber(slot, 2) + ".dat");
}

bool HoldGame(TMainGame& game) {
  ProgramState& state = game.state();
  if (!state.on(flag::GameInProgress)) return true;
  const FileOutcome held = CreateHeldFile(game, GameFileText(game));
  if (!held) {
    game.ui().showMessage(kCaption, "The game could not be held: " + held.message + ".\rIt stays on the table.",
                          GameUi::Icon::Error);
    return false;
  }
  // Held, not ended: no win or loss is recorded for it.
  state.set(flag::GameInProgress, false);
  state.set(flag::ClockRuns, false);
  DropBookmark(game);
  EndGame(game);
  return true;
}

ResumeOutcome ResumeHeldGame(TMainGame& game, const DisplayFacts& display) {
  for (int slot = kFirstResumeSlot; slot <= kLastHoldSlot; ++slot) {
    const fs::path file = HeldGameFile(game, slot);
    if (!Exists(file)) continue;
    const auto damaged = [&game, &file](const std::string& fault) {
      TellDamaged(game, file, fault, game.files().moveAside(file));
      return ResumeOutcome::Damaged;
    };
    SavedGameCheck check = ReadSavedGame(game, file);
    if (!check.contents) return damaged(check.fault);
    if (!StartSavedGame(game, std::move(*check.contents), display)) return damaged("its game cannot be set up");
    game.files().remove(file);
    return ResumeOutcome::Resumed;
  }
  return ResumeOutcome::NoneHeld;
}

}  // namespace velmora
