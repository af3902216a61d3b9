// Start-up on an empty, a damaged and an unwritable data folder; the keys
// kept at exit; the close query.
#include <gtest/gtest.h>

#include "files/ini_document.h"
#include "shell/main_game.h"
#include "shell/startup.h"
#include "test_support.h"

namespace velmora {
namespace {

using testing::ReadAll;
using testing::RecordingUi;
using testing::TempFolder;
using testing::WriteAll;

// A program folder with the build's rule file, and a data folder.
class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    fs::create_directories(dir / "program");
    fs::copy_file(fs::path(VELMORA_PROGRAM_DIR) / "GAMES.DAT", dir / "program" / "GAMES.DAT");
  }

  Folders folders() const { return Folders(dir / "program", dataFolder); }
  fs::path preferenceFile() const { return dataFolder / "Cfg.dat"; }
  IniDocument preferences() const { return IniDocument::Parse(ReadAll(preferenceFile())); }

  std::optional<StartupFailure> start(TMainGame& game) { return InitialiseProgram(game, StartupEnvironment{}); }

  TempFolder dir;
  fs::path dataFolder = dir / "data";
  RecordingUi ui;
};

TEST_F(StartupTest, AFirstStartCreatesTheDataFolderPlayersAndMarker) {
  TMainGame game(folders(), ui);
  ASSERT_FALSE(start(game).has_value());
  const IniDocument file = preferences();
  EXPECT_EQ(file.find("Preference", "UserDefault"), "Player 1");
  EXPECT_EQ(file.find("Users", "User001"), "Player 1");
  EXPECT_EQ(file.find("Users", "User002"), "Player 2");
  EXPECT_EQ(file.find("Users", "User003"), "Player 3");
  EXPECT_EQ(file.find("Parameters", "Run_Exe"), "1");
  EXPECT_EQ(ReadAll(dataFolder / "SOLV0600.DAT"), "Velmora version: 06.00\r\n");
  EXPECT_EQ(game.store().playerName(), "Player 1");
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(fs::exists(dir / "program" / "Cfg.dat")) << "nothing is written into the program folder";
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "program"), fs::directory_iterator()), 1);
}

TEST_F(StartupTest, DefaultsFillTheStore) {
  TMainGame game(folders(), ui);
  ASSERT_FALSE(start(game).has_value());
  const ConfigStore& store = game.store();
  struct Case {
    StoreItem item;
    const char* expected;
  } cases[] = {
      {store::BackCard, "011"},         {store::CardSet, "001"},
      {store::CardSize, "B"},           {store::Game, "-001"},  // no game until the player chooses one
      {store::GameName, ""},            {store::BackgroundColour, "-2147483633"},
      {store::BackgroundBitmap, "0"},   {store::BackgroundFixedColour, "32768"},
      {store::CardsShadowed, "Y"},      {store::UndoEnabled, "0"},
      {store::ScoringMode, "01"},       {store::SessionWon, "0000"},
      {store::Cursor, "10"},            {store::DoubleClickToTableaus, "N"},
      {store::SpeedMoveCard, "10"},     {store::Language, "20000"},
  };
  for (const auto& c : cases) EXPECT_EQ(store.read(c.item), c.expected) << "position " << c.item.position;
  EXPECT_TRUE(game.autoplay());
  EXPECT_EQ(game.state().word(word::AutoplayAllGames), 1);
  EXPECT_EQ(game.state().word(word::RandomGameType), 2);
  EXPECT_TRUE(game.state().on(flag::FirstActivationPending));
}

TEST_F(StartupTest, StoredPreferencesAreReadWithRepairsAndRangeChecks) {
  WriteAll(preferenceFile(),
           "[preference]\r\n"
           "back_card=0\r\n"            // repaired to the first back
           "Card=4\r\n"
           "Card_Size=Q\r\n"            // not a size: default
           "Background_Col=0\r\n"       // repaired to the button face
           "Game=5\r\n"
           "Game_name=Canfield\r\n"
           "Cards_Animate=N\r\n"        // shadows follow animation when not given
           "Undo_Enabled=7\r\n"         // out of range: default
           "Speed_Move_Card=250\r\n"    // does not fit: default
           "UserDefault=Anna\r\n"
           "Sounds_Undo=maybe\r\n"      // not a switch: default
           "Disable_Statistics=Y\r\n"
           "Customized_Deck=blue.bmp\r\n"
           "[Settings]\r\nRandom_Game_Type=3\r\n");
  TMainGame game(folders(), ui);
  ASSERT_FALSE(start(game).has_value());
  const ConfigStore& store = game.store();
  EXPECT_EQ(store.read(store::BackCard), "001");
  EXPECT_EQ(store.read(store::CardSet), "004");
  EXPECT_EQ(store.read(store::CardSize), "B");
  EXPECT_EQ(store.read(store::BackgroundColour), "-2147483633");
  EXPECT_EQ(store.gameNumber(), 5);
  EXPECT_EQ(store.gameName(), "Canfield");
  EXPECT_EQ(store.read(store::CardsShadowed), "N");
  EXPECT_EQ(store.read(store::UndoEnabled), "0");
  EXPECT_EQ(store.read(store::SpeedMoveCard), "10");
  EXPECT_EQ(store.playerName(), "Anna");
  EXPECT_EQ(store.read(store::SoundsUndo), "Y");
  EXPECT_EQ(store.read(store::CustomDeckChosen), "Y");
  EXPECT_EQ(store.read(store::CustomCardSetChosen), "");
  EXPECT_EQ(game.state().word(word::StatisticsDisabled), 1);
  EXPECT_EQ(game.state().word(word::RandomGameType), 3);
  EXPECT_FALSE(preferences().find("Users", "User001").has_value()) << "players exist already";
}

TEST_F(StartupTest, AStoredGameTheCatalogueLacksIsForgotten) {
  WriteAll(preferenceFile(), "[Preference]\r\nGame=7999\r\nGame_name=Lost Game\r\n");
  TMainGame game(folders(), ui);
  ASSERT_FALSE(start(game).has_value());
  EXPECT_EQ(game.store().read(store::Game), "-001");
  EXPECT_EQ(game.store().gameName(), "");
}

TEST_F(StartupTest, TheCardSetDrawnFromItsOwnBitmapsNeedsThem) {
  WriteAll(preferenceFile(), "[Preference]\r\nCard=4\r\n");
  TMainGame game(folders(), ui);
  StartupEnvironment environment;
  environment.hasBitmap = [](std::string_view) { return false; };
  ASSERT_FALSE(InitialiseProgram(game, environment).has_value());
  EXPECT_EQ(game.store().read(store::CardSet), "001");
}

TEST_F(StartupTest, AScreenOfFewColoursGetsItsCardSetAndOneAdvice) {
  TMainGame game(folders(), ui);
  ASSERT_FALSE(InitialiseProgram(game, StartupEnvironment{8, {}}).has_value());
  EXPECT_EQ(game.store().read(store::CardSet), "003");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.substr(0, 40), std::string(kScreenUnder256Colours.substr(0, 40)));
}

TEST_F(StartupTest, TheStartCountStopsAt51) {
  for (auto [before, after] : {std::pair{"0", "1"}, {"50", "51"}, {"51", "51"}, {"-4", "1"}, {"junk", "1"}}) {
    WriteAll(preferenceFile(), std::string("[Parameters]\r\nRun_Exe=") + before + "\r\n");
    TMainGame game(folders(), ui);
    ASSERT_FALSE(start(game).has_value());
    EXPECT_EQ(preferences().find("Parameters", "Run_Exe"), after) << "from " << before;
  }
}

TEST_F(StartupTest, DamagedPreferenceFilesGiveDefaultsAndAreKept) {
  struct Case {
    const char* name;
    std::string contents;
    bool warns;
  } cases[] = {
      {"empty", "", false},
      {"garbage text", "\xff\xfe=[[[\r\n=\r\nno section=1\r\n[Preference\r\nCard_Size=L", false},
      {"binary", "[Preference]\r\nCard_Size=L\r\n" + std::string("\0\0\x01\x02", 4), true},
      {"50 MB", "[Preference]\r\nCard_Size=L\r\n" + std::string(50u << 20, 'x'), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder scratch;
    const fs::path data = scratch / "data";
    WriteAll(data / "Cfg.dat", c.contents);
    RecordingUi recorder;
    TMainGame game(Folders(dir / "program", data), recorder);
    ASSERT_FALSE(InitialiseProgram(game, StartupEnvironment{}).has_value());
    EXPECT_EQ(game.store().read(store::CardSize), "B");
    EXPECT_EQ(game.store().playerName(), "Player 1");
    EXPECT_EQ(recorder.messages.size(), c.warns ? 1u : 0u);
    if (c.warns) {
      EXPECT_EQ(ReadAll(data / "Cfg.dat.damaged").size(), c.contents.size()) << "the damaged file is kept";
      EXPECT_EQ(IniDocument::Parse(ReadAll(data / "Cfg.dat")).find("Users", "User001"), "Player 1");
    }
  }
}

TEST_F(StartupTest, AnUnwritableDataFolderWarnsOnceAndSavesNothing) {
  WriteAll(dir / "not-a-folder", "x");
  dataFolder = dir / "not-a-folder" / "velmora";
  TMainGame game(folders(), ui);
  ASSERT_FALSE(start(game).has_value());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("cannot be written"), std::string::npos);
  EXPECT_EQ(game.store().playerName(), "Player 1");
  const FileOutcome saved = game.preferences().update([](IniDocument& file) { file.write("A", "b", "c"); });
  EXPECT_FALSE(saved.ok) << "a save that cannot happen is never reported as done";
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(StartupTest, AMissingRuleFileEndsStartUp) {
  fs::remove(dir / "program" / "GAMES.DAT");
  TMainGame game(folders(), ui);
  const auto failure = start(game);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->caption, "Error");
  EXPECT_EQ(failure->text, "Cannot find file:\r" + (dir / "program" / "GAMES.DAT").string() +
                               "\rCopy the file into the directory that above is specified\ror reinstall the program.");
}

// Letter case matters in Linux paths: the player must be able to find the file named.
TEST(StartupMessages, AMissingResourceBundleIsNamedByItsRealPath) {
  EXPECT_EQ(ResourceBundleFailure("/Opt/Velmora/SOL.RGF").text, "Can't find/load /Opt/Velmora/SOL.RGF");
}

TEST_F(StartupTest, ASecondCopyOnTheSameDataFolderIsRefused) {
  TMainGame first(folders(), ui);
  ASSERT_FALSE(start(first).has_value());
  RecordingUi secondUi;
  TMainGame second(folders(), secondUi);
  const auto failure = InitialiseProgram(second, StartupEnvironment{});
  ASSERT_TRUE(failure.has_value());
  EXPECT_NE(failure->text.find("already running"), std::string::npos);
  EXPECT_EQ(preferences().find("Parameters", "Run_Exe"), "1") << "the refused copy wrote nothing";
}

TEST_F(StartupTest, OlderVersionFilesAreRemovedOnlyInsideTheDataFolder) {
  WriteAll(dataFolder / "IMAGES" / "GAME0000.BMP", "x");
  WriteAll(dataFolder / "IMAGES" / "GAME0042.BMP", "x");
  WriteAll(dataFolder / "IMAGES" / "KEEP.BMP", "x");
  WriteAll(dataFolder / "VELMORA.DLL", "x");
  WriteAll(dir / "program" / "IMAGES" / "GAME0000.BMP", "x");
  TMainGame game(folders(), ui);
  ASSERT_FALSE(start(game).has_value());
  EXPECT_FALSE(fs::exists(dataFolder / "IMAGES" / "GAME0000.BMP"));
  EXPECT_FALSE(fs::exists(dataFolder / "IMAGES" / "GAME0042.BMP"));
  EXPECT_FALSE(fs::exists(dataFolder / "VELMORA.DLL"));
  EXPECT_TRUE(fs::exists(dataFolder / "IMAGES" / "KEEP.BMP"));
  EXPECT_TRUE(fs::exists(dir / "program" / "IMAGES" / "GAME0000.BMP"));
}

TEST_F(StartupTest, PerGameAutoplayWhenEachGameHasItsOwnSwitch) {
  for (auto [game, expected] : {std::pair{2, false}, {3, true}, {40, true}}) {
    WriteAll(preferenceFile(), "[Preference]\r\nAutoPlay_All_Games=2\r\nAutoPlay=N\r\nGame=" + std::to_string(game) +
                                   "\r\n[Autoplay]\r\nGames=YYNY\r\n");
    TMainGame main(folders(), ui);
    ASSERT_FALSE(start(main).has_value());
    EXPECT_EQ(main.autoplay(), expected) << "game " << game;
  }
}

TEST_F(StartupTest, ExitKeepsAutoplayAndRandomGameType) {
  TMainGame game(folders(), ui);
  ASSERT_FALSE(start(game).has_value());
  game.setAutoplay(false);
  game.state().setWord(word::RandomGameType, 3);
  WriteExitPreferences(game);
  EXPECT_EQ(preferences().find("Preference", "AutoPlay"), "N");
  EXPECT_EQ(preferences().find("Settings", "Random_Game_Type"), "3");
  EXPECT_EQ(ui.sounds, std::vector<std::string>{"(stop)"});
}

TEST_F(StartupTest, CancellingTheExitQuestionKeepsRunningAndOnlyStoresThePlacement) {
  WriteAll(preferenceFile(), "[Preference]\r\nConfirmQuit=Y\r\n");
  TMainGame game(folders(), ui);
  ASSERT_FALSE(start(game).has_value());
  const std::string before = ReadAll(preferenceFile());
  ui.answer = false;
  EXPECT_FALSE(QueryClose(game, WindowPlacement{10, 20, 800, 600, false}));
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0], "Velmora 2001: Exit Velmora 2001?");
  IniDocument expected = IniDocument::Parse(before);
  expected.write("Preference", "MainWindowState_Maximized", "N");
  expected.writeInt("Preference", "MainWindowState_Left", 10);
  expected.writeInt("Preference", "MainWindowState_Top", 20);
  expected.writeInt("Preference", "MainWindowState_Width", 800);
  expected.writeInt("Preference", "MainWindowState_Height", 600);
  EXPECT_EQ(ReadAll(preferenceFile()), expected.serialize());
  ui.answer = true;
  EXPECT_TRUE(QueryClose(game, WindowPlacement{10, 20, 800, 600, true}));
}

TEST_F(StartupTest, CloseWaitsForARunningDemoOrAnimation) {
  TMainGame game(folders(), ui);
  ASSERT_FALSE(start(game).has_value());
  game.state().setWord(word::DemoRunning, 1);
  EXPECT_FALSE(QueryClose(game, WindowPlacement{}));
  EXPECT_EQ(game.state().word(word::DemoRunning), 0);
  game.state().set(flag::AnimationRuns, true);
  EXPECT_FALSE(QueryClose(game, WindowPlacement{}));
  EXPECT_EQ(game.state().word(word::CloseAfterAnimation), 1);
  EXPECT_TRUE(QueryClose(game, WindowPlacement{}));
}

TEST_F(StartupTest, ACrashDuringAPreferenceWriteLeavesTheOldOrTheNewFile) {
  TMainGame game(folders(), ui);
  ASSERT_FALSE(start(game).has_value());
  const std::string before = ReadAll(preferenceFile());
  auto change = [](IniDocument& file) {
    file.write("Preference", "Card_Size", "L");
    file.write("Settings", "Random_Game_Type", "1");
  };
  for (FileStep step : {FileStep::Write, FileStep::Rename}) {
    game.files().injectFault(step, 1);
    EXPECT_FALSE(game.preferences().update(change).ok);
    EXPECT_EQ(ReadAll(preferenceFile()), before);
  }
  ASSERT_TRUE(game.preferences().update(change).ok);
  const IniDocument after = preferences();
  EXPECT_EQ(after.find("Preference", "Card_Size"), "L");
  EXPECT_EQ(after.find("Settings", "Random_Game_Type"), "1");
}

TEST(WindowPlacement, DefaultsFitTheScreen) {
  const WindowPlacement placement = ReadWindowPlacement(IniDocument{}, 1920, 1080);
  EXPECT_EQ(placement.left, 50);
  EXPECT_EQ(placement.top, 50);
  EXPECT_EQ(placement.width, 1770);
  EXPECT_EQ(placement.height, 930);
  EXPECT_FALSE(placement.maximized);
}

}  // namespace
}  // namespace velmora
