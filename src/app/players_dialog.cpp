#include "players_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "records/player_list.h"
#include "shell/main_game.h"
#include "shell/preference_keys.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kCaption = "Velmora 2001";

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Holds a typed name to 30 characters as the records count them, in code
// points: the edit's own length limit counts UTF-16 units, which would let a
// name lose characters that need two of them.
class NameLengthValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return static_cast<std::size_t>(input.toUcs4().size()) <= kLongestPlayerName ? Acceptable : Invalid;
  }
};

// Blanks around a typed name are dropped; the bytes between are left for the
// refusal to judge.
std::string Trimmed(const std::string& name) { return std::string(Trim(name)); }

}  // namespace

std::optional<std::string> AskPlayerName(QWidget* parent, const std::string& current) {
  DialogBase dialog(parent);
  dialog.setObjectName(QStringLiteral("frmPlayers2"));
  dialog.setWindowTitle(current.empty() ? QStringLiteral("Add a player") : QStringLiteral("Edit a player"));
  auto* edit = new QLineEdit(Text(current), &dialog);
  edit->setValidator(new NameLengthValidator(edit));
  auto* label = new QLabel(QStringLiteral("&Player name: "), &dialog);
  label->setBuddy(edit);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(edit, 1);
  layout->addLayout(row);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return edit->text().toStdString();
}

PlayersDialog::PlayersDialog(TMainGame& game, PlayerRecords records, QWidget* parent)
    : DialogBase(parent), game_(game), records_(std::move(records)) {
  setWindowTitle(QStringLiteral("Players"));
  setObjectName(QStringLiteral("frmPlayers"));
  askName = [this](const std::string& current) { return AskPlayerName(this, current); };

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("lstPlayers"));
  auto* label = new QLabel(QStringLiteral("&Select a player:"), this);
  label->setBuddy(list_);
  select_ = new QPushButton(QStringLiteral("Select"), this);
  auto* add = new QPushButton(QStringLiteral(" &New"), this);
  edit_ = new QPushButton(QStringLiteral("&Edit"), this);
  delete_ = new QPushButton(QStringLiteral("&Delete"), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  select_->setDefault(true);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {select_, add, edit_, delete_, close}) buttons->addWidget(button);
  buttons->addStretch(1);
  auto* left = new QVBoxLayout;
  left->addWidget(label);
  left->addWidget(list_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(buttons);

  connect(list_, &QListWidget::currentRowChanged, this, &PlayersDialog::updateButtons);
  connect(list_, &QListWidget::itemDoubleClicked, this, &PlayersDialog::selectPlayer);
  connect(select_, &QPushButton::clicked, this, &PlayersDialog::selectPlayer);
  connect(add, &QPushButton::clicked, this, &PlayersDialog::addPlayer);
  connect(edit_, &QPushButton::clicked, this, &PlayersDialog::editPlayer);
  connect(delete_, &QPushButton::clicked, this, &PlayersDialog::deletePlayer);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  players_ = ReadPlayers(game_.preferences().open());
  showList(game_.store().playerName());
}

void PlayersDialog::showList(const std::string& selected) {
  std::sort(players_.begin(), players_.end(),
            [](const std::string& a, const std::string& b) { return QString::compare(Text(a), Text(b), Qt::CaseInsensitive) < 0; });
  list_->clear();
  for (const std::string& name : players_) list_->addItem(Text(name));
  const auto found = std::find(players_.begin(), players_.end(), selected);
  list_->setCurrentRow(found == players_.end() ? (players_.empty() ? -1 : 0) : static_cast<int>(found - players_.begin()));
  updateButtons();
}

std::string PlayersDialog::selectedName() const {
  const int row = list_->currentRow();
  return row >= 0 && row < static_cast<int>(players_.size()) ? players_[static_cast<std::size_t>(row)] : std::string();
}

void PlayersDialog::updateButtons() {
  const bool selected = !selectedName().empty();
  for (QPushButton* button : {select_, edit_, delete_}) button->setEnabled(selected);
}

// The list is written after every change, so the records and the list of
// players never disagree, whichever button closes the dialog.
void PlayersDialog::saveList() {
  game_.preferences().update([&](IniDocument& file) { WritePlayers(file, players_); });
}

void PlayersDialog::addPlayer() {
  if (players_.size() >= static_cast<std::size_t>(kMostPlayers)) {
    game_.ui().showMessage(kCaption, "No more than 20 players can be registered.", GameUi::Icon::Information);
    return;
  }
  while (const auto name = askName({})) {
    const std::string trimmed = Trimmed(*name);
    if (const auto refusal = PlayerNameRefusal(trimmed, players_)) {
      game_.ui().showMessage(kCaption, *refusal, GameUi::Icon::Information);
      continue;
    }
    players_.push_back(trimmed);
    saveList();
    showList(trimmed);
    return;
  }
}

void PlayersDialog::editPlayer() {
  const std::string old = selectedName();
  if (old.empty()) return;
  while (const auto name = askName(old)) {
    const std::string renamed = Trimmed(*name);
    if (renamed == old) return;
    if (const auto refusal = PlayerNameRefusal(renamed, players_, old)) {
      game_.ui().showMessage(kCaption, *refusal, GameUi::Icon::Information);
      continue;
    }
    if (records_.rename) {
      if (const auto failure = records_.rename(old, renamed)) {
        game_.ui().showMessage(kCaption, *failure, GameUi::Icon::Error);
        return;
      }
    }
    std::replace(players_.begin(), players_.end(), old, renamed);
    saveList();
    if (game_.store().playerName() == old) {
      game_.store().write(store::UserDefault, renamed);
      game_.preferences().update([&](IniDocument& file) { file.write(kPreferenceSection, "UserDefault", renamed); });
    }
    showList(renamed);
    return;
  }
}

void PlayersDialog::deletePlayer() {
  const std::string name = selectedName();
  if (name.empty()) return;
  if (name == game_.store().playerName()) {
    game_.ui().showMessage(kCaption, "It is impossible to delete the selected player.", GameUi::Icon::Warning);
    return;
  }
  if (!game_.ui().askQuestion(kCaption, "Are you sure you want to delete the selected player?\rNote: the "
                                        "statistics for this player will also be deleted."))
    return;
  if (records_.forget) {
    if (const auto failure = records_.forget(name)) {
      game_.ui().showMessage(kCaption, *failure, GameUi::Icon::Error);
      return;
    }
  }
  std::erase(players_, name);
  saveList();
  showList(players_.empty() ? std::string() : players_.front());
}

void PlayersDialog::selectPlayer() {
  const std::string name = selectedName();
  if (name.empty()) {
    game_.ui().showMessage(kCaption, "Select a player.", GameUi::Icon::Information);
    return;
  }
  const bool other = name != game_.store().playerName();
  if (other && !SwitchPlayer(game_, name)) return;
  changed_ = other;
  accept();
}

void PlayersDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Insert) {
    addPlayer();
  } else if (event->key() == Qt::Key_Delete) {
    deletePlayer();
  } else {
    DialogBase::keyPressEvent(event);
  }
}

}  // namespace velmora
