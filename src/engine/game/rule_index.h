#pragma once
// Named indices of the rules that the dealing and play code reads. Per-pile
// rules give the index of pile 1 (0-based pile k is index + k).
namespace velmora::rule {

inline constexpr int FoundationBaseCardRule = 1;
inline constexpr int StockFaceDown = 7;
inline constexpr int ExtraCardToFoundation = 12;
inline constexpr int DealsInAll = 15;
inline constexpr int RedealStyle = 16;
inline constexpr int BaseSweepByPile = 24;
inline constexpr int FamilySetup = 31;
inline constexpr int DealType = 34;
inline constexpr int TableWidthClass = 38;
inline constexpr int JokersInDeck = 44;
inline constexpr int StrippedDeck = 47;
inline constexpr int OneSuitFaces = 48;
inline constexpr int Family = 51;
inline constexpr int FoundationBaseRank = 52;
inline constexpr int FoundationPrefill = 100;
inline constexpr int TableauFill = 132;
inline constexpr int ThirdSlotFixedCard = 352;
inline constexpr int Foundations = 367;
inline constexpr int TableauPiles = 368;
inline constexpr int Reserves = 369;
inline constexpr int DeckCards = 371;
inline constexpr int StockCards = 372;
inline constexpr int WasteCards = 373;
inline constexpr int Jokers = 374;
inline constexpr int TableauCards = 375;
inline constexpr int TableauFaceUp = 415;
inline constexpr int ThirdSlotCards = 455;
inline constexpr int ReserveCards = 456;
inline constexpr int ReserveFaceUp = 466;

// What the table layout reads.
inline constexpr int TableauDisplay = 3;
inline constexpr int FoundationDisplay = 4;
inline constexpr int ReserveDisplay = 5;
inline constexpr int HorizontalFanSteps = 6;
inline constexpr int StockShown = 9;
inline constexpr int WasteShown = 10;
inline constexpr int GridColumns = 43;
inline constexpr int StockLayout = 355;
inline constexpr int StockRow = 356;
inline constexpr int FoundationLayout = 357;
inline constexpr int FoundationRow = 358;
inline constexpr int TableauLayout = 359;
inline constexpr int TableauRow = 360;
inline constexpr int TableauRows = 361;
inline constexpr int ReserveLayout = 362;
inline constexpr int ReserveRow = 363;
inline constexpr int ThirdSlotLayout = 364;
inline constexpr int ThirdSlotRow = 365;
inline constexpr int StockPilesShown = 366;
inline constexpr int ThirdSlotShown = 370;

// Moving cards: what may be taken, where it may go.
inline constexpr int UnitSequenceCheck = 2;
inline constexpr int WasteTopFixed = 8;
inline constexpr int TableauUnitSize = 13;
inline constexpr int ReserveTake = 14;
inline constexpr int FoundationTakeBack = 18;
inline constexpr int GridRows = 25;
inline constexpr int GridRowPiles = 26;
inline constexpr int FoundationCapacity = 32;
inline constexpr int TableauCapacity = 33;
inline constexpr int WastePriority = 35;
inline constexpr int RemovalTargetSum = 39;
inline constexpr int FoundationDirection = 68;
inline constexpr int FoundationBuilding = 84;
inline constexpr int FoundationCapacityEach = 116;
inline constexpr int TableauDirection = 172;
inline constexpr int TableauBuilding = 212;
inline constexpr int TableauWrap = 252;
inline constexpr int ReserveAccepts = 332;

}  // namespace velmora::rule

// The stock, the waste and the score.
namespace velmora::rule {
inline constexpr int StockNeedsEmptyWaste = 17;
inline constexpr int StockDealCount = 22;
inline constexpr int ScoreBonus = 46;
inline constexpr int CompleteScore = 49;
inline constexpr int ScoreToWin = 50;  // 0: the game has no score to win
inline constexpr int TableauStockDeal = 292;
inline constexpr int ReserveStockDeal = 342;
inline constexpr int StockDealsToThirdSlot = 364;  // the third slot's layout code, read as a switch
}  // namespace velmora::rule
