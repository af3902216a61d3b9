#include "saved_game_commands.h"

#include <QMessageBox>
#include <string>
#include <system_error>

#include "game_commands.h"
#include "main_window.h"
#include "shell/main_game.h"

namespace velmora {
namespace {

constexpr std::string_view kSaveTitle = "Save game";
constexpr std::string_view kOpenTitle = "Open game";
constexpr std::string_view kSaveFilter = "Game (*.gam)";
constexpr std::string_view kOpenFilter = "Game (*.gam *.GAM)";  // files of older versions have upper-case names
constexpr std::string_view kReplaceQuestion = "This file already exists.\nReplace existing file?";
constexpr std::string_view kNotSaved = "The game could not be saved: ";

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

bool Exists(const fs::path& file) {
  std::error_code error;
  return fs::exists(file, error);
}

enum class ReplaceAnswer { Replace, ChooseAgain, Stop };

ReplaceAnswer AskReplace(QWidget* parent, const fs::path& file) {
  QMessageBox box(QMessageBox::Warning, Text(kProgramName),
                  QString::fromStdString(file.string()) + QLatin1Char('\n') + Text(kReplaceQuestion),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::No);
  switch (box.exec()) {
    case QMessageBox::Yes: return ReplaceAnswer::Replace;
    case QMessageBox::No: return ReplaceAnswer::ChooseAgain;
    default: return ReplaceAnswer::Stop;
  }
}

}  // namespace

SavedGameCommands::SavedGameCommands(MainWindow& window, TMainGame& game)
    : QObject(&window), window_(window), game_(game), chooser_(DialogFileChooser(&window)) {
  window.connectCommand(Command::Save, [this] { save(); });
  window.connectCommand(Command::OpenSavedGame, [this] { open(); });
}

std::optional<fs::path> SavedGameCommands::chooseFileToWrite() {
  const FileRequest request{FileRequest::Purpose::Save, Text(kSaveTitle), SavedGameFolder(game_), Text(kSaveFilter),
                            Text(kSavedGameExtension.substr(1))};
  for (;;) {
    std::optional<fs::path> file = chooser_(request);
    if (!file || !Exists(*file)) return file;
    switch (AskReplace(&window_, *file)) {
      case ReplaceAnswer::Replace: return file;
      case ReplaceAnswer::ChooseAgain: continue;
      case ReplaceAnswer::Stop: return std::nullopt;
    }
  }
}

void SavedGameCommands::save() {
  const std::optional<fs::path> file = chooseFileToWrite();
  if (!file) return;
  if (const FileOutcome written = SaveGame(game_, *file); !written) {
    game_.ui().showMessage(kProgramName, std::string(kNotSaved) + written.message, GameUi::Icon::Error);
    return;
  }
  RememberSavedGameFolder(game_, file->parent_path());
}

OpenOutcome SavedGameCommands::open() {
  if (game_.state().on(flag::AnimationRuns)) return OpenOutcome::Declined;  // not even the file dialog
  const FileRequest request{FileRequest::Purpose::Open, Text(kOpenTitle), SavedGameFolder(game_), Text(kOpenFilter), {}};
  const std::optional<fs::path> file = chooser_(request);
  if (!file) return OpenOutcome::Declined;
  const OpenOutcome outcome = OpenSavedGame(game_, *file, {ScreenFacts(window_), true});
  if (outcome == OpenOutcome::Opened) {
    RememberSavedGameFolder(game_, file->parent_path());
    ShowDealtGame(window_, game_);
  }
  return outcome;
}

}  // namespace velmora
