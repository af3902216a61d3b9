#include <fstream>
#include <ostream>

#include "cli.h"
#include "files/folders.h"
#include "shell/startup.h"

namespace velmora::cli {
namespace {

// A bundle made by the resource compiler starts with its magic number.
bool LooksLikeResourceBundle(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  char magic[4] = {};
  return in.read(magic, sizeof magic) && std::string_view(magic, 4) == "qres";
}

void Report(const StartupFailure& failure, std::ostream& err) { err << "velmora-cli: " << ForTerminal(failure.text) << "\n"; }

}  // namespace

bool RequireProgramFiles(const Options& options, std::ostream& err) {
  const Folders folders(options.programFolder, options.dataFolder);
  const fs::path bundle = folders.programFile(kResourceBundleName);
  if (!LooksLikeResourceBundle(bundle)) {
    Report(ResourceBundleFailure(bundle), err);
    return false;
  }
  const fs::path rules = folders.programFile(kRuleFileName);
  std::error_code error;
  if (!fs::is_regular_file(rules, error)) {
    Report(RuleFileFailure(rules), err);
    return false;
  }
  return true;
}

}  // namespace velmora::cli
