#include "history/saved_game.h"

#include <cstdlib>
#include <span>

#include "cards/deal_generator.h"
#include "families/game_family.h"
#include "game/new_game.h"
#include "game/rule_index.h"
#include "play/end_game.h"
#include "play/leave_game.h"
#include "records/player_list.h"
#include "rules/load_game_rules.h"
#include "shell/main_game.h"
#include "shell/preference_keys.h"
#include "table/prepare_game.h"

namespace velmora {
namespace {

constexpr char kCaption[] = "Velmora 2001";
constexpr std::string_view kSaveFolderKey = "Dir_Save";
constexpr char kHistoryDropped[] =
    "This game was saved by an older version whose undo history cannot be read: it continues without it.";
constexpr int kHighestBaseRank = 13;
// Every card of the table and as many places without one.
constexpr std::size_t kMostPlacesInAPile = 2 * kLastCard;
constexpr std::size_t kCardStateChars = 4;
// A fill rule that takes the rank below the first foundation's base rank.
constexpr int kFillBelowBaseRank = 91;
constexpr int kFillRules = 40;  // 132 to 171
constexpr int kAfterHistory = 2;  // the start phase of a game that has moves behind it

// What is wrong with one table of the file (the table itself or an undo
// snapshot), or nothing: a pile longer than a table holds, or a card twice.
std::optional<std::string> TableFault(std::span<const std::string* const> piles) {
  std::array<bool, kLastCard + 1> seen{};
  for (const std::string* pile : piles) {
    if (pile->size() / kCardStateChars > kMostPlacesInAPile) return "a pile holds more places than a table has";
    for (std::size_t at = 0; at < pile->size(); at += kCardStateChars) {
      const int card = std::stoi(pile->substr(at, 3));
      if (card == kNoCard) continue;
      if (seen[static_cast<std::size_t>(card)]) return "card " + std::to_string(card) + " lies twice on one table";
      seen[static_cast<std::size_t>(card)] = true;
    }
  }
  return std::nullopt;
}

// A removal game's selection (foundation 1) holds cards that lie elsewhere
// too: it is left out of the search for a card twice.
std::optional<std::string> TablesFault(const GameFileContents& contents, bool holdsSelection) {
  constexpr std::size_t kSelectionSlot = kStockSlots;  // foundation 1 follows the stock list
  std::vector<const std::string*> piles;
  for (std::size_t slot = 0; slot < contents.table.size(); ++slot)
    if (!(holdsSelection && slot == kSelectionSlot)) piles.push_back(&contents.table[slot]);
  if (auto fault = TableFault(piles)) return fault;
  const std::array<std::size_t, 4> groupSizes{kStockSlots, kFoundations, kTableauPiles, kReserves};
  const std::size_t steps = contents.undo[0].size() / kStockSlots;
  for (std::size_t step = 0; step < steps; ++step) {
    piles.clear();
    for (std::size_t g = 0; g < groupSizes.size(); ++g)
      for (std::size_t i = 0; i < groupSizes[g]; ++i) piles.push_back(&contents.undo[g][step * groupSizes[g] + i]);
    if (auto fault = TableFault(piles)) return "its undo history is damaged: " + *fault;
  }
  return std::nullopt;
}

std::optional<std::string> HeaderFault(const TMainGame& game, GameFileContents& contents) {
  if (!game.catalogue().Knows(contents.gameNumber))
    return "it holds game number " + std::to_string(contents.gameNumber) + ", which this program does not have";
  RuleRecord rules;
  if (!LoadGameRules(game.catalogue(), contents.gameNumber, rules)) return "the rules of its game cannot be read";
  const auto deal = ParseDealNumber(contents.dealNumber);
  if (!deal) return "its deal number \"" + contents.dealNumber + "\" is not one";
  contents.dealNumber = *deal;
  for (const auto& rank : contents.baseRanks)
    if (rank && (*rank < 0 || *rank > kHighestBaseRank)) return "its foundation base ranks are out of range";
  return std::nullopt;
}

// The player of a file becomes current only when registered here.
void TakePlayer(TMainGame& game, const std::string& player) {
  if (player.empty() || player == game.store().playerName()) return;
  const std::vector<std::string> players = ReadPlayers(game.preferences().open());
  if (std::find(players.begin(), players.end(), player) == players.end()) return;
  game.store().write(store::UserDefault, player);
  game.store().resetSessionCounters();
  game.preferences().update([&](IniDocument& file) { file.write(kPreferenceSection, "UserDefault", player); });
}

// A fill rule that asks for the rank below the first base rank gets it.
void SettleFillRules(RuleRecord& rules) {
  const int first = rules[rule::FoundationBaseRank];
  const int below = first == 1 ? kHighestBaseRank : first - 1;
  for (int r = rule::TableauFill; r < rule::TableauFill + kFillRules; ++r)
    if (rules[r] == kFillBelowBaseRank) rules[r] = static_cast<std::int16_t>(below);
}

// The file's table, history, counters and clock, in place of a deal.
void FillFromFile(TMainGame& game, GameFileContents& contents) {
  const std::int64_t elapsedMs = contents.elapsedSeconds * 1000;
  PutBackGameFile(game, std::move(contents));
  SettleFillRules(game.rules());
  game.state().times[0] = MonotonicMilliseconds() - elapsedMs;
  game.state().set(flag::ClockRuns, true);
}

fs::path HomeFolder(const TMainGame& game) {
  const char* home = std::getenv("HOME");
  std::error_code error;
  if (home && *home && fs::is_directory(home, error)) return home;
  return game.data().folders().data();
}

}  // namespace

SavedGameCheck CheckSavedGame(const TMainGame& game, std::string_view text) {
  GameFileRead read = ReadGameFile(text);
  if (!read.contents) return {std::nullopt, std::move(read.fault)};
  if (auto fault = HeaderFault(game, *read.contents)) return {std::nullopt, std::move(*fault)};
  RuleRecord rules;
  const bool holdsSelection = LoadGameRules(game.catalogue(), read.contents->gameNumber, rules) && HoldsSelection(rules);
  if (auto fault = TablesFault(*read.contents, holdsSelection)) return {std::nullopt, std::move(*fault)};
  return {std::move(read.contents), {}};
}

SavedGameCheck ReadSavedGame(const TMainGame& game, const fs::path& file) {
  const FileContents read = game.files().read(file, kMaxGameFileBytes);
  switch (read.status) {
    case ReadStatus::Ok: return CheckSavedGame(game, read.data);
    case ReadStatus::Missing: return {std::nullopt, "there is no such file", true};
    case ReadStatus::TooLarge: return {std::nullopt, "it is larger than any game file"};
    case ReadStatus::Unreadable: break;
  }
  return {std::nullopt, "it cannot be read"};
}

FileOutcome SaveGame(TMainGame& game, const fs::path& file) {
  if (!game.state().on(flag::GameInProgress)) return FileOutcome::Failure("no game is in progress");
  return game.files().replaceAtomically(file, GameFileText(game));
}

fs::path SavedGameFolder(TMainGame& game) {
  const std::string folder = game.preferences().open().readString(kPreferenceSection, kSaveFolderKey, "");
  std::error_code error;
  if (!folder.empty() && fs::is_directory(folder, error)) return folder;
  return HomeFolder(game);
}

void RememberSavedGameFolder(TMainGame& game, const fs::path& folder) {
  game.preferences().update([&](IniDocument& file) { file.write(kPreferenceSection, kSaveFolderKey, folder.string()); });
}

OpenOutcome OpenSavedGame(TMainGame& game, const fs::path& file, const OpenRequest& request) {
  if (game.state().on(flag::AnimationRuns)) return OpenOutcome::Declined;
  SavedGameCheck check = ReadSavedGame(game, file);
  if (!check.contents) {
    const std::string text = check.missing ? "File not found: " + file.string()
                                           : "The game in " + file.string() + " cannot be opened: " + check.fault + ".";
    game.ui().showMessage(kCaption, text, GameUi::Icon::Warning);
    return OpenOutcome::Refused;
  }
  if (request.confirm && !ConfirmQuitGame(game)) return OpenOutcome::Declined;
  if (EndGame(game).won) return OpenOutcome::Won;
  if (!StartSavedGame(game, std::move(*check.contents), request.display)) return OpenOutcome::Refused;
  return OpenOutcome::Opened;
}

bool StartSavedGame(TMainGame& game, GameFileContents contents, const DisplayFacts& display) {
  ConfigStore& store = game.store();
  const bool sameGame = contents.gameNumber == store.gameNumber();
  const bool historyDropped = contents.historyDropped;
  if (!MakeCurrentGame(game, contents.gameNumber, display)) return false;
  if (!sameGame) {
    game.state().setWord(word::DealChoice, 0);
    store.resetSessionCounters();
  }
  TakePlayer(game, contents.player);
  store.write(store::DealNumber, contents.dealNumber);
  StartNewGame(game, {.deal = false,
                      .animate = false,
                      .mode = DealMode::KeepDealNumber,
                      .fill = [&game, &contents] { FillFromFile(game, contents); }});
  game.state().setWord(word::StartPhase, game.history().undo().empty() ? 0 : kAfterHistory);
  if (historyDropped) game.ui().showMessage(kCaption, kHistoryDropped, GameUi::Icon::Information);
  return true;
}

}  // namespace velmora
