#include "catalogue/selection_tree.h"

#include <algorithm>
#include <array>

#include "catalogue/catalogue.h"
#include "files/ini_document.h"
#include "rules/load_game_rules.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

using namespace tree;

// Type folders, in the order shown, with the type code of their games.
struct TypeFolder {
  int code;
  std::string_view caption;
  int type;
  std::string_view icon;
};

constexpr std::array kTypeFolders{
    TypeFolder{-202080, "Adding games type", 15, "TREE5_ADDITION_TYPE"},
    TypeFolder{-202005, "Baker's Dozen type", 12, "TREE5_BAKERSDOZEN_TYPE"},
    TypeFolder{-202100, "Beleaguered Castle type", 17, "TREE5_BELEAGUEREDCASTLE_TYPE"},
    TypeFolder{-202010, "Canfield type", 2, "TREE5_CANFIELD_TYPE"},
    TypeFolder{-202015, "Fan games type", 11, "TREE5_FAN_TYPE"},
    TypeFolder{-202020, "Forty Thieves type", 3, "TREE5_FORTYTHIEVES_TYPE"},
    TypeFolder{-202025, "FreeCell type", 4, "TREE5_FREECELL_TYPE"},
    TypeFolder{-202030, "Klondike type", 5, "TREE5_KLONDIKE_TYPE"},
    TypeFolder{-202130, "Mathematical games", 20, "TREE5_MATHEMATICAL_TYPE"},
    TypeFolder{-202090, "Memory games type", 16, "TREE5_MEMORY_TYPE"},
    TypeFolder{-202150, "Non-Builders games", 22, "TREE5_NONBUILDERS_TYPE"},
    TypeFolder{-202035, "Pairing games type", 6, "TREE5_PAIRING_TYPE"},
    TypeFolder{-202070, "Puzzle games type", 14, "TREE5_PUZZLE_TYPE"},
    TypeFolder{-202110, "Queen of Italy type", 18, "TREE5_QUEENOFITALY_TYPE"},
    TypeFolder{-202040, "Row games type", 13, "TREE5_ROW_TYPE"},
    TypeFolder{-202045, "Simple games type", 7, "TREE5_SIMPLEGAMES_TYPE"},
    TypeFolder{-202140, "Sir Tommy type", 21, "TREE5_SIRTOMMY_TYPE"},
    TypeFolder{-202050, "Spider type", 8, "TREE5_SPIDER_TYPE"},
    TypeFolder{-202120, "Yukon type", 19, "TREE5_YUKON_TYPE"},
    TypeFolder{-202055, "One-Deck games type", 9, "TREE5_1DECK_TYPE"},
    TypeFolder{-202060, "Two-Deck games type", 10, "TREE5_2DECK_TYPE"},
    TypeFolder{-202160, "Stripped Deck games type", 23, "TREE5_STRIPPEDDECK_TYPE"},
};

constexpr int kCustomTypeCode = 800;
constexpr std::string_view kCustomIcon = "TREE5_CUSTOMIZED_GAMES";

// Group folders: the rule that places a game in them and the value it must have.
struct GroupFolder {
  int code;
  int parent;
  std::string_view caption;
  int rule;
  int value;
};

constexpr int kGameTime = 483;
constexpr int kDifficulty = 484;
constexpr int kSkill = 485;
constexpr int kChance = 486;
constexpr int kChanceTimes = 487;
constexpr int kChanceOutOf = 488;
constexpr int kDealsInAll = 15;
constexpr int kDeckCards = 371;
constexpr int kCardsPerDeck = 52;

constexpr std::array kGroupFolders{
    GroupFolder{-203010, -2030, "Quick", kGameTime, 2},
    GroupFolder{-203020, -2030, "Medium", kGameTime, 1},
    GroupFolder{-203030, -2030, "Long", kGameTime, 0},
    GroupFolder{-204010, -2040, "Easy", kDifficulty, 0},
    GroupFolder{-204020, -2040, "Medium", kDifficulty, 1},
    GroupFolder{-204030, -2040, "Hard", kDifficulty, 2},
    GroupFolder{-205010, -2050, "Difficult", kSkill, 0},
    GroupFolder{-205020, -2050, "Mostly skill", kSkill, 1},
    GroupFolder{-205030, -2050, "Moderate", kSkill, 2},
    GroupFolder{-205040, -2050, "Mostly chance", kSkill, 3},
    GroupFolder{-205050, -2050, "Chance only", kSkill, 4},
    GroupFolder{-206010, -2060, "Very low", kChance, 4},
    GroupFolder{-206020, -2060, "Low", kChance, 3},
    GroupFolder{-206030, -2060, "Medium", kChance, 2},
    GroupFolder{-206040, -2060, "High", kChance, 1},
    GroupFolder{-206050, -2060, "Very high", kChance, 0},
};

std::vector<TreeFolder> BuildFolders() {
  std::vector<TreeFolder> folders{
      {Favourites, 0, "Favorite games", "F_TREE1", "F_TREE2", true},
      {FoldersList, 0, "Folders list", "TREE1", "TREE2", false},
      {Selected, FoldersList, "Selected games", "S_TREE1", "S_TREE2", true},
      {Customized, FoldersList, "Customized games", "C_TREE1", "C_TREE2", true},
      {GameTypes, FoldersList, "Game Type", "T_TREE1", "T_TREE2", false},
  };
  for (const TypeFolder& type : kTypeFolders)
    folders.push_back({type.code, GameTypes, type.caption, type.icon, type.icon, true});
  folders.push_back({GameGroups, FoldersList, "Game Groups", "D_TREE1", "D_TREE2", false});
  constexpr std::array<std::pair<int, std::string_view>, 4> groups{
      {{-2030, "by Game Time"}, {-2040, "by Difficulty Level"}, {-2050, "by Skill or Chance"}, {-2060, "by Chance of Winning"}}};
  for (const auto& [code, caption] : groups) {
    folders.push_back({code, GameGroups, caption, "D_TREE1", "D_TREE2", false});
    for (const GroupFolder& group : kGroupFolders)
      if (group.parent == code) folders.push_back({group.code, code, group.caption, "TREE1", "TREE2", true});
  }
  folders.push_back({OtherGroups, FoldersList, "Others Groups", "I_TREE1", "I_TREE2", false});
  folders.push_back({Original, OtherGroups, "Original games", "TREE5_ORIGINAL_TYPE", "TREE5_ORIGINAL_TYPE", true});
  folders.push_back({Children, OtherGroups, "Games for Children", "I_TREE1", "I_TREE2", true});
  folders.push_back({NewGames, FoldersList, "New games", "N_TREE3", "N_TREE4", true});
  folders.push_back({AllGames, 0, "All games (alphabetically)", "TREE1", "TREE2", true});
  return folders;
}

TreeEntry GameEntryOf(const Catalogue& catalogue, int number) {
  return {number, catalogue.GameName(number), catalogue.GameType(number), {}};
}

void SortByName(std::vector<TreeEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const TreeEntry& a, const TreeEntry& b) { return ToLower(a.caption) < ToLower(b.caption); });
}

// The catalogued games that pass `keep`, sorted by name.
template <typename Keep>
std::vector<TreeEntry> CatalogueGames(const Catalogue& catalogue, Keep keep) {
  std::vector<TreeEntry> entries;
  for (const GameEntry* game : catalogue.games())
    if (keep(*game)) entries.push_back({game->number, game->name, game->type, {}});
  SortByName(entries);
  return entries;
}

// The games of a rule-file list that the catalogue knows, sorted by name.
std::vector<TreeEntry> ListedGames(const Catalogue& catalogue, const std::vector<int>& numbers) {
  std::vector<TreeEntry> entries;
  for (int number : numbers)
    if (catalogue.IsBuiltIn(number) &&
        std::none_of(entries.begin(), entries.end(), [number](const TreeEntry& e) { return e.code == number; }))
      entries.push_back(GameEntryOf(catalogue, number));
  SortByName(entries);
  return entries;
}

std::vector<TreeEntry> CustomizedGames(const Catalogue& catalogue) {
  std::vector<TreeEntry> entries;
  for (const CustomGameRecord& record : catalogue.customGames().records())
    entries.push_back({record.number, record.name, kCustomTypeCode, {}});
  SortByName(entries);
  if (entries.empty()) entries.push_back({CustomizeHint, "(How to customize a game)", -1, {}});
  return entries;
}

// The favourites: "01" nodes at the top, "02" nodes inside the last "01"
// folder; games the catalogue does not know are left out.
std::vector<TreeEntry> FavouriteGames(const Catalogue& catalogue, const IniDocument& preferences) {
  std::vector<TreeEntry> entries;
  for (int index = 0; index <= 9999; ++index) {
    const std::string value = preferences.readString("Favorite Games", "Game" + FormatNumber(index, 4), "");
    if (value.empty()) break;
    if (value.size() < 6) continue;
    const bool inner = value.substr(0, 2) == "02";
    const auto code = ParseInteger(Trim(value.substr(2, 4)));
    if (!code) continue;
    TreeEntry entry;
    if (*code >= 0) {
      if (!catalogue.Knows(static_cast<int>(*code))) continue;
      entry = GameEntryOf(catalogue, static_cast<int>(*code));
    } else {
      entry = {FavouriteFolder, std::string(TrimRight(std::string_view(value).substr(6))), -1, {}};
    }
    const bool underFolder = inner && !entries.empty() && entries.back().code == FavouriteFolder;
    (underFolder ? entries.back().children : entries).push_back(std::move(entry));
  }
  if (entries.empty()) entries.push_back({FavouritesHint, "(Double click to customize)", -1, {}});
  return entries;
}

std::optional<int> RuleOf(const Catalogue& catalogue, const GameEntry& game, int rule) {
  const int column = catalogue.GameColumn(game.number);
  const RuleValues* rules = column >= 0 ? catalogue.ColumnRules(column) : nullptr;
  if (!rules) return std::nullopt;
  return (*rules)[static_cast<std::size_t>(rule)];
}

// A label of one of the description's lists and its picture; none for a value off the list.
struct Label {
  std::string_view text;
  std::string_view picture;
};

constexpr std::array kTimeLabels{Label{"Long", "PROG_TIME_LONG"}, Label{"Medium", "PROG_TIME_MEDIUM"},
                                 Label{"Quick", "PROG_TIME_QUICK"}};
constexpr std::array kDifficultyLabels{Label{"Easy", "PROG_DIFF_EASY"}, Label{"Medium", "PROG_DIFF_MEDIUM"},
                                       Label{"Hard", "PROG_DIFF_HARD"}};
constexpr std::array kSkillLabels{Label{"Difficult", "PROG_SKILL_DIFFICULT"},
                                  Label{"Mostly skill", "PROG_SKILL_MOSTLYSKILL"},
                                  Label{"Moderate", "PROG_SKILL_MODERATE"},
                                  Label{"Mostly chance", "PROG_SKILL_MOSTLYCHANCE"},
                                  Label{"Chance only", "PROG_SKILL_CHANCEONLY"}};
constexpr std::array kChanceLabels{Label{"Very high", "PROG_CHAN_VERYHIGH"}, Label{"High", "PROG_CHAN_HIGH"},
                                   Label{"Medium", "PROG_CHAN_MEDIUM"}, Label{"Low", "PROG_CHAN_LOW"},
                                   Label{"Very low", "PROG_CHAN_VERYLOW"}};

template <std::size_t N>
void SetLabel(const std::array<Label, N>& labels, int value, std::string& text, std::string& picture) {
  if (value < 0 || value >= static_cast<int>(N)) return;
  text = labels[static_cast<std::size_t>(value)].text;
  picture = labels[static_cast<std::size_t>(value)].picture;
}

std::string RedealsText(int dealsInAll) {
  if (dealsInAll == -1) return "Unlimited";
  return std::to_string(dealsInAll <= 0 ? 0 : dealsInAll - 1);
}

}  // namespace

std::span<const TreeFolder> TreeFolders() {
  static const std::vector<TreeFolder> folders = BuildFolders();
  return folders;
}

const TreeFolder* FindTreeFolder(int code) {
  for (const TreeFolder& folder : TreeFolders())
    if (folder.code == code) return &folder;
  return nullptr;
}

int OpeningFolder(int storedCode) {
  const TreeFolder* folder = FindTreeFolder(storedCode);
  return folder && folder->listsGames ? storedCode : AllGames;
}

std::string_view TypeIcon(int typeCode) {
  if (typeCode == kCustomTypeCode) return kCustomIcon;
  for (const TypeFolder& type : kTypeFolders)
    if (type.type == typeCode) return type.icon;
  return {};
}

std::vector<TreeEntry> FolderEntries(const Catalogue& catalogue, const IniDocument& preferences, int folderCode) {
  switch (folderCode) {
    case Favourites: return FavouriteGames(catalogue, preferences);
    case Selected: return ListedGames(catalogue, catalogue.contents().selected);
    case Customized: return CustomizedGames(catalogue);
    case Original: return ListedGames(catalogue, catalogue.contents().original);
    case Children: return ListedGames(catalogue, catalogue.contents().children);
    case NewGames: return CatalogueGames(catalogue, [](const GameEntry& g) { return g.treeFlag == '1'; });
    case AllGames: return CatalogueGames(catalogue, [](const GameEntry&) { return true; });
    default: break;
  }
  for (const TypeFolder& type : kTypeFolders)
    if (type.code == folderCode)
      return CatalogueGames(catalogue, [&](const GameEntry& g) { return g.type == type.type; });
  for (const GroupFolder& group : kGroupFolders)
    if (group.code == folderCode)
      return CatalogueGames(catalogue, [&](const GameEntry& g) { return RuleOf(catalogue, g, group.rule) == group.value; });
  return {};
}

std::optional<GameDescription> DescribeGame(const Catalogue& catalogue, int number) {
  if (!catalogue.Knows(number)) return std::nullopt;
  const bool custom = number >= kFirstCustomGame;
  const int base = custom ? catalogue.CustomGame(number).base : number;
  constexpr std::array indices{kGameTime, kDifficulty, kSkill, kChance, kChanceTimes, kChanceOutOf, kDealsInAll, kDeckCards};
  const auto values = ReadGameRules(catalogue, base, indices);
  if (!values) return std::nullopt;
  const auto value = [&](int i) { return (*values)[static_cast<std::size_t>(i)]; };

  GameDescription d;
  d.name = catalogue.GameName(number);
  d.custom = custom;
  d.previewGame = base;
  SetLabel(kSkillLabels, value(2), d.skill, d.skillPicture);
  d.decks = value(7) / kCardsPerDeck;
  int dealsInAll = value(6);
  if (custom) {
    d.time = d.difficulty = d.chance = "Customized game";
    d.timePicture = d.difficultyPicture = d.chancePicture = "PROG_DISABLED";
    RuleRecord own;
    if (LoadGameRules(catalogue, number, own)) dealsInAll = own[kDealsInAll];
  } else {
    SetLabel(kTimeLabels, value(0), d.time, d.timePicture);
    SetLabel(kDifficultyLabels, value(1), d.difficulty, d.difficultyPicture);
    SetLabel(kChanceLabels, value(3), d.chance, d.chancePicture);
    if (value(5) != 0) d.chance += " (about " + std::to_string(value(4)) + " in " + std::to_string(value(5)) + ")";
  }
  d.redeals = RedealsText(dealsInAll);
  return d;
}

std::string PreviewPictureName(int game) { return "GAME" + FormatNumber(game, 4); }

std::string GameIcon(int typeCode, GameMark mark) {
  std::string icon(TypeIcon(typeCode));
  if (icon.empty()) return icon;
  if (mark == GameMark::Won) icon += "_WIN";
  if (mark == GameMark::NotWon) icon += "_NOWIN";
  return icon;
}

}  // namespace velmora
