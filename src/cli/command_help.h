#pragma once
// How `velmora-cli --help` and `velmora-cli COMMAND --help` read: the usage
// first, and each command with the arguments it takes, as the parser knows
// them.
#include <CLI/CLI.hpp>

namespace velmora::cli {

class HelpFormat final : public CLI::Formatter {
 public:
  std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override;
  std::string make_usage(const CLI::App* app, std::string name) const override;
  std::string make_subcommand(const CLI::App* command) const override;
};

// A command's arguments as one line: "--game GAME --deal D [--list]".
std::string Synopsis(const CLI::App& command);

}  // namespace velmora::cli
