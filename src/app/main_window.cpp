#include "main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "about_box.h"
#include "colours.h"
#include "dialog_base.h"
#include "families/family_clock.h"
#include "hold_and_exit_dialog.h"
#include "history/held_game.h"
#include "pause_screen.h"
#include "play/end_game.h"
#include "resource_store.h"
#include "autoplay/autoplay.h"
#include "shell/close_hold.h"
#include "shell/game_clock.h"
#include "shell/main_game.h"
#include "shell/preference_keys.h"
#include "shell/startup.h"
#include "status_panels.h"
#include "window_placement.h"

namespace velmora {
namespace {

// The table: an area in the table colour until games are dealt onto it.
class Table final : public QWidget {
 public:
  Table(QColor colour, QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
  }
};

// The fixed colour wins over the chosen one when it is set (above 0).
QColor TableColour(const ConfigStore& store) {
  const auto fixed = store.readNumber(store::BackgroundFixedColour).value_or(0);
  return FromStoredColour(fixed > 0 ? fixed : store.readNumber(store::BackgroundColour).value_or(0));
}

QString Text(std::string_view text) { return ProgramText(text); }

constexpr std::size_t Index(Command command) { return static_cast<std::size_t>(command); }
constexpr std::size_t Index(Menu menu) { return static_cast<std::size_t>(menu); }

// Pixels: the tool bar row's panels beside large and small buttons, the gap
// between the two panels and the margin right of them, the space between
// the menu and a table without tool bar.
constexpr int kLargeRowHeight = 24;
constexpr int kSmallRowHeight = 20;
constexpr int kLargeGlyph = 24;
constexpr int kSmallGlyph = 16;
constexpr int kPanelGap = 5;
constexpr int kPanelMargin = 15;
constexpr int kTableTopWithoutToolBar = 5;

QWidget* Spacer(QWidget* parent, int width) {
  auto* spacer = new QWidget(parent);
  if (width > 0)
    spacer->setFixedWidth(width);
  else
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  return spacer;
}

bool EndsPause(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick: return true;
    default: return false;
  }
}

QEvent::Type ReleaseOf(QEvent::Type press) {
  switch (press) {
    case QEvent::KeyPress: return QEvent::KeyRelease;
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick: return QEvent::NonClientAreaMouseButtonRelease;
    default: return QEvent::MouseButtonRelease;
  }
}

}  // namespace

MainWindow::MainWindow(TMainGame& game, QWidget* parent) : MainWindow(game, nullptr, parent) {}

MainWindow::MainWindow(TMainGame& game, const ResourceStore* resources, QWidget* parent)
    : QMainWindow(parent), game_(game), resources_(resources) {
  setWindowTitle(Text(kProgramName));
  setMinimumSize(320, 240);

  tableArea_ = new QWidget(this);
  auto* layout = new QGridLayout(tableArea_);
  layout->setContentsMargins(0, 0, 0, 0);
  table_ = new Table(TableColour(game.store()), tableArea_);
  layout->addWidget(table_, 0, 0);
  tableArea_->installEventFilter(this);
  setCentralWidget(tableArea_);
  pileSize_ = new PileSizeLabel(tableArea_);
  pauseScreen_ = new PauseScreen(tableArea_);
  pauseScreen_->hide();

  for (const CommandRow& row : kCommands) allowed_[Index(row.command)] = row.startsAllowed;
  buildMenus();
  buildToolBar();
  buildPopups();
  buildStatusBar();
  connectOwnCommands();
  readToolBarPreferences();
  applyToolBarLook();
  applyPanels();
  showElapsedTime(0);
  showScore(0);
  gameChanged();

  clockTimer_.setInterval(1000);
  connect(&clockTimer_, &QTimer::timeout, this, [this] {
    updateClock();
    // The family's own timed steps (the memory phase of a memory game) wait while the table is covered.
    if (!paused_) FamilyClockTick(game_, MonotonicMilliseconds());
    emit ticked();
  });
  clockTimer_.start();
}

MainWindow::~MainWindow() {
  if (paused_ || swallowRelease_ != QEvent::None) qApp->removeEventFilter(this);
}

// --- Building ---

void MainWindow::buildMenus() {
  for (const MenuRow& row : kMenus) {
    QMenu* parentMenu = row.parent == Menu::None ? nullptr : menus_[Index(row.parent)];
    auto* menu = new QMenu(Text(row.caption), this);
    menu->setObjectName(QString::fromLatin1(row.caption.data(), static_cast<qsizetype>(row.caption.size())));
    menus_[Index(row.menu)] = menu;
    if (!parentMenu) menuBar()->addMenu(menu);
  }
  std::array<bool, static_cast<std::size_t>(Menu::None)> submenuPlaced{};
  for (const CommandRow& row : kCommands) {
    auto* action = new QAction(Text(row.caption), this);
    action->setCheckable(row.checkable);
    if (!row.shortcut.empty()) action->setShortcut(QKeySequence(Text(row.shortcut), QKeySequence::PortableText));
    action->setEnabled(false);
    actions_[Index(row.command)] = action;
    if (row.menu == Menu::None) {
      addAction(action);  // its short-cut works without a menu of its own
      continue;
    }
    const MenuRow& place = *std::find_if(std::begin(kMenus), std::end(kMenus),
                                         [&row](const MenuRow& m) { return m.menu == row.menu; });
    if (place.parent != Menu::None && !submenuPlaced[Index(row.menu)]) {
      menus_[Index(place.parent)]->addMenu(menus_[Index(row.menu)]);
      submenuPlaced[Index(row.menu)] = true;
    } else if (row.separatorBefore) {
      menus_[Index(row.menu)]->addSeparator();
    }
    menus_[Index(row.menu)]->addAction(action);
  }
}

void MainWindow::buildToolBar() {
  toolBar_ = new QToolBar(QStringLiteral("Tool bar"), this);
  toolBar_->setObjectName(QStringLiteral("pnlTB"));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setContextMenuPolicy(Qt::CustomContextMenu);
  toolBar_->toggleViewAction()->setVisible(false);
  addToolBar(Qt::TopToolBarArea, toolBar_);

  for (const ToolButtonRow& row : kToolButtons) {
    if (row.separatorBefore) {
      QAction* separator = toolBar_->addSeparator();
      if (row.smallOnly) saveSeparator_ = separator;
    }
    QAction* command = action(row.command);
    auto* button = new QAction(Text(row.hint), toolBar_);
    button->setToolTip(Text(row.hint));
    button->setCheckable(command->isCheckable());
    toolBar_->addAction(button);
    connect(button, &QAction::triggered, command, [command] { command->trigger(); });
    // The button follows its command: enabled and down together.
    const auto follow = [button, command] {
      button->setEnabled(command->isEnabled());
      button->setChecked(command->isChecked());
    };
    connect(command, &QAction::changed, button, follow);
    follow();
    if (QWidget* widget = toolBar_->widgetForAction(button)) widget->installEventFilter(this);
    toolEntries_.push_back({button, row.command, row.smallOnly});
  }

  toolBar_->addWidget(Spacer(toolBar_, 0));
  scorePanel_ = new InfoPanel(QStringLiteral("Score:"), QString(), toolBar_);
  scorePanel_->setObjectName(QStringLiteral("pnlScore"));
  timePanel_ = new InfoPanel(QStringLiteral("Time:"), QString(), toolBar_);
  timePanel_->setObjectName(QStringLiteral("pnlTempo"));
  scorePanelAction_ = toolBar_->addWidget(scorePanel_);
  panelGapAction_ = toolBar_->addWidget(Spacer(toolBar_, kPanelGap));
  timePanelAction_ = toolBar_->addWidget(timePanel_);
  toolBar_->addWidget(Spacer(toolBar_, kPanelMargin));
  for (InfoPanel* panel : {scorePanel_, timePanel_}) panel->setContextMenuPolicy(Qt::CustomContextMenu);
}

void MainWindow::buildPopups() {
  tablePopup_ = new QMenu(this);
  for (const PopupRow& row : kTablePopup) {
    if (row.separatorBefore) tablePopup_->addSeparator();
    QAction* command = action(row.command);
    QAction* item = tablePopup_->addAction(Text(row.caption));
    if (!row.shortcut.empty()) {
      item->setShortcut(QKeySequence(Text(row.shortcut), QKeySequence::PortableText));
      item->setShortcutContext(Qt::WidgetShortcut);  // the menu bar's command owns the key
    }
    item->setCheckable(command->isCheckable());
    connect(item, &QAction::triggered, command, [command] { command->trigger(); });
    const auto follow = [item, command] {
      item->setEnabled(command->isEnabled());
      item->setChecked(command->isChecked());
    };
    connect(command, &QAction::changed, item, follow);
    follow();
  }

  toolBarPopup_ = new QMenu(this);
  auto* size = new QActionGroup(toolBarPopup_);
  largeIcons_ = toolBarPopup_->addAction(QStringLiteral("Large icons"));
  smallIcons_ = toolBarPopup_->addAction(QStringLiteral("Small icons"));
  toolBarPopup_->addSeparator();
  auto* look = new QActionGroup(toolBarPopup_);
  flatButtons_ = toolBarPopup_->addAction(QStringLiteral("Flat button"));
  raisedButtons_ = toolBarPopup_->addAction(QStringLiteral("No flat button"));
  toolBarPopup_->addSeparator();
  showTime_ = toolBarPopup_->addAction(QStringLiteral("Show time"));
  showScore_ = toolBarPopup_->addAction(QStringLiteral("Show score"));
  for (QAction* item : {largeIcons_, smallIcons_}) item->setActionGroup(size);
  for (QAction* item : {flatButtons_, raisedButtons_}) item->setActionGroup(look);
  for (QAction* item : {largeIcons_, smallIcons_, flatButtons_, raisedButtons_}) item->setCheckable(true);
  connect(largeIcons_, &QAction::triggered, this, [this] { setLargeToolBar(true); });
  connect(smallIcons_, &QAction::triggered, this, [this] { setLargeToolBar(false); });
  connect(flatButtons_, &QAction::triggered, this, [this] { setFlatToolBar(true); });
  connect(raisedButtons_, &QAction::triggered, this, [this] { setFlatToolBar(false); });
  connect(showTime_, &QAction::triggered, this, [this] { setTimePanelShown(true); });
  connect(showScore_, &QAction::triggered, this, [this] { setScorePanelShown(true); });

  timePopup_ = new QMenu(this);
  connect(timePopup_->addAction(QStringLiteral("&Hide")), &QAction::triggered, this,
          [this] { setTimePanelShown(false); });
  scorePopup_ = new QMenu(this);
  connect(scorePopup_->addAction(QStringLiteral("Hide")), &QAction::triggered, this,
          [this] { setScorePanelShown(false); });

  connect(toolBar_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { toolBarPopup_->popup(toolBar_->mapToGlobal(at)); });
  connect(timePanel_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { timePopup_->popup(timePanel_->mapToGlobal(at)); });
  connect(scorePanel_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { scorePopup_->popup(scorePanel_->mapToGlobal(at)); });
}

void MainWindow::buildStatusBar() {
  playerStatus_ = new QLabel(this);
  playerStatus_->setObjectName(QStringLiteral("pnl_sb_giocatori"));
  gameStatus_ = new QLabel(this);
  gameStatus_->setObjectName(QStringLiteral("pnl_sb_livello"));
  statusBar()->addWidget(playerStatus_);
  statusBar()->addWidget(gameStatus_, 1);
  statusBar()->setVisible(game_.store().read(store::StatusBar) != "N");
}

void MainWindow::connectOwnCommands() {
  connectCommand(Command::Exit, [this] { close(); });
  connectCommand(Command::HoldAndExit, [this] {
    game_.state().set(flag::HoldOnClose, true);
    close();
  });
  connectCommand(Command::About, [this] { showAbout(); });
  connectCommand(Command::Pause, [this] { setPaused(!paused_); });
  connectCommand(Command::Autoplay, [this] { switchAutoplay(action(Command::Autoplay)->isChecked()); });
}

// --- Commands ---

QAction* MainWindow::action(Command command) const { return actions_[Index(command)]; }

QMenu* MainWindow::menu(Menu which) const { return which == Menu::None ? nullptr : menus_[Index(which)]; }

bool MainWindow::isAutoplayOn() const {
  const QAction* autoplay = action(Command::Autoplay);
  return autoplay->isChecked() && autoplay->isEnabled();
}

void MainWindow::connectCommand(Command command, std::function<void()> handler) {
  connect(action(command), &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
  connected_[Index(command)] = true;
  updateCommands();
}

void MainWindow::setCommandAllowed(Command command, bool allowed) {
  allowed_[Index(command)] = allowed;
  updateCommands();
}

void MainWindow::updateCommands() {
  for (const CommandRow& row : kCommands) {
    const std::size_t i = Index(row.command);
    actions_[i]->setEnabled(connected_[i] && allowed_[i] && RulesAllow(row.gate, game_.rules()));
  }
  // A submenu opens only when one of its items can be chosen.
  for (const MenuRow& row : kMenus) {
    if (row.parent == Menu::None) continue;
    const QList<QAction*> items = menus_[Index(row.menu)]->actions();
    menus_[Index(row.menu)]->menuAction()->setEnabled(
        std::any_of(items.begin(), items.end(), [](const QAction* item) { return item->isEnabled(); }));
  }
}

void MainWindow::gameChanged() {
  updateCommands();
  {
    const QSignalBlocker quiet(action(Command::Autoplay));
    action(Command::Autoplay)->setChecked(game_.autoplay());
  }
  updateStatusBar();
}

void MainWindow::updateStatusBar() {
  const std::string player = game_.store().playerName();
  playerStatus_->setText(Text(player));
  const std::string name = game_.store().gameName();
  // The caption names the game and the player it is recorded for.
  QString caption = Text(kProgramName);
  const bool onTable = game_.state().on(flag::GameInProgress) || game_.state().on(flag::GameWon);
  if (onTable && !name.empty()) caption += QStringLiteral(" - ") + Text(name);
  if (!player.empty()) caption += QStringLiteral(" [") + Text(player) + QStringLiteral("]");
  setWindowTitle(caption);
  const std::string deal = game_.store().dealNumber();
  gameStatus_->setText(name.empty() || deal.empty() ? Text(name)
                                                    : Text(name) + QStringLiteral("   Game number: ") + Text(deal));
}

void MainWindow::switchAutoplay(bool on) {
  SwitchAutoplay(game_, on);
  emit autoplaySwitched(on);
}

void MainWindow::showAbout() {
  const ConfigStore& store = game_.store();
  if (store.isOn(store::SoundsEnabled) && store.isOn(store::SoundsAbout)) game_.ui().playSound("About");
  AboutBox box(this);
  box.exec();
}

// --- The table ---

void MainWindow::setTable(QWidget* table) {
  if (!table || table == table_) return;
  auto* layout = static_cast<QGridLayout*>(tableArea_->layout());
  if (table_) {
    layout->removeWidget(table_);
    table_->deleteLater();
  }
  table->setParent(tableArea_);
  layout->addWidget(table, 0, 0);
  table_ = table;
  table->show();
  pileSize_->raise();
  pauseScreen_->raise();
}

void MainWindow::placeOverlays() { pauseScreen_->setGeometry(tableArea_->rect()); }

// --- Tool bar and panels ---

void MainWindow::readToolBarPreferences() {
  const IniDocument file = game_.preferences().open();
  toolBarShown_ = file.readString(kPreferenceSection, "ToolBar_Visible", "Y") != "N";
  large_ = file.readString(kPreferenceSection, "ToolBar_Large", "N") == "Y";
  flat_ = file.readString(kPreferenceSection, "ToolBar_Flat", "Y") != "N";
}

void MainWindow::writePreference(std::string_view key, bool on) {
  game_.preferences().update([&](IniDocument& file) { file.write(kPreferenceSection, key, on ? "Y" : "N"); });
}

void MainWindow::applyToolBarLook() {
  toolBar_->setVisible(toolBarShown_);
  tableArea_->layout()->setContentsMargins(0, toolBarShown_ ? 0 : kTableTopWithoutToolBar, 0, 0);
  const int glyph = large_ ? kLargeGlyph : kSmallGlyph;
  toolBar_->setIconSize(QSize(glyph, glyph));
  for (const ToolEntry& entry : toolEntries_) {
    entry.button->setVisible(!entry.smallOnly || !large_);
    if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(entry.button))) button->setAutoRaise(flat_);
  }
  if (saveSeparator_) saveSeparator_->setVisible(!large_);
  for (InfoPanel* panel : {timePanel_, scorePanel_}) panel->setRowHeight(large_ ? kLargeRowHeight : kSmallRowHeight);
  loadGlyphs();
  updatePopupStates();
}

void MainWindow::loadGlyphs() {
  for (const ToolEntry& entry : toolEntries_) {
    const ToolButtonRow& row = *std::find_if(std::begin(kToolButtons), std::end(kToolButtons),
                                             [&entry](const ToolButtonRow& r) { return r.command == entry.command; });
    if (!resources_) continue;
    const QString name = Text(row.glyph) + (large_ ? QString() : QStringLiteral("1"));
    QIcon icon;
    // Both sizes of each picture: the icon takes the one the screen needs.
    for (const qreal ratio : {1.0, 2.0}) {
      const QImage normal = resources_->bitmap(name, ratio);
      if (!normal.isNull()) icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
      if (!HasDisabledGlyph(entry.command)) continue;
      const QImage greyed = resources_->bitmap(name + QStringLiteral("_DIS"), ratio);
      if (!greyed.isNull()) icon.addPixmap(QPixmap::fromImage(greyed), QIcon::Disabled);
    }
    entry.button->setIcon(icon);
  }
}

void MainWindow::updatePopupStates() {
  largeIcons_->setChecked(large_);
  smallIcons_->setChecked(!large_);
  flatButtons_->setChecked(flat_);
  raisedButtons_->setChecked(!flat_);
  showTime_->setEnabled(!isTimePanelShown());
  showScore_->setEnabled(!isScorePanelShown());
}

void MainWindow::setToolBarShown(bool shown) {
  toolBarShown_ = shown;
  writePreference("ToolBar_Visible", shown);
  applyToolBarLook();
  emit toolBarShownChanged(shown);
}

void MainWindow::setLargeToolBar(bool large) {
  large_ = large;
  writePreference("ToolBar_Large", large);
  applyToolBarLook();
}

void MainWindow::setFlatToolBar(bool flat) {
  flat_ = flat;
  writePreference("ToolBar_Flat", flat);
  applyToolBarLook();
}

// The store holds the choice for the run; the preference file keeps it.
void MainWindow::setTimePanelShown(bool shown) {
  game_.store().setSwitch(store::ShowTime, shown);
  writePreference("Show_Time", shown);
  applyPanels();
}

void MainWindow::setScorePanelShown(bool shown) {
  game_.store().setSwitch(store::ShowScore, shown);
  writePreference("Show_Score", shown);
  applyPanels();
}

void MainWindow::applyPanels() {
  const bool time = game_.store().read(store::ShowTime) != "N";
  const bool score = game_.store().read(store::ShowScore) != "N";
  timePanelAction_->setVisible(time);
  scorePanelAction_->setVisible(score);
  panelGapAction_->setVisible(time && score);
  updatePopupStates();
}

bool MainWindow::isTimePanelShown() const { return timePanelAction_->isVisible(); }

bool MainWindow::isScorePanelShown() const { return scorePanelAction_->isVisible(); }

QWidget* MainWindow::toolButton(Command command) const {
  for (const ToolEntry& entry : toolEntries_)
    if (entry.command == command && entry.button->isVisible()) return toolBar_->widgetForAction(entry.button);
  return nullptr;
}

void MainWindow::showScore(std::int64_t score) { scorePanel_->setValue(QString::number(score)); }

QString MainWindow::scoreText() const { return scorePanel_->value(); }

void MainWindow::showElapsedTime(std::int64_t seconds) { timePanel_->setValue(Text(ClockText(seconds))); }

QString MainWindow::clockText() const { return timePanel_->value(); }

void MainWindow::updateClock() {
  const ProgramState& state = game_.state();
  if (state.on(flag::ClockRuns)) showElapsedTime(ElapsedSeconds(state.times[0], MonotonicMilliseconds()));
}

// --- The pile-size label ---

void MainWindow::showPileSize(int count, QPoint position) {
  const QPoint inArea = table_ ? table_->mapTo(tableArea_, position) : position;
  pileSize_->showCount(count, inArea);
  if (paused_) pauseScreen_->raise();
}

void MainWindow::hidePileSize() { pileSize_->hide(); }

bool MainWindow::isPileSizeShown() const { return pileSize_->isVisible(); }

// --- Pop-up menus ---

QMenu* MainWindow::popup(Popup which) const {
  switch (which) {
    case Popup::Table: return tablePopup_;
    case Popup::ToolBar: return toolBarPopup_;
    case Popup::Time: return timePopup_;
    case Popup::Score: return scorePopup_;
  }
  return nullptr;
}

QMenu* MainWindow::createPopupMenu() { return nullptr; }

// --- Pause ---

void MainWindow::setPaused(bool paused) {
  if (paused == paused_) return;
  paused_ = paused;
  ProgramState& state = game_.state();
  const std::int64_t now = MonotonicMilliseconds();
  if (paused) {
    clockRanBeforePause_ = state.on(flag::ClockRuns);
    state.set(flag::ClockRuns, false);
    state.times[2] = now;
    hidePileSize();
    const qreal ratio = devicePixelRatioF();
    if (resources_)
      pauseScreen_->setPictures(resources_->bitmap(QStringLiteral("BMP_PAUSE_1"), ratio),
                                resources_->bitmap(QStringLiteral("BMP_PAUSE_2"), ratio));
    const QScreen* screen = this->screen();
    pauseScreen_->setFlat(screen && screen->depth() <= 8);
    placeOverlays();
    pauseScreen_->show();
    pauseScreen_->raise();
    if (swallowRelease_ == QEvent::None) qApp->installEventFilter(this);
  } else {
    pauseScreen_->hide();
    if (clockRanBeforePause_) {
      state.times[0] = StartAfterPause(state.times[0], state.times[2], now);
      state.set(flag::ClockRuns, true);
    }
    updateClock();
    if (swallowRelease_ == QEvent::None) qApp->removeEventFilter(this);
  }
  action(Command::Pause)->setChecked(paused);
  emit pauseChanged(paused);
}

void MainWindow::endPauseFromInput(QEvent* event) {
  swallowRelease_ = ReleaseOf(event->type());
  setPaused(false);
}

// --- Events ---

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tableArea_ && event->type() == QEvent::Resize) placeOverlays();
  if (event->type() == QEvent::ToolTip && watched->parent() == toolBar_ && !game_.store().isOn(store::ShowToolTips))
    return true;
  if (paused_) {
    if (event->type() == QEvent::ShortcutOverride) {
      event->accept();  // the key is the pause's, not a command's
      return true;
    }
    if (EndsPause(event->type())) {
      endPauseFromInput(event);
      return true;
    }
  } else if (swallowRelease_ != QEvent::None && event->type() == swallowRelease_) {
    swallowRelease_ = QEvent::None;
    qApp->removeEventFilter(this);
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  hidePileSize();
  QMainWindow::keyPressEvent(event);
}

void MainWindow::restorePlacement() {
  const QScreen* screen = this->screen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  const WindowPlacement placement = ReadWindowPlacement(game_.preferences().open(), available.width(), available.height());
  QList<QRect> screens{available};
  for (const QScreen* each : QGuiApplication::screens())
    if (each != screen) screens.append(each->availableGeometry());
  setGeometry(PlaceOnScreens(QRect(placement.left, placement.top, placement.width, placement.height), screens));
  if (placement.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate && game_.state().on(flag::FirstActivationPending)) firstActivation();
  if (event->type() == QEvent::UpdateRequest || event->type() == QEvent::Paint) {
    if (!painted_) {
      painted_ = true;
      QTimer::singleShot(0, this, &MainWindow::firstPainted);
    }
  }
  return handled;
}

void MainWindow::firstActivation() {
  game_.state().set(flag::FirstActivationPending, false);
  emit firstActivated();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  const QRect frame = normalGeometry();
  const WindowPlacement placement{frame.left(), frame.top(), frame.width(), frame.height(), isMaximized()};
  if (!QueryClose(game_, placement)) {
    event->ignore();
    return;
  }
  if (paused_) setPaused(false);  // the pause does not count in the time of a held game
  const bool settled = settleUnfinishedGame();
  game_.state().set(flag::HoldOnClose, false);  // "Hold and exit..." asks for one close only
  if (!settled) {
    event->ignore();
    return;
  }
  EndGame(game_);  // a game left in progress counts as lost
  WriteExitPreferences(game_);
  emit closing();
  event->accept();
}

bool MainWindow::settleUnfinishedGame() {
  const bool holdAllowed = action(Command::HoldAndExit)->isEnabled();
  switch (DecideCloseWithGame(game_.state(), holdAllowed, game_.preferences().open())) {
    case CloseWithGame::Leave: return true;
    case CloseWithGame::Hold: return HoldGame(game_);  // a failed hold was told to the player
    case CloseWithGame::Ask: break;
  }
  TfrmHoldAndExit question(this);
  switch (question.ask()) {
    case TfrmHoldAndExit::Answer::Hold: return HoldGame(game_);
    case TfrmHoldAndExit::Answer::Exit: return true;
    case TfrmHoldAndExit::Answer::Cancel: break;
  }
  return false;
}

}  // namespace velmora
