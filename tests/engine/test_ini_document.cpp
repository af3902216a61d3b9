// The preference file's INI semantics: case-insensitive names, first
// occurrence wins, in-place replacement, untouched foreign lines.
#include <gtest/gtest.h>

#include "files/ini_document.h"

namespace velmora {
namespace {

constexpr std::string_view kSample =
    "; settings\r\n"
    "[Preference]\r\n"
    "Game=12\r\n"
    "game=99\r\n"
    "  Card_Size = M  \r\n"
    "Quoted=\"Player 1\"\r\n"
    "Bad=12x\r\n"
    "Empty=\r\n"
    "\r\n"
    "[Users]\r\n"
    "User001=Anna\r\n"
    "[preference]\r\n"
    "Late=1\r\n";

struct ReadCase {
  const char* section;
  const char* key;
  const char* expected;  // nullptr: not found
};

TEST(IniDocument, ReadsAsTheProfileFunctionsDo) {
  const IniDocument doc = IniDocument::Parse(kSample);
  const ReadCase cases[] = {
      {"Preference", "Game", "12"},          // first occurrence wins
      {"PREFERENCE", "GAME", "12"},          // letter case ignored
      {"Preference", "Card_Size", "M"},      // blanks around names and values
      {"Preference", "Quoted", "Player 1"},  // one pair of quotes dropped
      {"Preference", "Empty", ""},
      {"Preference", "Late", nullptr},  // only the first section of a name counts
      {"Users", "User001", "Anna"},
      {"Users", "Game", nullptr},
      {"Missing", "Game", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    const auto value = doc.find(c.section, c.key);
    if (c.expected) {
      ASSERT_TRUE(value.has_value());
      EXPECT_EQ(*value, c.expected);
    } else {
      EXPECT_FALSE(value.has_value());
    }
  }
}

TEST(IniDocument, ReadsIntegersWithTheirFallback) {
  const IniDocument doc = IniDocument::Parse(kSample);
  EXPECT_EQ(doc.readInt("Preference", "Game", 5), 12);
  EXPECT_EQ(doc.readInt("Preference", "Missing", 5), 5);
  EXPECT_EQ(doc.readInt("Preference", "Bad", 5), 5);
  EXPECT_EQ(doc.readInt("Preference", "Empty", 5), 5);
  EXPECT_EQ(doc.readInt("Preference", "Card_Size", -7), -7);
}

struct WriteCase {
  const char* name;
  std::string_view before;
  const char* section;
  const char* key;
  const char* value;
  std::string_view after;
};

TEST(IniDocument, WritesInPlaceOrAppends) {
  const WriteCase cases[] = {
      {"replaces the first occurrence in place, keeping its spelling", "[A]\r\nk=1\r\nK=2\r\nz=3\r\n", "a", "K",
       "9", "[A]\r\nk=9\r\nK=2\r\nz=3\r\n"},
      {"appends a new key to its section, before the blank line", "[A]\r\nk=1\r\n\r\n[B]\r\nx=1\r\n", "A", "n", "2",
       "[A]\r\nk=1\r\nn=2\r\n\r\n[B]\r\nx=1\r\n"},
      {"appends a missing section at the end", "[A]\r\nk=1\r\n", "B", "x", "y", "[A]\r\nk=1\r\n[B]\r\nx=y\r\n"},
      {"creates a file from nothing", "", "Parameters", "Run_Exe", "1", "[Parameters]\r\nRun_Exe=1\r\n"},
      {"keeps comments and foreign lines", "; c\r\n[A]\r\njunk line\r\nk=1\r\n", "A", "k", "2",
       "; c\r\n[A]\r\njunk line\r\nk=2\r\n"},
      {"reads LF files and writes CR LF", "[A]\nk=1\n", "A", "k", "2", "[A]\r\nk=2\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    IniDocument doc = IniDocument::Parse(c.before);
    ASSERT_TRUE(doc.write(c.section, c.key, c.value));
    EXPECT_EQ(doc.serialize(), c.after);
    EXPECT_TRUE(doc.changed());
  }
}

TEST(IniDocument, RefusesWhatWouldBreakTheFile) {
  IniDocument doc = IniDocument::Parse("[A]\r\nk=1\r\n");
  EXPECT_FALSE(doc.write("A", "k", "two\r\nlines"));
  EXPECT_FALSE(doc.write("A", "k", "line\nfeed"));
  EXPECT_FALSE(doc.write("A", "a=b", "1"));
  EXPECT_FALSE(doc.write("A", "", "1"));
  EXPECT_FALSE(doc.write("A", "[x", "1"));
  EXPECT_FALSE(doc.write("A]", "k", "1"));
  EXPECT_FALSE(doc.write("A\n", "k", "1"));
  EXPECT_FALSE(doc.changed());
  EXPECT_EQ(doc.serialize(), "[A]\r\nk=1\r\n");
}

TEST(IniDocument, ErasesSectionsAndDeletesKeys) {
  IniDocument doc = IniDocument::Parse("[A]\r\nk=1\r\nm=2\r\n[B]\r\nx=1\r\n[a]\r\nq=1\r\n");
  doc.deleteKey("a", "K");
  EXPECT_EQ(doc.serialize(), "[A]\r\nm=2\r\n[B]\r\nx=1\r\n[a]\r\nq=1\r\n");
  doc.eraseSection("b");
  EXPECT_EQ(doc.serialize(), "[A]\r\nm=2\r\n[a]\r\nq=1\r\n");
  doc.deleteKey("A", "missing");
  doc.eraseSection("missing");
  EXPECT_EQ(doc.serialize(), "[A]\r\nm=2\r\n[a]\r\nq=1\r\n");
}

TEST(IniDocument, ListsKeysOnceInFileOrder) {
  const IniDocument doc = IniDocument::Parse("[Users]\r\nUser002=B\r\nUser001=A\r\nuser002=C\r\n");
  EXPECT_EQ(doc.keys("users"), (std::vector<std::string>{"User002", "User001"}));
  EXPECT_TRUE(doc.keys("none").empty());
}

TEST(IniDocument, RewritingTheSameValueIsNoChange) {
  IniDocument doc = IniDocument::Parse("[A]\r\nk=1\r\n");
  ASSERT_TRUE(doc.write("A", "k", "1"));
  EXPECT_FALSE(doc.changed());
}

}  // namespace
}  // namespace velmora
