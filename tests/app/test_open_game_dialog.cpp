// The game selection dialog driven as a player would: folders filled when
// opened, a game chosen with the mouse or the keyboard, the player changed
// and cancelled, a custom game deleted, and the game dealt by "Open a game".
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app_test_support.h"
#include "catalogue/catalogue_startup.h"
#include "catalogue/selection_tree.h"
#include "game_choice.h"
#include "main_window.h"
#include "open_game_dialog.h"

namespace velmora {
namespace {

using testing::GameFixture;
using testing::ModalDriver;

QTreeWidgetItem* FindItem(QTreeWidget& tree, const QString& caption) {
  const auto found = tree.findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.front();
}

QStringList Children(const QTreeWidgetItem* folder) {
  QStringList captions;
  for (int i = 0; i < folder->childCount(); ++i) captions << folder->child(i)->text(0);
  return captions;
}

QPushButton* Button(QWidget& dialog, const QString& caption) {
  for (auto* button : dialog.findChildren<QPushButton*>())
    if (button->text() == caption) return button;
  return nullptr;
}

class OpenGameDialogTest : public ::testing::Test, public GameFixture {
 protected:
  OpenGameDialogTest() {
    EXPECT_FALSE(LoadCatalogueFiles(game.catalogue(), game.data()).has_value());
    game.preferences().update([](IniDocument& file) {
      file.write("Users", "User001", "Player 1");
      file.write("Users", "User002", "Player 2");
      file.write("Preference", "UserDefault", "Player 1");
    });
    game.store().write(store::UserDefault, "Player 1");
  }

  void setPreference(std::string_view key, std::string_view value) {
    game.preferences().update([&](IniDocument& file) { file.write("Preference", key, value); });
  }
  std::string preference(std::string_view key) { return preferenceFile().readString("Preference", key, "(none)"); }

  // Opens "Open a game..." with `act` run on the dialog.
  void openGame(const std::function<void(QWidget&)>& act) {
    ModalDriver driver(act);
    choice.openGame();
    EXPECT_TRUE(driver.sawDialog());
  }

  MainWindow window{game, &resources};
  GameChoice choice{window, game, &resources, {}, {}};
  QTreeWidget& tree = *choice.dialog().tree();
};

TEST_F(OpenGameDialogTest, FoldersAreFilledWhenFirstOpened) {
  QTreeWidgetItem* selected = FindItem(tree, QStringLiteral("Selected games"));
  ASSERT_TRUE(selected);
  ASSERT_EQ(selected->childCount(), 1);  // the placeholder
  selected->setExpanded(true);
  const auto entries = FolderEntries(game.catalogue(), preferenceFile(), tree::Selected);
  ASSERT_EQ(selected->childCount(), static_cast<int>(entries.size()));
  EXPECT_TRUE(Children(selected).contains(QStringLiteral("FreeCell")));
  selected->setExpanded(false);
  selected->setExpanded(true);
  EXPECT_EQ(selected->childCount(), static_cast<int>(entries.size()));  // filled once

  QTreeWidgetItem* custom = FindItem(tree, QStringLiteral("Customized games"));
  custom->setExpanded(true);
  EXPECT_EQ(Children(custom), QStringList{QStringLiteral("(How to customize a game)")});
}

TEST_F(OpenGameDialogTest, OkDealsTheChosenGameAndKeepsTheDialogsPlace) {
  game.store().write(store::DealNumber, "0000000000005");
  openGame([&](QWidget& dialog) {
    QTreeWidgetItem* spider = FindItem(tree, QStringLiteral("Spider (one suit)"));
    tree.setCurrentItem(spider);
    Button(dialog, QStringLiteral("OK"))->click();
  });
  EXPECT_FALSE(choice.dialog().isVisible());
  const int spider = game.catalogue().GameNumberByName("Spider (one suit)");
  EXPECT_EQ(game.store().gameNumber(), spider);
  EXPECT_TRUE(game.state().on(flag::GameInProgress));
  EXPECT_NE(game.store().dealNumber(), "0000000000005");
  EXPECT_FALSE(game.piles().pileString({PileGroup::Tableau, 0}).empty());
  EXPECT_EQ(preference("Game"), std::to_string(spider));
  EXPECT_EQ(preference("Game_Name"), "Spider (one suit)");
  EXPECT_EQ(preference("Game_TreeNum"), std::to_string(tree::AllGames));
  EXPECT_EQ(preference("Open_Preview_Game"), "Y");
  EXPECT_EQ(preference("Open_Show_Won_Lost"), "N");
  EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("Spider (one suit)")));
}

TEST_F(OpenGameDialogTest, OnAFolderOkIsOffAndReturnAsksForAGame) {
  bool okEnabled = true;
  bool stillOpen = false;
  openGame([&](QWidget& dialog) {
    tree.setCurrentItem(FindItem(tree, QStringLiteral("Game Type")));
    okEnabled = Button(dialog, QStringLiteral("OK"))->isEnabled();
    QTest::keyClick(&tree, Qt::Key_Return);
    stillOpen = dialog.isVisible();
    Button(dialog, QStringLiteral("Cancel"))->click();
  });
  EXPECT_FALSE(okEnabled);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Open a game"});
  EXPECT_EQ(preference("Game"), "(none)");
}

TEST_F(OpenGameDialogTest, CancelAfterChangingThePlayerChangesNothing) {
  QString playerInDialog;
  openGame([&](QWidget& dialog) {
    auto* players = dialog.findChild<QComboBox*>(QStringLiteral("cboPlayers"));
    players->setCurrentText(QStringLiteral("Player 2"));
    playerInDialog = QString::fromStdString(game.store().playerName());
    tree.setCurrentItem(FindItem(tree, QStringLiteral("FreeCell")));
    Button(dialog, QStringLiteral("Cancel"))->click();
  });
  EXPECT_EQ(playerInDialog, QStringLiteral("Player 2"));  // the marks follow the choice while it is open
  EXPECT_EQ(game.store().playerName(), "Player 1");
  EXPECT_EQ(preference("UserDefault"), "Player 1");
  EXPECT_EQ(game.store().gameNumber(), -1);
  EXPECT_EQ(preference("Game"), "(none)");
}

TEST_F(OpenGameDialogTest, TheChosenPlayerPlaysTheChosenGame) {
  openGame([&](QWidget& dialog) {
    dialog.findChild<QComboBox*>(QStringLiteral("cboPlayers"))->setCurrentText(QStringLiteral("Player 2"));
    tree.setCurrentItem(FindItem(tree, QStringLiteral("FreeCell")));
    Button(dialog, QStringLiteral("OK"))->click();
  });
  EXPECT_EQ(game.store().playerName(), "Player 2");
  EXPECT_EQ(preference("UserDefault"), "Player 2");
  EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("[Player 2]")));
}

TEST_F(OpenGameDialogTest, TypingANameJumpsToItAndTheKeyboardChooses) {
  openGame([&](QWidget&) {
    tree.setFocus();
    QTest::keyClicks(&tree, QStringLiteral("pyr"));
    EXPECT_EQ(tree.currentItem()->text(0), QStringLiteral("Pyramid"));
    QTest::keyClick(&tree, Qt::Key_Down);
    const QString next = tree.currentItem()->text(0);
    EXPECT_NE(next, QStringLiteral("Pyramid"));
    QTest::keyClick(&tree, Qt::Key_Return);
  });
  EXPECT_EQ(game.store().gameName(), preference("Game_Name"));
  EXPECT_NE(game.store().gameNumber(), -1);
  EXPECT_NE(game.store().gameName(), "Pyramid");
}

TEST_F(OpenGameDialogTest, TheStoredFolderOpensAndAStrayOneFallsBackToAllGames) {
  struct Case {
    const char* stored;
    QString opened;
  } cases[] = {
      {"-2010", QStringLiteral("Selected games")},
      {"-202030", QStringLiteral("Klondike type")},
      {"-20", QStringLiteral("All games (alphabetically)")},
      {"77777", QStringLiteral("All games (alphabetically)")},
      {"rubbish", QStringLiteral("All games (alphabetically)")},
  };
  for (const Case& c : cases) {
    setPreference("Game_TreeNum", c.stored);
    QString current;
    openGame([&](QWidget& dialog) {
      current = tree.currentItem()->text(0);
      Button(dialog, QStringLiteral("Cancel"))->click();
    });
    EXPECT_EQ(current, c.opened) << c.stored;
  }
}

TEST_F(OpenGameDialogTest, ACustomGameIsDeletedFromTheTree) {
  std::string record = "8000My Klondike";
  record.resize(54, ' ');
  record += "0001\r\n00300020100102003\r\n";
  for (int line = 2; line < 30; ++line) record += "\r\n";
  ASSERT_TRUE(game.data().replace("DATA\\GAM_CUST.DAT", "[R-0301]\r\n" + record));
  game.catalogue().loadCustomGames(game.data());
  setPreference("Game_TreeNum", "-2070");
  QStringList after;
  openGame([&](QWidget& dialog) {
    EXPECT_TRUE(FindItem(tree, QStringLiteral("Customized games"))->isExpanded());
    tree.setCurrentItem(FindItem(tree, QStringLiteral("My Klondike")));
    QTest::keyClick(&tree, Qt::Key_Delete);
    after = Children(FindItem(tree, QStringLiteral("Customized games")));
    Button(dialog, QStringLiteral("Cancel"))->click();
  });
  EXPECT_EQ(after, QStringList{QStringLiteral("(How to customize a game)")});
  EXPECT_EQ(game.catalogue().GameName(8000), "");
  EXPECT_EQ(game.data().read("DATA\\GAM_CUST.DAT", 1 << 20).data.find("My Klondike"), std::string::npos);
}

TEST_F(OpenGameDialogTest, TheDescriptionAndPreviewFollowTheSelection) {
  openGame([&](QWidget& dialog) {
    tree.setCurrentItem(FindItem(tree, QStringLiteral("Spider (four suits)")));
    const auto labels = dialog.findChildren<QLabel*>();
    const auto shows = [&](const QString& text) {
      return std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == text; });
    };
    EXPECT_TRUE(shows(QStringLiteral("Spider (four suits)")));
    EXPECT_TRUE(shows(QStringLiteral("2")));  // decks
    auto* preview = dialog.findChild<QLabel*>(QStringLiteral("imgPreview"));
    const QImage picture = preview->pixmap().toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixelColor(1, picture.height() - 2), QColor(0, 128, 0));
    // Cards are drawn in the middle of the top part.
    EXPECT_NE(picture.pixelColor(picture.width() / 2, 40), QColor(0, 128, 0));
    Button(dialog, QStringLiteral("Cancel"))->click();
  });
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// Marks read through a source of the player's records: won, played without
// winning, or plain; re-read when the player or the switch changes.
TEST_F(OpenGameDialogTest, WonAndLostMarksFollowThePlayerAndTheSwitch) {
  const int freeCell = game.catalogue().GameNumberByName("FreeCell");
  const int golf = game.catalogue().GameNumberByName("Golf");
  std::vector<std::string> readFor;
  OpenGameDialog dialog(game, &resources, [&](const std::string& player) -> OpenGameDialog::MarkLookup {
    readFor.push_back(player);
    return [player, freeCell, golf](int number) {
      if (player != "Player 2") return GameMark::Plain;
      return number == freeCell ? GameMark::Won : number == golf ? GameMark::NotWon : GameMark::Plain;
    };
  });
  const auto iconOf = [&](const char* name) {
    return FindItem(*dialog.tree(), QString::fromLatin1(name))->icon(0).pixmap(16).toImage();
  };
  const auto picture = [&](const char* name) {
    return QIcon(QPixmap::fromImage(resources.bitmap(QString::fromLatin1(name)))).pixmap(16).toImage();
  };
  setPreference("Open_Show_Won_Lost", "Y");
  ModalDriver driver([&](QWidget& shown) {
    EXPECT_EQ(iconOf("FreeCell"), picture("TREE5_FREECELL_TYPE"));  // Player 1 has no marks
    shown.findChild<QComboBox*>(QStringLiteral("cboPlayers"))->setCurrentText(QStringLiteral("Player 2"));
    EXPECT_EQ(iconOf("FreeCell"), picture("TREE5_FREECELL_TYPE_WIN"));
    EXPECT_EQ(iconOf("Golf"), picture("TREE5_SIMPLEGAMES_TYPE_NOWIN"));
    EXPECT_EQ(iconOf("Yukon"), picture("TREE5_YUKON_TYPE"));
    for (auto* box : shown.findChildren<QCheckBox*>())
      if (box->text() == QStringLiteral("&Show won and lost")) box->setChecked(false);
    EXPECT_EQ(iconOf("FreeCell"), picture("TREE5_FREECELL_TYPE"));
    static_cast<QDialog&>(shown).reject();
  });
  dialog.choose();
  EXPECT_TRUE(driver.sawDialog());
  EXPECT_EQ(readFor, (std::vector<std::string>{"Player 1", "Player 2"}));
}

}  // namespace
}  // namespace velmora
