#include "game_catalogue.h"

#include <ostream>

#include "catalogue/catalogue_startup.h"

namespace velmora::cli {

bool LoadCatalogueForCommand(const Options& options, Catalogue& catalogue, std::ostream& err) {
  if (!RequireProgramFiles(options, err)) return false;
  FileSystem files;
  UserData data(Folders(options.programFolder, options.dataFolder), files);
  data.setWarningSink([&err](const std::string& text) { err << "velmora-cli: " << ForTerminal(text) << "\n"; });
  if (const auto failure = LoadCatalogueFiles(catalogue, data)) {
    err << "velmora-cli: " << ForTerminal(failure->text) << "\n";
    return false;
  }
  return true;
}

}  // namespace velmora::cli
