#pragma once
// The game catalogue for the commands that list or show games: the rule file
// of the program folder and the custom games of the data folder, read as the
// program reads them at start-up.
#include <iosfwd>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/find_game.h"
#include "cli.h"

namespace velmora::cli {

// False, after the program's message on `err`, when the program files are
// missing or the rule file is damaged. A damaged custom games file is only
// reported; its sound records are listed.
bool LoadCatalogueForCommand(const Options& options, Catalogue& catalogue, std::ostream& err);

}  // namespace velmora::cli
