#include "command_help.h"

#include <sstream>

namespace velmora::cli {
namespace {

constexpr std::size_t kSynopsisColumn = 30;  // where the commands' summaries start

// "--game GAME", "--list" or "GAME", in brackets when it may be left out.
std::string ArgumentText(const CLI::Option& option) {
  std::string text = option.get_positional() ? option.get_type_name() : "--" + option.get_lnames().front();
  if (!option.get_positional() && option.get_expected_max() > 0) text += " " + option.get_type_name();
  return option.get_required() ? text : "[" + text + "]";
}

}  // namespace

std::string Synopsis(const CLI::App& command) {
  std::string line;
  for (const CLI::Option* option : command.get_options()) {
    if (option == command.get_help_ptr()) continue;
    line += (line.empty() ? "" : " ") + ArgumentText(*option);
  }
  return line;
}

std::string HelpFormat::make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const {
  if (mode == CLI::AppFormatMode::Sub) return make_expanded(app);
  std::ostringstream out;
  out << make_usage(app, name) << "\n" << make_description(app) << make_positionals(app) << make_groups(app, mode)
      << make_subcommands(app, mode) << make_footer(app);
  return out.str();
}

std::string HelpFormat::make_usage(const CLI::App* app, std::string name) const {
  if (app->get_parent() == nullptr)
    return "Usage: " + name + " [--program-dir DIR] [--data-dir DIR] COMMAND [ARGUMENTS]\n       " + name +
           " --help | --version\n";
  const std::string synopsis = Synopsis(*app);
  return "Usage: " + app->get_parent()->get_name() + " " + app->get_name() + (synopsis.empty() ? "" : " ") + synopsis +
         "\n";
}

std::string HelpFormat::make_subcommand(const CLI::App* command) const {
  const std::string synopsis = Synopsis(*command);
  const std::string head = command->get_name() + (synopsis.empty() ? "" : " " + synopsis);
  // A summary that cannot start in its column starts on the next line.
  const std::string gap = head.size() < kSynopsisColumn ? std::string(kSynopsisColumn - head.size(), ' ')
                                                        : "\n  " + std::string(kSynopsisColumn, ' ');
  return "  " + head + gap + command->get_description() + "\n";
}

}  // namespace velmora::cli
