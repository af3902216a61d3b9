#include "table/custom_card_set.h"

#include <array>

#include "files/folders.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr std::string_view kSetNameKey = "Customized_Cards_Set";
constexpr std::string_view kPreferenceSection = "Preference";

struct CustomSetSize {
  char letter;
  int width;
  int height;
};

constexpr std::array<CustomSetSize, 3> kCustomSetSizes{{
    {'S', 425, 1380},
    {'B', 355, 1152},
    {'M', 295, 960},
}};

}  // namespace

std::optional<char> CustomCardSetSize(int width, int height) {
  for (const CustomSetSize& size : kCustomSetSizes)
    if (size.width == width && size.height == height) return size.letter;
  return std::nullopt;
}

std::optional<std::filesystem::path> ChosenCustomCardSet(TMainGame& game) {
  if (!game.store().isOn(store::CustomCardSetChosen)) return std::nullopt;
  const std::string name = game.preferences().open().readString(kPreferenceSection, kSetNameKey, "");
  if (name.empty() || name.find_first_of("\\/") != std::string::npos) return std::nullopt;
  return game.data().folders().userFile("DATA\\custom card sets\\" + name + ".crs");
}

std::string CustomCardSetMessage(CustomSetProblem problem, const std::filesystem::path& file) {
  if (problem == CustomSetProblem::Missing) return "Customized cards set image not found: " + file.string();
  return "The format of the Customized card set image is not valid.\r\n" + file.string();
}

void DropCustomCardSet(TMainGame& game, bool richColours) {
  const std::string standardSet = richColours ? "001" : "003";
  game.store().write(store::CustomCardSetChosen, "N");
  game.store().write(store::CardSet, standardSet);
  game.preferences().update([&](IniDocument& file) {
    file.write(kPreferenceSection, kSetNameKey, "");
    file.write(kPreferenceSection, "Card", standardSet);
  });
}

}  // namespace velmora
