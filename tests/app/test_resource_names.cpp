// Every name the program looks up in SOL.RGF resolves, with the card sizes and
// sheet layout the table drawing cuts by.
#include <gtest/gtest.h>

#include <QFile>
#include <memory>

#include "card_pictures.h"
#include "catalogue/catalogue.h"
#include "catalogue/selection_tree.h"
#include "resource_store.h"

namespace velmora {
namespace {

const QString kBundle = QStringLiteral(VELMORA_PROGRAM_DIR "/SOL.RGF");
constexpr char kSizes[] = {'S', 'B', 'M', 'L'};

class ShippedBundle : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    store_ = new ResourceStore;
    ASSERT_TRUE(store_->open(kBundle)) << "build the resource_bundle target first: " << kBundle.toStdString();
  }
  static void TearDownTestSuite() {
    delete store_;
    store_ = nullptr;
  }
  static const ResourceStore& store() { return *store_; }

 private:
  static inline ResourceStore* store_ = nullptr;
};

QString Number(int value, int width) { return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')); }

QStringList BitmapNamesLookedUp() {
  QStringList names;
  for (const char size : kSizes) {
    const QString s(QLatin1Char{size});
    for (int set = 1; set <= 5; ++set)
      for (const char suit : {'H', 'D', 'C', 'S'}) names << QLatin1Char('C') + s + Number(set, 3) + QLatin1Char(suit);
    names << QLatin1Char('D') + s + QStringLiteral("011");
    for (const char* code : {"001", "003", "004", "005", "006", "008", "009", "010", "011", "012", "013", "014", "015",
                             "016", "017", "018", "019", "020", "021", "022", "_WASTE", "_TABLEAU"})
      names << QLatin1Char('W') + s + QLatin1String(code);
    for (const char* piece : {"SHADOW_", "3D_BORDER_"}) names << QLatin1String(piece) + s + QLatin1Char('1') << QLatin1String(piece) + s + QLatin1Char('2');
    names << QStringLiteral("JOKER_") + s;
  }
  for (int deck = 1; deck <= 28; ++deck) names << QStringLiteral("DB") + Number(deck, 3);
  for (int tile = 101; tile <= 105; ++tile) names << QLatin1Char('B') + Number(tile, 3);
  for (int tile = 257; tile <= 324; ++tile) names << QLatin1Char('B') + Number(tile, 3);
  names << QStringLiteral("Y001");
  for (const char* glyph : {"TB_NEW", "TB_OPEN", "TB_FASTSEARCH", "TB_RESTART", "TB_UNDO", "TB_REDO", "TB_AUTOPLAY",
                            "TB_STAT", "TB_RULES", "TB_EXIT"})
    names << QLatin1String(glyph) << QLatin1String(glyph) + QLatin1Char('1');
  names << QStringLiteral("TB_SAVE1");
  for (const char* glyph : {"TB_UNDO", "TB_REDO", "TB_AUTOPLAY", "TB_UNDO1", "TB_REDO1", "TB_AUTOPLAY1"})
    names << QLatin1String(glyph) + QStringLiteral("_DIS");
  for (const char* panel : {"BMP_PAUSE_1", "BMP_PAUSE_2", "Panel_pk", "COMMENT_YES", "TB_CANC_UP", "TB_CANC_DOWN",
                            "SOUND_ENABLED", "SOUND_DISABLED", "CARD_WITH_SHADOW", "CARD_WITHOUT_SHADOW",
                            "CARD_IRR_PILES_YES", "CARD_IRR_PILES_NO", "SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS",
                            "SUIT_SPADES", "card_hearts", "card_diamonds", "card_clubs", "card_spades", "Card_None"})
    names << QLatin1String(panel);
  for (int rank = 1; rank <= 13; ++rank) names << QStringLiteral("Card_%1_Up").arg(rank) << QStringLiteral("Card_%1_Down").arg(rank);
  for (const char* type : {"CANFIELD", "FORTYTHIEVES", "FREECELL", "KLONDIKE", "PAIRING", "SIMPLEGAMES", "SPIDER",
                           "1DECK", "2DECK", "FAN", "BAKERSDOZEN", "ROW", "PUZZLE", "ADDITION", "MEMORY",
                           "BELEAGUEREDCASTLE", "QUEENOFITALY", "YUKON", "MATHEMATICAL", "SIRTOMMY", "NONBUILDERS",
                           "STRIPPEDDECK"}) {
    const QString icon = QStringLiteral("TREE5_%1_TYPE").arg(QLatin1String(type));
    names << icon << icon + QStringLiteral("_WIN") << icon + QStringLiteral("_NOWIN");
  }
  names << QStringLiteral("TREE5_CUSTOMIZED_GAMES") << QStringLiteral("TREE5_CUSTOMIZED_GAMES_WIN")
        << QStringLiteral("TREE5_CUSTOMIZED_GAMES_NOWIN");
  for (const char* node : {"TREE1", "TREE2", "N_TREE3", "N_TREE4", "N_TREE5", "F_TREE1", "F_TREE2", "S_TREE1", "S_TREE2",
                           "D_TREE1", "D_TREE2", "C_TREE1", "C_TREE2", "T_TREE1", "T_TREE2", "I_TREE1", "I_TREE2",
                           "TREE5_ORIGINAL_TYPE"})
    names << QLatin1String(node);
  for (const char* icon : {"PROG_TIME_LONG", "PROG_TIME_MEDIUM", "PROG_TIME_QUICK", "PROG_DIFF_EASY", "PROG_DIFF_MEDIUM",
                           "PROG_DIFF_HARD", "PROG_SKILL_DIFFICULT", "PROG_SKILL_MOSTLYSKILL", "PROG_SKILL_MODERATE",
                           "PROG_SKILL_MOSTLYCHANCE", "PROG_SKILL_CHANCEONLY", "PROG_CHAN_VERYHIGH", "PROG_CHAN_HIGH",
                           "PROG_CHAN_MEDIUM", "PROG_CHAN_LOW", "PROG_CHAN_VERYLOW", "PROG_DISABLED",
                           "PROG_DECKS", "PROG_REDEALS"})
    names << QLatin1String(icon);
  return names;
}

TEST_F(ShippedBundle, EveryBitmapLookedUpResolvesToAPicture) {
  for (const QString& name : BitmapNamesLookedUp()) {
    EXPECT_TRUE(store().hasBitmap(name)) << name.toStdString();
    EXPECT_FALSE(store().bitmap(name).isNull()) << name.toStdString();
  }
}

TEST_F(ShippedBundle, SuitSheetsHaveTheCellLayoutOfTheirSize) {
  struct Case {
    char size;
    QSize sheet;
  };
  for (const Case& c : {Case{'S', {425, 345}}, Case{'B', {355, 288}}, Case{'M', {295, 240}}, Case{'L', {355, 288}}})
    for (int set = 1; set <= 5; ++set)
      for (const char suit : {'H', 'D', 'C', 'S'}) {
        const QString name = QStringLiteral("C%1%2%3").arg(QLatin1Char(c.size)).arg(Number(set, 3)).arg(QLatin1Char(suit));
        EXPECT_EQ(store().bitmap(name).size(), c.sheet) << name.toStdString();
        EXPECT_EQ(store().bitmap(name, 2).size(), c.sheet * 2) << name.toStdString();
      }
}

TEST_F(ShippedBundle, CutFacesAreWholeCardsOfTheirSizeAtBothDensities) {
  for (const cards::SizeLetterInfo& size : cards::kSizeLetters)
    for (int set = 1; set <= 5; ++set)
      for (const qreal ratio : {1.0, 2.0}) {
        const CardFaces faces = CutCardFaces(store(), {size.letter, set, false, ratio});
        for (int i = 0; i < cards::kFaceCount; ++i) {
          const QImage& face = faces[i];
          const std::string where = std::string(1, size.letter) + " set " + std::to_string(set) + " face " +
                                    std::to_string(i) + " ratio " + std::to_string(int(ratio));
          ASSERT_EQ(face.size(), QSize(size.card.width, size.card.height) * ratio) << where;
          EXPECT_EQ(face.devicePixelRatio(), ratio) << where;
          // A card cut off the grid shows a transparent stripe where an edge belongs.
          const int w = face.width(), h = face.height();
          for (const QPoint edge : {QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2), QPoint(w - 1, h / 2)})
            EXPECT_GT(qAlpha(face.pixel(edge)), 200) << where << " edge " << edge.x() << "," << edge.y();
        }
      }
}

TEST_F(ShippedBundle, TheTinySizeLeavesTheRestOfItsCellsEmpty) {
  const QImage sheet = store().bitmap(QStringLiteral("CL001H"));
  EXPECT_EQ(qAlpha(sheet.pixel(30, 40)), 0);
  EXPECT_GT(qAlpha(sheet.pixel(12, 16)), 200);
}

TEST_F(ShippedBundle, CardSetsLookDifferentFromEachOther) {
  QList<QImage> kings;
  for (int set = 1; set <= 5; ++set) kings << CutCardFaces(store(), {'B', set, false})[12];
  for (int a = 0; a < kings.size(); ++a)
    for (int b = a + 1; b < kings.size(); ++b) EXPECT_NE(kings[a], kings[b]) << "sets " << a + 1 << " and " << b + 1;
}

TEST_F(ShippedBundle, OneSuitGamesShowSpadesForEverySuit) {
  const CardFaces faces = CutCardFaces(store(), {'B', 1, true});
  EXPECT_EQ(faces[0], faces[39]);   // ace of hearts drawn as the ace of spades
  EXPECT_EQ(faces[25], faces[51]);  // king of diamonds as the king of spades
}

TEST_F(ShippedBundle, BacksAndMarksHaveTheCardSize) {
  for (const cards::SizeLetterInfo& size : cards::kSizeLetters) {
    const QSize card(size.card.width, size.card.height);
    const QString letter(QLatin1Char{size.letter});
    EXPECT_EQ(store().bitmap(QLatin1Char('D') + letter + QStringLiteral("011")).size(), card);
    EXPECT_EQ(store().bitmap(QStringLiteral("JOKER_%1").arg(QLatin1Char(size.letter))).size(), card);
    for (const QImage& mark : LoadEmptyPileMarks(store(), size.letter)) EXPECT_EQ(mark.size(), card) << size.letter;
    // the pile edge is a strip 11 pixels wider than the card, 16 layers deep
    EXPECT_EQ(store().bitmap(QStringLiteral("3D_BORDER_") + letter + QLatin1Char('2')).size(),
              QSize(size.card.width + 11, 16));
  }
  for (int deck = 1; deck <= 28; ++deck) EXPECT_EQ(store().bitmap(QStringLiteral("DB") + Number(deck, 3)).size(), QSize(71, 96));
}

TEST_F(ShippedBundle, EveryPointerHasItsHotspotInsideThePicture) {
  for (const char* shape : {"ARROW1", "ARROW2", "RIGHT_HAND1", "RIGHT_HAND2", "LEFT_HAND1", "LEFT_HAND2"})
    for (const char* form : {"A", "B"}) {
      const QString name = QStringLiteral("CUR_") + QLatin1String(shape) + QLatin1String(form);
      ASSERT_TRUE(store().hasPointer(name)) << name.toStdString();
      for (const qreal ratio : {1.0, 2.0}) {
        const QCursor pointer = store().pointer(name, ratio);
        ASSERT_EQ(pointer.shape(), Qt::BitmapCursor) << name.toStdString();
        const QSize size = pointer.pixmap().deviceIndependentSize().toSize();
        EXPECT_EQ(size, QSize(32, 32)) << name.toStdString();
        EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(pointer.hotSpot())) << name.toStdString();
      }
    }
  // the right and left hands point with opposite fingers
  EXPECT_NE(store().pointer(QStringLiteral("CUR_RIGHT_HAND1A")).hotSpot(), store().pointer(QStringLiteral("CUR_LEFT_HAND1A")).hotSpot());
}

TEST_F(ShippedBundle, EverySoundIsADistinctPlayableWave) {
  QList<QByteArray> waves;
  for (const char* name : {"New", "Redo", "Restart", "Undo", "Shuffle", "Autoplay", "Card_down", "Card_up", "Stock",
                           "Face_up", "Pairing", "Foundation", "Tableau", "Redeal", "About", "Hi-Scor", "Scores", "Won",
                           "red_no_a", "Splash", "Reorder", "Eddy"}) {
    const QString path = store().soundPath(QString::fromLatin1(name).toUpper());
    ASSERT_FALSE(path.isEmpty()) << name;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    const QByteArray wave = file.readAll();
    EXPECT_TRUE(wave.startsWith("RIFF") && wave.mid(8, 8) == "WAVEfmt ") << name;
    EXPECT_GT(wave.size(), 44 + 2 * 22050 / 50) << name << " lasts at least 20 ms";
    EXPECT_FALSE(waves.contains(wave)) << name << " sounds like another event";
    waves << wave;
  }
}

// The sound player reads on a thread of its own, which may outlive the store
// that named the sound; under AddressSanitizer a freed bundle shows here.
TEST(ResourceStoreLife, ASoundHandedOutStaysReadableAfterItsStoreIsGone) {
  auto store = std::make_unique<ResourceStore>();
  ASSERT_TRUE(store->open(kBundle));
  const QString path = store->soundPath(QStringLiteral("Won"));
  QFile playing(path);
  ASSERT_TRUE(playing.open(QIODevice::ReadOnly));
  store.reset();
  EXPECT_TRUE(playing.readAll().startsWith("RIFF"));
  QFile later(path);
  ASSERT_TRUE(later.open(QIODevice::ReadOnly));
  EXPECT_TRUE(later.readAll().startsWith("RIFF"));
}

TEST_F(ShippedBundle, NamesThatStopASoundOrAreNotMadeYetAnswerEmpty) {
  EXPECT_TRUE(store().soundPath(QStringLiteral("_tmp_stop_")).isEmpty());
  EXPECT_TRUE(store().soundPath(QStringLiteral("_t1dz")).isEmpty());
}

// Every catalogued game has its preview: a dealt table on the selection's
// dark green, as wide as the preview box allows.
TEST_F(ShippedBundle, EveryGameHasItsPreview) {
  Catalogue catalogue;
  ASSERT_EQ(catalogue.loadRuleFile(VELMORA_PROGRAM_DIR "/GAMES.DAT"), std::nullopt);
  ASSERT_FALSE(catalogue.games().empty());
  for (const GameEntry* game : catalogue.games()) {
    const QImage preview = store().bitmap(QString::fromStdString(PreviewPictureName(game->number)));
    ASSERT_FALSE(preview.isNull()) << game->name;
    EXPECT_LE(preview.width(), 260) << game->name;
    EXPECT_EQ(preview.pixelColor(0, 0), QColor(0, 128, 0)) << game->name;
    EXPECT_GT(preview.width() * preview.height(), 100 * 60) << game->name;
  }
}

}  // namespace
}  // namespace velmora
