#pragma once
// "Open a game": the catalogue as a tree of folders, the description and
// preview of the selected game, the won and lost marks of the chosen player,
// and the choice of the game to play. The folders' contents are the
// catalogue's; the dialog only shows them.
#include <QHash>
#include <QIcon>
#include <functional>
#include <optional>
#include <string>

#include "catalogue/selection_tree.h"
#include "dialog_base.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class ResourceStore;
class TMainGame;

class OpenGameDialog final : public DialogBase {
  Q_OBJECT

 public:
  struct Choice {
    int number = -1;
    std::string name;
    std::string player;
  };
  // Whether the player has won a game, played it without winning, or neither;
  // a source gives the lookup of one player, read once for all the games.
  using MarkLookup = std::function<GameMark(int number)>;
  using MarkSource = std::function<MarkLookup(const std::string& player)>;

  OpenGameDialog(TMainGame& game, const ResourceStore* resources, MarkSource marks, QWidget* parent = nullptr);

  // Shows the dialog at the stored folder and the current game; the choice
  // when the player pressed OK.
  std::optional<Choice> choose();
  // Whether the dialog last closed through "Open a saved game...".
  bool savedGameWanted() const { return savedGameWanted_; }

  // The players dialog, opened from the pop-up menu.
  void setPlayersEditor(std::function<void()> edit) { editPlayers_ = std::move(edit); }
  // After a custom game was deleted or the favourites changed.
  void rebuildFolder(int folderCode);
  // Re-reads the marks of every game node.
  void refreshMarks();
  // Fills the player list again and selects the current player.
  void refreshPlayers();

  QTreeWidget* tree() const { return tree_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildFolders();
  QTreeWidgetItem* folderItem(int code) const;
  void fill(QTreeWidgetItem* folder);
  void addEntries(QTreeWidgetItem* parent, const std::vector<TreeEntry>& entries);
  void openAt(int folderCode, int gameNumber);
  void describe();
  void showPreview(int game);
  void chooseSelected();
  void deleteSelected();
  void playerChanged();
  void doubleClicked(QTreeWidgetItem* item);
  QIcon picture(std::string_view name);
  QIcon gameIcon(int type, int number);
  int selectedGame() const;
  int absolutePosition(const QTreeWidgetItem* item) const;

  TMainGame& game_;
  const ResourceStore* resources_;
  MarkSource marks_;
  MarkLookup playerMarks_;  // the marks of the player shown, while they are shown
  std::function<void()> editPlayers_;
  QHash<QString, QIcon> pictures_;

  QTreeWidget* tree_ = nullptr;
  QLabel* name_ = nullptr;
  QLabel* time_ = nullptr;
  QLabel* difficulty_ = nullptr;
  QLabel* skill_ = nullptr;
  QLabel* chance_ = nullptr;
  QLabel* timeIcon_ = nullptr;
  QLabel* difficultyIcon_ = nullptr;
  QLabel* skillIcon_ = nullptr;
  QLabel* chanceIcon_ = nullptr;
  QLabel* decks_ = nullptr;
  QLabel* redeals_ = nullptr;
  QLabel* preview_ = nullptr;
  QCheckBox* showPreview_ = nullptr;
  QCheckBox* showMarks_ = nullptr;
  QComboBox* player_ = nullptr;
  QPushButton* ok_ = nullptr;
  QMenu* popup_ = nullptr;
  QAction* delete_ = nullptr;
  std::optional<Choice> choice_;
  bool savedGameWanted_ = false;
};

}  // namespace velmora
