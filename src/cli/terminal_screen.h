#pragma once
// The terminal game's screen, through ncurses: the status line on top, the
// table under it (or the help), a message line and the command line at the
// bottom. A terminal too small for the table says so instead.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "terminal_table.h"

namespace velmora {
class TMainGame;
}

namespace velmora::cli {

// What the screen shows beside the table.
struct ScreenText {
  std::string game;                    // the game and its deal number
  std::string counters;                // score, clock, cards left
  const std::vector<std::string>* help = nullptr;  // shown instead of the table when set
  std::string message;                 // the answer to the last command
  std::string input;                   // the command being typed
};

// A key as the command line takes it.
struct Key {
  enum class Kind { None, Character, Enter, Erase, Cancel, EndOfInput } kind = Kind::None;
  char character = 0;
};

class Screen {
 public:
  // The terminal of standard input and output taken over; the reason when it
  // cannot be.
  static std::unique_ptr<Screen> Open(std::string& problem);
  ~Screen();  // the terminal as it was
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  Symbols symbols() const { return symbols_; }
  void draw(const TMainGame& game, const ScreenText& text);

  // The next key, or Kind::None after a tick of the clock or a change of the
  // terminal's size: either way the screen is drawn again.
  Key nextKey();

 private:
  Screen(void* terminal, Symbols symbols, bool colours);
  void drawTable(const TMainGame& game, int top, int rows);
  void drawLine(int row, const TextLine& line);

  void* terminal_;  // the curses SCREEN
  Symbols symbols_;
  bool colours_;
};

}  // namespace velmora::cli
