#include "records/keyed_file.h"

#include <algorithm>

#include "records/player_names.h"
#include "text/fixed_text.h"

namespace velmora::keyed {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// One line of the text: where it starts, where its contents end (before CR LF
// or LF) and where the next line starts.
struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;
};

Line LineAt(std::string_view text, std::size_t begin) {
  const std::size_t newline = text.find('\n', begin);
  Line line{begin, newline == std::string_view::npos ? text.size() : newline, 0};
  if (newline == std::string_view::npos) {
    line.next = text.size();  // a last line without its line end: a lone CR stays part of it
    return line;
  }
  line.next = newline + 1;
  if (line.end > line.begin && text[line.end - 1] == '\r') --line.end;
  return line;
}

std::string_view Contents(std::string_view text, const Line& line) {
  return text.substr(line.begin, line.end - line.begin);
}

// The value of the line when it is an entry of that name.
std::optional<std::string_view> EntryValue(std::string_view line, std::string_view name) {
  if (line.size() <= name.size() || line[name.size()] != '=' || line.substr(0, name.size()) != name) return std::nullopt;
  return line.substr(name.size() + 1);
}

// The lines of a section's entries: from after its key line to the next line
// that opens a section.
struct Body {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t keyLine = 0;  // where "[section]" starts
};

// The key line "[section]" must be a whole line; it is searched for as text,
// which is much faster than walking every line of a large file.
std::optional<Body> FindBody(std::string_view text, std::string_view section) {
  std::string pattern;
  pattern.reserve(section.size() + 2);
  pattern.append("[").append(section).append("]");
  for (std::size_t at = text.find(pattern); at != std::string_view::npos; at = text.find(pattern, at + 1)) {
    if (at > 0 && text[at - 1] != '\n') continue;
    const Line line = LineAt(text, at);
    if (line.end != at + pattern.size()) continue;
    // The body ends where a line opens the next section.
    const std::size_t next = line.next == text.size() ? std::string_view::npos : text.find("\n[", line.next - 1);
    return Body{line.next, next == std::string_view::npos ? text.size() : next + 1, at};
  }
  return std::nullopt;
}

// Walks the entry lines of a body.
template <typename Visit>
void ForEachLine(std::string_view text, Body body, Visit visit) {
  for (std::size_t at = body.begin; at < body.end;) {
    const Line line = LineAt(text, at);
    visit(line);
    at = line.next;
  }
}

bool HasBareLineFeed(std::string_view text) {
  for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1))
    if (at == 0 || text[at - 1] != '\r') return true;
  return false;
}

void UseCrLf(std::string& text) {
  if (!HasBareLineFeed(text)) return;
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t at = 0; at < text.size();) {
    const Line line = LineAt(text, at);
    out.append(text, line.begin, line.end - line.begin);
    if (line.next > line.end) out += kLineEnd;
    at = line.next;
  }
  text = std::move(out);
}

void EndWithLineEnd(std::string& text) {
  if (!text.empty() && text.back() != '\n') text += kLineEnd;
}

void AppendSection(std::string& text, std::string_view section, const KeyedValue& entry) {
  EndWithLineEnd(text);
  if (!text.empty()) text += kLineEnd;
  text.append("[").append(section).append("]").append(kLineEnd);
  text.append(entry.name).append("=").append(entry.value).append(kLineEnd);
}

// The section's non-empty lines with the entry set, then an empty line when
// more of the file follows.
void RebuildBody(std::string& text, Body body, const KeyedValue& entry) {
  std::string rebuilt;
  bool placed = false;
  ForEachLine(text, body, [&](const Line& line) {
    std::string_view contents = Contents(text, line);
    if (contents.empty()) return;
    if (!placed && EntryValue(contents, entry.name)) {
      rebuilt.append(entry.name).append("=").append(entry.value).append(kLineEnd);
      placed = true;
      return;
    }
    rebuilt.append(contents).append(kLineEnd);
  });
  if (!placed) rebuilt.append(entry.name).append("=").append(entry.value).append(kLineEnd);
  if (body.end < text.size()) rebuilt += kLineEnd;
  // A last section without a line end after its key line.
  if (body.begin > 0 && text[body.begin - 1] != '\n') rebuilt.insert(0, kLineEnd);
  text.replace(body.begin, body.end - body.begin, rebuilt);
}

void SetOne(std::string& text, std::string_view section, const KeyedValue& entry) {
  const auto body = FindBody(text, section);
  if (!body) {
    AppendSection(text, section, entry);
    return;
  }
  std::optional<Line> found;
  ForEachLine(text, *body, [&](const Line& line) {
    if (!found && EntryValue(Contents(text, line), entry.name)) found = line;
  });
  const std::size_t valueBegin = found ? found->begin + entry.name.size() + 1 : 0;
  if (found && found->end - valueBegin == entry.value.size()) {
    text.replace(valueBegin, entry.value.size(), entry.value);
    return;
  }
  RebuildBody(text, *body, entry);
}

}  // namespace

std::optional<std::string_view> Find(std::string_view text, std::string_view section, std::string_view name) {
  const auto body = FindBody(text, section);
  if (!body) return std::nullopt;
  std::optional<std::string_view> value;
  ForEachLine(text, *body, [&](const Line& line) {
    if (!value) value = EntryValue(Contents(text, line), name);
  });
  if (value) value = TrimRight(*value);
  return value;
}

std::vector<std::string> FindMany(std::string_view text, std::string_view section,
                                  std::span<const std::string_view> names, std::span<const std::string> defaults) {
  std::vector<std::string> values(defaults.begin(), defaults.end());
  values.resize(names.size());
  std::vector<bool> seen(names.size(), false);
  const auto body = FindBody(text, section);
  if (!body) return values;
  ForEachLine(text, *body, [&](const Line& line) {
    const std::string_view contents = Contents(text, line);
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (seen[i]) continue;
      if (const auto value = EntryValue(contents, names[i])) {
        values[i] = std::string(TrimRight(*value));
        seen[i] = true;
        break;
      }
    }
  });
  return values;
}

std::vector<std::string> Sections(std::string_view text) {
  std::vector<std::string> keys;
  for (std::size_t at = 0; at < text.size();) {
    const Line line = LineAt(text, at);
    const std::string_view contents = Contents(text, line);
    if (contents.size() >= 2 && contents.front() == '[' && contents.back() == ']')
      keys.emplace_back(contents.substr(1, contents.size() - 2));
    at = line.next;
  }
  return keys;
}

std::vector<std::pair<std::string, std::string>> Entries(std::string_view text, std::string_view section) {
  std::vector<std::pair<std::string, std::string>> entries;
  const auto body = FindBody(text, section);
  if (!body) return entries;
  ForEachLine(text, *body, [&](const Line& line) {
    const std::string_view contents = Contents(text, line);
    const std::size_t equals = contents.find('=');
    if (equals == std::string_view::npos) return;
    entries.emplace_back(contents.substr(0, equals), TrimRight(contents.substr(equals + 1)));
  });
  return entries;
}

void Set(std::string& text, std::string_view section, std::span<const KeyedValue> values) {
  UseCrLf(text);
  for (const KeyedValue& entry : values) SetOne(text, section, entry);
}

void Remove(std::string& text, std::string_view section, std::span<const std::string_view> names) {
  UseCrLf(text);
  const auto body = FindBody(text, section);
  if (!body) return;
  std::string kept;
  ForEachLine(text, *body, [&](const Line& line) {
    const std::string_view contents = Contents(text, line);
    const bool named = std::any_of(names.begin(), names.end(),
                                   [&](std::string_view name) { return EntryValue(contents, name).has_value(); });
    if (!named) kept.append(text, line.begin, line.next - line.begin);
  });
  text.replace(body->begin, body->end - body->begin, kept);
}

void RemoveSection(std::string& text, std::string_view section) {
  if (!FindBody(text, section)) return;
  UseCrLf(text);
  while (const auto body = FindBody(text, section)) {
    const bool last = body->end == text.size();
    text.erase(body->keyLine, body->end - body->keyLine);
    // A section removed from the end leaves the empty line that preceded it.
    if (last && text.ends_with("\r\n\r\n")) text.resize(text.size() - kLineEnd.size());
  }
}

bool IsWritableKey(std::string_view key) {
  return !key.empty() && key.front() != '[' && !HasControlCharacter(key);
}

bool IsWritableName(std::string_view name) {
  return !name.empty() && name.front() != '[' && name.find('=') == std::string_view::npos &&
         !HasControlCharacter(name);
}

}  // namespace velmora::keyed

namespace velmora {

std::optional<std::string> KeyedFile::load() const {
  FileContents contents = data_.read(name_, kRecordFileMaxBytes);
  if (contents.status == ReadStatus::Missing) return std::string();
  if (!contents.ok()) return std::nullopt;
  return std::move(contents.data);
}

std::string KeyedFile::read(std::string_view section, std::string_view name, std::string_view fallback) const {
  const auto text = load();
  if (!text) return std::string(fallback);
  const auto value = keyed::Find(*text, section, name);
  return std::string(value ? *value : fallback);
}

std::vector<std::string> KeyedFile::readMany(std::string_view section, std::span<const std::string_view> names,
                                             std::span<const std::string> defaults) const {
  const auto text = load();
  return keyed::FindMany(text ? std::string_view(*text) : std::string_view(), section, names, defaults);
}

std::vector<std::string> KeyedFile::sections() const {
  const auto text = load();
  return text ? keyed::Sections(*text) : std::vector<std::string>{};
}

FileOutcome KeyedFile::refuseKeys(std::string_view section, std::span<const KeyedValue> values) const {
  if (!keyed::IsWritableKey(section))
    return RefusedName(section, name_);
  for (const KeyedValue& value : values)
    if (!keyed::IsWritableName(value.name) || value.value.find_first_of("\r\n") != std::string::npos)
      return RefusedName(value.name, name_);
  return {};
}

FileOutcome KeyedFile::write(std::string_view section, std::string_view name, std::string_view value) {
  const KeyedValue one{name, std::string(value)};
  return writeMany(section, std::span(&one, 1));
}

FileOutcome KeyedFile::writeMany(std::string_view section, std::span<const KeyedValue> values) {
  if (auto refused = refuseKeys(section, values); !refused) return refused;
  const UserData::UpdateHold hold = data_.holdForUpdate();
  if (!hold) return hold.outcome();
  auto text = load();
  if (!text) return FileOutcome::Failure("Read error on file " + name_);
  keyed::Set(*text, section, values);
  return store(*text);
}

FileOutcome KeyedFile::store(std::string_view text) {
  FileOutcome outcome = data_.replace(name_, text);
  if (!outcome) outcome.message = WriteErrorMessage(name_, outcome);
  return outcome;
}

std::string WriteErrorMessage(std::string_view fileName, const FileOutcome& outcome) {
  return "Write error on file " + std::string(fileName) + (outcome.message.empty() ? "" : "\r" + outcome.message);
}

FileOutcome RefusedName(std::string_view name, std::string_view fileName) {
  return FileOutcome::Failure("The name \"" + std::string(name) + "\" cannot be stored in " + std::string(fileName) + ".");
}

}  // namespace velmora
