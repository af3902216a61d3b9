// The players dialog: names refused and asked again, a rename carried by the
// records or refused whole, the current player kept, a change of player.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <deque>

#include "app_test_support.h"
#include "players_dialog.h"
#include "records/player_list.h"

namespace velmora {
namespace {

using testing::GameFixture;

std::string Repeat(std::string_view piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

QStringList Names(const QListWidget& list) {
  QStringList names;
  for (int i = 0; i < list.count(); ++i) names << list.item(i)->text();
  return names;
}

class PlayersDialogTest : public ::testing::Test, public GameFixture {
 protected:
  PlayersDialogTest() {
    game.preferences().update([](IniDocument& file) {
      WritePlayers(file, {"Player 1", "Player 2", "Player 3"});
      file.write("Preference", "UserDefault", "Player 2");
    });
    game.store().write(store::UserDefault, "Player 2");
    records.rename = [this](const std::string& from, const std::string& to) -> std::optional<std::string> {
      renames.push_back(from + ">" + to);
      return renameRefusal;
    };
    records.forget = [this](const std::string& player) -> std::optional<std::string> {
      forgotten.push_back(player);
      return std::nullopt;
    };
  }

  // A dialog whose name questions are answered from `answers`, then cancelled.
  std::unique_ptr<PlayersDialog> makeDialog() {
    auto dialog = std::make_unique<PlayersDialog>(game, records);
    dialog->askName = [this](const std::string&) -> std::optional<std::string> {
      if (answers.empty()) return std::nullopt;
      std::string answer = answers.front();
      answers.pop_front();
      return answer;
    };
    return dialog;
  }
  QPushButton* button(QWidget& dialog, const QString& caption) {
    for (auto* b : dialog.findChildren<QPushButton*>())
      if (b->text() == caption) return b;
    return nullptr;
  }
  std::vector<std::string> storedPlayers() { return ReadPlayers(preferenceFile()); }

  PlayerRecords records;
  std::deque<std::string> answers;
  std::optional<std::string> renameRefusal;
  std::vector<std::string> renames, forgotten;
};

TEST_F(PlayersDialogTest, RefusedNamesAreAskedAgainUntilOneIsAccepted) {
  auto dialog = makeDialog();
  answers = {"", "Player 1", "  Player 1", "a=b", Repeat("Ж", 31), "Zoe"};
  QTest::keyClick(dialog->list(), Qt::Key_Insert);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{"Please enter at least 1 character.", "This player name already exists.",
                                                   "This player name already exists.",
                                                   "A player name cannot start with \"[\" or hold \"=\" or control characters.",
                                                   "A player name has at most 30 characters."}));
  EXPECT_EQ(Names(*dialog->list()), (QStringList{"Player 1", "Player 2", "Player 3", "Zoe"}));
  EXPECT_EQ(dialog->list()->currentItem()->text(), QStringLiteral("Zoe"));
  EXPECT_EQ(storedPlayers().size(), 4u);  // kept at once, whichever button closes the dialog
}

TEST_F(PlayersDialogTest, TheNameFieldTakesThirtyCharactersOfAnyScript) {
  const std::string cards = Repeat("🂡", 30);  // two UTF-16 units each
  testing::ModalDriver driver([&](QWidget& asking) {
    auto* edit = asking.findChild<QLineEdit*>();
    edit->insert(QString::fromStdString(cards));
    edit->insert(QStringLiteral("x"));  // a 31st character is not taken
    asking.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  EXPECT_EQ(AskPlayerName(nullptr, ""), cards);
  EXPECT_TRUE(driver.sawDialog());
}

TEST_F(PlayersDialogTest, ARenameIsCarriedByTheRecordsAndTheCurrentPlayerFollows) {
  auto dialog = makeDialog();
  answers = {"Anna"};
  button(*dialog, QStringLiteral("&Edit"))->click();  // the current player is selected
  EXPECT_EQ(renames, std::vector<std::string>{"Player 2>Anna"});
  EXPECT_EQ(Names(*dialog->list()), (QStringList{"Anna", "Player 1", "Player 3"}));
  EXPECT_EQ(game.store().playerName(), "Anna");
  EXPECT_EQ(preferenceFile().readString("Preference", "UserDefault", ""), "Anna");
  EXPECT_EQ(storedPlayers(), (std::vector<std::string>{"Anna", "Player 1", "Player 3"}));
}

TEST_F(PlayersDialogTest, ARenameTheRecordsRefuseChangesNothing) {
  renameRefusal = "Error in renaming the file: x";
  auto dialog = makeDialog();
  answers = {"Anna"};
  button(*dialog, QStringLiteral("&Edit"))->click();
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Error in renaming the file: x"});
  EXPECT_EQ(Names(*dialog->list()), (QStringList{"Player 1", "Player 2", "Player 3"}));
  EXPECT_EQ(game.store().playerName(), "Player 2");
  EXPECT_EQ(storedPlayers(), (std::vector<std::string>{"Player 1", "Player 2", "Player 3"}));
}

TEST_F(PlayersDialogTest, TheCurrentPlayerCannotBeDeletedAnotherOneIsForgotten) {
  auto dialog = makeDialog();
  QTest::keyClick(dialog->list(), Qt::Key_Delete);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"It is impossible to delete the selected player."});
  EXPECT_TRUE(forgotten.empty());

  dialog->list()->setCurrentRow(2);
  button(*dialog, QStringLiteral("&Delete"))->click();
  EXPECT_EQ(forgotten, std::vector<std::string>{"Player 3"});
  EXPECT_EQ(storedPlayers(), (std::vector<std::string>{"Player 1", "Player 2"}));
  EXPECT_EQ(dialog->list()->currentRow(), 0);
}

TEST_F(PlayersDialogTest, SelectingAnotherPlayerMakesItCurrent) {
  struct Case {
    int row;
    bool changed;
    std::string current;
  } cases[] = {{1, false, "Player 2"}, {0, true, "Player 1"}};
  for (const Case& c : cases) {
    auto dialog = makeDialog();
    dialog->list()->setCurrentRow(c.row);
    button(*dialog, QStringLiteral("Select"))->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->playerChanged(), c.changed) << c.row;
    EXPECT_EQ(game.store().playerName(), c.current);
    EXPECT_EQ(preferenceFile().readString("Preference", "UserDefault", ""), c.current);
  }
}

TEST_F(PlayersDialogTest, NoMoreThanTwentyPlayers) {
  std::vector<std::string> many;
  for (int n = 1; n <= 20; ++n) many.push_back("P" + std::to_string(100 + n));
  game.preferences().update([&](IniDocument& file) { WritePlayers(file, many); });
  auto dialog = makeDialog();
  answers = {"One more"};
  QTest::keyClick(dialog->list(), Qt::Key_Insert);
  EXPECT_EQ(answers.size(), 1u);  // not even asked
  EXPECT_EQ(storedPlayers().size(), 20u);
}

}  // namespace
}  // namespace velmora
