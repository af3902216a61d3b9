#pragma once
// "Players": the registered players, with adding, renaming, deleting and
// choosing the current one.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialog_base.h"

class QListWidget;
class QPushButton;

namespace velmora {

class TMainGame;

// What the players' records need when a player is renamed or deleted: the
// records' files follow the new name, or forget the player. A refusal is the
// message for the player; the files are then left as they were.
struct PlayerRecords {
  std::function<std::optional<std::string>(const std::string& from, const std::string& to)> rename;
  std::function<std::optional<std::string>(const std::string& player)> forget;
};

// Asks for a player's name: "Add a player" or, with a name, "Edit a player".
// No value when cancelled.
std::optional<std::string> AskPlayerName(QWidget* parent, const std::string& current);

class PlayersDialog final : public DialogBase {
  Q_OBJECT

 public:
  PlayersDialog(TMainGame& game, PlayerRecords records, QWidget* parent = nullptr);

  // Whether "Select" made another player current.
  bool playerChanged() const { return changed_; }
  QListWidget* list() const { return list_; }

  // The name dialog the dialog asks with; replaced by the tests.
  std::function<std::optional<std::string>(const std::string& current)> askName;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void showList(const std::string& selected);
  std::string selectedName() const;
  void updateButtons();
  void addPlayer();
  void editPlayer();
  void deletePlayer();
  void selectPlayer();
  void saveList();

  TMainGame& game_;
  PlayerRecords records_;
  std::vector<std::string> players_;
  bool changed_ = false;

  QListWidget* list_ = nullptr;
  QPushButton* select_ = nullptr;
  QPushButton* edit_ = nullptr;
  QPushButton* delete_ = nullptr;
};

}  // namespace velmora
