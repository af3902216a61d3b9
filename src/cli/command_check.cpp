// velmora-cli check: whether the program folder and the data folder are fit
// to run in, without changing anything.
#include <ostream>

#include "cli.h"
#include "files/file_system.h"
#include "files/folders.h"
#include "files/ini_document.h"
#include "shell/preference_file.h"
#include "shell/startup.h"

namespace velmora::cli {
namespace {

void ReportProgramFile(const Folders& folders, std::string_view name, std::ostream& out) {
  const fs::path file = folders.programFile(name);
  std::error_code error;
  const bool present = fs::is_regular_file(file, error);
  out << name << ": " << (present ? "found" : "MISSING") << " (" << file.string() << ")\n";
}

void ReportPreferences(const Folders& folders, std::ostream& out) {
  FileSystem files;
  const auto name = folders.userFile(PreferenceFile::kName);
  const FileContents contents = files.read(*name, PreferenceFile::kMaxBytes);
  out << "preferences: ";
  switch (contents.status) {
    case ReadStatus::Ok:
      out << (contents.data.find('\0') == std::string::npos ? "readable" : "DAMAGED (binary data)");
      break;
    case ReadStatus::Missing: out << "none yet"; break;
    case ReadStatus::TooLarge: out << "DAMAGED (too large)"; break;
    case ReadStatus::Unreadable: out << "UNREADABLE"; break;
  }
  out << " (" << name->string() << ")\n";
}

int RunCheck(const Options& options, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (!args.empty()) {
    err << "velmora-cli check: takes no arguments\n";
    return 2;
  }
  const Folders folders(options.programFolder, options.dataFolder);
  out << "program folder: " << folders.program().string() << "\n";
  ReportProgramFile(folders, kRuleFileName, out);
  ReportProgramFile(folders, kResourceBundleName, out);

  FileSystem files;
  std::error_code error;
  const bool exists = fs::is_directory(folders.data(), error);
  out << "data folder: " << folders.data().string() << " ("
      << (!exists ? "not created yet" : files.canWriteIn(folders.data()) ? "writable" : "READ-ONLY") << ")\n";
  if (exists) ReportPreferences(folders, out);
  return RequireProgramFiles(options, err) ? 0 : 1;
}

}  // namespace

extern const Command kCheckCommand{"check", "", "check the program and data folders without changing anything",
                                   RunCheck};

}  // namespace velmora::cli
