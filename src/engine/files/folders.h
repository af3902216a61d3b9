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

// $XDG_DATA_HOME/velmora, else ~/.local/share/velmora, else ./velmora-data.
fs::path DefaultDataFolder();

// The folder of the running executable: the default program folder.
fs::path ExecutableFolder();

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
