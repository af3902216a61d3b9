// The file layer: atomic replacement under injected faults, removal and
// moving aside, names matched without regard to letter case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/file_system.h"
#include "files/folders.h"
#include "test_support.h"

namespace velmora {
namespace {

using testing::ReadAll;
using testing::TempFolder;
using testing::WriteAll;

std::size_t FilesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(FileSystem, ReplacesAtomically) {
  TempFolder dir;
  FileSystem files;
  const fs::path file = dir / "STAT.DAT";
  ASSERT_TRUE(files.replaceAtomically(file, "first"));
  ASSERT_TRUE(files.replaceAtomically(file, "second"));
  EXPECT_EQ(ReadAll(file), "second");
  EXPECT_EQ(FilesIn(dir.path()), 1u) << "no temporary file is left behind";
}

// An interrupted update must leave the old file or the new one, never neither
// and never a mixture: every step of the replacement is made to fail in turn.
TEST(FileSystem, AnInterruptedReplacementKeepsTheOldFile) {
  for (FileStep step : {FileStep::Write, FileStep::Rename}) {
    TempFolder dir;
    FileSystem files;
    const fs::path file = dir / "Cfg.dat";
    WriteAll(file, "old contents");
    files.injectFault(step, 1);
    const FileOutcome outcome = files.replaceAtomically(file, "new contents that are longer");
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.message.empty());
    EXPECT_EQ(ReadAll(file), "old contents");
    EXPECT_EQ(FilesIn(dir.path()), 1u);
    // The fault was one-off: the next replacement goes through.
    ASSERT_TRUE(files.replaceAtomically(file, "new"));
    EXPECT_EQ(ReadAll(file), "new");
  }
}

TEST(FileSystem, TheNthWriteFails) {
  TempFolder dir;
  FileSystem files;
  files.injectFault(FileStep::Write, 3);
  EXPECT_TRUE(files.replaceAtomically(dir / "a", "1"));
  EXPECT_TRUE(files.replaceAtomically(dir / "a", "2"));
  EXPECT_FALSE(files.replaceAtomically(dir / "a", "3"));
  EXPECT_EQ(ReadAll(dir / "a"), "2");
}

TEST(FileSystem, ReplacingInAMissingFolderFailsWithAReason) {
  TempFolder dir;
  FileSystem files;
  const FileOutcome outcome = files.replaceAtomically(dir / "missing" / "x", "1");
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.message.find("missing"), std::string::npos);
}

TEST(FileSystem, CreatesExclusively) {
  TempFolder dir;
  FileSystem files;
  EXPECT_TRUE(files.createExclusive(dir / "marker", "v1"));
  EXPECT_FALSE(files.createExclusive(dir / "marker", "v2"));
  EXPECT_EQ(ReadAll(dir / "marker"), "v1");
}

TEST(FileSystem, RemovesWithAResult) {
  TempFolder dir;
  FileSystem files;
  WriteAll(dir / "a", "1");
  files.injectFault(FileStep::Remove, 1);
  EXPECT_EQ(files.remove(dir / "a"), RemoveStatus::Failed);
  EXPECT_TRUE(fs::exists(dir / "a"));
  EXPECT_EQ(files.remove(dir / "a"), RemoveStatus::Removed);
  EXPECT_EQ(files.remove(dir / "a"), RemoveStatus::Missing);
}

TEST(FileSystem, MovesADamagedFileAsideWithoutOverwritingAnEarlierOne) {
  TempFolder dir;
  FileSystem files;
  WriteAll(dir / "STAT.DAT", "first damage");
  EXPECT_EQ(files.moveAside(dir / "STAT.DAT"), dir / "STAT.DAT.damaged");
  WriteAll(dir / "STAT.DAT", "second damage");
  EXPECT_EQ(files.moveAside(dir / "STAT.DAT"), dir / "STAT.DAT.damaged2");
  EXPECT_EQ(ReadAll(dir / "STAT.DAT.damaged"), "first damage");
  EXPECT_FALSE(fs::exists(dir / "STAT.DAT"));
}

TEST(FileSystem, ReadsWithinALimit) {
  TempFolder dir;
  FileSystem files;
  WriteAll(dir / "big", std::string(100, 'x'));
  EXPECT_EQ(files.read(dir / "big", 100).status, ReadStatus::Ok);
  EXPECT_EQ(files.read(dir / "big", 99).status, ReadStatus::TooLarge);
  EXPECT_EQ(files.read(dir / "none", 99).status, ReadStatus::Missing);
  EXPECT_EQ(files.read(dir.path(), 99).status, ReadStatus::Unreadable);
}

TEST(FileSystem, FindsNamesWithoutRegardToCase) {
  TempFolder dir;
  WriteAll(dir / "Custom Decks" / "Blue.BMP", "x");
  EXPECT_EQ(FileSystem::findIgnoringCase(dir.path(), "custom decks/blue.bmp"), dir / "Custom Decks" / "Blue.BMP");
  EXPECT_EQ(FileSystem::findIgnoringCase(dir.path(), "CUSTOM DECKS/new.bmp"), dir / "Custom Decks" / "new.bmp");
  EXPECT_EQ(FileSystem::findIgnoringCase(dir.path(), "other/x"), dir / "other" / "x");
}

TEST(Folders, MapsTheProgramsFileNamesIntoTheDataFolder) {
  TempFolder dir;
  const Folders folders(dir / "program", dir / "data");
  WriteAll(dir / "data" / "Series.dat", "x");
  struct Case {
    const char* name;
    fs::path expected;
  } cases[] = {
      {"DATA\\STAT.DAT", dir / "data" / "STAT.DAT"},
      {"Data\\series.DAT", dir / "data" / "Series.dat"},  // an existing file keeps its spelling
      {"data\\custom card sets\\x.crs", dir / "data" / "custom card sets" / "x.crs"},
      {"SOLV0600.DAT", dir / "data" / "SOLV0600.DAT"},
      {"IMAGES/GAME0000.BMP", dir / "data" / "IMAGES" / "GAME0000.BMP"},
  };
  for (const auto& c : cases) EXPECT_EQ(folders.userFile(c.name), c.expected) << c.name;
}

TEST(Folders, RefusesNamesThatLeaveTheDataFolder) {
  const Folders folders("/program", "/data");
  for (const char* hostile : {"", "DATA", "..\\x", "DATA\\..\\..\\etc\\passwd", "/etc/passwd", "\\x", "DATA\\\\x",
                              "a/./b", "Comments_a/../../b.rtf"})
    EXPECT_FALSE(folders.userFile(hostile).has_value()) << hostile;
}

// A program in a build folder or an unpacked copy keeps its own folder; an
// installed one finds what ships with it in the install layout's data folder.
TEST(Folders, FindsTheProgramFolderBesideTheExecutableOrInstalled) {
  enum class Found { BesideExecutable, Installed };
  struct Case {
    const char* what;
    std::vector<std::string> besideExecutable;  // entries of the executable's folder
    std::vector<std::string> installed;         // entries of the installed program folder
    Found expected;
  } cases[] = {
      {"a build folder", {"GAMES.DAT", "SOL.RGF"}, {}, Found::BesideExecutable},
      {"an installed program", {}, {"GAMES.DAT", "SOL.RGF"}, Found::Installed},
      {"a build folder wins over an installed copy", {"GAMES.DAT"}, {"GAMES.DAT"}, Found::BesideExecutable},
      {"the rule file in other letter case", {"games.dat"}, {"GAMES.DAT"}, Found::BesideExecutable},
      {"a folder named like the rule file is no rule file", {"GAMES.DAT/x"}, {"GAMES.DAT"}, Found::Installed},
      {"only the bundle beside the executable", {"SOL.RGF"}, {"GAMES.DAT"}, Found::Installed},
      {"no rule file anywhere: the start-up reports it beside the executable", {}, {"SOL.RGF"},
       Found::BesideExecutable},
  };
  for (const auto& c : cases) {
    TempFolder dir;
    const fs::path executableFolder = dir / "bin";
    const fs::path installed = InstalledProgramFolder(executableFolder);
    fs::create_directories(executableFolder);
    for (const auto& entry : c.besideExecutable) WriteAll(executableFolder / entry, "x");
    for (const auto& entry : c.installed) WriteAll(installed / entry, "x");
    EXPECT_EQ(ProgramFolderFor(executableFolder),
              c.expected == Found::Installed ? installed : executableFolder)
        << c.what;
  }
}

TEST(Folders, TheInstalledProgramFolderLiesOutsideTheExecutablesFolder) {
  const fs::path installed = InstalledProgramFolder("/opt/x/bin");
  EXPECT_TRUE(installed.is_absolute());
  EXPECT_NE(installed, fs::path("/opt/x/bin"));
  EXPECT_EQ(installed.filename(), "velmora");
}

}  // namespace
}  // namespace velmora
