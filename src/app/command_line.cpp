#include "command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

#include "cards/deal_generator.h"
#include "commands.h"

namespace velmora {
namespace {

constexpr int kUsageError = 2;
// The options the window system takes off the command line itself ("-platform
// offscreen", "-display :1", "-style fusion", ...).
const QStringList kWindowSystemOptions{
    QStringLiteral("platform"),      QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),        QStringLiteral("qwindowgeometry"),    QStringLiteral("geometry"),
    QStringLiteral("qwindowtitle"),  QStringLiteral("title"),              QStringLiteral("qwindowicon"),
    QStringLiteral("icon"),          QStringLiteral("reverse"),            QStringLiteral("session"),
    QStringLiteral("display"),       QStringLiteral("name"),               QStringLiteral("style"),
    QStringLiteral("stylesheet"),    QStringLiteral("widgetcount"),        QStringLiteral("qmljsdebugger"),
    QStringLiteral("nograb"),        QStringLiteral("dograb"),             QStringLiteral("visual"),
};

const QString kSeeHelp = QStringLiteral("\nvelmora --help lists the options.");

// The unknown options that are nobody's: all of them once the window system
// has taken its own.
QStringList NobodysOptions(const QStringList& unknownNames, UnknownOptions unknown) {
  QStringList nobodys;
  for (const QString& name : unknownNames)
    if (unknown == UnknownOptions::Refuse || !kWindowSystemOptions.contains(name))
      nobodys << QStringLiteral("--") + name;
  return nobodys;
}

struct Options {
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                          QStringLiteral("Show these options and quit.")};
  QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                             QStringLiteral("Show the version and quit.")};
  QCommandLineOption programDir{QStringLiteral("program-dir"),
                                QStringLiteral("Folder holding GAMES.DAT and SOL.RGF (default: the program's own, "
                                               "else ../share/velmora from it)."),
                                QStringLiteral("DIR")};
  QCommandLineOption dataDir{QStringLiteral("data-dir"),
                             QStringLiteral("The player's data folder (default: $XDG_DATA_HOME/velmora)."),
                             QStringLiteral("DIR")};
  QCommandLineOption game{QStringLiteral("game"), QStringLiteral("Deal this game at start-up (number or name)."),
                          QStringLiteral("GAME")};
  QCommandLineOption deal{
      QStringLiteral("deal"),
      QStringLiteral("The deal number of --game (%1; a new deal without it).").arg(QLatin1String(kDealNumberRange)),
      QStringLiteral("D")};
  QCommandLineOption open{QStringLiteral("open"), QStringLiteral("Go on with this saved game at start-up."),
                          QStringLiteral("FILE")};
  QCommandLineOption quitAfterPaint{QStringLiteral("quit-after-first-paint"),
                                    QStringLiteral("Print \"painted\" and quit once the window is drawn "
                                                   "(for start-up measurements).")};
  QCommandLineOption screenshot{QStringLiteral("screenshot"),
                                QStringLiteral("Save a picture of the window as FILE (PNG) once it is drawn, "
                                               "with FILE.piles listing where each pile lies, and quit."),
                                QStringLiteral("FILE")};
};

QString ProgramName() { return QString::fromLatin1(kProgramName.data(), static_cast<qsizetype>(kProgramName.size())); }

CommandLineAnswer Refusal(const QString& text) { return {kUsageError, text}; }

// The parser's usage line names the program only once an application object
// exists; this one names it always, by the name it was started with.
CommandLineAnswer Help(const QCommandLineParser& parser, const QStringList& arguments) {
  QString text = parser.helpText();
  const QString executable = arguments.isEmpty() ? QStringLiteral("velmora") : QFileInfo(arguments.first()).fileName();
  text.replace(0, text.indexOf(QLatin1Char('\n')), QStringLiteral("Usage: %1 [options]").arg(executable));
  return {0, text};
}

// An option that names a folder or a file must name one: an empty name
// would quietly stand for the current folder, or for nothing.
std::optional<CommandLineAnswer> CheckNamed(const QCommandLineParser& parser, const QCommandLineOption& option,
                                            const QString& what) {
  if (!parser.isSet(option) || !parser.value(option).trimmed().isEmpty()) return std::nullopt;
  return Refusal(QStringLiteral("--%1 needs %2.").arg(option.names().constFirst(), what));
}

std::optional<CommandLineAnswer> CheckDeal(const QCommandLineParser& parser, const Options& options) {
  if (!parser.isSet(options.deal)) return std::nullopt;
  if (!parser.isSet(options.game)) return Refusal(QStringLiteral("--deal needs --game: the game to deal."));
  const QString deal = parser.value(options.deal);
  if (ParseDealNumber(deal.toStdString())) return std::nullopt;
  return Refusal(QStringLiteral("--deal %1 is not a deal number: deal numbers run from %2.")
                     .arg(deal, QLatin1String(kDealNumberRange)));
}

std::optional<CommandLineAnswer> CheckValues(const QCommandLineParser& parser, const Options& options) {
  if (!parser.positionalArguments().isEmpty())
    return Refusal(QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().constFirst()) + kSeeHelp);
  const QString folder = QStringLiteral("a folder name");
  for (const auto& [option, what] : {std::pair{&options.programDir, folder}, std::pair{&options.dataDir, folder},
                                     std::pair{&options.game, QStringLiteral("a game number or name")},
                                     std::pair{&options.screenshot, QStringLiteral("a file name")},
                                     std::pair{&options.open, QStringLiteral("a file name")}})
    if (auto refusal = CheckNamed(parser, *option, what)) return refusal;
  return CheckDeal(parser, options);
}

StartOptions StartOptionsOf(const QCommandLineParser& parser, const Options& options) {
  StartOptions start;
  start.program = {DefaultProgramFolder(), DefaultDataFolder()};
  if (parser.isSet(options.programDir)) start.program.programFolder = parser.value(options.programDir).toStdString();
  if (parser.isSet(options.dataDir)) start.program.dataFolder = parser.value(options.dataDir).toStdString();
  start.program.game = parser.value(options.game);
  start.program.deal = parser.value(options.deal);
  start.program.open = parser.value(options.open);
  start.quitAfterFirstPaint = parser.isSet(options.quitAfterPaint);
  start.screenshot = parser.value(options.screenshot);
  return start;
}

}  // namespace

std::optional<CommandLineReading> ReadCommandLine(const QStringList& arguments, UnknownOptions unknown) {
  const Options options;
  QCommandLineParser parser;
  // "-platform" is one option, as the window system reads it, not eight letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(ProgramName() + QStringLiteral(", a collection of patience games."));
  parser.addOptions({options.help, options.version, options.programDir, options.dataDir, options.game, options.deal,
                     options.open, options.quitAfterPaint, options.screenshot});
  const bool understood = parser.parse(arguments);
  // Asked for help, the player gets it whatever else the line holds.
  if (parser.isSet(options.help)) return Help(parser, arguments);
  if (parser.isSet(options.version))
    return CommandLineAnswer{0, ProgramName() + QStringLiteral(" " VELMORA_VERSION "\n")};
  const QStringList unknownNames = parser.unknownOptionNames();
  const QStringList nobodys = NobodysOptions(unknownNames, unknown);
  if (!nobodys.isEmpty())
    return Refusal(QStringLiteral("Unknown option: ") + nobodys.join(QStringLiteral(", ")) + kSeeHelp);
  if (!unknownNames.isEmpty()) return std::nullopt;  // the window system's, for it to take
  if (!understood) return Refusal(parser.errorText() + kSeeHelp);
  if (auto refusal = CheckValues(parser, options)) return refusal;
  return StartOptionsOf(parser, options);
}

int Tell(const CommandLineAnswer& answer) {
  if (answer.exitCode == 0) {
    QTextStream(stdout) << answer.text;
  } else {
    QTextStream(stderr) << "velmora: " << answer.text << Qt::endl;
  }
  return answer.exitCode;
}

}  // namespace velmora
