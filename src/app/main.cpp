// velmora: the patience collection's window program.
#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <QTimer>

#include "files/folders.h"
#include "main_window.h"
#include "program.h"
#include "table_snapshot.h"

namespace {
constexpr int kSettleMilliseconds = 300;
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora 2001"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Velmora 2001, a collection of patience games."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption programDir(QStringLiteral("program-dir"),
                                      QStringLiteral("Folder holding GAMES.DAT and SOL.RGF (default: the program's own)."),
                                      QStringLiteral("DIR"));
  const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                   QStringLiteral("The player's data folder (default: $XDG_DATA_HOME/velmora)."),
                                   QStringLiteral("DIR"));
  const QCommandLineOption quitAfterPaint(QStringLiteral("quit-after-first-paint"),
                                          QStringLiteral("Print \"painted\" and quit once the window is drawn "
                                                         "(for start-up measurements)."));
  const QCommandLineOption game(QStringLiteral("game"), QStringLiteral("Deal this game at start-up (number or name)."),
                                QStringLiteral("GAME"));
  const QCommandLineOption deal(QStringLiteral("deal"),
                                QStringLiteral("The deal number of --game (1 to 13 digits; a new deal without it)."),
                                QStringLiteral("D"));
  const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                      QStringLiteral("Save a picture of the window as FILE (PNG) once it is drawn, "
                                                     "with FILE.piles listing where each pile lies, and quit."),
                                      QStringLiteral("FILE"));
  parser.addOptions({programDir, dataDir, game, deal, quitAfterPaint, screenshot});
  parser.process(app);

  velmora::ProgramOptions options{velmora::ExecutableFolder(), velmora::DefaultDataFolder()};
  if (parser.isSet(programDir)) options.programFolder = parser.value(programDir).toStdString();
  if (parser.isSet(dataDir)) options.dataFolder = parser.value(dataDir).toStdString();
  options.game = parser.value(game);
  options.deal = parser.value(deal);

  velmora::Program program(options);
  if (const auto exitCode = program.start()) return *exitCode;
  if (parser.isSet(quitAfterPaint)) {
    QObject::connect(&program.mainWindow(), &velmora::MainWindow::firstPainted, &app, [] {
      QTextStream(stdout) << "painted" << Qt::endl;
      QApplication::quit();
    });
  }
  if (parser.isSet(screenshot)) {
    QObject::connect(&program.mainWindow(), &velmora::MainWindow::firstPainted, &app, [&] {
      // A moment for the window manager and the last layout to settle.
      QTimer::singleShot(kSettleMilliseconds, &app, [&] {
        const bool saved = velmora::SaveTableSnapshot(program.table(), parser.value(screenshot));
        if (!saved) QTextStream(stderr) << "velmora: cannot save " << parser.value(screenshot) << Qt::endl;
        QApplication::exit(saved ? 0 : 1);
      });
    });
  }
  return QApplication::exec();
}
