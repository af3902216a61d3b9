#pragma once
// The two folders the program knows. The program folder holds what ships with
// it (GAMES.DAT, SOL.RGF, the help) and is only read. The data folder holds
// everything of the user's - preferences, statistics, saved and held games -
// and is the only place the program writes.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_system.h"

namespace velmora {

// The files that ship with the program, in the program folder.
inline constexpr std::string_view kResourceBundleName = "SOL.RGF";
inline constexpr std::string_view kRuleFileName = "GAMES.DAT";

// $XDG_DATA_HOME/velmora, else ~/.local/share/velmora, else ./velmora-data.
fs::path DefaultDataFolder();

// The folder of the running executable.
fs::path ExecutableFolder();

// Where an installed program keeps what ships with it: the data folder of the
// install layout seen from the folder of the executables
// ("<exe>/../share/velmora" for the usual layout, fixed when it is built).
fs::path InstalledProgramFolder(const fs::path& executableFolder);

// The program folder of an executable in `executableFolder`: that folder when
// the rule file lies beside the executable (a build, an unpacked copy), else
// the installed folder when the rule file lies there, else the executable's
// folder again, so that the start-up names the missing file beside it.
fs::path ProgramFolderFor(const fs::path& executableFolder);

// The program folder of the running executable: the default of both programs.
fs::path DefaultProgramFolder();

class Folders {
 public:
  Folders(fs::path programFolder, fs::path dataFolder);

  const fs::path& program() const { return program_; }
  const fs::path& data() const { return data_; }

  // A file that ships with the program ("GAMES.DAT"), matched without regard
  // to letter case.
  fs::path programFile(std::string_view name) const;

  // A user file as the program names it: "DATA\STAT.DAT", "Data\Series.dat",
  // "data\custom decks\x.bmp" or a bare "SOLV0600.DAT" all lie in the data
  // folder, whatever their letter case and separators. No value for a name
  // that would leave the folder (an absolute name, "..", an empty part).
  std::optional<fs::path> userFile(std::string_view name) const;

 private:
  fs::path program_;
  fs::path data_;
};

// The relative parts of a name written with "\" or "/" separators; no value
// when a part is empty, "." or "..", or the name is absolute.
std::optional<fs::path> SafeRelativeName(std::string_view name);

}  // namespace velmora
