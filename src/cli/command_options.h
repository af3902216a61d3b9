#pragma once
// The arguments several commands share, declared once on the parser: a game
// by number or name, a deal number, a script of moves.
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

// Refuses an empty value: every value of the tool names something.
extern const CLI::Validator kNotEmpty;

}  // namespace velmora::cli
