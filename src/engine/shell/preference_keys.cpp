#include "shell/preference_keys.h"

#include <array>
#include <string>

#include "files/ini_document.h"
#include "text/fixed_text.h"
#include "text/utf8.h"

namespace velmora {
namespace {

using K = PreferenceKind;
namespace s = store;

constexpr PreferenceBinding Switch(std::string_view key, StoreItem item, std::string_view fallback) {
  return {key, item, K::Switch, fallback};
}

constexpr std::int64_t kMaxColour = 0xFFFFFF;
constexpr std::int64_t kMinSystemColour = -2147483647 - 1;

constexpr std::array kBindings{
    Switch("Show_ToolTips", s::ShowToolTips, "Y"),
    PreferenceBinding{"Back_Card", s::BackCard, K::PaddedNumber, "011", {}, 0, 999},
    PreferenceBinding{"Card", s::CardSet, K::PaddedNumber, "001", {}, 1, 999},
    PreferenceBinding{"Card_Size", s::CardSize, K::Choice, "B", "SBML"},
    PreferenceBinding{"Background_bmp", s::BackgroundBitmap, K::Number, "0", {}, 0, 9999},
    PreferenceBinding{"Background_Fixed_Col", s::BackgroundFixedColour, K::Number, "32768", {}, -1, kMaxColour},
    // The button-face system colour, 0x8000000F as a signed 32-bit number.
    PreferenceBinding{"Background_Col", s::BackgroundColour, K::Number, "-2147483633", {}, kMinSystemColour,
                      kMaxColour},
    Switch("Background_def", s::BackgroundDefault, "N"),
    Switch("Fade_Background", s::FadeBackground, "Y"),
    // Until the player chooses a game there is none: -1, written in width 4.
    PreferenceBinding{"Game", s::Game, K::PaddedNumber, "-001", {}, -1, 9999},
    PreferenceBinding{"Game_name", s::GameName, K::Text, ""},
    Switch("Show_Time", s::ShowTime, "Y"),
    Switch("Show_Score", s::ShowScore, "Y"),
    Switch("Cards_Animate", s::CardsAnimate, "Y"),
    // Falls back to the value just read for Cards_Animate (see LoadPreferences).
    Switch("Cards_Shadowed", s::CardsShadowed, "Y"),
    Switch("Piles_TT", s::IrregularPiles, "N"),
    Switch("Automatic_FaceUp", s::AutomaticFaceUp, "Y"),
    Switch("Deal_Animation", s::DealAnimation, "Y"),
    Switch("Redeal_Animation", s::RedealAnimation, "Y"),
    PreferenceBinding{"Language", s::Language, K::Number, "20000", {}, 0, 999999},
    PreferenceBinding{"Speed_Move_Card", s::SpeedMoveCard, K::Number, "10", {}, 1, 99},
    Switch("StatusBar", s::StatusBar, "N"),
    PreferenceBinding{"UserDefault", s::UserDefault, K::Text, ""},
    PreferenceBinding{"Undo_Enabled", s::UndoEnabled, K::Choice, "0", "012"},
    Switch("ConfirmQuitGame", s::ConfirmQuitGame, "N"),
    Switch("ConfirmEnterHiScores", s::ConfirmEnterHiScores, "Y"),
    Switch("Sounds_Enabled", s::SoundsEnabled, "Y"),
    Switch("Sounds_About", s::SoundsAbout, "Y"),
    Switch("Sounds_Autoplay", s::SoundsAutoplay, "Y"),
    Switch("Sounds_GameWon", s::SoundsGameWon, "Y"),
    Switch("Sounds_NewGame", s::SoundsNewGame, "Y"),
    Switch("Sounds_Redo", s::SoundsRedo, "Y"),
    Switch("Sounds_Restart", s::SoundsRestart, "Y"),
    Switch("Sounds_Splash", s::SoundsSplash, "Y"),
    Switch("Sounds_Shuffle", s::SoundsShuffle, "Y"),
    Switch("Sounds_Undo", s::SoundsUndo, "Y"),
    Switch("Sounds_HiScores", s::SoundsHiScores, "Y"),
    Switch("Sounds_NewHiScores", s::SoundsNewHiScores, "Y"),
    Switch("Sounds_Pairing", s::SoundsPairing, "Y"),
    Switch("Sounds_Stock", s::SoundsStock, "Y"),
    Switch("Sounds_Tableau", s::SoundsTableau, "Y"),
    Switch("Sounds_FaceUp", s::SoundsFaceUp, "Y"),
    Switch("Sounds_CardDown", s::SoundsCardDown, "Y"),
    Switch("Sounds_CardUp", s::SoundsCardUp, "Y"),
    Switch("Sounds_Redeal", s::SoundsRedeal, "Y"),
    Switch("Sounds_Foundation", s::SoundsFoundation, "Y"),
    Switch("Sounds_Redeal_Without_Animation", s::SoundsRedealWithoutAnimation, "Y"),
    Switch("Random_Background", s::RandomBackground, "N"),
    Switch("Random_Card", s::RandomCard, "N"),
    Switch("Random_Deck", s::RandomDeck, "N"),
    Switch("VertScrollBar", s::VertScrollBar, "Y"),
    Switch("ShowPilesSize", s::ShowPilesSize, "N"),
    Switch("Show_Main_Popup_Menu", s::ShowMainPopupMenu, "Y"),
    Switch("Show_Partial_Hidden_Card", s::ShowPartialHiddenCard, "Y"),
    Switch("RightClick_To_Foundations", s::RightClickToFoundations, "Y"),
    Switch("RightClick_To_Tableaus", s::RightClickToTableaus, "Y"),
    Switch("DoubleClick_To_Foundations", s::DoubleClickToFoundations, "Y"),
    Switch("DoubleClick_To_Tableaus", s::DoubleClickToTableaus, "N"),
    // The table pointer: 10 is the system's own, the others are loaded slots.
    PreferenceBinding{"Cursor", s::Cursor, K::Number, "10", {}, 10, 25},
};

bool InRange(std::int64_t value, const PreferenceBinding& b) { return value >= b.min && value <= b.max; }

}  // namespace

std::span<const PreferenceBinding> PreferenceBindings() { return kBindings; }

const PreferenceBinding* FindPreferenceBinding(std::string_view key) {
  for (const auto& binding : kBindings)
    if (EqualsIgnoringCase(binding.key, key)) return &binding;
  return nullptr;
}

std::string PreferenceValue(const IniDocument& file, const PreferenceBinding& binding) {
  const auto raw = file.find(kPreferenceSection, binding.key);
  const std::string fallback(binding.fallback);
  if (!raw) return fallback;
  const std::string_view value = Trim(*raw);
  switch (binding.kind) {
    case K::Switch:
      return value == "Y" || value == "N" ? std::string(value) : fallback;
    case K::Choice:
      return value.size() == 1 && binding.choices.find(value.front()) != std::string_view::npos ? std::string(value)
                                                                                               : fallback;
    case K::Number:
    case K::PaddedNumber: {
      const auto number = ParseInteger(value);
      if (!number || !InRange(*number, binding)) return fallback;
      const bool padded = binding.kind == K::PaddedNumber;
      return padded ? FormatNumber(*number, binding.item.width) : std::to_string(*number);
    }
    case K::Text:
      return std::string(value.substr(0, CharacterOffset(value, static_cast<std::size_t>(binding.item.width))));
  }
  return fallback;
}

}  // namespace velmora
