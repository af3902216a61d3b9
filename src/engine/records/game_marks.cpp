#include "records/game_marks.h"

#include <memory>

#include "files/user_data.h"
#include "records/statistics_record.h"

namespace velmora {
namespace {

constexpr std::uintmax_t kLargestStatistics = std::uintmax_t{256} << 20;

}  // namespace

std::function<GameMark(int game)> PlayerGameMarks(const UserData& data, const std::string& player) {
  FileContents contents = data.read(kStatisticsFile, kLargestStatistics);
  if (!contents.ok()) return [](int) { return GameMark::Plain; };
  auto text = std::make_shared<const std::string>(std::move(contents.data));
  return [text, player](int game) {
    const StatisticsLookup found = FindStatistics(*text, game, player);
    if (found.status != RecordRead::Found) return GameMark::Plain;
    if (found.record.won > 0) return GameMark::Won;
    return found.record.lost > 0 ? GameMark::NotWon : GameMark::Plain;
  };
}

}  // namespace velmora
