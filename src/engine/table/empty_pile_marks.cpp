#include "table/empty_pile_marks.h"

#include <array>

#include "families/game_family.h"
#include "game/rule_index.h"
#include "rules/building_codes.h"
#include "rules/rule_record.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

struct CodeMark {
  int code;
  const char* mark;
};

// Special starting codes that show the mark of the rank they stand for.
constexpr std::array<CodeMark, 6> kCodesShownAsRanks{{
    {58, "010"}, {81, "010"}, {85, "010"}, {90, "012"}, {64, "011"}, {84, "011"}}};

// Reserve acceptance codes with a mark of their own; "001" otherwise.
constexpr std::array<CodeMark, 7> kReserveMarks{{{building_code::NoBuilding, "_TABLEAU"},
                                                  {building_code::FaceCard, "009"},
                                                  {building_code::FewKings, "011"},
                                                  {building_code::SingleJack, "006"},
                                                  {building_code::SingleQueen, "003"},
                                                  {building_code::SingleKing, "011"},
                                                  {building_code::AlternatingAces, "010"}}};

constexpr int kUnmarkedCode = 94;  // a pile whose starting card is shown some other way

bool AnotherPassAllowed(const RuleRecord& rules, StockPassState passes) {
  const int passLimit = rules[rule::DealsInAll];
  return passLimit == -1 || (rules[rule::RedealStyle] > 0 && passes.passCounter < passLimit);
}

std::string StockMark(const RuleRecord& rules, StockPassState passes) {
  if (FamilyFor(rules[rule::Family]).facts().stockShowsNoPasses) return "021";
  return AnotherPassAllowed(rules, passes) ? "022" : "008";
}

std::string WasteMark(const RuleRecord& rules, StockPassState passes) {
  if (rules[rule::StockShown] == 1) return "_WASTE";
  if (rules[rule::RedealStyle] > 0 && rules[rule::DealsInAll] != 0) return StockMark(rules, passes);
  return {};
}

std::string FoundationMark(const RuleRecord& rules, int k) {
  if (rules[rule::FoundationBuilding + k] == building_code::QueensOnly) return RankMark(12);
  if (rules[rule::FoundationBaseRank + k] == kUnmarkedCode) return {};
  const std::string mark = RankMark(rules[rule::FoundationBaseRank + k]);
  return mark.empty() ? "004" : mark;
}

std::string ReserveMark(const RuleRecord& rules, int k) {
  for (const CodeMark& entry : kReserveMarks)
    if (rules[rule::ReserveAccepts + k] == entry.code) return entry.mark;
  return "001";
}

std::string TableauMark(const RuleRecord& rules, int k) {
  const int fill = rules[rule::TableauFill + k];
  if (fill == kUnmarkedCode) return {};
  const std::string mark = RankMark(fill);
  if (!mark.empty()) return mark;
  return fill != 0 ? "004" : "_TABLEAU";
}

}  // namespace

std::string RankMark(int rankOrCode) {
  for (const CodeMark& entry : kCodesShownAsRanks)
    if (entry.code == rankOrCode) return entry.mark;
  switch (rankOrCode) {
    case 1: return "010";
    case 2: return "012";
    case 11: return "006";
    case 12: return "003";
    case 13: return "011";
    default: break;
  }
  if (rankOrCode >= 3 && rankOrCode <= 10) return FormatNumber(rankOrCode + 10, 3);
  return {};
}

std::string EmptyPileMark(const RuleRecord& rules, PileRef pile, StockPassState passes) {
  switch (pile.group) {
    case PileGroup::Stock:
      if (pile == kStock) return StockMark(rules, passes);
      if (pile == kWaste) return WasteMark(rules, passes);
      return {};
    case PileGroup::Foundations: return FoundationMark(rules, pile.index);
    case PileGroup::Reserves: return ReserveMark(rules, pile.index);
    case PileGroup::Tableau: return TableauMark(rules, pile.index);
  }
  return {};
}

}  // namespace velmora
