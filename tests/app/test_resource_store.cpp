// The resource store refuses what is not a whole bundle, without crashing,
// and answers look-ups by name without regard to letter case.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "resource_bundle_check.h"
#include "resource_store.h"

namespace velmora {
namespace {

const QString kBundle = QStringLiteral(VELMORA_PROGRAM_DIR "/SOL.RGF");

QByteArray ShippedBytes() {
  QFile file(kBundle);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "build the resource_bundle target first";
  return file.readAll();
}

quint32 BigEndianAt(const QByteArray& bytes, int at) {
  return quint32(quint8(bytes[at])) << 24 | quint32(quint8(bytes[at + 1])) << 16 | quint32(quint8(bytes[at + 2])) << 8 |
         quint8(bytes[at + 3]);
}

void SetBigEndianAt(QByteArray& bytes, int at, quint32 value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = char(value >> (24 - 8 * i));
}

class DamagedBundle : public ::testing::Test {
 protected:
  QString write(const QByteArray& bytes) {
    const QString path = folder_.filePath(QStringLiteral("SOL.RGF"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
  }
  QTemporaryDir folder_;
};

TEST_F(DamagedBundle, MissingEmptyOrForeignFilesAreRefused) {
  ResourceStore missing, empty, text, folder;
  EXPECT_FALSE(missing.open(folder_.filePath(QStringLiteral("nothing.rgf"))));
  EXPECT_FALSE(empty.open(write(QByteArray())));
  EXPECT_FALSE(text.open(write("[Preference]\nCard=001\n")));
  EXPECT_FALSE(folder.open(folder_.path()));
  EXPECT_FALSE(missing.isOpen());
}

TEST_F(DamagedBundle, TruncatedBundlesAreRefused) {
  const QByteArray whole = ShippedBytes();
  for (const qsizetype length : {qsizetype(4), qsizetype(19), qsizetype(20), whole.size() / 2, whole.size() - 1}) {
    ResourceStore store;
    EXPECT_FALSE(store.open(write(whole.left(length)))) << "cut at " << length;
  }
}

TEST_F(DamagedBundle, HeaderOffsetsPointingOutsideTheFileAreRefused) {
  const QByteArray whole = ShippedBytes();
  struct Case {
    const char* field;
    int at;
    quint32 value;
  };
  const quint32 size = quint32(whole.size());
  for (const Case& c : {Case{"version", 4, 9}, Case{"tree", 8, size}, Case{"data", 12, size + 100},
                        Case{"names", 16, 0xFFFFFFF0u}, Case{"tree at the end", 8, size - 2}}) {
    QByteArray damaged = whole;
    SetBigEndianAt(damaged, c.at, c.value);
    EXPECT_FALSE(IsWellFormedResourceBundle(damaged)) << c.field;
  }
}

// Damage inside the tree of names and offsets must never be followed out of
// the file (the sanitizer build would catch a stray read); the bundle is
// either refused or still answers every look-up safely.
TEST_F(DamagedBundle, ScrambledTreeNodesAreRefusedOrHarmless) {
  const QByteArray whole = ShippedBytes();
  const int tree = int(BigEndianAt(whole, 8));
  constexpr int kNodeSize = 14;
  constexpr int kCountOrLanguage = 6, kFirstChildOrData = 10;
  for (int node = 0; node < 6; ++node)
    for (const int field : {kCountOrLanguage, kFirstChildOrData})
      for (const quint32 value : {0xFFFFFFFFu, 0x7FFFFFF0u, 3u}) {
        QByteArray damaged = whole;
        SetBigEndianAt(damaged, tree + node * kNodeSize + field, value);
        ResourceStore store;
        if (!store.open(write(damaged))) continue;
        store.bitmap(QStringLiteral("CB001H"));
        store.soundPath(QStringLiteral("Won"));
        store.pointer(QStringLiteral("CUR_ARROW2A"));
      }
}

class OpenBundle : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(store_.open(kBundle)); }
  ResourceStore store_;
};

TEST_F(OpenBundle, LookUpsIgnoreLetterCase) {
  const QImage upper = store_.bitmap(QStringLiteral("CB001H"));
  ASSERT_FALSE(upper.isNull());
  EXPECT_EQ(store_.bitmap(QStringLiteral("cb001h")), upper);
  EXPECT_EQ(store_.bitmap(QStringLiteral("Cb001H")), upper);
  EXPECT_EQ(store_.soundPath(QStringLiteral("card_DOWN")), store_.soundPath(QStringLiteral("Card_down")));
  EXPECT_TRUE(store_.hasPointer(QStringLiteral("cur_arrow2a")));
}

TEST_F(OpenBundle, MissingNamesGiveEmptyAnswersWithoutAMessage) {
  static int messages = 0;
  messages = 0;
  const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { ++messages; });
  EXPECT_FALSE(store_.hasBitmap(QStringLiteral("NO_SUCH_PICTURE")));
  EXPECT_TRUE(store_.bitmap(QStringLiteral("NO_SUCH_PICTURE")).isNull());
  EXPECT_TRUE(store_.bitmap(QStringLiteral("NO_SUCH_PICTURE"), 2).isNull());
  EXPECT_TRUE(store_.soundPath(QStringLiteral("_tmp_stop_")).isEmpty());
  EXPECT_EQ(store_.pointer(QStringLiteral("CUR_NONE")).shape(), Qt::ArrowCursor);
  // a sound is not a picture, and a picture is not a pointer
  EXPECT_TRUE(store_.bitmap(QStringLiteral("Won")).isNull());
  EXPECT_FALSE(store_.hasPointer(QStringLiteral("CB001H")));
  qInstallMessageHandler(previous);
  EXPECT_EQ(messages, 0);
}

TEST_F(OpenBundle, DenseScreensGetTwiceSizePicturesOfTheSameLogicalSize) {
  struct Case {
    qreal ratio;
    QSize pixels;
    qreal pictureRatio;
  };
  for (const Case& c : {Case{1.0, {71, 96}, 1.0}, Case{1.5, {142, 192}, 2.0}, Case{2.0, {142, 192}, 2.0}}) {
    const QImage back = store_.bitmap(QStringLiteral("DB007"), c.ratio);
    EXPECT_EQ(back.size(), c.pixels) << c.ratio;
    EXPECT_EQ(back.devicePixelRatio(), c.pictureRatio) << c.ratio;
  }
  // pictures drawn at one size only answer with it on any screen
  EXPECT_EQ(store_.bitmap(QStringLiteral("B257"), 2).size(), store_.bitmap(QStringLiteral("B257")).size());
}

TEST_F(OpenBundle, StoresAreIndependentOfEachOther) {
  const QString path = [this] {
    auto second = std::make_unique<ResourceStore>();
    EXPECT_TRUE(second->open(kBundle));
    EXPECT_FALSE(second->open(kBundle)) << "a store opens one bundle";
    return second->soundPath(QStringLiteral("Won"));
  }();
  EXPECT_NE(path, store_.soundPath(QStringLiteral("Won")));
  QFile sound(store_.soundPath(QStringLiteral("Won")));
  EXPECT_TRUE(sound.open(QIODevice::ReadOnly)) << "closing one store leaves the other's items in place";
  EXPECT_TRUE(QFile::exists(path)) << "a sound handed out outlives its store, for the player's thread";
}

}  // namespace
}  // namespace velmora
