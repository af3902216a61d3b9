#include "program.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTextStream>
#include <QTimer>

#include "main_window.h"
#include "memory_result_dialog.h"
#include "qt_game_ui.h"
#include "history/saved_game.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "table/prepare_game.h"
#include "table_view.h"
#include "zoom_commands.h"
#include "card_counter_window.h"
#include "demo_window.h"
#include "game_choice.h"
#include "records/clear_records.h"
#include "records/game_marks.h"
#include "records/rename_player.h"
#include "game_commands.h"
#include "hint_commands.h"

namespace velmora {

void ShowFatalMessage(const QString& caption, const QString& text) {
  QTextStream(stderr) << "velmora: " << text << Qt::endl;
  QMessageBox::critical(nullptr, caption, text);
}

QString DamagedBundleText(const QString& bundle) {
  return QStringLiteral("Some pictures in %1 cannot be read: the file is damaged.\n"
                        "The cards are drawn plainly instead. Reinstall the program to restore its pictures.")
      .arg(bundle);
}

void ReportDamagedPictures(ResourceStore& resources, GameUi& ui, const QObject& context) {
  resources.setDamageReport([&resources, &ui, &context](const QString&) {
    const QString text = DamagedBundleText(QFileInfo(resources.fileName()).absoluteFilePath());
    QTextStream(stderr) << "velmora: " << text << Qt::endl;
    QTimer::singleShot(0, &context, [&ui, text] {
      ui.showMessage("Velmora 2001", text.toLatin1().toStdString(), GameUi::Icon::Warning);
    });
  });
}

Program::Program(ProgramOptions options, FatalReporter reportFatal)
    : options_(std::move(options)), reportFatal_(std::move(reportFatal)) {}

Program::~Program() = default;

void Program::playSplashSound() {
  const IniDocument file = game_->preferences().open();
  const bool soundsOn = file.readString("Preference", "Sounds_Enabled", "Y") == "Y";
  game_->store().setSwitch(store::SoundsEnabled, soundsOn);
  if (soundsOn && file.readString("Preference", "Sounds_Splash", "Y") == "Y") ui_->playSound("Splash");
}

void Program::showTable() {
  table_ = new TableView(*game_, resources_, window_.get());
  window_->setTable(table_);
  createCardCounter();
  QtGameUi::TableOutlets outlets;
  outlets.show = [this](GameUi::TableChange change) {
    // A new table takes the result panel's last text away, unless the panel
    // was counted for the new table (the score of a deal or a restart).
    const bool panelCounted = resultPanelCounted_;
    resultPanelCounted_ = false;
    switch (change) {
      case GameUi::TableChange::Layout:
        if (!panelCounted) table_->clearResultPanel();
        table_->relayout();
        break;
      case GameUi::TableChange::Piles: table_->redraw(); break;
      case GameUi::TableChange::Carry: table_->showCarry(); return;
    }
    cardCounter_->tableChanged();
    ShowHistoryCommands(*window_, *game_);  // every change of the table may add or take a step
  };
  outlets.fly = [this](const std::vector<CardId>& cards, TablePoint from, TablePoint to) {
    table_->flyCards(cards, from, to);
  };
  outlets.resultPanel = [this](const GameUi::ResultPanel& panel) {
    resultPanelCounted_ = true;
    table_->showResultPanel(panel);
  };
  outlets.highlight = [this](const std::vector<CardId>& cards) { table_->highlightCards(cards); };
  outlets.score = [this](std::int64_t score) { window_->showScore(score); };
  outlets.hintArrow = [this](TablePoint from, TablePoint to) { table_->showHintArrow(from, to); };
  outlets.hideHintArrow = [this] { table_->hideHintArrow(); };
  outlets.ended = [this](std::int64_t seconds) { ShowEndedGame(*window_, seconds); };
  outlets.gameWon = [this] { ShowGameWonDialog(*window_, *game_); };
  outlets.memoryResult = [this](const GameUi::MemoryResult& result) {
    ShowMemoryResultDialog(*window_, *game_, result);
  };
  outlets.close = [this] { QTimer::singleShot(0, window_.get(), &QWidget::close); };
  ui_->setTableOutlets(std::move(outlets));
  table_->setToolbarShown(window_->isToolBarShown());
  QObject::connect(window_.get(), &MainWindow::toolBarShownChanged, table_, &TableView::setToolbarShown);
  ConnectGameCommands(*window_, *game_);
  ConnectZoomCommands(*window_, *table_, *game_);
  showDemoWindow();
  QObject::connect(table_, &TableView::popupMenuRequested, window_.get(),
                   [this](QPoint at) { window_->popup(MainWindow::Popup::Table)->popup(at); });
}

// The command's check follows the window, however it was shown or hidden.
void Program::createCardCounter() {
  cardCounter_ = new TfrmCardCounter(*game_, resources_, window_.get());
  QAction* command = window_->action(Command::CardCounter);
  window_->connectCommand(Command::CardCounter, [this, command] { cardCounter_->setVisible(command->isChecked()); });
  QObject::connect(cardCounter_, &TfrmCardCounter::shownChanged, command, &QAction::setChecked);
  QObject::connect(window_.get(), &MainWindow::firstActivated, cardCounter_, &TfrmCardCounter::restore);
  QObject::connect(window_.get(), &MainWindow::closing, cardCounter_, [this] {
    cardCounter_->saveSettings();
    cardCounter_->hide();
  });
}

void Program::showDemoWindow() {
  demoWindow_ = new TfrmDemo(*game_, window_.get());
  ui_->setDemoOutlets({.show = [this](bool shown) { demoWindow_->setVisible(shown); },
                       .shown = [this] { return demoWindow_->isVisible(); },
                       .moves = [this](int count) { demoWindow_->showMoves(count); },
                       .describe = [this](const QString& text) { demoWindow_->describe(text); }});
  new HintCommands(*window_, *game_, *demoWindow_);
}

void Program::dealGivenGame() {
  if (!options_.open.isEmpty()) {
    if (OpenSavedGame(*game_, options_.open.toStdString(), {ScreenFacts(*window_), false}) == OpenOutcome::Opened)
      ShowDealtGame(*window_, *game_);
    return;
  }
  if (options_.game.isEmpty()) return;
  if (const auto refusal =
          DealNamedGame(*game_, options_.game.toStdString(), options_.deal.toStdString(), ScreenFacts(*window_)))
    ui_->showMessage("Velmora 2001", *refusal, GameUi::Icon::Warning);
  else
    ShowDealtGame(*window_, *game_);
}

int Program::fail(const QString& caption, const QString& text) {
  reportFatal_(caption, text);
  return 1;
}

std::optional<int> Program::start() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  struct RestoreCursor {
    ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
  } restoreCursor;

  const Folders folders(options_.programFolder, options_.dataFolder);
  const fs::path bundle = folders.programFile(kResourceBundleName);
  if (!resources_.open(QString::fromStdString(bundle.string()))) {
    const StartupFailure failure = ResourceBundleFailure(bundle);
    return fail(ToDisplayText(failure.caption), ToDisplayText(failure.text));
  }

  ui_ = std::make_unique<QtGameUi>(resources_);
  ReportDamagedPictures(resources_, *ui_, uiMessages_);
  game_ = std::make_unique<TMainGame>(folders, *ui_);
  const ConfigStore& store = game_->store();
  playSplashSound();

  StartupEnvironment environment;
  if (const QScreen* screen = QApplication::primaryScreen()) environment.screenColourDepth = screen->depth();
  environment.hasBitmap = [this](std::string_view name) { return resources_.hasBitmap(ToDisplayText(name)); };
  if (const auto failure = InitialiseProgram(*game_, environment))
    return fail(ToDisplayText(failure->caption), ToDisplayText(failure->text));

  window_ = std::make_unique<MainWindow>(*game_, &resources_);
  ui_->setParentWindow(window_.get());
  showTable();
  window_->restorePlacement();
  if (store.read(store::StatusBar) == "N") window_->statusBar()->hide();
  PlayerRecords records;
  records.rename = [this](const std::string& from, const std::string& to) {
    return RenamePlayerRecords(game_->data(), from, to);
  };
  records.forget = [this](const std::string& player) -> std::optional<std::string> {
    const ClearResult cleared = ClearStatistics(*game_, {std::nullopt, player});
    if (cleared.ok) return std::nullopt;
    return cleared.message;
  };
  const auto marks = [this](const std::string& player) { return PlayerGameMarks(game_->data(), player); };
  new GameChoice(*window_, *game_, &resources_, marks, std::move(records));
  window_->gameChanged();
  window_->show();
  window_->activateWindow();  // also where no window manager hands out the focus
  // Dealt from the event loop: the pause before autoplay after a deal runs
  // the window's events, which the caller connects to only after start().
  QTimer::singleShot(0, window_.get(), [this] { dealGivenGame(); });
  return std::nullopt;
}

}  // namespace velmora
