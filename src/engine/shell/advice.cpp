#include "shell/advice.h"

#include "shell/main_game.h"

namespace velmora {

void ShowAdvice(TMainGame& game, std::string_view text, std::string_view messageName, int picturePage) {
  if (game.preferences().open().readString(kShowMessagesSection, messageName, "Y") == "N") return;
  if (!game.ui().showAdvice(text, picturePage)) return;
  game.preferences().update([&](IniDocument& file) { file.write(kShowMessagesSection, messageName, "N"); });
}

}  // namespace velmora
