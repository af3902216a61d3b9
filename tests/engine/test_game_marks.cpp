// The selection's won and lost marks read from the statistics: a damaged file
// or record only costs the marks.
#include <gtest/gtest.h>

#include "files/user_data.h"
#include "records/game_marks.h"
#include "records/statistics_record.h"
#include "test_support.h"

namespace velmora {
namespace {

using testing::TempFolder;
using testing::WriteAll;

std::string Entry(const std::string& player, std::int64_t won, std::int64_t lost) {
  StatisticsRecord record;
  record.won = won;
  record.lost = lost;
  return player + "=" + FormatStatistics(record) + "\r\n";
}

class GameMarksTest : public ::testing::Test {
 protected:
  GameMarksTest() : data(Folders(dir / "program", dir / "data"), files) { data.prepare(); }
  void writeStatistics(const std::string& text) { WriteAll(dir / "data" / "STAT.DAT", text); }

  TempFolder dir;
  FileSystem files;
  UserData data;
};

TEST_F(GameMarksTest, WonPlayedOrPlainForEachGameOfThePlayer) {
  writeStatistics("[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n" + Entry("Anna", 0, 2) + Entry("Bruno", 1, 0) +
                  "\r\n[0002]\r\n" + Entry("Anna", 0, 0) + "\r\n[0003]\r\n" + Entry("Anna", 1, 5) +
                  "\r\n[0004]\r\nAnna=garbage\r\n");
  const auto anna = PlayerGameMarks(data, "Anna");
  struct Case {
    int game;
    GameMark mark;
  } cases[] = {{1, GameMark::NotWon}, {2, GameMark::Plain}, {3, GameMark::Won}, {4, GameMark::Plain}, {9, GameMark::Plain}};
  for (const Case& c : cases) EXPECT_EQ(anna(c.game), c.mark) << c.game;
  EXPECT_EQ(PlayerGameMarks(data, "Bruno")(1), GameMark::Won);
  EXPECT_EQ(PlayerGameMarks(data, "Carla")(1), GameMark::Plain);
}

TEST_F(GameMarksTest, AMissingOrDamagedFileGivesPlainMarks) {
  EXPECT_EQ(PlayerGameMarks(data, "Anna")(1), GameMark::Plain);
  for (const std::string& damaged : {std::string("\0\xff\x01[0001]\r\nAnna", 14), std::string("[0001"),
                                     std::string("[0001]\r\nAnna=000001"), std::string(5000, '[')}) {
    writeStatistics(damaged);
    EXPECT_EQ(PlayerGameMarks(data, "Anna")(1), GameMark::Plain);
  }
}

}  // namespace
}  // namespace velmora
