#pragma once
// Every command of the main window: where it stands in the menus, its caption
// and short-cut, its hint on the tool bar, and the rule of the current game
// that may switch it off. The window builds its menus, tool bar and pop-up
// menus from these tables.
#include <array>
#include <cstddef>
#include <string_view>

namespace velmora {

class RuleRecord;

enum class Command {
  // File
  NewGame,
  OpenGame,
  OpenSavedGame,
  FastSearch,
  RestartGame,
  SelectGameNumber,
  RandomFromFavorites,
  RandomFromAll,
  Save,
  Players,
  HoldAndExit,
  Exit,
  // Game
  Undo,
  Redo,
  InsertBookmark,
  GoToBookmark,
  Pause,
  QuitGame,
  Autoplay,
  ShowLegalMove,
  Demo,
  // Series
  SeriesManager,
  SeriesNextGame,
  SeriesDisplay,
  SeriesSituation,
  SeriesHiScores,
  SeriesQuit,
  // Statistics
  GameStatistics,
  HiScores,
  PlayersStatistics,
  AllGamesStatistics,
  LogStatistics,
  GameInformation,
  OverallScoreChampions,
  SingleGameChampions,
  // Favorites
  AddToFavorites,
  OrganizeFavorites,
  // Tools
  Customize,
  CustomizeRules,
  CardCounter,
  Comments,
  FitToWindow,
  ZoomIn,
  ZoomOut,
  // Help
  Rules,
  HelpContents,
  TipOfTheDay,
  About,
  // Only in the table's pop-up menu: the customize dialog on one page
  ChangeCardSet,
  ChangeDeck,
  ChangeBackground,
};

inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::ChangeBackground) + 1;

// The menus of the menu bar, in order, and the submenus inside them.
enum class Menu { File, Game, Series, Statistics, Favorites, Tools, Help, RandomGame, Tutor, TableSize, None };

struct MenuRow {
  Menu menu;
  std::string_view caption;
  Menu parent;  // Menu::None for a menu of the menu bar
};

inline constexpr MenuRow kMenus[] = {
    {Menu::File, "&File", Menu::None},
    {Menu::Game, "&Game", Menu::None},
    {Menu::Series, "S&eries", Menu::None},
    {Menu::Statistics, "&Statistics", Menu::None},
    {Menu::Favorites, "F&avorites", Menu::None},
    {Menu::Tools, "&Tools", Menu::None},
    {Menu::Help, "&Help", Menu::None},
    {Menu::RandomGame, "Ra&ndom game", Menu::File},
    {Menu::Tutor, "T&utor", Menu::Game},
    {Menu::TableSize, "&Table size", Menu::Tools},
};

// The rule of the current game that decides whether a command may be used.
enum class RuleGate {
  None,
  AutoplayAvailable,  // rule 19 not 0
  SaveAndHold,        // rule 21 not 1: the game may be saved, held and bookmarked
  Tutor,              // rule 45 is 1
};

struct CommandRow {
  Command command;
  Menu menu;  // Menu::None: not in the menu bar
  std::string_view caption;
  std::string_view shortcut;  // in the portable text of a key sequence
  bool separatorBefore = false;
  bool checkable = false;
  RuleGate gate = RuleGate::None;
  // Whether the command starts usable; the others wait for a game in
  // progress, a bookmark or a running series.
  bool startsAllowed = true;
};

// In menu order. Captions may hold "[Program]", filled in when shown.
inline constexpr CommandRow kCommands[] = {
    {Command::NewGame, Menu::File, "&New game", "F2"},
    {Command::OpenGame, Menu::File, "&Open a game...", "Ctrl+F12"},
    {Command::OpenSavedGame, Menu::File, "Open a sa&ved game...", ""},
    {Command::FastSearch, Menu::File, "Games &Fast Search...", ""},
    {Command::RestartGame, Menu::File, "&Restart game", "Ctrl+F2", true},
    {Command::SelectGameNumber, Menu::File, "S&elect a game number...", "F3"},
    {Command::RandomFromFavorites, Menu::RandomGame, "From &favorite games", "Ctrl+Shift+F"},
    {Command::RandomFromAll, Menu::RandomGame, "From &all games", "Ctrl+Shift+A"},
    {Command::Save, Menu::File, "&Save...", "Ctrl+Shift+F12", true, false, RuleGate::SaveAndHold, false},
    {Command::Players, Menu::File, "&Players...", "Ctrl+L", true},
    {Command::HoldAndExit, Menu::File, "&Hold and exit...", "", true, false, RuleGate::SaveAndHold},
    {Command::Exit, Menu::File, "E&xit", ""},
    {Command::Undo, Menu::Game, "&Undo", "Ctrl+Z"},
    {Command::Redo, Menu::Game, "&Redo", "Ctrl+Y"},
    {Command::InsertBookmark, Menu::Game, "Insert &bookmark", "", true, false, RuleGate::SaveAndHold, false},
    {Command::GoToBookmark, Menu::Game, "Go &to bookmark", "", false, false, RuleGate::None, false},
    {Command::Pause, Menu::Game, "P&ause", "Ctrl+P", true, true, RuleGate::None, false},
    {Command::QuitGame, Menu::Game, "&Quit game", "Ctrl+Q", false, false, RuleGate::None, false},
    {Command::Autoplay, Menu::Game, "Aut&oplay", "F7", true, true, RuleGate::AutoplayAvailable},
    {Command::ShowLegalMove, Menu::Tutor, "Show a legal &move", "M", false, false, RuleGate::Tutor},
    {Command::Demo, Menu::Tutor, "&Demo", "", false, false, RuleGate::Tutor},
    {Command::SeriesManager, Menu::Series, "Series &Manager...", ""},
    {Command::SeriesNextGame, Menu::Series, "&Next game", "", true, false, RuleGate::None, false},
    {Command::SeriesDisplay, Menu::Series, "Series &Display", "", false, true, RuleGate::None, false},
    {Command::SeriesSituation, Menu::Series, "S&ituation...", "", false, false, RuleGate::None, false},
    {Command::SeriesHiScores, Menu::Series, "Se&ries Hi-Scores...", ""},
    {Command::SeriesQuit, Menu::Series, "&Quit Series", "", true, false, RuleGate::None, false},
    {Command::GameStatistics, Menu::Statistics, "&Game statistics...", "F4"},
    {Command::HiScores, Menu::Statistics, "&Hi-Scores...", "F9"},
    {Command::PlayersStatistics, Menu::Statistics, "&Players' statistics...", "", true},
    {Command::AllGamesStatistics, Menu::Statistics, "&All games statistics...", ""},
    {Command::LogStatistics, Menu::Statistics, "&Log statistics...", ""},
    {Command::GameInformation, Menu::Statistics, "Game &information...", "F5", true},
    {Command::OverallScoreChampions, Menu::Statistics, "\"&Overall Score\" Champions", "", true},
    {Command::SingleGameChampions, Menu::Statistics, "\"&Single Game\" Champions", ""},
    {Command::AddToFavorites, Menu::Favorites, "&Add to Favorites...", ""},
    {Command::OrganizeFavorites, Menu::Favorites, "&Organize Favorites...", "Ctrl+F"},
    {Command::Customize, Menu::Tools, "C&ustomize...", "Ctrl+U"},
    {Command::CustomizeRules, Menu::Tools, "Customize &rules...", "Ctrl+R"},
    {Command::CardCounter, Menu::Tools, "&Card counter...", "F8", true, true},
    {Command::Comments, Menu::Tools, "Co&mments...", ""},
    {Command::FitToWindow, Menu::TableSize, "&Fit to window", "Ctrl+0", false, true},
    {Command::ZoomIn, Menu::TableSize, "Zoom &in", "Ctrl++"},
    {Command::ZoomOut, Menu::TableSize, "Zoom &out", "Ctrl+-"},
    {Command::Rules, Menu::Help, "&Rules", "F1"},
    {Command::HelpContents, Menu::Help, "&Contents", ""},
    {Command::TipOfTheDay, Menu::Help, "&Tip of the Day...", "", true},
    {Command::About, Menu::Help, "A&bout [Program]...", "", true},
    {Command::ChangeCardSet, Menu::None, "Change card set", ""},
    {Command::ChangeDeck, Menu::None, "Change deck", ""},
    {Command::ChangeBackground, Menu::None, "Change background", ""},
};

// The row of a command; every command has exactly one.
const CommandRow& RowOf(Command command);

// Whether the rules of the current game let the command be used.
bool RulesAllow(RuleGate gate, const RuleRecord& rules);

// The tool bar: the large one, and the small one with "Save" in its own group.
struct ToolButtonRow {
  Command command;
  std::string_view glyph;  // the large glyph; the small one adds "1"
  std::string_view hint;
  bool separatorBefore = false;
  bool smallOnly = false;
};

inline constexpr ToolButtonRow kToolButtons[] = {
    {Command::NewGame, "TB_NEW", "New"},
    {Command::OpenGame, "TB_OPEN", "Open"},
    {Command::FastSearch, "TB_FASTSEARCH", "Fast Search"},
    {Command::Save, "TB_SAVE", "Save", true, true},
    {Command::RestartGame, "TB_RESTART", "Restart", true},
    {Command::Undo, "TB_UNDO", "Undo", true},
    {Command::Redo, "TB_REDO", "Redo"},
    {Command::Autoplay, "TB_AUTOPLAY", "Autoplay"},
    {Command::GameStatistics, "TB_STAT", "Statistics", true},
    {Command::Rules, "TB_RULES", "Rules"},
    {Command::Exit, "TB_EXIT", "Exit", true},
};

// The buttons whose glyph has a greyed twin ("_DIS") for the disabled state.
bool HasDisabledGlyph(Command command);

// The table's pop-up menu: the caption of each item and the command it runs.
struct PopupRow {
  Command command;
  std::string_view caption;
  std::string_view shortcut;
  bool separatorBefore = false;
};

inline constexpr PopupRow kTablePopup[] = {
    {Command::GameInformation, "Game information...", ""},
    {Command::OrganizeFavorites, "Favorite games...", ""},
    {Command::ChangeCardSet, "Change card set", "", true},
    {Command::ChangeDeck, "Change deck", ""},
    {Command::ChangeBackground, "Change background", ""},
    {Command::Pause, "Pause", "Ctrl+P", true},
    {Command::QuitGame, "Quit game", "Ctrl+Q"},
    {Command::CardCounter, "Card counter", "F8", true},
};

inline constexpr std::string_view kProgramName = "Velmora 2001";

// The caption or message with "[Program]" and "[Program_sw]" filled in.
std::string FillProgramName(std::string_view text);

}  // namespace velmora
