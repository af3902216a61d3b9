// The main window's commands: menus, captions, short-cuts, what is enabled
// when, the tool bar that mirrors them and the pop-up menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QLabel>
#include <QHelpEvent>
#include <set>

#include "app_test_support.h"
#include "main_window.h"
#include "shell/autoplay_switch.h"
#include "status_panels.h"

namespace velmora {
namespace {

using testing::GameFixture;

class MainWindowTest : public ::testing::Test, protected GameFixture {
 protected:
  std::unique_ptr<MainWindow> makeWindow() { return std::make_unique<MainWindow>(game, &resources); }

  // The title of the menu holding the action, "File > Random game" for a submenu.
  static QString MenuPath(const MainWindow& window, QAction* action) {
    for (QAction* top : window.menuBar()->actions()) {
      QMenu* menu = top->menu();
      if (menu->actions().contains(action)) return menu->title();
      for (QAction* inner : menu->actions())
        if (inner->menu() && inner->menu()->actions().contains(action))
          return menu->title() + QStringLiteral(" > ") + inner->menu()->title();
    }
    return {};
  }
};

TEST_F(MainWindowTest, MenusHoldEveryCommandWithItsCaptionAndShortcut) {
  const auto window = makeWindow();
  struct Case {
    Command command;
    const char* menu;
    const char* caption;
    const char* shortcut;
  } cases[] = {
      {Command::NewGame, "&File", "&New game", "F2"},
      {Command::OpenGame, "&File", "&Open a game...", "Ctrl+F12"},
      {Command::OpenSavedGame, "&File", "Open a sa&ved game...", ""},
      {Command::FastSearch, "&File", "Games &Fast Search...", ""},
      {Command::RestartGame, "&File", "&Restart game", "Ctrl+F2"},
      {Command::SelectGameNumber, "&File", "S&elect a game number...", "F3"},
      {Command::RandomFromFavorites, "&File > Ra&ndom game", "From &favorite games", "Ctrl+Shift+F"},
      {Command::RandomFromAll, "&File > Ra&ndom game", "From &all games", "Ctrl+Shift+A"},
      {Command::Save, "&File", "&Save...", "Ctrl+Shift+F12"},
      {Command::Players, "&File", "&Players...", "Ctrl+L"},
      {Command::HoldAndExit, "&File", "&Hold and exit...", ""},
      {Command::Exit, "&File", "E&xit", ""},
      {Command::Undo, "&Game", "&Undo", "Ctrl+Z"},
      {Command::Redo, "&Game", "&Redo", "Ctrl+Y"},
      {Command::InsertBookmark, "&Game", "Insert &bookmark", ""},
      {Command::GoToBookmark, "&Game", "Go &to bookmark", ""},
      {Command::Pause, "&Game", "P&ause", "Ctrl+P"},
      {Command::QuitGame, "&Game", "&Quit game", "Ctrl+Q"},
      {Command::Autoplay, "&Game", "Aut&oplay", "F7"},
      {Command::ShowLegalMove, "&Game > T&utor", "Show a legal &move", "M"},
      {Command::Demo, "&Game > T&utor", "&Demo", ""},
      {Command::SeriesManager, "S&eries", "Series &Manager...", ""},
      {Command::SeriesNextGame, "S&eries", "&Next game", ""},
      {Command::SeriesDisplay, "S&eries", "Series &Display", ""},
      {Command::SeriesSituation, "S&eries", "S&ituation...", ""},
      {Command::SeriesHiScores, "S&eries", "Se&ries Hi-Scores...", ""},
      {Command::SeriesQuit, "S&eries", "&Quit Series", ""},
      {Command::GameStatistics, "&Statistics", "&Game statistics...", "F4"},
      {Command::HiScores, "&Statistics", "&Hi-Scores...", "F9"},
      {Command::PlayersStatistics, "&Statistics", "&Players' statistics...", ""},
      {Command::AllGamesStatistics, "&Statistics", "&All games statistics...", ""},
      {Command::LogStatistics, "&Statistics", "&Log statistics...", ""},
      {Command::GameInformation, "&Statistics", "Game &information...", "F5"},
      {Command::OverallScoreChampions, "&Statistics", "\"&Overall Score\" Champions", ""},
      {Command::SingleGameChampions, "&Statistics", "\"&Single Game\" Champions", ""},
      {Command::AddToFavorites, "F&avorites", "&Add to Favorites...", ""},
      {Command::OrganizeFavorites, "F&avorites", "&Organize Favorites...", "Ctrl+F"},
      {Command::Customize, "&Tools", "C&ustomize...", "Ctrl+U"},
      {Command::CustomizeRules, "&Tools", "Customize &rules...", "Ctrl+R"},
      {Command::CardCounter, "&Tools", "&Card counter...", "F8"},
      {Command::Comments, "&Tools", "Co&mments...", ""},
      {Command::Rules, "&Help", "&Rules", "F1"},
      {Command::HelpContents, "&Help", "&Contents", ""},
      {Command::TipOfTheDay, "&Help", "&Tip of the Day...", ""},
      {Command::About, "&Help", "A&bout Velmora 2001...", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    QAction* action = window->action(c.command);
    EXPECT_EQ(action->text(), QString::fromUtf8(c.caption));
    EXPECT_EQ(action->shortcut().toString(QKeySequence::PortableText), QString::fromUtf8(c.shortcut));
    EXPECT_EQ(MenuPath(*window, action), QString::fromUtf8(c.menu));
  }
  QStringList titles;
  for (QAction* top : window->menuBar()->actions()) titles << top->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Game", "S&eries", "&Statistics", "F&avorites", "&Tools", "&Help"}));
  EXPECT_TRUE(window->menu(Menu::Tutor)->menuAction()->isVisible()) << "the tutor stays within reach";
}

TEST_F(MainWindowTest, NoTwoCommandsShareAShortcut) {
  const auto window = makeWindow();
  std::set<QString> seen;
  for (const CommandRow& row : kCommands) {
    const QString keys = window->action(row.command)->shortcut().toString(QKeySequence::PortableText);
    if (keys.isEmpty()) continue;
    EXPECT_TRUE(seen.insert(keys).second) << keys.toStdString();
  }
}

TEST_F(MainWindowTest, AtStartUpOnlyCommandsThatWorkAreEnabled) {
  const auto window = makeWindow();
  // Without a game: the program can be left ("Hold and exit..." holds
  // nothing then) and told about; the rest waits for its handler, a game in
  // progress or the rules of a game.
  const std::set<Command> enabled = {Command::Exit, Command::HoldAndExit, Command::About};
  for (const CommandRow& row : kCommands)
    EXPECT_EQ(window->action(row.command)->isEnabled(), enabled.count(row.command) == 1) << row.caption;
  for (Menu submenu : {Menu::Tutor, Menu::RandomGame})
    EXPECT_FALSE(window->menu(submenu)->menuAction()->isEnabled()) << "no item of it can be chosen";
}

TEST_F(MainWindowTest, TheRulesOfTheGameSwitchCommandsOff) {
  const auto window = makeWindow();
  for (Command command : {Command::Save, Command::HoldAndExit, Command::InsertBookmark, Command::ShowLegalMove,
                          Command::Demo, Command::NewGame})
    window->connectCommand(command, [] {});
  window->setCommandAllowed(Command::InsertBookmark, true);
  window->setCommandAllowed(Command::Save, true);

  struct Case {
    const char* what;
    int rule19, rule21, rule45;
    bool autoplay, saveHoldBookmark, tutor;
  } cases[] = {
      {"all rules 0", 0, 0, 0, false, true, false},
      {"autoplay available", 1, 0, 0, true, true, false},
      {"autoplay any other value", -1, 0, 0, true, true, false},
      {"no save, hold or bookmark", 0, 1, 0, false, false, false},
      {"rule 21 other than 1", 0, 2, 0, false, true, false},
      {"tutor", 0, 0, 1, false, true, true},
      {"tutor only for 1", 0, 0, 2, false, true, false},
      {"all three", 1, 1, 1, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    game.rules()[19] = static_cast<std::int16_t>(c.rule19);
    game.rules()[21] = static_cast<std::int16_t>(c.rule21);
    game.rules()[45] = static_cast<std::int16_t>(c.rule45);
    window->gameChanged();
    EXPECT_EQ(window->action(Command::Autoplay)->isEnabled(), c.autoplay);
    EXPECT_EQ(window->toolButton(Command::Autoplay)->isEnabled(), c.autoplay);
    for (Command command : {Command::Save, Command::HoldAndExit, Command::InsertBookmark})
      EXPECT_EQ(window->action(command)->isEnabled(), c.saveHoldBookmark) << RowOf(command).caption;
    for (Command command : {Command::ShowLegalMove, Command::Demo})
      EXPECT_EQ(window->action(command)->isEnabled(), c.tutor) << RowOf(command).caption;
    EXPECT_EQ(window->menu(Menu::Tutor)->menuAction()->isEnabled(), c.tutor);
    EXPECT_TRUE(window->action(Command::NewGame)->isEnabled()) << "no rule touches it";
  }
}

TEST_F(MainWindowTest, TheStateOfPlayEnablesCommandsWithAHandler) {
  const auto window = makeWindow();
  EXPECT_FALSE(window->action(Command::Pause)->isEnabled());
  window->setCommandAllowed(Command::Pause, true);
  EXPECT_TRUE(window->action(Command::Pause)->isEnabled());
  window->setCommandAllowed(Command::QuitGame, true);
  EXPECT_FALSE(window->action(Command::QuitGame)->isEnabled()) << "allowed but nothing to run";
  int quits = 0;
  window->connectCommand(Command::QuitGame, [&] { ++quits; });
  ASSERT_TRUE(window->action(Command::QuitGame)->isEnabled());
  window->action(Command::QuitGame)->trigger();
  EXPECT_EQ(quits, 1);
}

TEST_F(MainWindowTest, ToolBarButtonsRunTheirCommandsAndShowTheirState) {
  const auto window = makeWindow();
  int news = 0;
  window->connectCommand(Command::NewGame, [&] { ++news; });
  auto* newButton = qobject_cast<QToolButton*>(window->toolButton(Command::NewGame));
  ASSERT_NE(newButton, nullptr);
  EXPECT_EQ(newButton->toolTip(), QStringLiteral("New"));
  newButton->click();
  EXPECT_EQ(news, 1);

  game.rules()[19] = 1;
  window->gameChanged();
  auto* autoplayButton = qobject_cast<QToolButton*>(window->toolButton(Command::Autoplay));
  ASSERT_NE(autoplayButton, nullptr);
  const bool before = game.autoplay();
  autoplayButton->click();
  EXPECT_EQ(game.autoplay(), !before);
  EXPECT_EQ(window->action(Command::Autoplay)->isChecked(), !before);
  EXPECT_EQ(window->isAutoplayOn(), !before);
  EXPECT_EQ(autoplayButton->isChecked(), !before) << "the button stays down while autoplay is on";
  window->action(Command::Autoplay)->trigger();
  EXPECT_EQ(autoplayButton->isChecked(), before);
}

TEST_F(MainWindowTest, ToolBarGlyphsComeFromTheBundleWithGreyedTwins) {
  const auto window = makeWindow();
  struct Case {
    bool large;
    int side;
    bool hasSave;
  } cases[] = {{false, 16, true}, {true, 24, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.large ? "large" : "small");
    window->setLargeToolBar(c.large);
    EXPECT_EQ(window->toolBar()->iconSize(), QSize(c.side, c.side));
    EXPECT_EQ(window->toolButton(Command::Save) != nullptr, c.hasSave);
    for (Command command : {Command::NewGame, Command::Undo, Command::Exit}) {
      auto* button = qobject_cast<QToolButton*>(window->toolButton(command));
      ASSERT_NE(button, nullptr);
      EXPECT_FALSE(button->icon().isNull()) << RowOf(command).caption;
    }
    // Undo is disabled: its button shows the bundle's greyed picture.
    const QIcon undo = qobject_cast<QToolButton*>(window->toolButton(Command::Undo))->icon();
    const QImage greyed = resources.bitmap(c.large ? "TB_UNDO_DIS" : "TB_UNDO1_DIS");
    ASSERT_FALSE(greyed.isNull());
    constexpr auto kCompared = QImage::Format_ARGB32_Premultiplied;
    const QImage shown = undo.pixmap(QSize(c.side, c.side), 1.0, QIcon::Disabled).toImage();
    EXPECT_EQ(shown.convertToFormat(kCompared), greyed.convertToFormat(kCompared));
  }
}

TEST_F(MainWindowTest, ToolBarAndPanelChoicesAreKeptInThePreferenceFile) {
  {
    const auto window = makeWindow();
    EXPECT_FALSE(preferenceFile().hasSection("Preference")) << "a window coming up writes nothing";
    EXPECT_FALSE(window->hasLargeToolBar());
    EXPECT_TRUE(window->hasFlatToolBar());
    window->popup(MainWindow::Popup::ToolBar)->actions()[0]->trigger();  // "Large icons"
    window->popup(MainWindow::Popup::ToolBar)->actions()[4]->trigger();  // "No flat button"
    window->popup(MainWindow::Popup::Time)->actions()[0]->trigger();     // "&Hide"
    EXPECT_FALSE(window->isTimePanelShown());
    EXPECT_FALSE(qobject_cast<QToolButton*>(window->toolButton(Command::Exit))->autoRaise());
  }
  const IniDocument file = preferenceFile();
  EXPECT_EQ(file.find("Preference", "ToolBar_Large"), "Y");
  EXPECT_EQ(file.find("Preference", "ToolBar_Flat"), "N");
  EXPECT_EQ(file.find("Preference", "Show_Time"), "N");
  EXPECT_EQ(game.store().read(store::ShowTime), "N");

  game.store().setSwitch(store::ShowTime, false);
  const auto again = makeWindow();
  EXPECT_TRUE(again->hasLargeToolBar());
  EXPECT_FALSE(again->hasFlatToolBar());
  EXPECT_FALSE(again->isTimePanelShown());
  again->resize(640, 480);
  again->show();
  again->setToolBarShown(false);
  EXPECT_FALSE(again->toolBar()->isVisibleTo(again.get()));
  QApplication::processEvents();
  EXPECT_EQ(again->table()->mapTo(again.get(), QPoint(0, 0)).y(), again->menuBar()->height() + 5)
      << "the table starts 5 pixels below the menu";
  EXPECT_EQ(preferenceFile().find("Preference", "ToolBar_Visible"), "N");
}

TEST_F(MainWindowTest, ToolTipsOnlyWhenSwitchedOn) {
  const auto window = makeWindow();
  window->show();
  QWidget* button = window->toolButton(Command::Exit);
  for (const bool on : {false, true}) {  // a shown tip fades out slowly: "off" first
    SCOPED_TRACE(on);
    game.store().setSwitch(store::ShowToolTips, on);
    QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(button, &help);
    EXPECT_EQ(QToolTip::isVisible(), on);
    if (on) {
      EXPECT_EQ(QToolTip::text(), QStringLiteral("Exit"));
    }
  }
}

TEST_F(MainWindowTest, TheAboutBoxNamesTheProgramAndItsLicence) {
  const auto window = makeWindow();
  game.store().setSwitch(store::SoundsEnabled, true);
  game.store().setSwitch(store::SoundsAbout, true);
  QString shown;
  testing::ModalDriver close([&](QWidget& dialog) {
    for (const QLabel* label : dialog.findChildren<QLabel*>()) shown += label->text() + "\n";
    static_cast<QDialog&>(dialog).accept();
  });
  window->action(Command::About)->trigger();
  EXPECT_TRUE(close.sawDialog());
  EXPECT_TRUE(shown.contains(QStringLiteral("Velmora 2001")));
  EXPECT_TRUE(shown.contains(QStringLiteral(VELMORA_VERSION)));
  EXPECT_TRUE(shown.contains(QStringLiteral("GPL-3.0-or-later")));
  EXPECT_EQ(ui.sounds, std::vector<std::string>{"About"});
}

TEST_F(MainWindowTest, ShowTimeAndShowScoreAreOfferedOnlyForAHiddenPanel) {
  const auto window = makeWindow();
  QMenu* menu = window->popup(MainWindow::Popup::ToolBar);
  QAction* showTime = menu->actions()[6];
  QAction* showScore = menu->actions()[7];
  ASSERT_EQ(showTime->text(), QStringLiteral("Show time"));
  ASSERT_EQ(showScore->text(), QStringLiteral("Show score"));
  EXPECT_FALSE(showTime->isEnabled());
  EXPECT_FALSE(showScore->isEnabled());
  window->popup(MainWindow::Popup::Score)->actions()[0]->trigger();
  EXPECT_FALSE(window->isScorePanelShown());
  EXPECT_TRUE(showScore->isEnabled());
  EXPECT_FALSE(showTime->isEnabled());
  EXPECT_EQ(preferenceFile().find("Preference", "Show_Score"), "N");
  showScore->trigger();
  EXPECT_TRUE(window->isScorePanelShown());
  EXPECT_FALSE(showScore->isEnabled());
  EXPECT_EQ(preferenceFile().find("Preference", "Show_Score"), "Y");
}

TEST_F(MainWindowTest, TheTablePopupRunsTheMenuCommands) {
  const auto window = makeWindow();
  QStringList captions;
  for (QAction* item : window->popup(MainWindow::Popup::Table)->actions())
    if (!item->isSeparator()) captions << item->text();
  EXPECT_EQ(captions, (QStringList{"Game information...", "Favorite games...", "Change card set", "Change deck",
                                   "Change background", "Pause", "Quit game", "Card counter"}));
  QAction* pause = nullptr;
  for (QAction* item : window->popup(MainWindow::Popup::Table)->actions())
    if (item->text() == QStringLiteral("Pause")) pause = item;
  ASSERT_NE(pause, nullptr);
  EXPECT_FALSE(pause->isEnabled()) << "no game in progress";
  window->setCommandAllowed(Command::Pause, true);
  EXPECT_TRUE(pause->isEnabled());
  pause->trigger();
  EXPECT_TRUE(window->isPaused());
  EXPECT_TRUE(window->action(Command::Pause)->isChecked());
  window->setPaused(false);
}

TEST_F(MainWindowTest, StatusBarHiddenWhenSwitchedOff) {
  game.store().write(store::StatusBar, "N");
  EXPECT_FALSE(makeWindow()->statusBar()->isVisibleTo(nullptr));
  game.store().write(store::StatusBar, "Y");
  const auto window = makeWindow();
  window->show();
  EXPECT_TRUE(window->statusBar()->isVisible());
}

TEST_F(MainWindowTest, PerGameAutoplayIsStoredForTheCurrentGame) {
  game.state().setWord(word::AutoplayAllGames, 0);
  game.store().setGameNumber(5);
  game.rules()[19] = 1;
  const auto window = makeWindow();
  game.setAutoplay(false);
  window->gameChanged();
  bool signalled = false;
  QObject::connect(window.get(), &MainWindow::autoplaySwitched, [&](bool on) { signalled = on; });
  window->action(Command::Autoplay)->trigger();
  EXPECT_TRUE(game.autoplay());
  EXPECT_TRUE(signalled);
  EXPECT_TRUE(GameAutoplaySwitch(preferenceFile(), 5));
  window->action(Command::Autoplay)->trigger();
  EXPECT_FALSE(GameAutoplaySwitch(preferenceFile(), 5));
}

TEST_F(MainWindowTest, PileSizeLabel) {
  const auto window = makeWindow();
  window->resize(800, 600);
  window->show();
  EXPECT_FALSE(window->isPileSizeShown());
  window->showPileSize(1, QPoint(100, 100));
  EXPECT_TRUE(window->isPileSizeShown());
  auto* label = window->findChild<PileSizeLabel*>();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->countText(), QStringLiteral("1 card"));
  window->showPileSize(12, QPoint(5000, 5000));
  EXPECT_EQ(label->countText(), QStringLiteral("12 cards"));
  EXPECT_TRUE(window->centralWidget()->rect().contains(label->geometry())) << "kept inside the table";
  window->hidePileSize();
  EXPECT_FALSE(window->isPileSizeShown());
}

TEST_F(MainWindowTest, TheTableWidgetCanBeReplaced) {
  const auto window = makeWindow();
  QPointer<QWidget> placeholder = window->table();
  auto* table = new QWidget;
  window->setTable(table);
  EXPECT_EQ(window->table(), table);
  EXPECT_TRUE(window->centralWidget()->isAncestorOf(table));
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(placeholder.isNull());
}

}  // namespace
}  // namespace velmora
