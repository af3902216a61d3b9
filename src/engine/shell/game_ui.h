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
