#pragma once
// The pieces of `velmora-cli play` that the commands built on its script
// language share: a dealt or opened game ready for a script, one line of the
// script, the game saved, and the final table with its score, moves and state.
#include <cstddef>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "headless_game.h"
#include "hints/hint_search.h"
#include "play/end_game.h"

namespace velmora::cli {

// The game dealt with the deal number, laid out, with the won test of the
// script; nullptr after a message on `err` that names `command`.
std::unique_ptr<HeadlessGame> DealForScript(const Options& options, const std::string& game, const std::string& deal,
                                            std::string_view command, std::ostream& err);

// Where a command's game comes from: --game and --deal deal it, --open FILE
// goes on with a saved game.
struct GameSource {
  std::string game, deal;
  std::string savedGame;
};

// Whether `source` names a game: a saved game, or a game and a deal. When it
// does not, says on `err` what `command` needs (a mistake of the command line).
bool SourceNamed(const GameSource& source, std::string_view command, std::ostream& err);

// The game of `source` as DealForScript leaves it: dealt, or opened from the
// saved game where it was left, with its undo history. A file that cannot be
// used is named with its fault on `err`, and nothing is written anywhere.
std::unique_ptr<HeadlessGame> GameForScript(const Options& options, const GameSource& source, std::string_view command,
                                            std::ostream& err);

// Writes the game as it stands to `file` as a saved game; false after saying
// on `err` why it was not written.
bool SaveForScript(TMainGame& game, const std::string& file, std::string_view command, std::ostream& err);

// One line of the play language; the reason when it was refused.
std::optional<std::string> RunPlayLine(TMainGame& game, const std::string& line);

// A script is read whole before any line of it runs, so that a script refused
// for its size leaves nothing played and nothing recorded. No script of moves
// comes near these bounds; endless input (a device, a runaway pipe) meets
// them at once.
inline constexpr std::size_t kMaxScriptLineBytes = 4 * 1024;
inline constexpr std::size_t kMaxScriptBytes = 16 * 1024 * 1024;

// Reads a script from `in` into `text`; the reason when it exceeds a bound or
// cannot be read.
std::optional<std::string> ReadScript(std::istream& in, std::string& text);

// The script of --moves FILE, or of standard input when `file` is empty.
std::optional<std::string> LoadScript(const std::string& file, std::string& text);

// Runs the script's lines in turn. The first refused line stops it with
// "refused LINE: reason" on `err`, and the answer is false.
bool RunScript(TMainGame& game, std::string_view script, std::ostream& err);

// The table, "score N", "moves N" and "state won|lost|playing", as `play`
// ends.
void PrintPlayOutcome(HeadlessGame& headless, std::ostream& out);

// Whose statistics a finished game goes to, and whether they are kept: the
// data folder's current player, or the first player of a new data folder.
// A stored name the records cannot hold is not cut to fit: the answer says
// why that player's games cannot be recorded.
std::optional<std::string> TakePlayerFromPreferences(TMainGame& game);

// Ends the game in progress as the program ends it and records it in the
// data folder for the player `TakePlayerFromPreferences` took; why it was
// not recorded or not saved, when it was not.
std::optional<std::string> EndAndRecord(TMainGame& game, const std::optional<std::string>& unrecordablePlayer,
                                        EndOfGame& end);

// The clock runs on, second by second, until the game's family changes the
// table by it or a minute has passed; the seconds waited, none when the
// family did nothing.
std::optional<int> WaitForTheClock(TMainGame& game);

// A move of the hint search as the line of the play language that makes it:
// "move CARD PILE", "press CARD" or "stock".
std::string PlayLineOf(const Hint& hint);

}  // namespace velmora::cli
