#pragma once
// Saved games: the running game written to a file the player names, and a
// saved or held game opened again with its undo history, clock, score, pass
// counter, deal count and base ranks. A file is read and checked whole before
// the running game is touched: a file that cannot be used is refused with a
// message and changes nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_system.h"
#include "history/game_file.h"
#include "table/card_size.h"

namespace velmora {

class TMainGame;

// Undo histories grow with every step; this holds many thousands of them.
inline constexpr std::uintmax_t kMaxGameFileBytes = 256u << 20;
inline constexpr std::string_view kSavedGameExtension = ".gam";

// A file's game checked against the catalogue and the cards: a game the
// catalogue knows, every card of the table and of each undo snapshot at most
// once, a deal number of 1 to 13 digits, base ranks 0 to 13.
struct SavedGameCheck {
  std::optional<GameFileContents> contents;
  std::string fault;     // why it cannot be used, to follow "... cannot be opened: "
  bool missing = false;  // there is no such file
};
SavedGameCheck CheckSavedGame(const TMainGame& game, std::string_view text);
SavedGameCheck ReadSavedGame(const TMainGame& game, const fs::path& file);

// Writes the running game to `file`, replacing an existing one atomically.
FileOutcome SaveGame(TMainGame& game, const fs::path& file);

// The folder the save and open dialogs start in ("Dir_Save"); the home folder
// until a game was saved or opened.
fs::path SavedGameFolder(TMainGame& game);
void RememberSavedGameFolder(TMainGame& game, const fs::path& folder);

enum class OpenOutcome {
  Opened,    // the file's game is the running game
  Refused,   // the file cannot be used: the player was told, nothing changed
  Declined,  // the player kept the running game
  Won,       // ending the running game recorded a win: the won-game dialog takes over
};

struct OpenRequest {
  DisplayFacts display;
  bool confirm = true;  // ask before leaving a game in progress (never for a held game at start-up)
};

// Opens a saved game from `file`: the file is checked, the player confirms
// leaving the running game (recorded as lost), and the file's game starts
// where it was left.
OpenOutcome OpenSavedGame(TMainGame& game, const fs::path& file, const OpenRequest& request);

// Makes a checked file's game the running game (no question, no ending of
// the game before): what opening does once the running game is left.
bool StartSavedGame(TMainGame& game, GameFileContents contents, const DisplayFacts& display);

}  // namespace velmora
