#pragma once
// The command-line tool's shared pieces: the options every command takes and
// the table of sub-commands.
#include <filesystem>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

struct Options {
  std::filesystem::path programFolder;
  std::filesystem::path dataFolder;
};

struct Command {
  std::string_view name;
  std::string_view usage;    // the arguments after the name
  std::string_view summary;  // one line for --help
  // Exit code: 0 done, 1 the request failed, 2 the command line was wrong.
  int (*run)(const Options& options, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
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
