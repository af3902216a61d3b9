#pragma once
// Shared fixtures of the widget tests: a game object on a scratch data folder
// with the real rule file and resource bundle, and a screen that answers
// nothing.
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "files/ini_document.h"
#include "resource_store.h"
#include "shell/game_ui.h"
#include "shell/main_game.h"

namespace velmora::testing {

class QuietUi final : public GameUi {
 public:
  void showMessage(std::string_view, std::string_view text, Icon) override { messages.emplace_back(text); }
  bool askQuestion(std::string_view, std::string_view text) override {
    questions.emplace_back(text);
    return answer;
  }
  void playSound(std::string_view name) override { sounds.emplace_back(name); }
  void stopSound() override {}
  void showTable(TableChange) override {}
  void beep() override {}
  void showScore(std::int64_t) override {}
  void flyCards(const std::vector<CardId>&, TablePoint, TablePoint) override {}

  std::vector<std::string> messages;
  std::vector<std::string> sounds;
  std::vector<std::string> questions;
  bool answer = true;  // to every question: OK, or Cancel
};

// A game object whose data folder is a fresh scratch folder.
class GameFixture {
 public:
  GameFixture() : game(Folders(VELMORA_PROGRAM_DIR, scratch.path().toStdString()), ui) {
    game.data().prepare();
    resources.open(QStringLiteral(VELMORA_PROGRAM_DIR "/SOL.RGF"));
  }

  IniDocument preferenceFile() { return game.preferences().open(); }

  QTemporaryDir scratch;
  QuietUi ui;
  TMainGame game;
  ResourceStore resources;
};

// Runs `act` on the modal dialog once it is open; records whether one was.
class ModalDriver {
 public:
  explicit ModalDriver(std::function<void(QWidget&)> act) : act_(std::move(act)) {
    QTimer::singleShot(0, &context_, [this] { poll(); });
  }
  bool sawDialog() const { return saw_; }

 private:
  void poll() {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      saw_ = true;
      act_(*dialog);
    } else if (++polls_ < 50) {
      QTimer::singleShot(10, &context_, [this] { poll(); });
    }
  }

  QObject context_;  // the polls end with the driver
  std::function<void(QWidget&)> act_;
  bool saw_ = false;
  int polls_ = 0;
};

// Runs each step on the next modal dialog that opens, in order; a step must
// close its dialog. Records the title of each dialog it acted on.
class ModalSteps {
 public:
  explicit ModalSteps(std::vector<std::function<void(QWidget&)>> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (!dialog || titles.size() >= static_cast<qsizetype>(steps_.size())) return;
      titles << dialog->windowTitle();
      steps_[static_cast<std::size_t>(titles.size() - 1)](*dialog);
    });
    timer_.start(10);
  }

  QStringList titles;

 private:
  std::vector<std::function<void(QWidget&)>> steps_;
  QTimer timer_;
};

// Reads and closes every modal dialog that opens while it lives, however many
// there are: its title and, for a message box, its text.
class ModalCloser {
 public:
  ModalCloser() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      titles << dialog->windowTitle();
      if (auto* box = qobject_cast<QMessageBox*>(dialog)) texts << box->text();
      dialog->reject();
    });
    timer_.start(10);
  }

  QStringList titles;
  QStringList texts;  // of the message boxes

 private:
  QTimer timer_;
};

}  // namespace velmora::testing
