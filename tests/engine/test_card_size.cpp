// The card size a game is played at on narrow screens, the notices that tell
// the player, and the custom card sets' picture sizes.
#include <gtest/gtest.h>

#include "catalogue/catalogue_startup.h"
#include "game/rule_index.h"
#include "shell/advice.h"
#include "shell/main_game.h"
#include "table/custom_card_set.h"
#include "table/prepare_game.h"
#include "test_support.h"

namespace velmora {
namespace {

using testing::RecordingUi;
using testing::TempFolder;

struct SizeCase {
  const char* what;
  int widthClass;
  int screenWidth;
  const char* size;   // the player's size and set before the game
  const char* set;
  const char* wantSize;
  const char* wantSet;
  const char* notice;  // "" for none
};

class CardSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(CardSizeTest, SettlesSizeSetAndNotice) {
  const SizeCase& c = GetParam();
  ConfigStore store;
  store.write(store::CardSize, c.size);
  store.write(store::CardSet, c.set);
  store.write(store::GameName, "Spider");
  RuleRecord rules;
  rules[rule::TableWidthClass] = static_cast<std::int16_t>(c.widthClass);
  CardSizeNoticesShown shown;
  const auto notice = SettleCardSize(store, rules, {c.screenWidth, true}, shown);
  EXPECT_EQ(store.read(store::CardSize), c.wantSize);
  EXPECT_EQ(store.read(store::CardSet), c.wantSet);
  EXPECT_EQ(notice ? notice->messageName : "", c.notice);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, CardSizeTest,
    ::testing::Values(SizeCase{"wide screen keeps the size", 2, 1920, "S", "002", "S", "002", ""},
                      SizeCase{"class 1 below 650", 1, 640, "B", "002", "M", "003", "Msg_Cards_Medium_640x480"},
                      SizeCase{"class 2 below 810", 2, 800, "B", "005", "M", "003", "Msg_Cards_Medium_800x600"},
                      SizeCase{"large cards, class 2 below 1100", 2, 1024, "S", "002", "B", "001", "Msg_Cards_Large"},
                      SizeCase{"large cards, class 1 below 810", 1, 800, "S", "001", "B", "001", "Msg_Cards_Large"},
                      SizeCase{"large cards, any class below 650", 0, 600, "S", "001", "B", "001", "Msg_Cards_Large"},
                      SizeCase{"normal cards fit class 2 at 1024", 2, 1024, "B", "002", "B", "002", ""}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(CardSize, ForcedSizeIsGivenBackWhenTheNextGameFits) {
  ConfigStore store;
  store.write(store::CardSize, "S");
  store.write(store::CardSet, "002");
  RuleRecord wide;
  wide[rule::TableWidthClass] = 2;
  CardSizeNoticesShown shown;
  ASSERT_TRUE(SettleCardSize(store, wide, {800, true}, shown).has_value());
  EXPECT_EQ(store.read(store::SavedCardSize), "S");
  // A second wide game: already forced, so no second notice and the saved size stays.
  EXPECT_FALSE(SettleCardSize(store, wide, {800, true}, shown).has_value());
  EXPECT_EQ(store.read(store::SavedCardSize), "S");

  const RuleRecord narrow;
  EXPECT_FALSE(SettleCardSize(store, narrow, {800, true}, shown).has_value());
  EXPECT_EQ(store.read(store::CardSize), "S");
  EXPECT_EQ(store.read(store::CardSet), "002");
  EXPECT_EQ(store.read(store::SavedCardSize), "");
  EXPECT_EQ(store.read(store::SavedCardSet), "");
}

TEST(CardSize, EachNoticeAtMostOncePerRun) {
  CardSizeNoticesShown shown;
  RuleRecord rules;
  rules[rule::TableWidthClass] = 2;
  int notices = 0;
  for (int game = 0; game < 3; ++game) {
    ConfigStore store;  // a fresh player's size each time, so every game is forced anew
    store.write(store::CardSize, "M");
    store.write(store::CardSet, "003");
    notices += SettleCardSize(store, rules, {800, true}, shown).has_value() ? 1 : 0;
  }
  EXPECT_EQ(notices, 1);
}

TEST(CustomCardSet, PictureSizeDecidesTheCardSize) {
  EXPECT_EQ(CustomCardSetSize(425, 1380), 'S');
  EXPECT_EQ(CustomCardSetSize(355, 1152), 'B');
  EXPECT_EQ(CustomCardSetSize(295, 960), 'M');
  EXPECT_EQ(CustomCardSetSize(355, 1151), std::nullopt);
  EXPECT_EQ(CustomCardSetSize(0, 0), std::nullopt);
}

class TableSettingsTest : public ::testing::Test {
 protected:
  TableSettingsTest() : game(Folders(VELMORA_PROGRAM_DIR, dir / "data"), ui) {
    game.data().prepare();
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
  }
  TempFolder dir;
  RecordingUi ui;
  TMainGame game;
};

TEST_F(TableSettingsTest, SilencedAdviceStaysSilentAcrossRuns) {
  ui.silenceAdvice = true;
  ShowAdvice(game, "Once", "Msg_Test", 0);
  ShowAdvice(game, "Twice", "Msg_Test", 0);
  EXPECT_EQ(ui.advice, std::vector<std::string>{"Once"});

  RecordingUi nextUi;
  TMainGame nextRun(Folders(VELMORA_PROGRAM_DIR, dir / "data"), nextUi);
  nextRun.data().prepare();
  ShowAdvice(nextRun, "Again", "Msg_Test", 0);
  ShowAdvice(nextRun, "Other", "Msg_Other", 0);
  EXPECT_EQ(nextUi.advice, std::vector<std::string>{"Other"});
}

TEST_F(TableSettingsTest, OnlyNSilencesAdvice) {
  for (const char* value : {"Y", "n", "No", ""}) {
    game.preferences().update([&](IniDocument& file) { file.write("Show_Messages", "Msg_Test", value); });
    ui.advice.clear();
    ShowAdvice(game, "Shown", "Msg_Test", 0);
    EXPECT_EQ(ui.advice.size(), 1u) << value;
  }
}

TEST_F(TableSettingsTest, MakingAGameCurrentLoadsItsRules) {
  const int freeCell = game.catalogue().GameNumberByName("FreeCell");
  ASSERT_GE(freeCell, 0);
  ASSERT_TRUE(MakeCurrentGame(game, freeCell, {1920, true}));
  EXPECT_EQ(game.store().gameNumber(), freeCell);
  EXPECT_EQ(game.store().gameName(), "FreeCell");
  EXPECT_EQ(game.rules()[rule::TableauPiles], 8);
  EXPECT_FALSE(MakeCurrentGame(game, 7999, {1920, true}));
  EXPECT_EQ(game.store().gameNumber(), freeCell);
}

TEST_F(TableSettingsTest, DroppedCustomSetIsForgottenInThePreferences) {
  game.preferences().update([](IniDocument& file) { file.write("Preference", "Customized_Cards_Set", "Mine"); });
  game.store().write(store::CustomCardSetChosen, "Y");
  const auto file = ChosenCustomCardSet(game);
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->filename(), "Mine.crs");
  DropCustomCardSet(game, true);
  EXPECT_FALSE(ChosenCustomCardSet(game).has_value());
  EXPECT_EQ(game.preferences().open().readString("Preference", "Customized_Cards_Set", "?"), "");
  EXPECT_EQ(game.preferences().open().readString("Preference", "Card", "?"), "001");
}

TEST_F(TableSettingsTest, CustomSetNameThatLeavesItsFolderIsRefused) {
  game.preferences().update([](IniDocument& file) { file.write("Preference", "Customized_Cards_Set", "..\\..\\x"); });
  game.store().write(store::CustomCardSetChosen, "Y");
  EXPECT_FALSE(ChosenCustomCardSet(game).has_value());
}

}  // namespace
}  // namespace velmora
