#pragma once
// The stock: a press on it turns cards to the waste, deals cards onto the
// tableau or the reserves, turns the used waste over into a new stock, or
// redistributes the cards of the table, each as the game's rules say and
// within the passes through the stock the game allows.
//
// Every change is one undo step, recorded before the table changes, with the
// score recomputed, the piles redrawn and the redo side discarded after it:
// callers have nothing left to do but run the end of game when program flag 8
// (the game-won test) is on.
#include <string_view>

namespace velmora {

class TMainGame;

// "Mazzo_Vis", "Mazzo_Waste", "Mazzo_Redeal", "Add_Tableaus",
// "Add_Tableau_" + 2 digits, "Add_Tableaus_Last", "Fill_Tableaus",
// "Add_Reserves", "Add_Reserve_" + 1 digit.
bool IsStockCommand(std::string_view target);

// Carries out one stock command; true when the table changed. A name that is
// not a stock command changes nothing.
bool ExecuteStockCommand(TMainGame& game, std::string_view command);

// The left button pressed on the stock: whatever the game's stock does. A
// press on an empty stock that will turn the waste over or redistribute only
// marks the stock as pressed (state word 89); the release does the work.
void PressStock(TMainGame& game);

// The button released: a pressed stock deals now, and is no longer pressed.
void ReleaseStock(TMainGame& game);

// The pointer left the pressed stock before the release: nothing is dealt.
void CancelStockPress(TMainGame& game);

}  // namespace velmora
