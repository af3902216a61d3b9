#pragma once
// The one way the engine reaches the screen. The program implements it with
// windows; the command-line tool and the tests script it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card.h"
#include "piles/pile_geometry.h"

namespace velmora {

class GameUi {
 public:
  enum class Icon { Information, Warning, Error };
  // Laying out places every pile afresh (a new game, another card size);
  // the piles alone are redrawn after cards moved; the carried cards moved
  // with the pointer (the game object's carry says where).
  enum class TableChange { Layout, Piles, Carry };

  virtual ~GameUi() = default;

  // The hint: an arrow between two points of the table (window coordinates);
  // the same point twice marks a card to turn or the stock to press.
  virtual void showHintArrow(TablePoint from, TablePoint to) {
    (void)from;
    (void)to;
  }
  virtual void hideHintArrow() {}
  // The demonstration's window: shown or hidden, its move count, its description.
  virtual void showDemoWindow(bool shown) { (void)shown; }
  virtual bool demoWindowShown() const { return false; }
  virtual void showDemoMoves(int count) { (void)count; }
  virtual void showDemoDescription(std::string_view text) { (void)text; }

  virtual void showMessage(std::string_view caption, std::string_view text, Icon icon) = 0;
  // A confirmation with OK and Cancel; true for OK.
  virtual bool askQuestion(std::string_view caption, std::string_view text) = 0;
  // A sound of the resource bundle by name; a name it lacks stops the sound.
  virtual void playSound(std::string_view name) = 0;
  virtual void stopSound() = 0;
  virtual void showTable(TableChange change) = 0;
  // The system's default sound: a refused move.
  virtual void beep() = 0;
  // The score panel shows the score.
  virtual void showScore(std::int64_t score) = 0;
  // Cards fly from one place to another (window coordinates of the bottom
  // card); returns when they have landed.
  virtual void flyCards(const std::vector<CardId>& cards, TablePoint from, TablePoint to) = 0;
  // Lets about `milliseconds` pass with the window alive: its events run, so
  // commands may run inside the wait and callers look at the program's flags
  // again afterwards. Without a window nothing waits.
  virtual void pauseFor(int milliseconds) { (void)milliseconds; }
  // An advisory box with the picture of `picturePage` (0 colours, 1 screen
  // size) and "Don't show this message box again"; true when that was ticked.
  virtual bool showAdvice(std::string_view text, int picturePage) {
    (void)picturePage;
    showMessage("Information", text, Icon::Information);
    return false;
  }

  // The result panel of the poker squares: a hand's name (bold), its
  // points, and the total (its word bold).
  struct ResultPanel {
    std::string hand;
    std::string points;
    std::string total;

    bool operator==(const ResultPanel&) const = default;
  };
  virtual void showResultPanel(const ResultPanel& panel) { (void)panel; }
  // These cards are drawn highlighted; none takes the highlight away.
  virtual void highlightCards(const std::vector<CardId>& cards) { (void)cards; }

  // The result of a memory game, shown when it ends: how its score was made.
  struct MemoryResult {
    // One line of the count: what was counted, how many, the points each,
    // and the points they made ("Matches", 12, 10, 120).
    struct Count {
      std::string what;
      std::int64_t count = 0;
      std::int64_t pointsEach = 0;
      std::int64_t points = 0;

      bool operator==(const Count&) const = default;
    };
    bool won = false;
    std::string page;     // the family's page: "Pairs", "Ace-To-King", "Forget me not", "Concentration"
    std::string heading;  // "Grid: 4 x 3", "Cards: 52"
    std::vector<Count> counts;
    std::int64_t start = 0;  // the score at the deal
    std::int64_t total = 0;  // the score
    std::int64_t scoreToWin = 0;

    bool operator==(const MemoryResult&) const = default;
  };
  // The memory game's result window; returns when it has closed.
  virtual void showMemoryResult(const MemoryResult& result) { (void)result; }

  // --- The end of a game ---
  // A game ended after `seconds` of play: the commands that need a game in
  // progress are switched off and the time panel shows the final time.
  virtual void gameEnded(std::int64_t seconds) { (void)seconds; }
  // The winning animation of a won game; returns when it is over.
  virtual void playWinningAnimation() {}
  // The dialog that follows a win; returns when it has closed.
  virtual void showGameWon() {}
  // The close of the main window that was asked for during an animation.
  virtual void closeMainWindow() {}
};

}  // namespace velmora
