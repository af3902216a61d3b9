// The removal and pairing families that select cards into foundation 1: each
// family number with the way its cards are selected and its acceptance rule
// (removal_rules.cpp), and the sum family that serves every other family
// with a target sum.
#include <algorithm>
#include <array>

#include "families/family_kinds.h"
#include "families/removal_family.h"

namespace velmora {
namespace {

enum class Shape { Plain, Pyramid, GapClosingGrid };

struct RemovalRow {
  int family;
  Shape shape;
  RemovalWays ways;
};

RemovalWays Ways(int family) { return {.accept = OwnAcceptanceRule(family)}; }

const std::array kRemovalRows{
    RemovalRow{1, Shape::Plain, Ways(1)},
    RemovalRow{3, Shape::Plain, {.accept = OwnAcceptanceRule(3), .topCardsOnly = true}},
    RemovalRow{4, Shape::Pyramid, {.accept = OwnAcceptanceRule(4), .selectsFromWaste = true}},
    RemovalRow{7, Shape::Plain, Ways(7)},
    RemovalRow{8, Shape::GapClosingGrid, {.accept = OwnAcceptanceRule(8), .selectsAnywhere = true, .refills = false}},
    RemovalRow{14, Shape::Plain, {.accept = OwnAcceptanceRule(14), .selectsFromWaste = true, .topCardsOnly = true}},
    RemovalRow{16,
               Shape::Plain,
               {.accept = OwnAcceptanceRule(16), .selectsAnywhere = true, .selectsFromWaste = true, .topCardsOnly = true}},
    RemovalRow{17, Shape::Plain, Ways(17)},
    RemovalRow{18, Shape::Plain, Ways(18)},
    RemovalRow{24, Shape::Plain, Ways(24)},
    RemovalRow{45, Shape::GapClosingGrid, {.accept = OwnAcceptanceRule(45), .selectsAnywhere = true, .refills = false}},
};

}  // namespace

template <int Family>
std::unique_ptr<GameFamily> MakeRemovalFamily(const FamilyFacts& facts) {
  const auto row = std::find_if(kRemovalRows.begin(), kRemovalRows.end(),
                                [](const RemovalRow& r) { return r.family == Family; });
  switch (row->shape) {
    case Shape::Pyramid: return MakePyramid(facts, row->ways);
    case Shape::GapClosingGrid: return MakeGapClosingGrid(facts, row->ways);
    case Shape::Plain: break;
  }
  return std::make_unique<RemovalFamily>(facts, row->ways);
}

template std::unique_ptr<GameFamily> MakeRemovalFamily<1>(const FamilyFacts&);
template std::unique_ptr<GameFamily> MakeRemovalFamily<3>(const FamilyFacts&);
template std::unique_ptr<GameFamily> MakeRemovalFamily<4>(const FamilyFacts&);
template std::unique_ptr<GameFamily> MakeRemovalFamily<7>(const FamilyFacts&);
template std::unique_ptr<GameFamily> MakeRemovalFamily<8>(const FamilyFacts&);
template std::unique_ptr<GameFamily> MakeRemovalFamily<14>(const FamilyFacts&);
template std::unique_ptr<GameFamily> MakeRemovalFamily<16>(const FamilyFacts&);
template std::unique_ptr<GameFamily> MakeRemovalFamily<17>(const FamilyFacts&);
template std::unique_ptr<GameFamily> MakeRemovalFamily<18>(const FamilyFacts&);
template std::unique_ptr<GameFamily> MakeRemovalFamily<24>(const FamilyFacts&);
template std::unique_ptr<GameFamily> MakeRemovalFamily<45>(const FamilyFacts&);

const GameFamily& SumRemovalFamily() {
  static const RemovalFamily kSumFamily({}, RemovalWays{});
  return kSumFamily;
}

}  // namespace velmora
