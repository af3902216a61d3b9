#pragma once
// Every item of the configuration store: its position and width. The
// positions and widths are fixed; other files and old preference files rely
// on them.

namespace velmora {

struct StoreItem {
  int position;
  int width;
  friend constexpr bool operator==(StoreItem, StoreItem) = default;
};

namespace store {
inline constexpr StoreItem PreferenceFile{1, 20};
inline constexpr StoreItem BackCard{21, 3};
inline constexpr StoreItem CardSet{24, 3};
inline constexpr StoreItem BackgroundDefault{27, 1};
inline constexpr StoreItem BackgroundColour{28, 15};
inline constexpr StoreItem BackgroundBitmap{43, 4};
inline constexpr StoreItem BackgroundFixedColour{47, 15};
inline constexpr StoreItem Game{62, 4};
inline constexpr StoreItem ShowTime{66, 1};
inline constexpr StoreItem CardsAnimate{67, 1};
inline constexpr StoreItem Language{68, 6};
inline constexpr StoreItem SpeedMoveCard{74, 2};
inline constexpr StoreItem StatusBar{76, 1};
inline constexpr StoreItem UserDefault{77, 30};
inline constexpr StoreItem SessionWon{112, 4};
inline constexpr StoreItem SessionLost{116, 4};
inline constexpr StoreItem ScoringMode{120, 2};
inline constexpr StoreItem Score{122, 6};
inline constexpr StoreItem CardSize{128, 1};
inline constexpr StoreItem SavedCardSet{129, 3};
inline constexpr StoreItem FadeBackground{135, 1};
inline constexpr StoreItem ShowScore{136, 1};
inline constexpr StoreItem UndoEnabled{137, 1};
inline constexpr StoreItem SingleUndoUsed{138, 1};
inline constexpr StoreItem SingleRedoUsed{139, 1};
inline constexpr StoreItem SoundsEnabled{141, 1};
inline constexpr StoreItem SoundsAbout{142, 1};
inline constexpr StoreItem SoundsAutoplay{143, 1};
inline constexpr StoreItem SoundsGameWon{144, 1};
inline constexpr StoreItem SoundsNewGame{145, 1};
inline constexpr StoreItem SoundsRedo{146, 1};
inline constexpr StoreItem SoundsRestart{147, 1};
inline constexpr StoreItem SoundsSplash{148, 1};
inline constexpr StoreItem SoundsShuffle{149, 1};
inline constexpr StoreItem SoundsUndo{151, 1};
inline constexpr StoreItem RandomBackground{152, 1};
inline constexpr StoreItem DealNumber{153, 15};
inline constexpr StoreItem SoundsHiScores{171, 1};
inline constexpr StoreItem Cursor{172, 2};
inline constexpr StoreItem SoundsNewHiScores{174, 1};
inline constexpr StoreItem SoundsPairing{175, 1};
inline constexpr StoreItem SoundsStock{176, 1};
inline constexpr StoreItem SoundsTableau{177, 1};
inline constexpr StoreItem CardsShadowed{178, 1};
inline constexpr StoreItem IrregularPiles{179, 1};
inline constexpr StoreItem SoundsFaceUp{180, 1};
inline constexpr StoreItem SoundsCardDown{181, 1};
inline constexpr StoreItem SoundsCardUp{182, 1};
inline constexpr StoreItem SoundsRedeal{183, 1};
inline constexpr StoreItem SoundsFoundation{184, 1};
inline constexpr StoreItem ConfirmQuitGame{185, 1};
inline constexpr StoreItem ConfirmEnterHiScores{186, 1};
inline constexpr StoreItem RandomCard{187, 1};
inline constexpr StoreItem RandomDeck{188, 1};
inline constexpr StoreItem GameName{189, 50};
inline constexpr StoreItem AutomaticFaceUp{239, 1};
inline constexpr StoreItem SavedCardSize{240, 1};
inline constexpr StoreItem DealAnimation{241, 1};
inline constexpr StoreItem RedealAnimation{242, 1};
inline constexpr StoreItem VertScrollBar{243, 1};
inline constexpr StoreItem ShowToolTips{244, 1};
inline constexpr StoreItem ShowPilesSize{245, 1};
inline constexpr StoreItem CustomBackgroundChosen{246, 1};
inline constexpr StoreItem RightClickToFoundations{247, 1};
inline constexpr StoreItem RightClickToTableaus{248, 1};
inline constexpr StoreItem DoubleClickToFoundations{249, 1};
inline constexpr StoreItem DoubleClickToTableaus{251, 1};
inline constexpr StoreItem SoundsRedealWithoutAnimation{252, 1};
inline constexpr StoreItem ShowMainPopupMenu{253, 1};
inline constexpr StoreItem ShowPartialHiddenCard{255, 1};
inline constexpr StoreItem CustomDeckChosen{256, 1};
inline constexpr StoreItem CustomCardSetChosen{257, 1};
inline constexpr StoreItem ProgramFolder{501, 200};
inline constexpr StoreItem BookmarkFile{701, 200};
}  // namespace store

}  // namespace velmora
