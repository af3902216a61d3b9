#pragma once
// The command-line tool's shared pieces: the options every command takes and
// the table of sub-commands.
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
}  // namespace CLI

namespace velmora::cli {

struct Options {
  std::filesystem::path programFolder;
  std::filesystem::path dataFolder;
};

// What runs a command once its command line is parsed. Exit code: 0 done,
// 1 the request failed, 2 the command line was wrong.
using Runner = std::function<int(const Options& options, std::ostream& out, std::ostream& err)>;

struct Command {
  std::string_view name;
  std::string_view summary;  // one line for --help
  // Declares the command's arguments on its sub-command of the parser; the
  // runner it answers reads the values they were parsed into.
  Runner (*define)(CLI::App& command);
};

std::span<const Command> Commands();

}  // namespace velmora::cli

namespace velmora::cli {

// The program's messages break lines with CR; a terminal wants LF.
std::string ForTerminal(std::string_view text);

// The text with control characters, backslashes and bytes beyond ASCII
// written as escapes (\t, \x1b): input echoed back can neither drive
// the terminal nor hide what it held.
std::string Escaped(std::string_view text);

// One line per fault after `prefix`, escaped; past the first few, how many
// more there are.
void PrintFaults(std::string_view prefix, const std::vector<std::string>& faults, std::ostream& out);

// The program cannot work without its rule file and resource bundle: when one
// is missing or unreadable, says so on `err` as the program would and answers
// false.
bool RequireProgramFiles(const Options& options, std::ostream& err);

}  // namespace velmora::cli
