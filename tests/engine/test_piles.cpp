// Pile names, pile strings, top cards and face codes.
#include <gtest/gtest.h>

#include "piles/pile_geometry.h"
#include "piles/pile_store.h"

namespace velmora {
namespace {

TEST(PileNames, KindsAndReferences) {
  struct Case {
    const char* name;
    PileKind kind;
    std::optional<PileRef> ref;
  } cases[] = {
      {"Mazzo", PileKind::Stock, kStock},
      {"Mazzo_Vis", PileKind::Waste, kWaste},
      {"Mazzo_Waste", PileKind::ThirdSlot, kThirdStockSlot},
      {"Waste", PileKind::Discard, std::nullopt},
      {"Fila1", PileKind::Tableau, PileRef{PileGroup::Tableau, 0}},
      {"Fila07", PileKind::Tableau, PileRef{PileGroup::Tableau, 6}},
      {"Fila40", PileKind::Tableau, PileRef{PileGroup::Tableau, 39}},
      {"Fila41", PileKind::Tableau, std::nullopt},
      {"Fila0", PileKind::Tableau, std::nullopt},
      {"Dest16", PileKind::Foundation, PileRef{PileGroup::Foundations, 15}},
      {"Appogg10", PileKind::Reserve, PileRef{PileGroup::Reserves, 9}},
      {"Appoggx", PileKind::Reserve, std::nullopt},
      {"Selezionate", PileKind::None, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(KindOfPile(c.name), c.kind);
    EXPECT_EQ(ParsePileName(c.name), c.ref);
  }
  EXPECT_EQ(PileName({PileGroup::Reserves, 0}), "Appogg1");
  EXPECT_EQ(PileName({PileGroup::Tableau, 6}), "Fila7");
  EXPECT_EQ(PileName(kWaste), "Mazzo_Vis");
}

TEST(PileStore, PileStringsAndTopCards) {
  PileStore piles;
  EXPECT_EQ(piles.topCard("Fila3"), kNoCard);
  ASSERT_TRUE(piles.setPileString({PileGroup::Tableau, 2}, "012040105"));
  EXPECT_EQ(piles.topCard("Fila3"), 105);
  EXPECT_EQ(piles.pileString({PileGroup::Tableau, 2}), "012040105");
  ASSERT_TRUE(piles.setPileString(kStock, "001"));
  ASSERT_TRUE(piles.setPileString(kWaste, "002"));
  EXPECT_EQ(piles.topCard("Mazzo_Vis"), 2);
  EXPECT_EQ(piles.topCard("Mazzo"), 1);
  EXPECT_EQ(piles.topCard("Nowhere"), kNoCard);
  EXPECT_TRUE(piles.isTopOfTableau(105, 3));
  EXPECT_FALSE(piles.isTopOfTableau(105, 2));
  for (const char* bad : {"01", "0120", "abc", "109", "-01"})
    EXPECT_FALSE(piles.setPileString(kStock, bad)) << bad;
  EXPECT_EQ(piles.pileString(kStock), "001");
  piles.clear();
  EXPECT_EQ(piles.pileString({PileGroup::Tableau, 2}), "");
}

TEST(PileStore, AddingACardMayTurnIt) {
  PileStore piles;
  CardTable cards;
  piles.addCard({PileGroup::Reserves, 0}, 7, Face::Down, cards);
  piles.addCard({PileGroup::Reserves, 0}, 8, std::nullopt, cards);
  piles.addCard({PileGroup::Reserves, 0}, kNoCard, Face::Down, cards);
  EXPECT_EQ(piles.pileString({PileGroup::Reserves, 0}), "007008000");
  EXPECT_TRUE(cards.isFaceDown(7));
  EXPECT_TRUE(cards.isFaceUp(8));
}

TEST(PileGeometry, PositionsScrollWithTheTable) {
  PileGeometry geometry;
  geometry.set({PileGroup::Tableau, 39}, 700, 120);
  geometry.set({PileGroup::Foundations, 15}, 40000, -40000);
  EXPECT_EQ(geometry.at({PileGroup::Tableau, 39}, 0).y, 120);
  EXPECT_EQ(geometry.at({PileGroup::Tableau, 39}, 50).y, 70);
  EXPECT_EQ(geometry.at({PileGroup::Tableau, 39}, 50).x, 700);
  EXPECT_EQ(geometry.at({PileGroup::Foundations, 15}, 0).x, 32767) << "held in 16 bits";
  EXPECT_EQ(geometry.at({PileGroup::Foundations, 15}, 0).y, -32768);
  EXPECT_EQ(geometry.at({PileGroup::Tableau, 38}, 0).x, 0);
}

TEST(FaceCodes, TurnTheDealtPile) {
  struct Case {
    int code;
    const char* faces;  // bottom card first, U up, D down
  } cases[] = {{0, "DDDDD"}, {1, "DDDDU"}, {3, "DDUUU"}, {9, "UUUUU"}, {-1, "UDUDU"}, {-2, "DUDUD"}, {-3, "UDDDD"}};
  for (const auto& c : cases) {
    CardTable cards;
    const Pile pile{1, 2, 3, 4, 5};
    for (CardId id : pile) cards.setFace(id, Face::Down);
    ApplyFaceCode(pile, c.code, cards);
    std::string faces;
    for (CardId id : pile) faces += cards.isFaceUp(id) ? 'U' : 'D';
    EXPECT_EQ(faces, c.faces) << "code " << c.code;
  }
}

}  // namespace
}  // namespace velmora
