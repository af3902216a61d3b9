// The dialog base and the small controls: the dialogs' font, advice the
// player can turn off for good, the animated strip and the colour list.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QElapsedTimer>

#include "advice_box.h"
#include "qt_game_ui.h"
#include "shell/advice.h"
#include "animated_bitmap.h"
#include "app_test_support.h"
#include "colour_combo_box.h"
#include "dialog_base.h"

namespace velmora {
namespace {

using testing::GameFixture;
using testing::ModalDriver;

TEST(DialogBase, EveryDialogUsesTheProgramsFont) {
  DialogBase dialog;
  auto* label = new QLabel(QStringLiteral("text"), &dialog);
  EXPECT_EQ(DialogFont().family(), QStringLiteral("DejaVu Sans")) << "installed with the program's set-up";
  EXPECT_EQ(label->font().family(), DialogFont().family());
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Velmora 2001"));
  EXPECT_TRUE(dialog.isModal());
  EXPECT_EQ(ProgramText("About [Program]...\rLine"), QStringLiteral("About Velmora 2001...\nLine"));
}

class AdviceTest : public ::testing::Test, protected GameFixture {
 protected:
  // Shows the box, answering with the check box as given; whether it was ticked.
  bool ask(bool dontShowAgain) {
    ModalDriver answer([dontShowAgain](QWidget& dialog) {
      auto* box = dialog.findChild<QCheckBox*>();
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->text(), QStringLiteral("&Don't show this message box again"));
      EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Information"));
      box->setChecked(dontShowAgain);
      static_cast<QDialog&>(dialog).accept();
    });
    const bool ticked = AskAdvice(QStringLiteral("Your screen has few colours."), AdvicePicture::Colours);
    EXPECT_TRUE(answer.sawDialog());
    return ticked;
  }
};

TEST_F(AdviceTest, TheBoxTellsWhetherItWasSilenced) {
  EXPECT_FALSE(ask(false));
  EXPECT_TRUE(ask(true));
}

TEST_F(AdviceTest, SilencedThroughTheWindowStaysSilent) {
  QtGameUi windows(resources);
  TMainGame withWindows(Folders(VELMORA_PROGRAM_DIR, scratch.path().toStdString()), windows);
  withWindows.data().prepare();
  ModalDriver tick([](QWidget& dialog) {
    dialog.findChild<QCheckBox*>()->setChecked(true);
    static_cast<QDialog&>(dialog).accept();
  });
  ShowAdvice(withWindows, "Your screen has few colours.", "Screen_Under_256_Colors", 0);
  ASSERT_TRUE(tick.sawDialog());
  EXPECT_EQ(preferenceFile().find("Show_Messages", "Screen_Under_256_Colors"), "N");
  ModalDriver none([](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
  ShowAdvice(withWindows, "Your screen has few colours.", "Screen_Under_256_Colors", 0);
  EXPECT_FALSE(none.sawDialog());
}

// A strip of frames 30 pixels wide, each filled with its own colour.
QPixmap Strip(const std::vector<QColor>& colours) {
  QPixmap strip(30 * static_cast<int>(colours.size()), 30);
  QPainter painter(&strip);
  for (std::size_t i = 0; i < colours.size(); ++i) painter.fillRect(30 * static_cast<int>(i), 0, 30, 30, colours[i]);
  return strip;
}

// The frames announced by a bitmap.
struct FrameChanges {
  explicit FrameChanges(AnimatedBitmap& bitmap) {
    QObject::connect(&bitmap, &AnimatedBitmap::frameChanged, &context, [this](int frame) { frames.push_back(frame); });
  }
  // Lets the event loop run until a change arrives or the time is up.
  bool wait(int milliseconds) {
    const std::size_t before = frames.size();
    QElapsedTimer clock;
    clock.start();
    while (frames.size() == before && clock.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return frames.size() > before;
  }
  QObject context;
  std::vector<int> frames;
};

TEST(AnimatedBitmap, FrameNumbersWrapAndNegativeMeansTheLast) {
  AnimatedBitmap bitmap;
  bitmap.setFrameCount(12);
  struct Case {
    int set, shown;
  } cases[] = {{5, 5}, {-1, 11}, {-7, 11}, {12, 0}, {25, 1}, {11, 11}};
  for (const Case& c : cases) {
    bitmap.setFrame(c.set);
    EXPECT_EQ(bitmap.frame(), c.shown) << c.set;
  }
  FrameChanges changes(bitmap);
  bitmap.setFrame(23);
  EXPECT_TRUE(changes.frames.empty()) << "frame 11 again: no change";
  bitmap.setFrame(3);
  EXPECT_EQ(changes.frames, std::vector<int>{3});
}

TEST(AnimatedBitmap, EachTickStepsAndStopsAtTheEndUnlessItLoops) {
  struct Case {
    const char* what;
    bool loop, reverse;
    int start;
    std::vector<int> frames;  // after each tick
    bool playingAfter;
  } cases[] = {
      {"forward, looping", true, false, 1, {2, 0, 1}, true},
      {"forward, once", false, false, 0, {1, 2}, false},
      {"backward, looping", true, true, 1, {0, 2, 1}, true},
      {"backward, once", false, true, 2, {1, 0}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AnimatedBitmap bitmap;
    bitmap.setFrameCount(3);
    bitmap.setFrame(c.start);
    bitmap.setLoop(c.loop);
    bitmap.setReverse(c.reverse);
    bitmap.setInterval(1000);
    bitmap.setPlaying(true);
    std::vector<int> seen;
    for (std::size_t i = 0; i < c.frames.size(); ++i) {
      bitmap.advance();
      seen.push_back(bitmap.frame());
    }
    EXPECT_EQ(seen, c.frames);
    EXPECT_EQ(bitmap.isPlaying(), c.playingAfter);
  }
}

TEST(AnimatedBitmap, PlaysOnItsTimer) {
  AnimatedBitmap bitmap;
  bitmap.setFrameCount(4);
  bitmap.setPlaying(true);
  FrameChanges changes(bitmap);
  EXPECT_FALSE(changes.wait(50)) << "an interval of 0 keeps the picture still";
  bitmap.setInterval(5);
  EXPECT_TRUE(changes.wait(1000));
  bitmap.setPlaying(false);
  const int stopped = bitmap.frame();
  EXPECT_FALSE(changes.wait(50));
  EXPECT_EQ(bitmap.frame(), stopped);
}

TEST(AnimatedBitmap, PaintsItsFrame) {
  AnimatedBitmap bitmap;
  EXPECT_EQ(bitmap.size(), QSize(30, 30));
  EXPECT_EQ(bitmap.grab().toImage().pixelColor(15, 15), QColor(Qt::white)) << "no picture";

  bitmap.setBitmap(Strip({Qt::red, Qt::green, Qt::blue}));
  bitmap.setFrameCount(3);
  bitmap.setFrame(1);
  EXPECT_EQ(bitmap.grab().toImage().pixelColor(15, 15), QColor(Qt::green));
  bitmap.setFrame(-1);
  EXPECT_EQ(bitmap.grab().toImage().pixelColor(15, 15), QColor(Qt::blue));

  QPalette palette = bitmap.palette();
  palette.setColor(bitmap.backgroundRole(), QColor(10, 20, 30));
  bitmap.setPalette(palette);
  bitmap.setTransparentColour(QColor(Qt::blue));
  EXPECT_EQ(bitmap.grab().toImage().pixelColor(15, 15), QColor(10, 20, 30)) << "the control shows through";
}

std::vector<std::pair<QString, std::int64_t>> Items(const ColourComboBox& box) {
  std::vector<std::pair<QString, std::int64_t>> items;
  for (int i = 0; i < box.count(); ++i) items.emplace_back(box.itemText(i), box.colourAt(i));
  return items;
}

TEST(ColourComboBox, ItemsTakeTheirPlaceInTheOrderChosen) {
  using Items_ = std::vector<std::pair<QString, std::int64_t>>;
  struct Case {
    ColourComboBox::SortBy order;
    Items_ expected;
  } cases[] = {
      {ColourComboBox::SortBy::Unsorted, {{"red", 255}, {"Black", 0}, {"white", 16777215}, {"Blue", 16711680}}},
      {ColourComboBox::SortBy::Colour, {{"Black", 0}, {"red", 255}, {"Blue", 16711680}, {"white", 16777215}}},
      {ColourComboBox::SortBy::Name, {{"Black", 0}, {"Blue", 16711680}, {"red", 255}, {"white", 16777215}}},
  };
  for (const Case& c : cases) {
    ColourComboBox box;
    box.setSortBy(c.order);
    box.addColour(QStringLiteral("red"), 255);
    box.addColour(QStringLiteral("Black"), 0);
    box.addColour(QStringLiteral("white"), 16777215);
    box.addColour(QStringLiteral("Blue"), 16711680);
    EXPECT_EQ(Items(box), c.expected) << static_cast<int>(c.order);
  }
}

TEST(ColourComboBox, ReSortingKeepsTheSelectedColour) {
  ColourComboBox box;
  EXPECT_EQ(box.selectedColour(), -1);
  box.addColour(QStringLiteral("Yellow"), 65535);
  box.addColour(QStringLiteral("Green"), 32768);
  box.addColour(QStringLiteral("Also green"), 32768);
  box.addColour(QStringLiteral("Aqua"), 16776960);
  box.setCurrentIndex(-1);
  EXPECT_EQ(box.selectedColour(), -1) << "nothing selected";
  box.selectColour(32768);
  EXPECT_EQ(box.currentText(), QStringLiteral("Green")) << "the first of that colour";
  box.selectColour(12345);
  EXPECT_EQ(box.currentText(), QStringLiteral("Green")) << "an unknown colour changes nothing";
  box.setSortBy(ColourComboBox::SortBy::Name);
  EXPECT_EQ(box.itemText(0), QStringLiteral("Also green"));
  EXPECT_EQ(box.selectedColour(), 32768);
  box.selectColour(16776960);
  box.setSortBy(ColourComboBox::SortBy::Colour);
  EXPECT_EQ(box.currentText(), QStringLiteral("Aqua"));
  EXPECT_EQ(box.currentIndex(), 3);
}

TEST(ColourComboBox, SwatchWidthHasAFloor) {
  ColourComboBox box;
  EXPECT_EQ(box.colourWidth(), 20);
  struct Case {
    int set, kept;
  } cases[] = {{4, 20}, {5, 5}, {0, 5}, {-3, 5}, {32, 32}};
  for (const Case& c : cases) {
    box.setColourWidth(c.set);
    EXPECT_EQ(box.colourWidth(), c.kept) << c.set;
  }
}

TEST(ColourComboBox, DrawsTheSelectedSwatch) {
  ColourComboBox box;
  box.resize(160, 24);
  box.addColour(QStringLiteral("Red"), 255);  // stored colours are 0x00BBGGRR
  box.setCurrentIndex(0);
  const QImage face = box.grab().toImage();
  bool red = false;
  for (int x = 0; x < 40 && !red; ++x) red = face.pixelColor(x, face.height() / 2) == QColor(255, 0, 0);
  EXPECT_TRUE(red);
}

}  // namespace
}  // namespace velmora
