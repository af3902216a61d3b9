#pragma once
// Card sizes by letter, and the size a game is played at: a game whose table
// is wide needs a wide screen for the larger cards, so on a narrow screen the
// player's size is put aside for a smaller one and given back afterwards.
#include <array>
#include <optional>
#include <string>

namespace velmora {

class ConfigStore;
class RuleRecord;

struct CardDimensions {
  int width;
  int height;
};

struct CardSizeLetter {
  char letter;
  CardDimensions card;
};

inline constexpr std::array<CardSizeLetter, 4> kCardSizeLetters{{
    {'S', {85, 115}},
    {'B', {71, 96}},
    {'M', {59, 80}},
    {'L', {25, 32}},
}};

constexpr std::optional<CardDimensions> CardDimensionsOf(char letter) {
  for (const CardSizeLetter& size : kCardSizeLetters)
    if (size.letter == letter) return size.card;
  return std::nullopt;
}

// The size of a letter; any other letter is taken as "B", the normal size.
constexpr CardDimensions CardSizeFor(char letter) { return CardDimensionsOf(letter).value_or(CardDimensions{71, 96}); }

// The shadow a card throws when shadows are on.
inline constexpr int kShadowDepth = 9;

// The advice that tells the player the size was changed for this game.
struct CardSizeNotice {
  std::string messageName;  // also the key of "don't show again"
  std::string text;
};

// The notices already given in this run: each kind at most once.
struct CardSizeNoticesShown {
  bool smallScreen = false;   // the 640 pixel notice
  bool narrowScreen = false;  // the 800 pixel and large size notices together
};

struct DisplayFacts {
  int screenWidth;
  bool richColours = true;  // more than 256 colours
};

// Settles the card size and set of the game whose rules are loaded, in the
// store's card size, card set and the saved size and set. A notice is
// returned when the player should be told of a change.
std::optional<CardSizeNotice> SettleCardSize(ConfigStore& store, const RuleRecord& rules, const DisplayFacts& display,
                                             CardSizeNoticesShown& shown);

}  // namespace velmora
