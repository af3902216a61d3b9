#include "shell/close_hold.h"

#include <cstdint>
#include <string_view>

#include "shell/preference_keys.h"

namespace velmora {
namespace {

// "Y": ask at every close that finds a game unfinished; "N": never ask, and
// "ConfirmSaveAndExitType" says what happens instead.
constexpr std::string_view kAskKey = "ConfirmSaveAndExit";
constexpr std::string_view kAsk = "Y";
constexpr std::string_view kDoNotAsk = "N";
constexpr std::string_view kUnaskedKey = "ConfirmSaveAndExitType";
constexpr std::int64_t kUnaskedLoss = 0;
constexpr std::int64_t kUnaskedHold = 1;

}  // namespace

CloseWithGame DecideCloseWithGame(const ProgramState& state, bool holdAllowed, const IniDocument& preferences) {
  if (!state.on(flag::GameInProgress) || !holdAllowed) return CloseWithGame::Leave;
  if (state.on(flag::HoldOnClose)) return CloseWithGame::Hold;
  const std::string ask = preferences.readString(kPreferenceSection, kAskKey, kDoNotAsk);
  if (ask == kAsk) return CloseWithGame::Ask;
  const bool unaskedHold = preferences.readInt(kPreferenceSection, kUnaskedKey, kUnaskedLoss) == kUnaskedHold;
  return ask == kDoNotAsk && unaskedHold ? CloseWithGame::Hold : CloseWithGame::Leave;
}

}  // namespace velmora
