#include "records/statistics_record.h"

#include <algorithm>
#include <array>

#include "records/player_names.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

struct Field {
  std::size_t offset;  // 0-based
  int width;
};

// The seven numbers of the value, then the last field that is always zero.
constexpr std::array<Field, 7> kFields{{{0, 6}, {7, 6}, {14, 6}, {21, 6}, {28, 6}, {35, 6}, {42, 12}}};
constexpr std::string_view kAlwaysZero = "000000000000";

// The fields in file order: won, lost, longest winning, longest losing,
// current winning, current losing, score total.
std::array<std::int64_t*, 7> FileOrder(StatisticsRecord& record) {
  return {&record.won,           &record.lost,          &record.longestWinning, &record.longestLosing,
          &record.currentWinning, &record.currentLosing, &record.scoreTotal};
}

std::int64_t Largest(int width) {
  std::int64_t largest = 1;
  for (int i = 0; i < width; ++i) largest *= 10;
  return largest - 1;
}

std::int64_t Saturated(std::int64_t value, int width) {
  return std::clamp(value, -Largest(width - 1), Largest(width));
}

}  // namespace

std::string GameSection(int gameNumber) { return FormatNumber(gameNumber, 4); }

std::string FormatStatistics(const StatisticsRecord& record) {
  StatisticsRecord copy = record;
  const auto numbers = FileOrder(copy);
  std::string value;
  value.reserve(kStatisticsValueWidth);
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    value += FormatNumber(Saturated(*numbers[i], kFields[i].width), kFields[i].width);
    value += ' ';
  }
  value += kAlwaysZero;
  return value;
}

std::optional<StatisticsRecord> ParseStatistics(std::string_view value) {
  if (value.size() != kStatisticsValueWidth) return std::nullopt;
  StatisticsRecord record;
  const auto numbers = FileOrder(record);
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    const std::string_view text = value.substr(kFields[i].offset, static_cast<std::size_t>(kFields[i].width));
    if (text.find(' ') != std::string_view::npos) return std::nullopt;
    const auto number = ParseInteger(text);
    if (!number) return std::nullopt;
    *numbers[i] = *number;
    if (value[kFields[i].offset + static_cast<std::size_t>(kFields[i].width)] != ' ') return std::nullopt;
  }
  return record;
}

StatisticsRecord AddResult(StatisticsRecord record, bool won, std::int64_t score) {
  if (won) {
    ++record.won;
    ++record.currentWinning;
    record.currentLosing = 0;
  } else {
    ++record.lost;
    ++record.currentLosing;
    record.currentWinning = 0;
  }
  record.longestWinning = std::max(record.longestWinning, record.currentWinning);
  record.longestLosing = std::max(record.longestLosing, record.currentLosing);
  record.scoreTotal += score;
  const auto numbers = FileOrder(record);
  for (std::size_t i = 0; i < kFields.size(); ++i) *numbers[i] = Saturated(*numbers[i], kFields[i].width);
  return record;
}

StatisticsLookup FindStatistics(std::string_view fileText, int gameNumber, std::string_view player) {
  const auto value = keyed::Find(fileText, GameSection(gameNumber), player);
  if (!value) return {};
  const auto record = ParseStatistics(*value);
  if (!record) return {RecordRead::Unreadable, {}};
  return {RecordRead::Found, *record};
}

FileOutcome RecordStatistics(UserData& data, int gameNumber, std::string_view player, bool won, std::int64_t score) {
  const UserData::UpdateHold hold = data.holdForUpdate();
  if (!hold) return hold.outcome();
  KeyedFile file(data, std::string(kStatisticsFile));
  if (!IsAcceptablePlayerName(player))
    return RefusedName(player, file.name());
  const auto text = file.load();
  if (!text) return FileOutcome::Failure("Read error on file " + file.name());
  const StatisticsLookup found = FindStatistics(*text, gameNumber, player);
  if (found.status == RecordRead::Unreadable)
    return FileOutcome::Failure("The statistics of player " + std::string(player) + " for game " +
                                GameSection(gameNumber) + " in " + file.name() +
                                " cannot be read; they were left unchanged.");
  // A file made here starts with the header start-up would have written.
  std::string updated = text->empty() ? "[Version]\r\nVersion=0300\r\n" : *text;
  const KeyedValue entry{player, FormatStatistics(AddResult(found.record, won, score))};
  keyed::Set(updated, GameSection(gameNumber), std::span(&entry, 1));
  return file.store(updated);
}

}  // namespace velmora
