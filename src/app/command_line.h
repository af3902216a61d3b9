#pragma once
// The command line of the window program. It is read before the window
// system is touched, so that `--help`, `--version` and a mistyped option are
// answered on a machine without a display as well.
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "program.h"

namespace velmora {

struct StartOptions {
  ProgramOptions program;
  bool quitAfterFirstPaint = false;
  QString screenshot;  // empty: none
};

// What the program says instead of starting: on standard output with exit
// code 0 (the help, the version), on standard error otherwise.
struct CommandLineAnswer {
  int exitCode = 0;
  QString text;
};

using CommandLineReading = std::variant<StartOptions, CommandLineAnswer>;

// Before the window system has taken its own options ("-platform", "-display",
// ...) an option unknown here may still be one of them.
enum class UnknownOptions { LeaveToWindowSystem, Refuse };

// Reads the arguments, the program's own name first. No value when the
// unknown options are all the window system's, left to it.
std::optional<CommandLineReading> ReadCommandLine(const QStringList& arguments, UnknownOptions unknown);

// Prints the answer where it belongs; the value is its exit code.
int Tell(const CommandLineAnswer& answer);

}  // namespace velmora
