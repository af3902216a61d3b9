#pragma once
// The engine's view of the screen, made of Qt message boxes and sounds.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "shell/game_ui.h"

class QSoundEffect;

namespace velmora {

class ResourceStore;

class QtGameUi final : public GameUi {
 public:
  explicit QtGameUi(const ResourceStore& resources);
  ~QtGameUi() override;

  // Message boxes open over this window once it exists.
  void setParentWindow(QWidget* window) { parent_ = window; }
  // Where the table's changes go once the table is on screen.
  void setTableShown(std::function<void(TableChange)> show) { showTable_ = std::move(show); }

  void showMessage(std::string_view caption, std::string_view text, Icon icon) override;
  bool askQuestion(std::string_view caption, std::string_view text) override;
  void playSound(std::string_view name) override;
  void stopSound() override;
  void showTable(TableChange change) override;

 private:
  const ResourceStore& resources_;
  QPointer<QWidget> parent_;
  std::unique_ptr<QSoundEffect> sound_;
  std::function<void(TableChange)> showTable_;
};

// The engine writes line breaks as "\r"; the windows want "\n". Texts are in
// the single-byte code page of the program's files.
QString ToDisplayText(std::string_view text);

}  // namespace velmora
