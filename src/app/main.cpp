// velmora: the patience collection's window program.
#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include "files/folders.h"
#include "main_window.h"
#include "program.h"

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
  parser.addOptions({programDir, dataDir, quitAfterPaint});
  parser.process(app);

  velmora::ProgramOptions options{velmora::ExecutableFolder(), velmora::DefaultDataFolder()};
  if (parser.isSet(programDir)) options.programFolder = parser.value(programDir).toStdString();
  if (parser.isSet(dataDir)) options.dataFolder = parser.value(dataDir).toStdString();

  velmora::Program program(options);
  if (const auto exitCode = program.start()) return *exitCode;
  if (parser.isSet(quitAfterPaint)) {
    QObject::connect(&program.mainWindow(), &velmora::MainWindow::firstPainted, &app, [] {
      QTextStream(stdout) << "painted" << Qt::endl;
      QApplication::quit();
    });
  }
  return QApplication::exec();
}
