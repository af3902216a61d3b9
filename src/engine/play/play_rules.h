#pragma once
// The rules the player's actions read beyond those of the move rules.
namespace velmora::rule {

inline constexpr int FoundationFamilyRoutine = 30;
inline constexpr int OneClickPlay = 37;
inline constexpr int OpeningPhase = 40;         // 1: until the first move only tableau to foundation
inline constexpr int FillTableauAfterFirstMove = 41;
inline constexpr int AutoTurnFaceDown = 42;
inline constexpr int WasteAccepts = 353;        // 2: a card one rank from the waste's top, same suit
inline constexpr int WasteNotTarget = 354;      // 4: the waste is never a drop target

}  // namespace velmora::rule
