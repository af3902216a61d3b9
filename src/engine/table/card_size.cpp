#include "table/card_size.h"

#include "game/rule_index.h"
#include "rules/rule_record.h"
#include "shell/config_store.h"

namespace velmora {
namespace {

enum class Forcing { None, MediumForSmallScreen, MediumForNarrowScreen, NormalForLargeCards };

Forcing ForcingNeeded(int widthClass, int screenWidth, char size) {
  if (widthClass == 1 && screenWidth < 650) return Forcing::MediumForSmallScreen;
  if (widthClass == 2 && screenWidth < 810) return Forcing::MediumForNarrowScreen;
  const bool tooNarrowForLarge =
      (widthClass == 2 && screenWidth < 1100) || (widthClass == 1 && screenWidth < 810) || screenWidth < 650;
  if (size == 'S' && tooNarrowForLarge) return Forcing::NormalForLargeCards;
  return Forcing::None;
}

std::string PredefinedSetText(const std::string& gameName) {
  return "However, it's possible to play " + gameName + " " + "using a predefined cards set.";
}

CardSizeNotice NoticeFor(Forcing forcing, const std::string& gameName) {
  switch (forcing) {
    case Forcing::MediumForSmallScreen:
      return {"Msg_Cards_Medium_640x480",
              "Your video card's display is 640x480 pixels. For the best graphics display the screen resolution "
              "should be set to 800x600 pixels or higher. " +
                  PredefinedSetText(gameName)};
    case Forcing::MediumForNarrowScreen:
      return {"Msg_Cards_Medium_800x600",
              "Your video card's display is 800x600 pixels. For the best graphics display of this game the screen "
              "resolution should be set to 1024x768 pixels or higher. " +
                  PredefinedSetText(gameName)};
    case Forcing::NormalForLargeCards:
    case Forcing::None:
      break;
  }
  return {"Msg_Cards_Large", "You have selected the Large size Card Set. It's possible to play " + gameName + " " +
                                 "using the Normal size Card Set."};
}

// Each kind of notice once per run; the two narrow-screen kinds share one turn.
bool TakeNoticeTurn(Forcing forcing, CardSizeNoticesShown& shown) {
  bool& given = forcing == Forcing::MediumForSmallScreen ? shown.smallScreen : shown.narrowScreen;
  if (given) return false;
  given = true;
  return true;
}

void RestorePlayersSize(ConfigStore& store) {
  if (const std::string size = store.read(store::SavedCardSize); !size.empty()) store.write(store::CardSize, size);
  store.write(store::CardSet, store.read(store::SavedCardSet));
  store.write(store::SavedCardSize, "");
  store.write(store::SavedCardSet, "");
}

}  // namespace

std::optional<CardSizeNotice> SettleCardSize(ConfigStore& store, const RuleRecord& rules, const DisplayFacts& display,
                                             CardSizeNoticesShown& shown) {
  const std::string current = store.read(store::CardSize);
  const std::string saved = store.read(store::SavedCardSize);
  const bool alreadyForced = !saved.empty();
  const char size = (alreadyForced ? saved : current).empty() ? 'B' : (alreadyForced ? saved : current).front();

  const Forcing forcing = ForcingNeeded(rules[rule::TableWidthClass], display.screenWidth, size);
  if (forcing == Forcing::None) {
    if (!store.read(store::SavedCardSet).empty()) RestorePlayersSize(store);
    return std::nullopt;
  }
  if (!alreadyForced && (size == 'B' || size == 'S')) {
    store.write(store::SavedCardSize, std::string(1, size));
    store.write(store::SavedCardSet, store.read(store::CardSet));
  }
  const bool medium = forcing != Forcing::NormalForLargeCards;
  store.write(store::CardSize, medium ? "M" : "B");
  store.write(store::CardSet, medium || !display.richColours ? "003" : "001");

  if (alreadyForced || !TakeNoticeTurn(forcing, shown)) return std::nullopt;
  return NoticeFor(forcing, store.gameName());
}

}  // namespace velmora
