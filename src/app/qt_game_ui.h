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
  // The window's parts that show the table, its score and card flights, once they exist.
  struct TableOutlets {
    std::function<void(TablePoint, TablePoint)> hintArrow;
    std::function<void()> hideHintArrow;
    std::function<void(TableChange)> show;
    std::function<void(std::int64_t)> score;
    std::function<void(const std::vector<CardId>&, TablePoint, TablePoint)> fly;
    // The poker squares' result panel and the cards of the hand it announces.
    std::function<void(const ResultPanel&)> resultPanel;
    std::function<void(const std::vector<CardId>&)> highlight;
    // The memory game's result window; returns when it has closed.
    std::function<void(const MemoryResult&)> memoryResult;
    // The end of a game: the window's commands and clock, the game-won
    // dialog, the close that waited for an animation.
    std::function<void(std::int64_t)> ended;
    std::function<void()> gameWon;
    std::function<void()> close;
  };
  void setTableOutlets(TableOutlets outlets) { outlets_ = std::move(outlets); }
  // The demonstration's window, once it exists.
  struct DemoOutlets {
    std::function<void(bool)> show;
    std::function<bool()> shown;
    std::function<void(int)> moves;
    std::function<void(const QString&)> describe;
  };
  void setDemoOutlets(DemoOutlets outlets) { demo_ = std::move(outlets); }

  void showHintArrow(TablePoint from, TablePoint to) override;
  void hideHintArrow() override;
  void showDemoWindow(bool shown) override;
  bool demoWindowShown() const override;
  void showDemoMoves(int count) override;
  void showDemoDescription(std::string_view text) override;
  // Pauses last this many percent of their time (tests watch the demonstration faster).
  void setWaitPercent(int percent) { waitPercent_ = percent; }
  void showMessage(std::string_view caption, std::string_view text, Icon icon) override;
  bool askQuestion(std::string_view caption, std::string_view text) override;
  void playSound(std::string_view name) override;
  void stopSound() override;
  void showTable(TableChange change) override;
  void beep() override;
  void showScore(std::int64_t score) override;
  void flyCards(const std::vector<CardId>& cards, TablePoint from, TablePoint to) override;
  // A nested event loop: the window stays alive while the time passes.
  void pauseFor(int milliseconds) override;
  bool showAdvice(std::string_view text, int picturePage) override;
  void gameEnded(std::int64_t seconds) override;
  void showGameWon() override;
  void showResultPanel(const ResultPanel& panel) override;
  void highlightCards(const std::vector<CardId>& cards) override;
  void showMemoryResult(const MemoryResult& result) override;
  void closeMainWindow() override;

 private:
  const ResourceStore& resources_;
  QPointer<QWidget> parent_;
  std::unique_ptr<QSoundEffect> sound_;
  TableOutlets outlets_;
  DemoOutlets demo_;
  int waitPercent_ = 100;
};

// The engine writes line breaks as "\r"; the windows want "\n". Texts are in
// the single-byte code page of the program's files.
QString ToDisplayText(std::string_view text);

}  // namespace velmora
