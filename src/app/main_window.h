#pragma once
// The main window: the table of the current game with the menus, the tool
// bar, the time and score panels, the status bar, the pop-up menus, the
// one-second clock and the pause screen around it, and the close and first
// activation handling of the program.
//
// Every command is a QAction reached through `action(Command)`. A command is
// enabled only once it has a handler (`connectCommand`), the rules of the
// current game allow it and the state of play allows it
// (`setCommandAllowed`), so no item ever does nothing when chosen.
#include <QEvent>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>

#include "commands.h"

class QActionGroup;
class QMenu;
class QToolBar;
class QLabel;

namespace velmora {

class InfoPanel;
class PauseScreen;
class PileSizeLabel;
class ResourceStore;
class TMainGame;

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // Without a resource store the tool bar shows its hints instead of glyphs
  // and the pause screen has no pictures.
  explicit MainWindow(TMainGame& game, QWidget* parent = nullptr);
  MainWindow(TMainGame& game, const ResourceStore* resources, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Places the window as it was left, on the screen it is shown on.
  void restorePlacement();

  // --- Commands ---
  QAction* action(Command command) const;
  // Runs `handler` when the command is chosen, from the menu, the tool bar,
  // a short-cut or a pop-up menu.
  void connectCommand(Command command, std::function<void()> handler);
  // The state of play: a game in progress for "Pause" and "Quit game", a
  // bookmark for "Go to bookmark", a running series for its commands, ...
  void setCommandAllowed(Command command, bool allowed);
  // Enables and disables every command by its handler, the rules of the
  // current game and the state of play.
  void updateCommands();
  // After a game is prepared or dealt: the commands, the autoplay check and
  // the status bar follow the current game.
  void gameChanged();
  QMenu* menu(Menu which) const;
  // Autoplay works only while its command is both checked and enabled.
  bool isAutoplayOn() const;

  // --- The table ---
  // The widget that shows the table fills the area below the tool bar; the
  // window takes it over and drops the one it had.
  void setTable(QWidget* table);
  QWidget* table() const { return table_; }

  // --- Tool bar and panels (kept in the preference file) ---
  void setToolBarShown(bool shown);
  bool isToolBarShown() const { return toolBarShown_; }
  void setLargeToolBar(bool large);
  bool hasLargeToolBar() const { return large_; }
  void setFlatToolBar(bool flat);
  bool hasFlatToolBar() const { return flat_; }
  void setTimePanelShown(bool shown);
  bool isTimePanelShown() const;
  void setScorePanelShown(bool shown);
  bool isScorePanelShown() const;
  QToolBar* toolBar() const { return toolBar_; }
  // The tool button of a command, when the current tool bar has one.
  QWidget* toolButton(Command command) const;

  void showScore(std::int64_t score);
  QString scoreText() const;
  // The time panel: "h:nn:ss".
  void showElapsedTime(std::int64_t seconds);
  QString clockText() const;
  // The time panel from the game clock, when it runs.
  void updateClock();

  // --- The pile-size label, in the table's coordinates ---
  void showPileSize(int count, QPoint position);
  void hidePileSize();
  bool isPileSizeShown() const;

  // --- Pop-up menus ---
  enum class Popup { Table, ToolBar, Time, Score };
  QMenu* popup(Popup which) const;

  // --- Pause: the table covered, the clock stopped; any key or mouse
  // button press ends it and goes no further. ---
  void setPaused(bool paused);
  bool isPaused() const { return paused_; }

 signals:
  // Emitted once, after the window's first paint.
  void firstPainted();
  // Emitted once, on the first activation: where a held game is resumed or
  // the choice of a game begins.
  void firstActivated();
  // Every second, after the clock is shown.
  void ticked();
  // The "Autoplay" switch was turned by the player.
  void autoplaySwitched(bool on);
  void pauseChanged(bool paused);
  // The tool bar was shown or hidden: the table's top edge moves.
  void toolBarShownChanged(bool shown);
  // The close was accepted: the tool windows keep their settings and hide.
  void closing();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QMenu* createPopupMenu() override;

 private:
  struct ToolEntry {
    QAction* button = nullptr;  // the tool bar's own action for the command
    Command command = Command::NewGame;
    bool smallOnly = false;
  };

  void buildMenus();
  void buildToolBar();
  void buildPopups();
  void buildStatusBar();
  void connectOwnCommands();
  void readToolBarPreferences();
  void applyToolBarLook();
  // Shows the time and score panels as the store says.
  void applyPanels();
  void loadGlyphs();
  void updatePopupStates();
  void updateStatusBar();
  void writePreference(std::string_view key, bool on);
  void switchAutoplay(bool on);
  void showAbout();
  void endPauseFromInput(QEvent* event);
  void placeOverlays();
  // Runs once, on the first activation.
  void firstActivation();
  // At the close: a game in progress is held, or left to be counted as lost,
  // as the player wants. False when the close is cancelled.
  bool settleUnfinishedGame();

  TMainGame& game_;
  const ResourceStore* resources_;
  bool painted_ = false;

  std::array<QAction*, kCommandCount> actions_{};
  std::array<bool, kCommandCount> connected_{};
  std::array<bool, kCommandCount> allowed_{};
  std::array<QMenu*, static_cast<std::size_t>(Menu::None)> menus_{};

  QToolBar* toolBar_ = nullptr;
  std::vector<ToolEntry> toolEntries_;
  QAction* saveSeparator_ = nullptr;
  InfoPanel* timePanel_ = nullptr;
  InfoPanel* scorePanel_ = nullptr;
  QAction* timePanelAction_ = nullptr;
  QAction* scorePanelAction_ = nullptr;
  QAction* panelGapAction_ = nullptr;
  bool toolBarShown_ = true;
  bool large_ = false;
  bool flat_ = true;

  QMenu* tablePopup_ = nullptr;
  QMenu* toolBarPopup_ = nullptr;
  QMenu* timePopup_ = nullptr;
  QMenu* scorePopup_ = nullptr;
  QAction* largeIcons_ = nullptr;
  QAction* smallIcons_ = nullptr;
  QAction* flatButtons_ = nullptr;
  QAction* raisedButtons_ = nullptr;
  QAction* showTime_ = nullptr;
  QAction* showScore_ = nullptr;

  QLabel* playerStatus_ = nullptr;
  QLabel* gameStatus_ = nullptr;

  QWidget* tableArea_ = nullptr;
  QPointer<QWidget> table_;
  PileSizeLabel* pileSize_ = nullptr;
  PauseScreen* pauseScreen_ = nullptr;
  bool paused_ = false;
  bool clockRanBeforePause_ = false;
  // After a press ended the pause, its release is swallowed as well.
  QEvent::Type swallowRelease_ = QEvent::None;

  QTimer clockTimer_;
};

}  // namespace velmora
