#include <gtest/gtest.h>

#include "records/keyed_file.h"
#include "records/player_names.h"
#include "test_support.h"

namespace velmora {
namespace {

using testing::ReadAll;
using testing::TempFolder;
using testing::WriteAll;

constexpr std::string_view kTwoSections =
    "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nBobby=222\r\nBob=111\r\n\r\n[0001x]\r\nBob=999\r\n";

TEST(KeyedText, NamesAndKeysMatchWholeLines) {
  struct Case {
    std::string_view section, name;
    std::optional<std::string_view> value;
  };
  const Case cases[] = {
      {"0001", "Bob", "111"}, {"0001", "Bobby", "222"}, {"0001", "Bo", std::nullopt},
      {"0001x", "Bob", "999"}, {"000", "Bob", std::nullopt}, {"Version", "Version", "0300"},
  };
  for (const Case& c : cases) EXPECT_EQ(keyed::Find(kTwoSections, c.section, c.name), c.value) << c.name;
}

TEST(KeyedText, LineFeedFilesReadAndAreWrittenWithCrLf) {
  std::string text = "[0001]\nBob=111\n\n[0002]\nBob=222   \n";
  EXPECT_EQ(keyed::Find(text, "0002", "Bob"), "222");
  const KeyedValue value{"Bob", "333"};
  keyed::Set(text, "0001", std::span(&value, 1));
  EXPECT_EQ(text, "[0001]\r\nBob=333\r\n\r\n[0002]\r\nBob=222   \r\n");
}

TEST(KeyedText, WritingChoosesInPlaceRebuildOrAppend) {
  struct Case {
    std::string_view section, name, value;
    std::string_view expected;
  };
  const Case cases[] = {
      // Same width: only the value changes.
      {"0001", "Bob", "444", "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nBobby=222\r\nBob=444\r\n\r\n[0001x]\r\nBob=999\r\n"},
      // Another width: the section is rebuilt, an empty line before the next.
      {"0001", "Bob", "4444", "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nBobby=222\r\nBob=4444\r\n\r\n[0001x]\r\nBob=999\r\n"},
      // A new entry joins its section.
      {"0001", "Bo", "5", "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nBobby=222\r\nBob=111\r\nBo=5\r\n\r\n[0001x]\r\nBob=999\r\n"},
      // A new section goes at the end after an empty line.
      {"0002", "Al", "7",
       "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nBobby=222\r\nBob=111\r\n\r\n[0001x]\r\nBob=999\r\n\r\n[0002]\r\nAl=7\r\n"},
      // The last section, rebuilt, ends the file without an empty line.
      {"0001x", "Bob", "1", "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nBobby=222\r\nBob=111\r\n\r\n[0001x]\r\nBob=1\r\n"},
  };
  for (const Case& c : cases) {
    std::string text(kTwoSections);
    const KeyedValue value{c.name, std::string(c.value)};
    keyed::Set(text, c.section, std::span(&value, 1));
    EXPECT_EQ(text, c.expected) << c.section << " " << c.name;
  }
}

TEST(KeyedText, SectionsAreListedInOrder) {
  EXPECT_EQ(keyed::Sections(kTwoSections), (std::vector<std::string>{"Version", "0001", "0001x"}));
}

TEST(KeyedText, RemovingEntriesKeepsTheirNeighbours) {
  std::string text(kTwoSections);
  const std::array<std::string_view, 1> names{"Bob"};
  keyed::Remove(text, "0001", names);
  EXPECT_EQ(text, "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nBobby=222\r\n\r\n[0001x]\r\nBob=999\r\n");
}

TEST(KeyedText, RemovingASectionKeepsTheOthers) {
  const std::string head = "[Version]\r\nVersion=0300\r\n";
  const std::string game1 = "[0001]\r\nBob=111\r\n";
  const std::string game2 = "[8000]\r\nBob=222\r\nAnn=333\r\n";
  struct Case {
    std::string before, after;
  } cases[] = {
      {head + "\r\n" + game2 + "\r\n" + game1, head + "\r\n" + game1},
      {head + "\r\n" + game1 + "\r\n" + game2, head + "\r\n" + game1},
      {head + "\r\n" + game2 + "\r\n" + game1 + "\r\n" + game2, head + "\r\n" + game1},  // twice
      {head + "\r\n" + game1 + "\r\n[80000]\r\nBob=1\r\n", head + "\r\n" + game1 + "\r\n[80000]\r\nBob=1\r\n"},
      {"[8000]\nBob=1\n\n[0001]\nBob=2\n", "[0001]\r\nBob=2\r\n"},
      {"[0001]\nBob=2\n", "[0001]\nBob=2\n"},  // nothing to remove: left as it was
  };
  for (const Case& c : cases) {
    std::string text = c.before;
    keyed::RemoveSection(text, "8000");
    EXPECT_EQ(text, c.after) << c.before;
  }
}

TEST(PlayerNames, NamesThatWouldBreakAFileAreRefused) {
  struct Case {
    std::string_view name;
    bool acceptable;
  };
  const Case cases[] = {
      {"Alice", true},  {"Mary Ann", true},  {"a]b", true},   {std::string_view("ab\0c", 4), false},
      {"", false},      {"   ", false},      {"a=b", false},  {"[x", false},
      {"line\r\nx", false}, {"tab\there", false}, {"123456789012345678901234567890", true},
      {"1234567890123456789012345678901", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsAcceptablePlayerName(c.name), c.acceptable) << c.name;
}

class KeyedFileTest : public ::testing::Test {
 protected:
  KeyedFileTest() : data(Folders(dir / "program", dir / "data"), files) { data.prepare(); }
  TempFolder dir;
  FileSystem files;
  UserData data;
};

TEST_F(KeyedFileTest, RefusedNamesLeaveTheFileAlone) {
  WriteAll(dir / "data" / "STAT.DAT", kTwoSections);
  KeyedFile file(data, "DATA\\STAT.DAT");
  for (std::string_view section : {"[0003", "x\ny"})
    EXPECT_FALSE(file.write(section, "Bob", "111"));
  for (std::string_view name : {"a=b", "[x", "x\r\n[0001]"})
    EXPECT_FALSE(file.write("0001", name, "111"));
  EXPECT_EQ(ReadAll(dir / "data" / "STAT.DAT"), kTwoSections);
}

TEST_F(KeyedFileTest, FailedWritesLeaveTheFileAsItWas) {
  WriteAll(dir / "data" / "STAT.DAT", kTwoSections);
  KeyedFile file(data, "DATA\\STAT.DAT");
  for (FileStep step : {FileStep::Write, FileStep::Rename}) {
    files.injectFault(step, 1);
    const FileOutcome outcome = file.write("0001", "Bob", "12345");
    EXPECT_FALSE(outcome);
    EXPECT_NE(outcome.message.find("Write error on file DATA\\STAT.DAT"), std::string::npos);
    EXPECT_EQ(ReadAll(dir / "data" / "STAT.DAT"), kTwoSections);
  }
  for (const auto& entry : std::filesystem::directory_iterator(dir / "data"))
    EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << "a temporary file was left behind";
}

TEST_F(KeyedFileTest, ReadManyTakesDefaultsForMissingEntries) {
  WriteAll(dir / "data" / "STAT.DAT", kTwoSections);
  const KeyedFile file(data, "DATA\\STAT.DAT");
  const std::array<std::string_view, 3> names{"Bob", "Carl", "Bobby"};
  const std::array<std::string, 3> defaults{"a", "b", "c"};
  EXPECT_EQ(file.readMany("0001", names, defaults), (std::vector<std::string>{"111", "b", "222"}));
  EXPECT_EQ(file.read("0009", "Bob", "none"), "none");
}

}  // namespace
}  // namespace velmora
