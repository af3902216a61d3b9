#include "shell/startup.h"

#include <array>
#include <chrono>

#include "catalogue/catalogue_startup.h"
#include "catalogue/play_game.h"
#include "history/bookmark.h"
#include "records/player_list.h"
#include "records/record_files.h"
#include "shell/autoplay_switch.h"
#include "shell/main_game.h"
#include "shell/preference_keys.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kProgramName = "Velmora 2001";
constexpr std::string_view kSettings = "Settings";
constexpr int kRunCountLimit = 51;
constexpr std::string_view kButtonFaceColour = "-2147483633";

// Game-object state words and program switches as start-up leaves them.
void SetStartValues(ProgramState& state) {
  for (int w : {94, 95, word::DemoRunning}) state.setWord(w, 0);
  for (int f : {flag::HoldOnClose, flag::GameInProgress, flag::ClockRuns, 5, flag::AnimationRuns, flag::GameWon})
    state.set(f, false);
  state.set(7, true);
  state.set(flag::FirstActivationPending, true);
  state.counters = {0, 0};
  state.values[1] = -1;
  state.setWord(122, 4);
}

void SetEndOfInitialisationValues(ProgramState& state) {
  for (int w : {82, 98, word::StockPressed}) state.setWord(w, 0);
  state.setWord(100, -1);
}

// Step 10: values that must never stay zero or empty.
void RepairStore(ConfigStore& store) {
  if (store.readNumber(store::BackCard).value_or(0) == 0) store.write(store::BackCard, "001");
  if (store.readNumber(store::BackgroundColour).value_or(0) == 0) store.write(store::BackgroundColour, kButtonFaceColour);
  if (store.read(store::BackgroundBitmap).empty()) store.write(store::BackgroundBitmap, "0");
}

// Step 12: the number of starts is counted up to 51 and then left alone.
void CountStart(IniDocument& file) {
  const auto runs = file.readInt("Parameters", "Run_Exe", 0);
  if (runs < kRunCountLimit) file.writeInt("Parameters", "Run_Exe", std::max<std::int64_t>(runs, 0) + 1);
}

// Step 13: one autoplay switch for all games, or each game's own.
void ApplyAutoplay(TMainGame& game, const IniDocument& file) {
  auto& state = game.state();
  state.setWord(74, 2);
  state.setWord(word::AutoplayAllGames, file.readInt(kPreferenceSection, "AutoPlay_All_Games", 1));
  if (state.word(word::AutoplayAllGames) == 1)
    game.setAutoplay(file.readString(kPreferenceSection, "AutoPlay", "Y") == "Y");
  else
    game.setAutoplay(GameAutoplaySwitch(file, game.store().gameNumber()));
}

// Step 25: the marker that says which version last ran on this data.
void WriteVersionMarker(UserData& data) {
  if (!data.writable() || data.exists(kVersionMarker)) return;
  data.createExclusive(kVersionMarker, "Velmora version: 06.00\r\n");
}

void RemoveIfPresent(UserData& data, const std::string& name) { data.remove(name); }

// Step 26: pictures and a library that older versions kept as loose files.
// Only ever inside the data folder.
void RemoveOlderVersionFiles(UserData& data) {
  if (!data.writable()) return;
  if (data.exists("IMAGES\\GAME0000.BMP"))
    for (int n = 0; n <= 100; ++n) RemoveIfPresent(data, "IMAGES\\GAME" + FormatNumber(n, 4) + ".BMP");
  if (data.exists("IMAGES\\WB001.BMP"))
    for (int n = 0; n <= 25; ++n)
      for (const char* kind : {"WB", "WM", "WP"}) RemoveIfPresent(data, "IMAGES\\" + std::string(kind) + FormatNumber(n, 3) + ".BMP");
  if (data.exists("IMAGES\\CB001C.BMP")) {
    for (int n = 1; n <= 5; ++n)
      for (const char* suit : {"C", "D", "H", "S"}) RemoveIfPresent(data, "IMAGES\\CB" + FormatNumber(n, 3) + suit + ".BMP");
    for (const char* size : {"CM003", "CL003"})
      for (const char* suit : {"C", "D", "H", "S"}) RemoveIfPresent(data, "IMAGES\\" + std::string(size) + suit + ".BMP");
  }
  RemoveIfPresent(data, "VELMORA.DLL");
}

}  // namespace

StartupFailure ResourceBundleFailure(const fs::path& bundle) {
  return {std::string(kProgramName), "Can't find/load " + bundle.string()};
}

StartupFailure AlreadyRunningFailure(const fs::path& dataFolder) {
  return {std::string(kProgramName), "Velmora 2001 is already running with the data folder " + dataFolder.string() +
                                         ".\rSwitch to the running program, or close it first."};
}

StartupFailure RuleFileFailure(const fs::path& ruleFile) {
  return {"Error", "Cannot find file:\r" + ruleFile.string() + "\r" +
                       "Copy the file into the directory that above is specified\r" + "or reinstall the program."};
}

void LoadPreferences(TMainGame& game, const IniDocument& file, const StartupEnvironment& environment) {
  ConfigStore& store = game.store();
  const bool fewColours = environment.screenColourDepth <= 8;
  if (fewColours && file.readString("Show_Messages", "Screen_Under_256_Colors", "Y") != "N")
    game.ui().showMessage(kProgramName, kScreenUnder256Colours, GameUi::Icon::Information);

  for (const PreferenceBinding& binding : PreferenceBindings()) {
    std::string value = PreferenceValue(file, binding);
    const bool missing = !file.find(kPreferenceSection, binding.key);
    if (missing && binding.item == store::CardsShadowed) value = store.read(store::CardsAnimate);
    if (missing && binding.item == store::CardSet && fewColours) value = "003";
    store.write(binding.item, value);
  }
  // The card set drawn from its own bitmaps needs them in the bundle.
  if (store.read(store::CardSet) == "004" && environment.hasBitmap && !environment.hasBitmap("CB004H"))
    store.write(store::CardSet, "001");
  store.write(store::CustomBackgroundChosen, file.readString(kPreferenceSection, "Customized_Background", "").empty() ? "" : "Y");
  store.write(store::CustomDeckChosen, file.readString(kPreferenceSection, "Customized_Deck", "").empty() ? "" : "Y");
  store.write(store::CustomCardSetChosen, file.readString(kPreferenceSection, "Customized_Cards_Set", "").empty() ? "" : "Y");

  auto& state = game.state();
  state.setWord(word::FastSearchType, file.readInt(kSettings, "Games_Fast_Search_Type", 0));
  state.setWord(word::StatisticsDisabled, file.readString(kPreferenceSection, "Disable_Statistics", "N") == "Y");
  store.write(store::ScoringMode, "01");
  state.setWord(word::FoundationHighlightMark, file.readInt(kPreferenceSection, "HighLights_Foundations_Mark", 0));
  state.setWord(word::RandomGameType, file.readInt(kSettings, "Random_Game_Type", 2));
}

std::optional<StartupFailure> InitialiseProgram(TMainGame& game, const StartupEnvironment& environment) {
  SetStartValues(game.state());
  UserData& data = game.data();
  data.prepare();
  switch (game.instanceLock().acquire(data.folders().data())) {
    case InstanceLock::Result::HeldByAnother:
      return AlreadyRunningFailure(data.folders().data());
    case InstanceLock::Result::Acquired:
      RemoveStaleBookmarks(data);
      break;
    case InstanceLock::Result::Unavailable:
      break;
  }

  IniDocument file = game.preferences().open();
  PrepareRecordFiles(data, file);
  LoadPreferences(game, file, environment);
  RepairStore(game.store());
  EnsureCurrentPlayer(data, game.store(), file);  // step 11
  CountStart(file);
  game.preferences().save(file);  // when it fails, the session warned once already
  ApplyAutoplay(game, file);
  game.store().resetSessionCounters();

  if (auto failure = LoadGameCatalogue(game)) return failure;
  game.seams().rememberDealNumber = [&game] { RememberDealNumber(game, game.store().dealNumber()); };

  game.random().seed(static_cast<std::mt19937::result_type>(
      std::chrono::steady_clock::now().time_since_epoch().count()));
  WriteVersionMarker(data);
  RemoveOlderVersionFiles(data);
  SetEndOfInitialisationValues(game.state());
  return std::nullopt;
}

WindowPlacement ReadWindowPlacement(const IniDocument& file, int screenWidth, int screenHeight) {
  auto readInt = [&](std::string_view key, int fallback) {
    return static_cast<int>(file.readInt(kPreferenceSection, key, fallback));
  };
  WindowPlacement placement;
  placement.left = readInt("MainWindowState_Left", 50);
  placement.top = readInt("MainWindowState_Top", 50);
  placement.width = readInt("MainWindowState_Width", screenWidth - 150);
  placement.height = readInt("MainWindowState_Height", screenHeight - 150);
  placement.maximized = file.readString(kPreferenceSection, "MainWindowState_Maximized", "N") == "Y";
  return placement;
}

bool QueryClose(TMainGame& game, const WindowPlacement& placement) {
  ProgramState& state = game.state();
  if (state.word(word::DemoRunning) != 0) {
    state.setWord(word::DemoRunning, 0);  // the demo loop sees this and stops
    return false;
  }
  IniDocument file = game.preferences().open();
  const bool confirmQuit = file.readString(kPreferenceSection, "ConfirmQuit", "N") != "N";
  file.write(kPreferenceSection, "MainWindowState_Maximized", placement.maximized ? "Y" : "N");
  if (!placement.maximized) {
    file.writeInt(kPreferenceSection, "MainWindowState_Left", placement.left);
    file.writeInt(kPreferenceSection, "MainWindowState_Top", placement.top);
    file.writeInt(kPreferenceSection, "MainWindowState_Width", placement.width);
    file.writeInt(kPreferenceSection, "MainWindowState_Height", placement.height);
  }
  game.preferences().save(file);

  bool close = true;
  if (state.on(flag::AnimationRuns)) {
    state.set(flag::AnimationRuns, false);
    state.setWord(word::CloseAfterAnimation, 1);
    close = false;
  } else if (confirmQuit) {
    close = game.ui().askQuestion(kProgramName, "Exit Velmora 2001?");
    if (!close) state.setWord(word::CloseAfterAnimation, 0);
  }
  if (!close) state.set(flag::HoldOnClose, false);
  return close;
}

void WriteExitPreferences(TMainGame& game) {
  game.ui().stopSound();
  game.preferences().update([&](IniDocument& file) {
    if (game.state().word(word::AutoplayAllGames) == 1)
      file.write(kPreferenceSection, "AutoPlay", game.autoplay() ? "Y" : "N");
    file.writeInt(kSettings, "Random_Game_Type", game.state().word(word::RandomGameType));
  });
}

}  // namespace velmora
