#include "terminal_screen.h"

#include <curses.h>
#include <langinfo.h>

#include <clocale>
#include <cstdio>
#include <string_view>

namespace velmora::cli {
namespace {

constexpr int kTickMs = 1000;  // the clock shows seconds
constexpr int kGameRow = 0;
constexpr int kCountersRow = 1;
constexpr int kTableTop = 3;  // a blank line under the counters
constexpr int kRowsBelowTable = 2;  // the message and the command line
constexpr std::string_view kPrompt = "> ";
constexpr int kEndOfTransmission = 4;  // Ctrl+D
constexpr int kEscape = 27;
constexpr int kDelete = 127;
constexpr int kFirstPrintable = 32;
constexpr int kLastPrintable = 126;
constexpr short kDefaultColour = -1;

enum ColourPair : short { kRedCards = 1, kBlackCards, kFaceDownCards, kPileNames };

attr_t Attribute(Ink ink, bool colours) {
  switch (ink) {
    case Ink::Red: return colours ? COLOR_PAIR(kRedCards) | A_BOLD : A_BOLD;
    case Ink::Black: return colours ? COLOR_PAIR(kBlackCards) : A_NORMAL;
    case Ink::FaceDown: return colours ? COLOR_PAIR(kFaceDownCards) : A_DIM;
    case Ink::PileName: return colours ? COLOR_PAIR(kPileNames) : A_UNDERLINE;
    case Ink::Plain: break;
  }
  return A_NORMAL;
}

// Colours on the terminal's own background where it allows that.
bool StartColours() {
  if (!has_colors() || start_color() == ERR) return false;
  const short background = use_default_colors() == OK ? kDefaultColour : COLOR_BLACK;
  const short black = background == kDefaultColour ? kDefaultColour : COLOR_WHITE;  // black suits on a dark screen
  init_pair(kRedCards, COLOR_RED, background);
  init_pair(kBlackCards, black, background);
  init_pair(kFaceDownCards, COLOR_BLUE, background);
  init_pair(kPileNames, COLOR_CYAN, background);
  return true;
}

void PutCut(int row, std::string_view text) {
  mvaddnstr(row, 0, text.data(), std::min<int>(static_cast<int>(text.size()), COLS));
}

}  // namespace

std::unique_ptr<Screen> Screen::Open(std::string& problem) {
  std::setlocale(LC_ALL, "");  // wide characters for the suits
  SCREEN* terminal = newterm(nullptr, stdout, stdin);
  if (!terminal) {
    problem = "this terminal cannot be drawn on (TERM is not set to a terminal ncurses knows)";
    return nullptr;
  }
  set_term(terminal);
  cbreak();
  noecho();
  keypad(stdscr, TRUE);
  timeout(kTickMs);
  const Symbols symbols = std::string_view(nl_langinfo(CODESET)) == "UTF-8" ? Symbols::Suits : Symbols::Letters;
  return std::unique_ptr<Screen>(new Screen(terminal, symbols, StartColours()));
}

Screen::Screen(void* terminal, Symbols symbols, bool colours)
    : terminal_(terminal), symbols_(symbols), colours_(colours) {}

Screen::~Screen() {
  endwin();
  delscreen(static_cast<SCREEN*>(terminal_));
}

void Screen::drawLine(int row, const TextLine& line) {
  move(row, 0);
  for (const TextRun& run : line) {
    const attr_t attribute = Attribute(run.ink, colours_);
    attron(attribute);
    addstr(run.text.c_str());
    attroff(attribute);
  }
}

void Screen::drawTable(const TMainGame& game, int top, int rows) {
  const auto lines = TableText(game, COLS, rows, symbols_);
  if (!lines) {
    const std::string size = std::to_string(COLS) + " x " + std::to_string(LINES);
    PutCut(top, "The terminal (" + size + ") is too small for this table:");
    PutCut(top + 1, "make it larger, or type quit.");
    return;
  }
  for (std::size_t i = 0; i < lines->size(); ++i) drawLine(top + static_cast<int>(i), (*lines)[i]);
}

void Screen::draw(const TMainGame& game, const ScreenText& text) {
  erase();
  const int tableRows = LINES - kTableTop - kRowsBelowTable;
  PutCut(kGameRow, text.game);
  PutCut(kCountersRow, text.counters);
  if (tableRows < 1) {
    erase();
    PutCut(kGameRow, "The terminal is too small.");
  } else if (text.help) {
    for (int i = 0; i < std::min<int>(tableRows, static_cast<int>(text.help->size())); ++i)
      PutCut(kTableTop + i, (*text.help)[static_cast<std::size_t>(i)]);
  } else {
    drawTable(game, kTableTop, tableRows);
  }
  if (LINES > kRowsBelowTable) PutCut(LINES - kRowsBelowTable, text.message);
  // The end of a long command stays in sight.
  const std::string prompt = std::string(kPrompt) + text.input;
  const int shown = std::min<int>(static_cast<int>(prompt.size()), std::max(COLS - 1, 0));
  mvaddnstr(LINES - 1, 0, prompt.c_str() + prompt.size() - static_cast<std::size_t>(shown), shown);
  refresh();
}

Key Screen::nextKey() {
  const int key = getch();
  if (key == '\n' || key == '\r' || key == KEY_ENTER) return {Key::Kind::Enter};
  if (key == KEY_BACKSPACE || key == kDelete || key == '\b') return {Key::Kind::Erase};
  if (key == kEscape) return {Key::Kind::Cancel};
  if (key == kEndOfTransmission) return {Key::Kind::EndOfInput};
  if (key >= kFirstPrintable && key <= kLastPrintable) return {Key::Kind::Character, static_cast<char>(key)};
  return {};  // a tick (ERR), a new size (KEY_RESIZE) or a key the command line does not use
}

}  // namespace velmora::cli
