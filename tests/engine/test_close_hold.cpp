// What the close of the main window does with a game in progress: hold it,
// leave it as a loss, or ask.
#include <gtest/gtest.h>

#include <string>

#include "files/ini_document.h"
#include "shell/close_hold.h"

namespace velmora {
namespace {

TEST(CloseHold, TheMenuRequestAndThePreferencesDecide) {
  struct Case {
    const char* what;
    bool inProgress, holdAllowed, holdRequested;
    const char* preferences;
    CloseWithGame expected;
  } cases[] = {
      {"no preferences: the game is left as a loss", true, true, false, "", CloseWithGame::Leave},
      {"asked for every unfinished game", true, true, false, "ConfirmSaveAndExit=Y", CloseWithGame::Ask},
      {"never asked, finished later", true, true, false, "ConfirmSaveAndExit=N\r\nConfirmSaveAndExitType=1",
       CloseWithGame::Hold},
      {"never asked, abandoned", true, true, false, "ConfirmSaveAndExit=N\r\nConfirmSaveAndExitType=0",
       CloseWithGame::Leave},
      {"the kind alone holds: the question defaults to N", true, true, false, "ConfirmSaveAndExitType=1",
       CloseWithGame::Hold},
      {"asking wins over the unasked kind", true, true, false, "ConfirmSaveAndExit=Y\r\nConfirmSaveAndExitType=1",
       CloseWithGame::Ask},
      {"neither Y nor N: no hold", true, true, false, "ConfirmSaveAndExit=X\r\nConfirmSaveAndExitType=1",
       CloseWithGame::Leave},
      {"an unknown kind: no hold", true, true, false, "ConfirmSaveAndExitType=2", CloseWithGame::Leave},
      {"\"Hold and exit...\" holds without asking", true, true, true, "ConfirmSaveAndExit=Y", CloseWithGame::Hold},
      {"no game in progress: nothing to hold", false, true, true, "ConfirmSaveAndExit=Y", CloseWithGame::Leave},
      {"the game's rules forbid holding", true, false, true, "ConfirmSaveAndExit=Y", CloseWithGame::Leave},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramState state;
    state.set(flag::GameInProgress, c.inProgress);
    state.set(flag::HoldOnClose, c.holdRequested);
    const IniDocument file = IniDocument::Parse(std::string("[Preference]\r\n") + c.preferences + "\r\n");
    EXPECT_EQ(DecideCloseWithGame(state, c.holdAllowed, file), c.expected);
  }
}

}  // namespace
}  // namespace velmora
