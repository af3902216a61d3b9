// Player names counted in characters: which names the records hold, and that
// the configuration store, the players list and every fixed-width field keep
// a name of 30 characters whole in any script instead of cutting it.
#include <gtest/gtest.h>

#include <set>

#include "files/ini_document.h"
#include "records/high_scores.h"
#include "records/player_list.h"
#include "records/player_names.h"
#include "records/results_log.h"
#include "records/statistics_record.h"
#include "records_support.h"
#include "shell/config_store.h"
#include "shell/preference_keys.h"
#include "text/fixed_text.h"
#include "text/utf8.h"

namespace velmora {
namespace {

using testing::ReadAll;
using testing::RecordsFixture;
using testing::TempFolder;

std::string Repeat(std::string_view piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

const std::string kAscii30 = Repeat("Abcde", 6);
const std::string kCyrillic30 = Repeat("Ж", 30);      // 60 bytes
const std::string kPlayingCards30 = Repeat("🂡", 30);  // 120 bytes
const std::string kMixed = "Zoë Ångström 東京 🂡";

constexpr std::string_view kTooLong = "A player name has at most 30 characters.";
constexpr std::string_view kNotUtf8 = "A player name must be UTF-8 text.";
constexpr std::string_view kBreaksFiles = "A player name cannot start with \"[\" or hold \"=\" or control characters.";

TEST(Utf8, CutsNeverSplitACharacter) {
  struct Case {
    std::string text;
    std::size_t width;
    std::string inBytes, inCharacters;
  } cases[] = {
      {"ab", 4, "ab  ", "ab  "},
      {"AЖ", 2, "A ", "AЖ"},
      {"ЖЖЖ", 2, "Ж", "ЖЖ"},
      {"🂡x", 3, "   ", "🂡x "},
      {"Jos\xE9", 4, "Jos\xE9", "Jos\xE9"},  // a stray byte is one character
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PadOrCut(c.text, c.width), c.inBytes) << c.text;
    EXPECT_EQ(PadOrCutCharacters(c.text, c.width), c.inCharacters) << c.text;
    EXPECT_EQ(EncodeCharacters(DecodeCharacters(c.text)), c.text);
  }
}

TEST(PlayerNames, AreCountedInCharactersAndMustBeUtf8) {
  struct Case {
    std::string name;
    std::optional<std::string_view> problem;
  } cases[] = {
      {kAscii30, std::nullopt},
      {kAscii30 + "f", kTooLong},
      {kCyrillic30, std::nullopt},
      {kCyrillic30 + "Ж", kTooLong},
      {kPlayingCards30, std::nullopt},
      {kPlayingCards30 + "🂡", kTooLong},
      {kMixed, std::nullopt},
      {Repeat("Ж", 15) + "\xD0", kNotUtf8},  // a character cut in two
      {"Ann\xFF", kNotUtf8},
      {"\xC0\xAF", kNotUtf8},      // an overlong "/"
      {"\xED\xA0\x80", kNotUtf8},  // a surrogate
      {"\xF4\x90\x80\x80", kNotUtf8},  // above U+10FFFF
      {"Ж=" + Repeat("Ж", 10), kBreaksFiles},
  };
  for (const Case& c : cases) {
    const auto expected = c.problem ? std::optional<std::string>(*c.problem) : std::nullopt;
    EXPECT_EQ(PlayerNameProblem(c.name), expected) << c.name;
    EXPECT_EQ(PlayerNameRefusal(c.name, {"Someone"}), expected) << c.name;
  }
}

TEST(PlayerNames, FixedWidthFieldsHoldTheWholeName) {
  for (const std::string& name : {kAscii30, kCyrillic30, kPlayingCards30, kMixed}) {
    SCOPED_TRACE(name);
    LogLine line{"20261210", "12:34:56", 100, 8000, "Пасьянс", name, true, "01", "120", "0000000000042"};
    const std::string logText = FormatLogLine(line);
    EXPECT_EQ(CountCharacters(logText), kLogLineWidth);
    const auto logRead = ParseLogLine(logText);
    ASSERT_TRUE(logRead.has_value());
    EXPECT_EQ(logRead->player, name);
    EXPECT_EQ(logRead->gameName, "Пасьянс");
    EXPECT_EQ(logRead->gameNumber, 8000);
    EXPECT_EQ(logRead->score, "120");
    EXPECT_EQ(logRead->dealNumber, "0000000000042");
    EXPECT_EQ(SplitLog(logText + "\r\n").lines.size(), 1u);

    const std::string entryText = FormatHighScore({120, 100, "20261210", "12:34:56", name, "0000000000042", true});
    EXPECT_EQ(CountCharacters(entryText), kHighScoreWidth);
    EXPECT_EQ(FullWidthHighScore(entryText), entryText) << "a list written again keeps it";
    const auto entryRead = ParseHighScore(entryText);
    ASSERT_TRUE(entryRead.has_value());
    EXPECT_EQ(entryRead->player, name);
    EXPECT_EQ(entryRead->dealNumber, "0000000000042");
    EXPECT_TRUE(entryRead->won);
  }
  // ASCII lines are laid out byte for byte as before.
  EXPECT_EQ(FormatLogLine({"20261210", "12:34:56", 100, 3, "FreeCell", kAscii30, true, "01", "120", "42"}).size(),
            kLogLineWidth);
}

TEST(PlayerNames, LinesLaidOutInBytesByEarlierVersionsStayReadable) {
  // Fifteen two-byte characters filled the 30 bytes of the name field.
  const std::string name = Repeat("Ж", 15);
  const std::string line = "20261210 12:00:00 000100 0003 " + PadOrCut("FreeCell", 50) + " " + name +
                           " Won  01 000120 0000000000042   0600";
  ASSERT_EQ(line.size(), kLogLineWidth);
  const auto read = ParseLogLine(line);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->player, name);
  EXPECT_EQ(read->gameNumber, 3);
  EXPECT_EQ(read->score, "000120");
  EXPECT_EQ(SplitLog(line).lines.size(), 1u);

  const std::string entry = "000120 000100 20261210 12:00:00 " + name + " 0000000000042   Won  x";
  ASSERT_EQ(entry.size(), kHighScoreWidth);
  EXPECT_EQ(ParseHighScore(entry)->player, name);
  EXPECT_EQ(ParseHighScore(entry)->dealNumber, "0000000000042");
  EXPECT_EQ(FullWidthHighScore(entry), entry) << "a list written again keeps it";
}

TEST(PlayerNames, TheStoreKeepsTheCurrentPlayerWhole) {
  struct Case {
    std::string written, read;
  } cases[] = {
      {kCyrillic30, kCyrillic30},
      {kPlayingCards30, kPlayingCards30},
      {kCyrillic30 + "Ж", kCyrillic30},  // cut to whole characters, never inside one
      {"Jos\xE9", "Jos\xE9"},            // a byte of an older code page comes back as it was
  };
  for (const Case& c : cases) {
    ConfigStore store;
    const int next = store::UserDefault.position + store::UserDefault.width;
    store.write(next, 1, "X");
    store.write(store::UserDefault, c.written);
    EXPECT_EQ(store.playerName(), c.read) << c.written;
    EXPECT_EQ(store.read(next, 1), "X") << "the next item is untouched";
  }
}

TEST(PlayerNames, NamesSharingALongBeginningKeepTheirOwnRecords) {
  // 28 characters each, alike in their first 52 bytes.
  const std::string common = "Александр Сергеевич Пушкин";
  const std::array<std::string, 3> names{common + "ов", common + "ин", common + "ая"};
  RecordsFixture f;
  for (std::size_t i = 0; i < names.size(); ++i) {
    f.play(1, "Klondike", names[i]);
    EXPECT_TRUE(f.finish(true, 50 + static_cast<int>(i)).saved);
  }
  const std::string statistics = ReadAll(f.file("STAT.DAT"));
  const std::string log = ReadAll(f.file("STAT_LOG.DAT"));
  const std::string scores = ReadAll(f.file("STAT_SCR.DAT"));
  std::set<std::string> logged, ranked;
  for (std::string_view line : SplitLog(log).lines) logged.insert(ParseLogLine(line)->player);
  for (const std::string& value : FindHighScores(scores, 1, "01"))
    if (const auto entry = ParseHighScore(value)) ranked.insert(entry->player);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    EXPECT_EQ(FindStatistics(statistics, 1, name).record.won, 1);
    EXPECT_TRUE(logged.contains(name));
    EXPECT_TRUE(ranked.contains(name));
  }
  for (const std::string& text : {statistics, log, scores}) EXPECT_TRUE(IsValidUtf8(text));
}

TEST(PlayerNames, ThePreferencesNeverYieldANameTheRecordsCannotHold) {
  struct Case {
    const char* what;
    std::vector<std::string> registered;
    std::optional<std::string> current;
    std::string plays;
    std::vector<std::string> listed;
    std::size_t warnings;
  } cases[] = {
      {"a first start", {}, std::nullopt, "Player 1", {"Player 1", "Player 2", "Player 3"}, 0},
      {"a whole Cyrillic name", {kCyrillic30, "Bob"}, kCyrillic30, kCyrillic30, {"Bob", kCyrillic30}, 0},
      {"a name too long", {"Bob", kAscii30 + "f"}, kAscii30 + "f", "Bob", {"Bob"}, 2},
      {"a name not UTF-8", {"Ann\xFF", "Zoe"}, "Ann\xFF", "Zoe", {"Zoe"}, 2},
      {"no name left", {kCyrillic30 + "Ж"}, kCyrillic30 + "Ж", "Player 1", {}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder dir;
    FileSystem files;
    UserData data(Folders(dir / "program", dir / "data"), files);
    std::vector<std::string> warnings;
    data.setWarningSink([&](const std::string& text) { warnings.push_back(text); });
    IniDocument file;
    WritePlayers(file, c.registered);
    if (c.current) file.write(kPreferenceSection, "UserDefault", *c.current);
    ConfigStore store;
    store.write(store::UserDefault, c.current.value_or(""));
    EnsureCurrentPlayer(data, store, file);
    EXPECT_EQ(store.playerName(), c.plays);
    EXPECT_EQ(file.readString(kPreferenceSection, "UserDefault", ""), c.plays);
    EXPECT_EQ(ReadPlayers(file), c.listed);
    EXPECT_EQ(warnings.size(), c.warnings);
  }
}

}  // namespace
}  // namespace velmora
