#pragma once
// The game object without windows: messages go to standard error, questions
// are answered "Cancel", sounds are silent. Commands that deal or play games
// work through it exactly as the program does.
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "shell/main_game.h"
#include "shell/silent_ui.h"

namespace velmora::cli {

// Messages and questions on the terminal; nothing else is shown.
class TerminalUi final : public SilentUi {
 public:
  explicit TerminalUi(std::ostream& err) : err_(err) {}
  void showMessage(std::string_view caption, std::string_view text, Icon icon) override;
  bool askQuestion(std::string_view caption, std::string_view text) override;

  // While quiet, messages are not shown (a trial the player does not see).
  void setQuiet(bool quiet) { quiet_ = quiet; }

  // The result panel as it was last drawn (poker squares), none before.
  void showResultPanel(const ResultPanel& panel) override { panel_ = panel; }
  const std::optional<ResultPanel>& resultPanel() const { return panel_; }

  // The memory game's result as the end of the game showed it, none before.
  void showMemoryResult(const MemoryResult& result) override { memoryResult_ = result; }
  const std::optional<MemoryResult>& memoryResult() const { return memoryResult_; }

 private:
  std::ostream& err_;
  bool quiet_ = false;
  std::optional<ResultPanel> panel_;
  std::optional<MemoryResult> memoryResult_;
};

// The screen the headless table stands on: 1280 x 800 pixels.
inline constexpr int kHeadlessScreenWidth = 1280;
inline constexpr int kHeadlessScreenHeight = 800;

class HeadlessGame {
 public:
  // No value, after the program's message on `err`, when the program files
  // are missing or the rule file is damaged.
  static std::unique_ptr<HeadlessGame> Open(const Options& options, std::ostream& err);

  TMainGame& game() { return game_; }
  TerminalUi& ui() { return ui_; }

  // The game by number or by name (any letter case); no value when the
  // catalogue has no such game.
  std::optional<int> findGame(const std::string& wanted) const;

  // Loads the game's rules and deals it with the deal number (13 digits).
  bool deal(int gameNumber, const std::string& dealDigits);

  // Lays the dealt table out on a window the size of the headless screen
  // with big cards, so that points of the table mean what they mean on screen.
  void layOut();

 private:
  HeadlessGame(const Options& options, std::ostream& err);

  TerminalUi ui_;
  TMainGame game_;
};

// The piles of the game in the order stock, waste, third slot, foundations,
// tableau, reserves. Stock slots count when shown or dealt to.
std::vector<PileRef> PilesInUse(const TMainGame& game);

// The table in the format of `deal`: one line per pile the game uses, its
// name and its cards as card states, or one JSON object.
void PrintTable(TMainGame& game, bool json, std::ostream& out);

}  // namespace velmora::cli
