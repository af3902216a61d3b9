#pragma once
// The table size commands: fit the table to the window, or zoom in and out
// from the size it has now. The choice is kept in the preference file.
namespace velmora {

class MainWindow;
class TableView;
class TMainGame;

// Shows the table at the size the preferences ask for and connects the commands.
void ConnectZoomCommands(MainWindow& window, TableView& table, TMainGame& game);

}  // namespace velmora
