// The window program's command line, read before any window exists: help and
// version answered, empty names and bad deal numbers refused, options the
// window system takes left to it.
#include <gtest/gtest.h>

#include <QStringList>

#include "command_line.h"

namespace velmora {
namespace {

enum class Outcome { Starts, Answers, Refuses, LeftToWindowSystem };

struct CommandLineCase {
  const char* name;
  QStringList arguments;  // after the program's name
  Outcome outcome;
  const char* says = "";  // a part of the answer
  UnknownOptions unknown = UnknownOptions::LeaveToWindowSystem;
};

const CommandLineCase kCases[] = {
    {"no options", {}, Outcome::Starts},
    {"--help", {"--help"}, Outcome::Answers, "--data-dir <DIR>"},
    {"-h names the program", {"-h"}, Outcome::Answers, "Usage: velmora [options]"},
    {"--help beside an option of the window system", {"-platform", "xcb", "--help"}, Outcome::Answers, "--deal"},
    {"--version", {"--version"}, Outcome::Answers, "Velmora 2001 " VELMORA_VERSION},
    {"an empty data folder", {"--data-dir", ""}, Outcome::Refuses, "--data-dir needs a folder name"},
    {"a blank data folder", {"--data-dir=  "}, Outcome::Refuses, "--data-dir needs a folder name"},
    {"an empty program folder", {"--program-dir", ""}, Outcome::Refuses, "--program-dir needs a folder name"},
    {"an empty screenshot file", {"--screenshot", ""}, Outcome::Refuses, "--screenshot needs a file name"},
    {"an empty game", {"--game", ""}, Outcome::Refuses, "--game needs a game number or name"},
    {"deal number 0", {"--game", "FreeCell", "--deal", "0"}, Outcome::Refuses, "--deal 0 is not a deal number"},
    {"a deal number of letters", {"--game", "1", "--deal", "abc"}, Outcome::Refuses, "not a deal number"},
    {"a deal number of 14 digits", {"--game", "1", "--deal", "12345678901234"}, Outcome::Refuses, "not a deal number"},
    {"a deal without a game", {"--deal", "42"}, Outcome::Refuses, "--deal needs --game"},
    {"a game and its deal", {"--game", "FreeCell", "--deal", "42"}, Outcome::Starts},
    {"a value missing", {"--data-dir"}, Outcome::Refuses, "Missing value after '--data-dir'"},
    {"a stray argument", {"FreeCell"}, Outcome::Refuses, "Unexpected argument: FreeCell"},
    {"the window system's options, before it took them", {"-platform", "xcb", "--style=fusion"},
     Outcome::LeftToWindowSystem},
    {"an option of nobody's, beside the window system's", {"-platform", "xcb", "--colour", "red"}, Outcome::Refuses,
     "Unknown option: --colour"},
    {"a window system's option it did not take", {"-platform", "xcb"}, Outcome::Refuses, "Unknown option: --platform",
     UnknownOptions::Refuse},
};

TEST(CommandLine, AnswersRefusesOrStartsBeforeAnyWindowExists) {
  for (const CommandLineCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const auto reading = ReadCommandLine(QStringList{QStringLiteral("/usr/games/velmora")} + c.arguments, c.unknown);
    if (c.outcome == Outcome::LeftToWindowSystem) {
      EXPECT_FALSE(reading.has_value());
      continue;
    }
    ASSERT_TRUE(reading.has_value());
    const auto* answer = std::get_if<CommandLineAnswer>(&*reading);
    ASSERT_EQ(answer == nullptr, c.outcome == Outcome::Starts) << (answer ? answer->text.toStdString() : "");
    if (!answer) continue;
    EXPECT_EQ(answer->exitCode == 0, c.outcome == Outcome::Answers);
    EXPECT_TRUE(answer->text.contains(QString::fromUtf8(c.says))) << answer->text.toStdString();
  }
}

TEST(CommandLine, TheOptionsReachTheProgram) {
  const auto reading = ReadCommandLine({"velmora", "--program-dir", "/opt/v", "--data-dir", "/home/p/v", "--game",
                                        "Klondike", "--deal", "42", "--screenshot", "shot.png",
                                        "--quit-after-first-paint"},
                                       UnknownOptions::Refuse);
  ASSERT_TRUE(reading.has_value());
  const auto* start = std::get_if<StartOptions>(&*reading);
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(start->program.programFolder, fs::path("/opt/v"));
  EXPECT_EQ(start->program.dataFolder, fs::path("/home/p/v"));
  EXPECT_EQ(start->program.game, QStringLiteral("Klondike"));
  EXPECT_EQ(start->program.deal, QStringLiteral("42"));
  EXPECT_EQ(start->screenshot, QStringLiteral("shot.png"));
  EXPECT_TRUE(start->quitAfterFirstPaint);
}

}  // namespace
}  // namespace velmora
