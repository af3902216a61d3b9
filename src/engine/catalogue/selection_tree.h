#pragma once
// The folders of the game selection tree and what each holds: the fixed
// folder structure with its codes and pictures, the games a folder lists when
// it is opened, the description of a game, and the won and lost marks.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class Catalogue;
class IniDocument;

namespace tree {
// Codes of the structural nodes. "Game Groups" has fixed children and
// shares -1 with the placeholder child of an unfilled folder.
inline constexpr int Placeholder = -1;
inline constexpr int GameGroups = -1;
inline constexpr int FavouritesHint = -2;
inline constexpr int CustomizeHint = -3;
inline constexpr int Favourites = -10;
inline constexpr int FavouriteFolder = -11;
inline constexpr int FoldersList = -20;
inline constexpr int AllGames = -30;
inline constexpr int Selected = -2010;
inline constexpr int GameTypes = -2020;
inline constexpr int Customized = -2070;
inline constexpr int NewGames = -2080;
inline constexpr int OtherGroups = -2090;
inline constexpr int Original = -209010;
inline constexpr int Children = -209020;
}  // namespace tree

// A folder of the tree: its code, the code of the folder it lies in (0 for
// the top level), its caption, its closed and open pictures, and whether it
// lists games (filled when first opened) or only holds other folders.
struct TreeFolder {
  int code;
  int parent;
  std::string_view caption;
  std::string_view picture;
  std::string_view openPicture;
  bool listsGames;
};

// Every folder, each after the folder it lies in, in the order shown.
std::span<const TreeFolder> TreeFolders();
const TreeFolder* FindTreeFolder(int code);

// The folder the dialog opens: the stored code when it is a folder that
// lists games, otherwise "All games".
int OpeningFolder(int storedCode);

// The picture of a game type's node; empty for a type without one.
std::string_view TypeIcon(int typeCode);

// One entry of an opened folder: a game, or in the favourites a folder of
// the player's with its games, or the hint shown when a folder is empty.
struct TreeEntry {
  int code = 0;  // the game number; a negative code for a folder or a hint
  std::string caption;
  int type = -1;  // the game type; -1 for a folder or a hint
  std::vector<TreeEntry> children;
};

// What an opened folder lists, sorted by name where the folder is sorted.
// Game numbers the catalogue does not know are left out. The favourites are
// read from the preference file's "Favorite Games" section.
std::vector<TreeEntry> FolderEntries(const Catalogue& catalogue, const IniDocument& preferences, int folderCode);

// The description panel of a game.
struct GameDescription {
  std::string name;
  bool custom = false;
  std::string time, timePicture;
  std::string difficulty, difficultyPicture;
  std::string skill, skillPicture;
  std::string chance, chancePicture;
  int decks = 0;
  std::string redeals;
  int previewGame = -1;  // the game whose picture "GAME" + 4 digits shows it
};

std::optional<GameDescription> DescribeGame(const Catalogue& catalogue, int number);

// The name of a game's preview picture.
std::string PreviewPictureName(int game);

// A game node's mark for the current player.
enum class GameMark { Plain, Won, NotWon };

// The icon of a game node: its type's icon, with "_WIN" or "_NOWIN" when marked.
std::string GameIcon(int typeCode, GameMark mark);

}  // namespace velmora
