#include "shell/autoplay_switch.h"

#include "text/fixed_text.h"

namespace velmora {
namespace {
constexpr std::string_view kSection = "Autoplay";

std::string CustomKey(int gameNumber) { return "Cust_" + FormatNumber(gameNumber, 4); }
}  // namespace

bool GameAutoplaySwitch(const IniDocument& file, int gameNumber) {
  if (gameNumber < 0) return true;
  if (gameNumber >= kFirstCustomGame) return file.readString(kSection, CustomKey(gameNumber), "Y") != "N";
  // Game g owns character g + 1 of the text, counting from 1.
  const std::string games = file.readString(kSection, "Games", "");
  const auto index = static_cast<std::size_t>(gameNumber);
  return index >= games.size() || games[index] != 'N';
}

void SetGameAutoplaySwitch(IniDocument& file, int gameNumber, bool on) {
  if (gameNumber < 0) return;
  if (gameNumber >= kFirstCustomGame) {
    file.write(kSection, CustomKey(gameNumber), on ? "Y" : "N");
    return;
  }
  std::string games = file.readString(kSection, "Games", "");
  const auto index = static_cast<std::size_t>(gameNumber);
  if (games.size() <= index) games.resize(index + 1, 'Y');
  games[index] = on ? 'Y' : 'N';
  file.write(kSection, "Games", games);
}

}  // namespace velmora
