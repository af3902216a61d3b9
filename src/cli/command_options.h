#pragma once
// The arguments several commands share, declared once on the parser: a game
// by number or name, a deal number, a script of moves, a saved game.
#include <CLI/CLI.hpp>
#include <string>

namespace velmora::cli {

enum class Need { Required, Optional };

// --game GAME: a game by number or name; never empty.
CLI::Option* AddGameOption(CLI::App& command, std::string& game, Need need);

// --deal D: a deal number from 1 to 9999999999999, kept as its 13 digits.
CLI::Option* AddDealOption(CLI::App& command, std::string& deal, Need need);

// --moves FILE: the script of moves to read instead of standard input.
CLI::Option* AddMovesOption(CLI::App& command, std::string& file);

// --open FILE: a saved game to go on with instead of a deal; its game and
// deal come from the file, so --game and --deal cannot stand beside it.
CLI::Option* AddOpenOption(CLI::App& command, std::string& file, CLI::Option* game, CLI::Option* deal);

// --save FILE: the game as it stands written to FILE as a saved game.
CLI::Option* AddSaveOption(CLI::App& command, std::string& file);

// Refuses an empty value: every value of the tool names something.
extern const CLI::Validator kNotEmpty;

}  // namespace velmora::cli
