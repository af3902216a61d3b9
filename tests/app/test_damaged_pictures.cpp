// A resource bundle whose pictures are damaged (bytes flipped inside their
// image data): the player is told once, naming the bundle, and every card is
// still drawn recognisably.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QResource>
#include <QTemporaryDir>
#include <QTest>

#include "app_test_support.h"
#include "cards/card.h"
#include "program.h"
#include "resource_store.h"
#include "table_pictures.h"
#include "table_view.h"

namespace velmora {
namespace {

const QString kShippedBundle = QStringLiteral(VELMORA_PROGRAM_DIR "/SOL.RGF");
constexpr int kFlippedBytes = 200;

QByteArray ShippedBytes() {
  QFile file(kShippedBundle);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "build the resource_bundle target first";
  return file.readAll();
}

// Flips bytes in the middle of each picture's stored image data.
QByteArray DamagedBundle(const QStringList& pictures) {
  QByteArray bytes = ShippedBytes();
  const QString root = QStringLiteral("/damage-probe");
  const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
  EXPECT_TRUE(QResource::registerResource(data, root));
  std::vector<qsizetype> middles;
  for (const QString& picture : pictures) {
    const QResource item(QLatin1Char(':') + root + QStringLiteral("/bitmaps/") + picture + QStringLiteral(".png"));
    EXPECT_TRUE(item.isValid()) << picture.toStdString();
    EXPECT_EQ(item.compressionAlgorithm(), QResource::NoCompression) << "a picture is stored as it is";
    middles.push_back(item.data() - data + item.size() / 2);
  }
  QResource::unregisterResource(data, root);
  for (const qsizetype middle : middles)
    for (int i = 0; i < kFlippedBytes; ++i) bytes[middle + i] = static_cast<char>(~bytes[middle + i]);
  return bytes;
}

QString Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
  return path;
}

// Ink of the hearts' red: the corner index of a drawn face.
bool HasRedInk(const QImage& face) {
  for (int y = 0; y < face.height(); ++y)
    for (int x = 0; x < face.width(); ++x) {
      const QColor colour = face.pixelColor(x, y);
      if (colour.alpha() == 255 && colour.red() > 150 && colour.green() < 80 && colour.blue() < 100) return true;
    }
  return false;
}

class DamagedPictures : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  testing::QuietUi ui;
  QObject messages;  // the report's messages wait in the event loop while it lives
};

// Each picture at its natural size and at twice it, for dense screens.
QStringList BothSizes(std::initializer_list<const char*> names) {
  QStringList pictures;
  for (const char* name : names) pictures << QLatin1String(name) << QLatin1String(name) + QStringLiteral("@2x");
  return pictures;
}

TEST_F(DamagedPictures, AreToldOnceAndTheCardsAreDrawnPlainly) {
  const QString bundle = Write(folder.filePath(QStringLiteral("SOL.RGF")),
                               DamagedBundle(BothSizes({"CB001H", "CB001S", "DB011", "JOKER_B"})));
  ResourceStore store;
  ASSERT_TRUE(store.open(bundle)) << "the bundle's index is whole: only picture data is damaged";
  ReportDamagedPictures(store, ui, messages);
  for (const int ratio : {1, 2}) {
    SCOPED_TRACE(ratio);
    CardLook look;
    look.devicePixelRatio = ratio;
    TablePictures pictures;
    pictures.load(store, look);
    const QSize card = QSize(71, 96) * ratio;
    for (const CardId id : {MakeCard(Hearts, 1), MakeCard(Hearts, 13), MakeCard(Spades, 7)}) {
      SCOPED_TRACE(id);
      const QImage& face = pictures.face(id);
      ASSERT_EQ(face.size(), card);
      EXPECT_EQ(face.deviceIndependentSize().toSize(), QSize(71, 96));
      EXPECT_EQ(face.pixelColor(card.width() / 2, card.height() / 2).alpha(), 255) << "the card is not transparent";
      EXPECT_EQ(HasRedInk(face), CardSuit(id) == Hearts) << "hearts in red, spades in black";
    }
    EXPECT_NE(pictures.face(MakeCard(Hearts, 1)), pictures.face(MakeCard(Hearts, 2))) << "each card its own face";
    EXPECT_EQ(pictures.face(kFirstJoker).size(), card);
    ASSERT_EQ(pictures.back().size(), card);
    EXPECT_EQ(pictures.back().pixelColor(card.width() / 2, card.height() / 2).alpha(), 255);
    EXPECT_TRUE(HasRedInk(pictures.face(MakeCard(Diamonds, 1)))) << "an undamaged sheet is cut as before";
  }
  QApplication::processEvents();
  ASSERT_EQ(ui.messages.size(), 1u) << "one message for every damaged picture, loaded again and again";
  EXPECT_NE(ui.messages[0].find(bundle.toStdString()), std::string::npos) << ui.messages[0];
  EXPECT_NE(ui.messages[0].find("damaged"), std::string::npos) << ui.messages[0];
}

TEST_F(DamagedPictures, AnUndamagedBundleTellsNothing) {
  ResourceStore store;
  ASSERT_TRUE(store.open(kShippedBundle));
  ReportDamagedPictures(store, ui, messages);
  TablePictures pictures;
  pictures.load(store, CardLook{});
  EXPECT_TRUE(store.bitmap(QStringLiteral("no such picture")).isNull());
  QApplication::processEvents();
  EXPECT_TRUE(ui.messages.empty()) << "a picture the bundle lacks is no damage";
}

// The program itself: its message box names the bundle, over a table whose
// hearts are drawn.
TEST_F(DamagedPictures, TheProgramShowsOneMessageNamingTheBundle) {
  const QString program = folder.filePath(QStringLiteral("program"));
  QDir().mkpath(program);
  QFile::copy(QStringLiteral(VELMORA_PROGRAM_DIR "/GAMES.DAT"), program + QStringLiteral("/GAMES.DAT"));
  // Both sizes: the table fitted to its window may be drawn from either.
  const QString bundle = Write(program + QStringLiteral("/SOL.RGF"), DamagedBundle(BothSizes({"CB001H"})));
  ProgramOptions options{program.toStdString(), folder.filePath(QStringLiteral("data")).toStdString()};
  options.game = QStringLiteral("FreeCell");
  options.deal = QStringLiteral("1");
  Program run(options, [](const QString&, const QString& text) { ADD_FAILURE() << text.toStdString(); });
  const testing::ModalCloser closer;
  ASSERT_FALSE(run.start().has_value());
  for (int wait = 0; wait < 50 && closer.texts.isEmpty(); ++wait) QTest::qWait(10);
  run.table().relayout();
  QTest::qWait(50);
  ASSERT_EQ(closer.texts.size(), 1);
  EXPECT_TRUE(closer.texts[0].contains(bundle)) << closer.texts[0].toStdString();
  EXPECT_TRUE(HasRedInk(run.table().pictures().face(MakeCard(Hearts, 5))));
}

}  // namespace
}  // namespace velmora
