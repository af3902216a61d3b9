#include "history/game_file.h"

#include <algorithm>
#include <vector>

#include "families/game_family.h"
#include "game/rule_index.h"
#include "shell/game_clock.h"
#include "shell/main_game.h"
#include "text/fixed_text.h"
#include "text/utf8.h"

namespace velmora {
namespace {

constexpr std::size_t kHeader1Length = 95;
// The memory games' misses follow the first header's fields; a file without
// them opens with none.
constexpr std::size_t kMissesColumn = 96;
constexpr std::size_t kMissesWidth = 6;
constexpr std::size_t kHeader2Length = 98;
constexpr std::size_t kFirstPileLine = 12;
constexpr std::size_t kLayoutLines = kFirstPileLine + kSnapshotPiles;  // 81
// Header 2's fields, 0-based columns.
constexpr std::size_t kPlayerColumn = 0;
constexpr std::size_t kPlayerWidth = 50;
constexpr std::size_t kDealColumn = 50;
constexpr std::size_t kDealWidth = 15;
constexpr std::size_t kBaseRanksColumn = 66;

constexpr std::array<std::string_view, 5> kSections{"[UNDO - Stock]", "[UNDO - Foundations]", "[UNDO - Piles]",
                                                    "[UNDO - Reserves]", "[UNDO - Log]"};
constexpr std::size_t kLogSection = 4;

// Text of `width` characters from the 1-based column `first`.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t width) {
  return line.substr(first - 1, width);
}

std::int64_t ClockSeconds(const TMainGame& game) {
  if (!game.state().on(flag::ClockRuns)) return 0;
  return ElapsedSeconds(game.state().times[0], MonotonicMilliseconds());
}

std::string Header1(const TMainGame& game) {
  const ConfigStore& store = game.store();
  std::string line = "[S-" + std::string(kGameFileVersion) + "]";
  line += FormatNumber(store.gameNumber(), 4);
  line += PadOrCut(store.read(store::BackgroundBitmap), 30);
  line += FormatNumber(store.readNumber(store::BackgroundColour).value_or(0), 15);
  line += PadOrCut(store.read(store::BackgroundDefault), 4);
  line += PadOrCut(store.read(store::CardSize), 1);
  line += PadOrCut(store.read(store::CardSet), 9);
  line += FormatNumber(store.readNumber(store::BackCard).value_or(0), 4);
  line += FormatNumber(ClockSeconds(game), 6);
  line += FormatNumber(store.readNumber(store::ScoringMode).value_or(0), 2);
  line += FormatNumber(store.readNumber(store::Score).value_or(0), 6);
  line += FormatNumber(game.state().word(word::PassCounter), 6);
  line += FormatNumber(game.state().word(word::MemoryMisses), kMissesWidth);
  return line;
}

std::string Header2(const TMainGame& game) {
  // The player's name fills 50 characters, whatever bytes they take.
  std::string line = PadOrCutCharacters(game.store().playerName(), kPlayerWidth) +
                     PadOrCut(game.store().dealNumber(), kDealWidth) + " ";
  for (int k = 0; k < kFoundations; ++k) line += FormatNumber(game.rules()[rule::FoundationBaseRank + k], 2);
  return line;
}

bool IsVersion(std::string_view text) {
  return text.size() == kGameFileVersion.size() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  }
  return lines;
}

// Older layouts had fewer pile slots: each conversion adds the empty slots of
// one newer layout, in the table and in every undo snapshot. The layouts
// before "0301" do not convert to whole snapshots: such a file keeps its
// table and loses its undo history (`GameFileContents::historyDropped`).
struct LayoutChange {
  std::string_view below;
  bool baseRanksAdded;                   // header 2 gained the 8 base ranks of foundations 13-16
  std::vector<std::size_t> lineInserts;  // indices, inserted in this order
  std::size_t list;                      // undo list that grew
  std::size_t every;                     // entries per old snapshot
  std::size_t after;                     // the new entries follow this many of each snapshot's
  std::size_t added;                     // empty entries added to each snapshot
};

const std::vector<LayoutChange>& LayoutChanges() {
  // "0303" put its two tableau slots after the 21st in the table: the undo
  // snapshots get them at the same place, so that undo moves no pile.
  static const std::vector<LayoutChange> kChanges{
      {"0301", true, {23, 24, 25, 26, 47, 48, 49, 50, 51}, 1, 8, 8, 4},
      {"0301", false, {}, 2, 20, 20, 5},
      {"0303", false, {52, 53}, 2, 26, 21, 2},
      {"0520", false, {67, 67}, 3, 8, 8, 2},
      {"0530", false, std::vector<std::size_t>(12, 59), 2, 28, 28, 12},
  };
  return kChanges;
}

void WidenList(std::vector<std::string>& list, const LayoutChange& change) {
  std::vector<std::string> wider;
  wider.reserve(list.size() + list.size() / change.every * change.added);
  for (std::size_t at = 0; at < list.size(); ++at) {
    wider.push_back(std::move(list[at]));
    if (at % change.every + 1 == change.after) wider.insert(wider.end(), change.added, std::string{});
  }
  list = std::move(wider);
}

std::optional<int> Number(std::string_view text) {
  const auto n = ParseInteger(text);
  if (!n || *n < -32768 || *n > 32767) return std::nullopt;
  return static_cast<int>(*n);
}

}  // namespace

std::string GameFileText(const TMainGame& game) {
  std::string out;
  const auto line = [&out](std::string_view text) {
    out += text;
    out += "\r\n";
  };
  line(Header1(game));
  line(Header2(game));
  for (int i = 0; i < 10; ++i) line("");
  for (const std::string& pile : TakeSnapshot(game.piles(), game.cards())) line(pile);
  const HistoryStack::Lists& undo = game.history().undo().lists();
  for (std::size_t section = 0; section < undo.size(); ++section) {
    line(kSections[section]);
    for (const std::string& entry : undo[section]) line(entry);
  }
  line(kSections[kLogSection]);
  line(game.history().undoLog().text());
  return out;
}

GameFileRead ReadGameFile(std::string_view text) {
  const auto fault = [](std::string why) { return GameFileRead{std::nullopt, std::move(why)}; };
  const std::vector<std::string_view> split = SplitLines(text);
  if (split.size() < 2 || split[0].size() < kHeader1Length || !split[0].starts_with("[S-") || split[0][7] != ']')
    return fault("it does not begin with the header of a game file");
  std::vector<std::string> lines(split.begin(), split.end());
  const std::string version = lines[0].substr(3, 4);
  if (!IsVersion(version)) return fault("its header names no version of the layout");
  if (version > kGameFileVersion) return fault("it was written in a newer layout (" + version + ")");
  for (const LayoutChange& change : LayoutChanges()) {
    if (!(version < change.below)) continue;
    if (change.baseRanksAdded) lines[1] += "00000000";
    for (std::size_t at : change.lineInserts) {
      if (at > lines.size()) return fault("it is shorter than a game file");
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::string{});
    }
  }
  if (lines.size() < kLayoutLines) return fault("it is shorter than a game file");
  const std::string_view header1 = lines[0], header2 = lines[1];
  // Counted in characters; a line of exactly its width in bytes is one an earlier version wrote.
  const bool shortLine = header2.size() < kHeader2Length ||
                         (header2.size() > kHeader2Length && CountCharacters(header2) < kHeader2Length);
  if (shortLine) return fault("its second header line is too short");

  GameFileContents contents;
  const auto game = Number(Columns(header1, 9, 4));
  const auto score = ParseInteger(Columns(header1, 84, 6));
  const auto passes = Number(Columns(header1, 90, 6));
  if (!game || !score || !passes) return fault("its header holds a field that is not a number");
  contents.version = version;
  contents.gameNumber = *game;
  // A clock that cannot be read starts again from zero.
  contents.elapsedSeconds = std::max<std::int64_t>(ParseInteger(Columns(header1, 76, 6)).value_or(0), 0);
  contents.player = std::string(TrimRight(FixedWidthField(header2, kHeader2Length, kPlayerColumn, kPlayerWidth)));
  contents.dealNumber = std::string(TrimRight(FixedWidthField(header2, kHeader2Length, kDealColumn, kDealWidth)));
  contents.scoringMode = std::string(Columns(header1, 82, 2));
  contents.score = *score;
  contents.passCounter = *passes;
  if (header1.size() >= kMissesColumn - 1 + kMissesWidth)
    contents.memoryMisses = std::max(Number(Columns(header1, kMissesColumn, kMissesWidth)).value_or(0), 0);
  for (std::size_t k = 0; k < kFoundations; ++k)
    contents.baseRanks[k] = Number(FixedWidthField(header2, kHeader2Length, kBaseRanksColumn + 2 * k, 2));

  for (std::size_t slot = 0; slot < kSnapshotPiles; ++slot) {
    std::string& pile = lines[kFirstPileLine + slot];
    if (!IsCardStateString(pile)) return fault("pile line " + std::to_string(kFirstPileLine + slot + 1) + " is not a pile");
    contents.table[slot] = std::move(pile);
  }

  std::optional<std::size_t> section;
  for (std::size_t at = kLayoutLines; at < lines.size(); ++at) {
    std::string& line = lines[at];
    bool isSection = false;
    for (std::size_t s = 0; s < kSections.size(); ++s)
      if (line.starts_with(kSections[s])) section = s, isSection = true;
    if (isSection || !section) continue;
    if (*section == kLogSection)
      contents.undoLog = std::move(line);
    else
      contents.undo[*section].push_back(std::move(line));
  }
  for (const auto& list : contents.undo)
    if (!std::all_of(list.begin(), list.end(), [](const std::string& pile) { return IsCardStateString(pile); }))
      return fault("its undo history is damaged");
  for (const LayoutChange& change : LayoutChanges())
    if (version < change.below) WidenList(contents.undo[change.list], change);
  if (!HistoryStack::Consistent(contents.undo)) {
    if (version == kGameFileVersion) return fault("its undo history is damaged");
    contents.undo = {};
    contents.undoLog.clear();
    contents.historyDropped = true;
  }
  StepLog log;
  log.setText(contents.undoLog);
  if (log.entries() != static_cast<int>(contents.undo[0].size() / kStockSlots))
    return fault("its undo log does not match its undo history");
  return GameFileRead{std::move(contents), {}};
}

void PutBackGameFile(TMainGame& game, GameFileContents&& contents) {
  game.store().write(store::ScoringMode, contents.scoringMode);
  game.store().writeNumber(store::Score, contents.score);
  game.state().setWord(word::PassCounter, contents.passCounter);
  game.state().setWord(word::MemoryMisses, contents.memoryMisses);
  RestoreSnapshot(contents.table, game.piles(), game.cards());
  GameHistory& history = game.history();
  history.undo().assign(contents.undo);
  history.undoLog().setText(std::move(contents.undoLog));
  // The deal count follows the table back: one for every stock deal left in the history.
  game.state().counters[counter::DealCount] = history.undoLog().countCode(step_tag::DealCountRaised);
  for (int k = 0; k < kFoundations; ++k)
    if (const auto rank = contents.baseRanks[static_cast<std::size_t>(k)])
      game.rules()[rule::FoundationBaseRank + k] = static_cast<std::int16_t>(*rank);
  // A family that keeps its own score counts it from the table (the poker
  // squares show their total again).
  game.family().recountOwnScore(game);
}

}  // namespace velmora
