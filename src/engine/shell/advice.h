#pragma once
// Advisory messages the player may silence: each has a name under which the
// preference file keeps "N" once "Don't show this message box again" was ticked.
#include <string_view>

namespace velmora {

class TMainGame;

inline constexpr std::string_view kShowMessagesSection = "Show_Messages";

// Shows the advice unless the player silenced it; remembers a new silence.
void ShowAdvice(TMainGame& game, std::string_view text, std::string_view messageName, int picturePage);

}  // namespace velmora
