#pragma once
// Start-up and shutdown of the program, as far as they are logic: the order in
// which the data folder, the preference file and the rule file are taken up,
// the defaults and repairs, and what is written back at exit. The windows
// themselves are the program's.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "files/folders.h"

namespace velmora {

class TMainGame;
class IniDocument;

struct StartupEnvironment {
  int screenColourDepth = 24;
  // Whether the resource bundle holds a bitmap of that name.
  std::function<bool(std::string_view)> hasBitmap;
};

// Why the program cannot start, for a message box or standard error.
struct StartupFailure {
  std::string caption;
  std::string text;
};

inline constexpr std::string_view kVersionMarker = "SOLV0600.DAT";
inline constexpr std::string_view kScreenUnder256Colours =
    "At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit "
    "(65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. \rIf your video driver "
    "allows High or True color mode settings (16 bit or 24 bit), modify your screen resolution using the "
    "Display Properties Settings in the Control Panel.";

StartupFailure ResourceBundleFailure(const fs::path& bundle);
StartupFailure RuleFileFailure(const fs::path& ruleFile);
StartupFailure AlreadyRunningFailure(const fs::path& dataFolder);

// The main initialisation after the resource bundle is loaded: data folder
// and its single-instance lock, preferences into the store with their repairs, players, start count, autoplay,
// session counters, the rule file check, version marker and clean-up of older
// versions' files. A failure ends the program with its message.
std::optional<StartupFailure> InitialiseProgram(TMainGame& game, const StartupEnvironment& environment);

// Copies the `Preference` keys (and the few `Settings` values start-up reads)
// into the store and the state words, with the repairs of missing or zero values.
void LoadPreferences(TMainGame& game, const IniDocument& file, const StartupEnvironment& environment);

struct WindowPlacement {
  int left = 50;
  int top = 50;
  int width = 0;
  int height = 0;
  bool maximized = false;
};

// The stored main window placement; the defaults fit a screen of that size.
WindowPlacement ReadWindowPlacement(const IniDocument& file, int screenWidth, int screenHeight);

// The close query of the main window: records the placement, and answers
// whether the program may close now (a running demo or animation is stopped
// first and the close refused; `ConfirmQuit` asks).
bool QueryClose(TMainGame& game, const WindowPlacement& placement);

// The keys kept at exit: the autoplay switch (one switch for all games only)
// and the kind of random game choice.
void WriteExitPreferences(TMainGame& game);

}  // namespace velmora
