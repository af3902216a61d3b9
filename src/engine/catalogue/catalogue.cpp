#include "catalogue/catalogue.h"

#include <algorithm>
#include <fstream>

#include "shell/game_ui.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::uintmax_t kMaxRuleFileBytes = 64u << 20;
constexpr int kNarrowScreen = 650;

// The rule file of several hundred games is megabytes long: it is read in one
// block rather than character by character.
std::optional<std::string> ReadRuleFile(const std::filesystem::path& file, std::string& text) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return "the file is missing";
  const auto size = std::filesystem::file_size(file, error);
  if (error) return "the file cannot be read";
  if (size > kMaxRuleFileBytes) return "the file is too large to be a rule file";
  std::ifstream in(file, std::ios::binary);
  text.resize(static_cast<std::size_t>(size));
  if (!in.read(text.data(), static_cast<std::streamsize>(text.size()))) return "the file cannot be read";
  return std::nullopt;
}

// The deal knows decks of 52 and 104 cards only; a game of another size
// could never be dealt, so the file is refused as a whole.
std::optional<std::string> UndealableGame(const RuleFileContents& contents) {
  constexpr int kDeckCards = 371;
  for (const GameEntry& game : contents.games) {
    const int deck = game.rules[kDeckCards];
    if (game.listed && deck != 52 && deck != 104)
      return "game " + std::to_string(game.number) + " (" + game.name + ") has a deck of " + std::to_string(deck) +
             " cards; the engine deals 52 or 104";
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> Catalogue::loadRuleFile(const std::filesystem::path& file) {
  std::string text;
  if (auto fault = ReadRuleFile(file, text)) return fault;
  return loadRuleText(text);
}

std::optional<std::string> Catalogue::loadRuleText(std::string_view text) {
  RuleFileParse parse = ParseRuleFile(text);
  if (!parse.contents) return std::move(parse.error);
  if (auto fault = UndealableGame(*parse.contents)) return fault;
  contents_ = std::move(*parse.contents);
  catalogued_.clear();
  columns_.clear();
  for (const GameEntry& game : contents_.games) {
    if (!game.listed) continue;
    columns_.emplace(game.number, static_cast<int>(catalogued_.size()));
    catalogued_.push_back(&game);
  }
  return std::nullopt;
}

void Catalogue::loadCustomGames(UserData& data) { custom_.load(data, builtInTest()); }

int Catalogue::GameColumn(int number) const {
  if (number < 0 || number >= kFirstCustomGame) return -1;
  const auto found = columns_.find(number);
  return found == columns_.end() ? -1 : found->second;
}

const RuleValues* Catalogue::ColumnRules(int column) const {
  if (column < 0 || column >= static_cast<int>(catalogued_.size())) return nullptr;
  return &catalogued_[static_cast<std::size_t>(column)]->rules;
}

std::string Catalogue::GameName(int number) const {
  if (number >= kFirstCustomGame) {
    const CustomGameRecord* record = custom_.find(number);
    return record ? record->name : std::string();
  }
  const int column = GameColumn(number);
  return column < 0 ? std::string() : catalogued_[static_cast<std::size_t>(column)]->name;
}

int Catalogue::GameNumberByName(std::string_view name) const {
  const std::string wanted = ToLower(TrimRight(name));
  for (const GameEntry* game : catalogued_)
    if (ToLower(game->name) == wanted) return game->number;
  const CustomGameRecord* record = custom_.findByName(name);
  return record ? record->number : -1;
}

int Catalogue::GameType(int number) const {
  if (number >= kFirstCustomGame) return kCustomGameType;
  const int column = GameColumn(number);
  return column < 0 ? -1 : catalogued_[static_cast<std::size_t>(column)]->type;
}

bool Catalogue::Knows(int number) const {
  return number >= kFirstCustomGame ? custom_.find(number) != nullptr : IsBuiltIn(number);
}

std::vector<std::string> Catalogue::AllGameNames() const {
  std::vector<std::string> names;
  for (const GameEntry* game : catalogued_) names.push_back(game->name);
  for (const CustomGameRecord& record : custom_.records()) names.push_back(record.name);
  std::sort(names.begin(), names.end());
  return names;
}

CustomGameRef Catalogue::CustomGame(int number) const {
  const CustomGameRecord* record = custom_.find(number);
  if (!record) return {};
  return {record->base, record->override};
}

std::optional<std::vector<CustomGameRecord>> Catalogue::CustomGameList() const {
  if (!custom_.fileExists()) return std::nullopt;
  std::vector<CustomGameRecord> list = custom_.records();
  std::sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  return list;
}

CustomGames::Added Catalogue::AppendCustomGame(UserData& data, std::string_view name, int base,
                                               std::string_view override) {
  const int existing = GameNumberByName(Trim(name));
  if (existing >= 0 && existing < kFirstCustomGame) return {std::nullopt, "This game name already exists."};
  return custom_.append(data, builtInTest(), name, base, override);
}

bool Catalogue::CheckScreenForGame(int number, int screenWidth, GameUi& ui) const {
  if (screenWidth >= kNarrowScreen) return true;
  const int lineOf = number >= kFirstCustomGame ? CustomGame(number).base : number;
  const int column = GameColumn(lineOf);
  if (column < 0 || !catalogued_[static_cast<std::size_t>(column)]->wide) return true;
  ui.showMessage("Velmora 2001",
                 "Your video card's display is 640x480 pixels.\rYou can't play: " + GameName(number) +
                     "\rPlease set your screen resolution to 800x600 pixels or higher.",
                 GameUi::Icon::Information);
  return false;
}

}  // namespace velmora
