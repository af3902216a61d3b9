#pragma once
// Card sizes and the layout of the suit sheets in the resource bundle. Shared
// by the bundle generator, which draws the sheets, and the program, which
// cuts them: one suit per sheet, ace to king in rows of 5, 5 and 3 cells.
#include <array>
#include <optional>

namespace velmora::cards {

struct PixelSize {
  int width;
  int height;
};

struct SizeLetterInfo {
  char letter;
  PixelSize card;
  PixelSize cell;  // the tiny size keeps its cards in the top-left of larger cells
};

inline constexpr std::array<SizeLetterInfo, 4> kSizeLetters{{
    {'S', {85, 115}, {85, 115}},
    {'B', {71, 96}, {71, 96}},
    {'M', {59, 80}, {59, 80}},
    {'L', {25, 32}, {71, 96}},
}};

inline constexpr int kSheetColumns = 5;
inline constexpr int kSheetRows = 3;
inline constexpr int kRanksPerSuit = 13;
inline constexpr std::array<char, 4> kSuitLetters{'H', 'D', 'C', 'S'};  // face index order
inline constexpr int kFaceCount = 53;                                     // 52 cards and the joker
inline constexpr int kJokerIndex = 52;
// The pictures kept at twice their size for screens with a device pixel ratio above 1.
inline constexpr int kHighDensityScale = 2;

// Codes of the empty-pile marks, "W" + size letter + code.
inline constexpr std::array<const char*, 22> kEmptyPileMarkCodes{
    "001", "003", "004", "005", "006", "008", "009", "010", "011", "012", "013",
    "014", "015", "016", "017", "018", "019", "020", "021", "022", "_WASTE", "_TABLEAU"};

constexpr std::optional<SizeLetterInfo> SizeLetter(char letter) {
  for (const SizeLetterInfo& info : kSizeLetters)
    if (info.letter == letter) return info;
  return std::nullopt;
}

struct CellPosition {
  int column;
  int row;
};

// rank 1 (ace) to 13 (king)
constexpr CellPosition CellOfRank(int rank) {
  const int index = rank - 1;
  return {index % kSheetColumns, index / kSheetColumns};
}

constexpr PixelSize SheetSize(const SizeLetterInfo& info) {
  return {info.cell.width * kSheetColumns, info.cell.height * kSheetRows};
}

}  // namespace velmora::cards
