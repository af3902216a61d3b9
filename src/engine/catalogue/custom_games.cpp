#include "catalogue/custom_games.h"

#include <algorithm>
#include <set>

#include "rules/custom_override.h"
#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::string_view kHeader = "[R-0301]";
constexpr std::size_t kRecordLines = 30;
constexpr std::size_t kNameWidth = 50;
constexpr std::size_t kHeaderLineLength = 4 + kNameWidth + 4;
constexpr std::string_view kRefusedCharacters = "/\\:*?\"<>|";
constexpr std::size_t kShownFaults = 3;

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  }
  return lines;
}

std::string At(std::size_t lineIndex) { return "line " + std::to_string(lineIndex + 1) + ": "; }

bool RestIsEmpty(const std::vector<std::string_view>& lines, std::size_t from) {
  return std::all_of(lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end(),
                     [](std::string_view line) { return TrimRight(line).empty(); });
}

class RecordReader {
 public:
  RecordReader(const std::vector<std::string_view>& lines, const std::function<bool(int)>& isBuiltIn,
               CustomGamesParse& parse)
      : lines_(lines), isBuiltIn_(isBuiltIn), parse_(parse) {}

  void read(std::size_t first) {
    const auto number = ParseInteger(lines_[first].substr(0, 4));
    if (!number) return fault(first, "a custom game record should start here (the records are shifted)");
    CustomGameRecord record;
    record.number = static_cast<int>(*number);
    const std::size_t faultsBefore = parse_.damage.size();
    readHeader(first, record);
    readOverride(first + 1, record);
    checkReservedLines(first, record);
    checkUnique(first, record);
    if (parse_.damage.size() == faultsBefore) parse_.records.push_back(std::move(record));
  }

 private:
  static std::string Game(const CustomGameRecord& record) {
    return "custom game " + std::to_string(record.number) + ": ";
  }

  // Number, name and base game: 4 + 50 + 4 characters.
  void readHeader(std::size_t at, CustomGameRecord& record) {
    const std::string_view header = lines_[at];
    if (record.number < kFirstCustomGame || record.number > kLastCustomGame)
      fault(at, "the custom game number " + std::to_string(record.number) + " is outside 8000 to 9999");
    record.name = std::string(TrimRight(header.substr(std::min<std::size_t>(4, header.size()), kNameWidth)));
    if (auto problem = CustomNameProblem(record.name)) fault(at, Game(record) + "the name is refused: " + *problem);
    const auto base = header.size() >= kHeaderLineLength ? ParseInteger(header.substr(4 + kNameWidth, 4)) : std::nullopt;
    if (base && TrimRight(header).size() <= kHeaderLineLength && isBuiltIn_(static_cast<int>(*base)))
      record.base = static_cast<int>(*base);
    else
      fault(at, Game(record) + "the base game \"" + std::string(header.substr(std::min(header.size(), 4 + kNameWidth))) +
                    "\" is not a built-in game");
  }

  void readOverride(std::size_t at, CustomGameRecord& record) {
    record.override = std::string(line(at));
    if (record.override.size() != kOverrideLength)
      fault(at, Game(record) + "the rule changes are not " + std::to_string(kOverrideLength) + " characters long");
  }

  void checkReservedLines(std::size_t first, const CustomGameRecord& record) {
    for (std::size_t reserved = first + 2; reserved < first + kRecordLines; ++reserved)
      if (!TrimRight(line(reserved)).empty())
        return fault(reserved, Game(record) + "a reserved line is not empty (the records are shifted)");
  }

  void checkUnique(std::size_t at, const CustomGameRecord& record) {
    if (!numbers_.insert(record.number).second) fault(at, Game(record) + "the number is used twice");
    if (!names_.insert(ToLower(record.name)).second)
      fault(at, Game(record) + "the name \"" + record.name + "\" is used twice");
  }

  std::string_view line(std::size_t index) const { return index < lines_.size() ? lines_[index] : std::string_view{}; }
  void fault(std::size_t lineIndex, const std::string& why) { parse_.damage.push_back(At(lineIndex) + why); }

  const std::vector<std::string_view>& lines_;
  const std::function<bool(int)>& isBuiltIn_;
  CustomGamesParse& parse_;
  std::set<int> numbers_;
  std::set<std::string> names_;
};

}  // namespace

std::optional<std::string> CustomNameProblem(std::string_view name) {
  name = Trim(name);
  if (name.size() < 3) return "Please enter at least 3 characters.";
  if (name.size() > kNameWidth) return "A game name has at most 50 characters.";
  if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; }))
    return "A game name cannot hold control characters.";
  if (name.find_first_of(kRefusedCharacters) != std::string_view::npos)
    return "A game name cannot hold any of the characters / \\ : * ? \" < > |";
  return std::nullopt;
}

CustomGamesParse ParseCustomGames(std::string_view text, const std::function<bool(int)>& isBuiltIn) {
  CustomGamesParse parse;
  const std::vector<std::string_view> lines = SplitLines(text);
  if (lines.empty()) return parse;
  if (TrimRight(lines[0]) != kHeader) parse.damage.push_back(At(0) + "the first line is not the header [R-0301]");
  RecordReader reader(lines, isBuiltIn, parse);
  for (std::size_t first = 1; first < lines.size() && !RestIsEmpty(lines, first); first += kRecordLines)
    reader.read(first);
  return parse;
}

std::string WriteCustomGames(const std::vector<CustomGameRecord>& records) {
  std::string out = std::string(kHeader) + "\r\n";
  for (const CustomGameRecord& record : records) {
    out += FormatNumber(record.number, 4) + PadOrCut(record.name, kNameWidth) + FormatNumber(record.base, 4) + "\r\n";
    out += record.override + "\r\n";
    for (std::size_t reserved = 2; reserved < kRecordLines; ++reserved) out += "\r\n";
  }
  return out;
}

void CustomGames::read(UserData& data, const std::function<bool(int)>& isBuiltIn) {
  const FileContents contents = data.read(kFileName, CustomGames::kMaxFileBytes);
  exists_ = contents.status != ReadStatus::Missing;
  records_.clear();
  damage_.clear();
  if (contents.status == ReadStatus::TooLarge) damage_.push_back("the file is too large to be a custom games file");
  if (contents.status == ReadStatus::Unreadable) damage_.push_back("the file cannot be read");
  if (contents.ok()) {
    CustomGamesParse parse = ParseCustomGames(contents.data, isBuiltIn);
    records_ = std::move(parse.records);
    damage_ = std::move(parse.damage);
  }
}

void CustomGames::load(UserData& data, const std::function<bool(int)>& isBuiltIn) {
  read(data, isBuiltIn);
  if (damaged() && damage_ != reported_) data.warn(damageMessage());
  reported_ = damage_;
}

const CustomGameRecord* CustomGames::find(int number) const {
  const auto found = std::find_if(records_.begin(), records_.end(), [&](const auto& r) { return r.number == number; });
  return found == records_.end() ? nullptr : &*found;
}

const CustomGameRecord* CustomGames::findByName(std::string_view name) const {
  const auto found = std::find_if(records_.begin(), records_.end(),
                                  [&](const auto& r) { return EqualsIgnoringCase(r.name, Trim(name)); });
  return found == records_.end() ? nullptr : &*found;
}

std::optional<int> CustomGames::nextNumber() const {
  for (int number = kFirstCustomGame; number <= kLastCustomGame; ++number)
    if (!find(number)) return number;
  return std::nullopt;
}

std::string CustomGames::damageMessage() const {
  std::string text = "The custom games file " + std::string(kFileName) + " is damaged:";
  for (std::size_t i = 0; i < std::min(kShownFaults, damage_.size()); ++i) text += "\r" + damage_[i];
  if (damage_.size() > kShownFaults) text += "\r(and " + std::to_string(damage_.size() - kShownFaults) + " more)";
  return text + "\rIts sound custom games can be played, but no custom game can be created or deleted until the "
                "file is mended.";
}

std::optional<std::string> CustomGames::refuseChange(UserData& data, const std::function<bool(int)>& isBuiltIn) {
  read(data, isBuiltIn);  // the player may have mended the file meanwhile
  reported_ = damage_;
  if (damaged()) return damageMessage();
  return std::nullopt;
}

CustomGames::Added CustomGames::append(UserData& data, const std::function<bool(int)>& isBuiltIn,
                                       std::string_view name, int base, std::string_view override) {
  const UserData::UpdateHold hold = data.holdForUpdate();
  if (!hold) return {std::nullopt, hold.outcome().message};
  if (auto refusal = refuseChange(data, isBuiltIn)) return {std::nullopt, *refusal};
  if (auto problem = CustomNameProblem(name)) return {std::nullopt, *problem};
  if (findByName(name)) return {std::nullopt, "This game name already exists."};
  if (!isBuiltIn(base)) return {std::nullopt, "Game " + std::to_string(base) + " is not a built-in game."};
  if (override.size() != kOverrideLength) return {std::nullopt, "The rule changes are not 17 characters long."};
  const auto number = nextNumber();
  if (!number)
    return {std::nullopt, "All custom game numbers (8000 to 9999) are in use.\rDelete a custom game to create another."};
  std::vector<CustomGameRecord> records = records_;
  records.push_back({*number, std::string(Trim(name)), base, std::string(override)});
  if (const FileOutcome written = data.replace(kFileName, WriteCustomGames(records)); !written)
    return {std::nullopt, written.message};
  records_ = std::move(records);
  exists_ = true;
  return {number, {}};
}

}  // namespace velmora
