// velmora: the patience collection's window program.
#include <QApplication>
#include <QTextStream>
#include <QTimer>

#include "command_line.h"
#include "main_window.h"
#include "program.h"
#include "table_snapshot.h"

namespace {

constexpr int kSettleMilliseconds = 300;

QStringList ArgumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

void QuitAfterFirstPaint(velmora::Program& program) {
  QObject::connect(&program.mainWindow(), &velmora::MainWindow::firstPainted, qApp, [] {
    QTextStream(stdout) << "painted" << Qt::endl;
    QApplication::quit();
  });
}

void SaveScreenshotAndQuit(velmora::Program& program, const QString& file) {
  QObject::connect(&program.mainWindow(), &velmora::MainWindow::firstPainted, qApp, [&program, file] {
    // A moment for the window manager and the last layout to settle.
    QTimer::singleShot(kSettleMilliseconds, qApp, [&program, file] {
      const bool saved = velmora::SaveTableSnapshot(program.table(), file);
      if (!saved) QTextStream(stderr) << "velmora: cannot save " << file << Qt::endl;
      QApplication::exit(saved ? 0 : 1);
    });
  });
}

}  // namespace

int main(int argc, char** argv) {
  using velmora::CommandLineAnswer;
  using velmora::StartOptions;
  // Answered before the window system is touched, so also without a display.
  auto reading = velmora::ReadCommandLine(ArgumentsOf(argc, argv), velmora::UnknownOptions::LeaveToWindowSystem);
  if (reading && std::holds_alternative<CommandLineAnswer>(*reading))
    return velmora::Tell(std::get<CommandLineAnswer>(*reading));

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora 2001"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
  // Lets the desktop match the window with its menu entry and icon.
  QApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
  if (!reading) reading = velmora::ReadCommandLine(QApplication::arguments(), velmora::UnknownOptions::Refuse);
  if (const auto* answer = std::get_if<CommandLineAnswer>(&*reading)) return velmora::Tell(*answer);
  const StartOptions& options = std::get<StartOptions>(*reading);

  velmora::Program program(options.program);
  if (const auto exitCode = program.start()) return *exitCode;
  if (options.quitAfterFirstPaint) QuitAfterFirstPaint(program);
  if (!options.screenshot.isEmpty()) SaveScreenshotAndQuit(program, options.screenshot);
  return QApplication::exec();
}
