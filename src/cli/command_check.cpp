// velmora-cli check: whether the program folder and the data folder are fit
// to run in. Every file the program keeps is read and put through the checks
// the program applies when it reads it - the rule file and each of its games,
// the resource bundle, the preferences, the custom games and the statistics -
// and each is reported with what is wrong in it. Nothing is created, moved,
// mended or written. The run fails when anything is wrong; a data file that
// does not exist yet is not wrong (a new player has none).
#include <QByteArray>
#include <algorithm>
#include <ostream>

#include "catalogue/catalogue.h"
#include "cli.h"
#include "data_files.h"
#include "files/file_system.h"
#include "files/folders.h"
#include "records/record_check.h"
#include "resource_bundle_check.h"
#include "rules/game_check.h"
#include "rules/load_game_rules.h"
#include "shell/preference_file.h"
#include "shell/startup.h"

namespace velmora::cli {
namespace {

// The program reads the bundle whole; one far larger than ours is not ours.
constexpr std::uintmax_t kMaxBundleBytes = 256u << 20;
constexpr QLatin1StringView kPicturesFolder("bitmaps/");

class Report {
 public:
  explicit Report(std::ostream& out) : out_(out) {}

  // A missing file that is sound is a data file the player does not have yet.
  void file(const FileVerdict& verdict, const fs::path& path) {
    const std::string_view state = !verdict.sound()                        ? Damage(verdict.status)
                                   : verdict.status == ReadStatus::Missing ? "none yet"
                                                                           : "sound";
    out_ << ShownName(verdict.name) << ": " << state << " (" << path.string() << ")\n";
    PrintFaults("  ", verdict.faults, out_);
    sound_ = sound_ && verdict.sound();
  }
  void line(std::string_view text, bool sound) {
    out_ << text << "\n";
    sound_ = sound_ && sound;
  }
  bool sound() const { return sound_; }

 private:
  static std::string_view Damage(ReadStatus status) {
    return status == ReadStatus::Missing ? "MISSING" : status == ReadStatus::Unreadable ? "UNREADABLE" : "DAMAGED";
  }

  std::ostream& out_;
  bool sound_ = true;
};

FileVerdict MissingProgramFile(std::string_view name) {
  FileVerdict verdict;
  verdict.name = name;
  verdict.faults.push_back("the program cannot start without it");
  return verdict;
}

// Why the rules of a game cannot be played; nothing when they can.
std::vector<std::string> GameProblems(const Catalogue& catalogue, int game) {
  const std::string named = "game " + std::to_string(game) + " (" + catalogue.GameName(game) + "): ";
  RuleRecord rules;
  if (!LoadGameRules(catalogue, game, rules))
    return {named + RulesRefusal(catalogue, game).value_or("its rules cannot be loaded")};
  std::vector<std::string> problems = PlayabilityProblems(rules.values());
  for (std::string& problem : problems) problem = named + problem;
  return problems;
}

// The rule file reads and checks whole, and every game of it loads playable
// rules. The catalogue is left loaded for the custom games.
FileVerdict CheckRuleFile(const fs::path& file, Catalogue& catalogue) {
  std::error_code error;
  if (!fs::exists(file, error)) return MissingProgramFile(kRuleFileName);
  FileVerdict verdict;
  verdict.name = kRuleFileName;
  verdict.status = ReadStatus::Ok;
  if (auto fault = catalogue.loadRuleFile(file)) {
    verdict.faults.push_back(*fault);
    return verdict;
  }
  for (const GameEntry* game : catalogue.games())
    for (std::string& problem : GameProblems(catalogue, game->number)) verdict.faults.push_back(std::move(problem));
  return verdict;
}

// The bundle is whole and well formed, and holds the program's pictures.
FileVerdict CheckResourceBundle(const fs::path& file) {
  FileSystem files;
  const FileContents contents = files.read(file, kMaxBundleBytes);
  if (contents.status == ReadStatus::Missing) return MissingProgramFile(kResourceBundleName);
  FileVerdict verdict;
  verdict.name = kResourceBundleName;
  verdict.status = contents.status;
  if (contents.status == ReadStatus::Unreadable) verdict.faults.push_back("the file cannot be read");
  if (contents.status == ReadStatus::TooLarge) verdict.faults.push_back("the file is far too large to be the bundle");
  if (!contents.ok()) return verdict;
  const auto bytes = QByteArray::fromRawData(contents.data.data(), static_cast<qsizetype>(contents.data.size()));
  const auto index = ReadResourceBundleIndex(bytes);
  if (!index)
    verdict.faults.push_back("it is not a whole, well-formed resource bundle");
  else if (std::none_of(index->begin(), index->end(), [](const QString& path) { return path.startsWith(kPicturesFolder); }))
    verdict.faults.push_back("it holds no card or table pictures: it is not this program's bundle");
  return verdict;
}

// The custom games file reads without damage, and every custom game loads
// playable rules over its built-in base game.
FileVerdict CheckCustomGames(UserData& data, Catalogue& catalogue) {
  catalogue.loadCustomGames(data);
  const CustomGames& custom = catalogue.customGames();
  FileVerdict verdict;
  verdict.name = CustomGames::kFileName;
  verdict.status = custom.fileExists() ? ReadStatus::Ok : ReadStatus::Missing;
  verdict.faults = custom.damage();
  for (const CustomGameRecord& record : custom.records()) {
    if (!GameProblems(catalogue, record.base).empty()) continue;  // told of the rule file
    for (std::string& problem : GameProblems(catalogue, record.number)) verdict.faults.push_back(std::move(problem));
  }
  return verdict;
}

// `catalogue` is null when the rule file could not be loaded.
void CheckDataFolder(const Folders& folders, Catalogue* catalogue, Report& report) {
  FileSystem files;
  UserData data(folders, files);  // no warning sink: the verdicts say everything
  const fs::path& folder = folders.data();
  std::error_code error;
  const auto status = fs::status(folder, error);
  if (!fs::exists(status)) return report.line("data folder: " + folder.string() + " (not created yet)", true);
  if (!fs::is_directory(status)) return report.line("data folder: " + folder.string() + " (NOT A FOLDER)", false);
  const bool writable = files.canWriteIn(folder);
  report.line("data folder: " + folder.string() + " (" + (writable ? "writable" : "READ-ONLY") + ")", writable);

  const auto path = [&data](std::string_view name) { return data.path(name).value_or(fs::path(name)); };
  report.file(CheckPreferenceFile(data), path(PreferenceFile::kName));
  if (catalogue)
    report.file(CheckCustomGames(data, *catalogue), path(CustomGames::kFileName));
  else
    report.line(std::string(ShownName(CustomGames::kFileName)) + ": not checked (its games build on the rule file)",
                false);
  for (const FileVerdict& verdict : CheckRecordFiles(data)) report.file(verdict, path(verdict.name));
}

int RunCheck(const Options& options, std::ostream& out, std::ostream& err) {
  const Folders folders(options.programFolder, options.dataFolder);
  Report report(out);
  out << "program folder: " << folders.program().string() << "\n";
  Catalogue catalogue;
  report.file(CheckRuleFile(folders.programFile(kRuleFileName), catalogue), folders.programFile(kRuleFileName));
  report.file(CheckResourceBundle(folders.programFile(kResourceBundleName)), folders.programFile(kResourceBundleName));
  // A rule file that loaded, even with a game it cannot play, can judge the custom games.
  CheckDataFolder(folders, catalogue.games().empty() ? nullptr : &catalogue, report);
  const bool startable = RequireProgramFiles(options, err);
  return startable && report.sound() ? 0 : 1;
}

Runner DefineCheck(CLI::App&) { return RunCheck; }

}  // namespace

extern const Command kCheckCommand{"check", "check every file of the program and data folders without changing anything",
                                   DefineCheck};

}  // namespace velmora::cli
