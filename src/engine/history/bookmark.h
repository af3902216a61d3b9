#pragma once
// The bookmark: the running game written to a private file in the data
// folder, to come back to later with its undo history. One bookmark at a
// time: a new one replaces the file of the old one once it is written.
namespace velmora {

class TMainGame;
class UserData;

// Asks "Insert bookmark?" and writes the game file. True when the bookmark
// was set; a write that failed is reported and leaves the earlier bookmark
// (if any) as it was.
bool InsertBookmark(TMainGame& game);

// Asks "Go to bookmark?" and puts the table, the undo history, the score,
// the pass counter and the base ranks back as the bookmark holds them; the
// redo history, the clock and the player stay. True when the table changed
// (the caller redraws it and the score). A missing or damaged file is
// reported and changes nothing.
bool GoToBookmark(TMainGame& game);

// Whether "Go to bookmark" is available.
bool HasBookmark(const TMainGame& game);

// The game ended: the bookmark file is deleted and forgotten.
void DropBookmark(TMainGame& game);

// Bookmarks outlive their game only when the program crashed. Called at
// start-up by the one program that holds the data folder's instance lock.
void RemoveStaleBookmarks(UserData& data);

}  // namespace velmora
