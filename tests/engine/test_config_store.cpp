// The configuration store's width rules and buffer boundaries.
#include <gtest/gtest.h>

#include "shell/config_store.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

TEST(ConfigStore, WritesAreTrimmedCutAndPadded) {
  ConfigStore store;
  store.write(62, 4, "  12");
  EXPECT_EQ(store.read(62, 4), "12");
  EXPECT_EQ(store.read(62, 5), "12");  // padded with blanks, then the blank next item
  store.write(62, 4, "1234567");
  EXPECT_EQ(store.read(62, 4), "1234");
  EXPECT_EQ(store.read(66, 1), "");  // the next item is untouched
}

TEST(ConfigStore, BuffersMeetAtTheirBoundaries) {
  ConfigStore store;
  store.write(249, 1, "A");
  store.write(251, 1, "B");
  store.write(499, 1, "C");
  EXPECT_EQ(store.read(249, 1), "A");
  EXPECT_EQ(store.read(251, 1), "B");
  EXPECT_EQ(store.read(499, 1), "C");
  EXPECT_EQ(store.read(248, 2), " A");  // a read never runs into the next buffer
}

TEST(ConfigStore, ProgramFolderAndBookmarkShareBufferC) {
  ConfigStore store;
  store.reset("/opt/velmora/");
  store.write(701, 200, "/tmp/bookmark");
  EXPECT_EQ(store.read(501, 200), "/opt/velmora/");
  EXPECT_EQ(store.read(701, 200), "/tmp/bookmark");
  EXPECT_EQ(store.preferenceFileName(), "/opt/velmora/DATA\\Cfg.dat");
}

TEST(ConfigStore, AnItemPastTheEndOfBufferCLandsAtItsOwnPlace) {
  ConfigStore store;
  store.write(901, 10, "far");
  EXPECT_EQ(store.read(901, 10), "far");
  EXPECT_EQ(store.read(801, 10), "");
}

TEST(ConfigStore, PositionsOutsideTheStoreAreIgnored) {
  ConfigStore store;
  store.write(1000, 5, "x");
  store.write(0, 5, "x");
  store.write(250, 1, "x");  // first position of a buffer is not an item
  EXPECT_EQ(store.read(1000, 5), "");
  EXPECT_EQ(store.read(0, 5), "");
  EXPECT_EQ(store.read(250, 1), "");
  EXPECT_EQ(store.read(1, 20), "DATA\\Cfg.dat");
}

TEST(ConfigStore, TypedViews) {
  ConfigStore store;
  store.setGameNumber(-1);
  EXPECT_EQ(store.read(store::Game), "-001");
  EXPECT_EQ(store.gameNumber(), -1);
  store.setGameNumber(37);
  EXPECT_EQ(store.read(store::Game), "0037");
  EXPECT_EQ(store.gameNumber(), 37);
  store.resetSessionCounters();
  EXPECT_EQ(store.read(112, 4), "0000");
  EXPECT_EQ(store.read(116, 4), "0000");
}

TEST(FixedText, FormatsNumbersInTheirWidth) {
  struct Case {
    std::int64_t n;
    int width;
    const char* expected;
  } cases[] = {{1, 4, "0001"}, {-1, 4, "-001"}, {12345, 4, "****"}, {-999, 4, "-999"}, {-1000, 4, "****"},
               {0, 1, "0"},    {7, 0, ""},      {INT64_MIN, 20, "-9223372036854775808"}};
  for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.n, c.width), c.expected) << c.n << " in " << c.width;
}

TEST(FixedText, ParsesWholeNumbersOnly) {
  EXPECT_EQ(ParseInteger(" 42 "), 42);
  EXPECT_EQ(ParseInteger("-7"), -7);
  EXPECT_EQ(ParseInteger("+7"), 7);
  for (const char* bad : {"", " ", "4 2", "12x", "x", "+-1", "99999999999999999999"})
    EXPECT_FALSE(ParseInteger(bad).has_value()) << bad;
}

}  // namespace
}  // namespace velmora
