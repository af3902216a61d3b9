#include "files/ini_document.h"

#include "text/fixed_text.h"

namespace velmora {
namespace {

// "[name]" (blanks allowed around) gives the section name.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct KeyValue {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyValue> SplitKeyLine(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const std::string_view key = Trim(line.substr(0, equals));
  if (key.empty()) return std::nullopt;
  std::string_view value = Trim(line.substr(equals + 1));
  // The profile functions drop one pair of quotes around a value.
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return KeyValue{key, value};
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool ValidSection(std::string_view section) {
  return !Trim(section).empty() && !HasLineBreak(section) && section.find(']') == std::string_view::npos;
}

bool ValidKey(std::string_view key) {
  return !Trim(key).empty() && !HasLineBreak(key) && key.find('=') == std::string_view::npos &&
         Trim(key).front() != '[';
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  while (!text.empty()) {
    const auto newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    doc.lines_.emplace_back(line);
    if (newline == std::string_view::npos) break;
    text.remove_prefix(newline + 1);
  }
  return doc;
}

std::string IniDocument::serialize() const {
  std::string out;
  for (const auto& line : lines_) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::optional<IniDocument::SectionSpan> IniDocument::findSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i]);
    if (!name || !EqualsIgnoringCase(*name, Trim(section))) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && !SectionName(lines_[end])) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKeyLine(const SectionSpan& span, std::string_view key) const {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const auto kv = SplitKeyLine(lines_[i]);
    if (kv && EqualsIgnoringCase(kv->key, Trim(key))) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::find(std::string_view section, std::string_view key) const {
  const auto span = findSection(section);
  if (!span) return std::nullopt;
  const auto line = findKeyLine(*span, key);
  if (!line) return std::nullopt;
  return std::string(SplitKeyLine(lines_[*line])->value);
}

std::string IniDocument::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
  auto value = find(section, key);
  return value ? std::move(*value) : std::string(fallback);
}

std::int64_t IniDocument::readInt(std::string_view section, std::string_view key, std::int64_t fallback) const {
  const auto value = find(section, key);
  if (!value) return fallback;
  return ParseInteger(*value).value_or(fallback);
}

bool IniDocument::hasSection(std::string_view section) const { return findSection(section).has_value(); }

std::vector<std::string> IniDocument::keys(std::string_view section) const {
  std::vector<std::string> out;
  const auto span = findSection(section);
  if (!span) return out;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    const auto kv = SplitKeyLine(lines_[i]);
    if (!kv) continue;
    bool seen = false;
    for (const auto& k : out) seen = seen || EqualsIgnoringCase(k, kv->key);
    if (!seen) out.emplace_back(kv->key);
  }
  return out;
}

bool IniDocument::write(std::string_view section, std::string_view key, std::string_view value) {
  if (!ValidSection(section) || !ValidKey(key) || HasLineBreak(value)) return false;
  std::string line = std::string(Trim(key)) + "=" + std::string(value);
  if (const auto span = findSection(section)) {
    if (const auto at = findKeyLine(*span, key)) {
      // The key keeps the spelling the file gave it.
      std::string replaced = std::string(SplitKeyLine(lines_[*at])->key) + "=" + std::string(value);
      if (lines_[*at] != replaced) changed_ = true;
      lines_[*at] = std::move(replaced);
      return true;
    }
    // Append after the section's last non-blank line, so a blank line that
    // separates it from the next section stays where it is.
    std::size_t insertAt = span->end;
    while (insertAt > span->header + 1 && Trim(lines_[insertAt - 1]).empty()) --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
  } else {
    lines_.push_back("[" + std::string(Trim(section)) + "]");
    lines_.push_back(std::move(line));
  }
  changed_ = true;
  return true;
}

bool IniDocument::writeInt(std::string_view section, std::string_view key, std::int64_t value) {
  return write(section, key, std::to_string(value));
}

void IniDocument::eraseSection(std::string_view section) {
  const auto span = findSection(section);
  if (!span) return;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span->header),
               lines_.begin() + static_cast<std::ptrdiff_t>(span->end));
  changed_ = true;
}

void IniDocument::deleteKey(std::string_view section, std::string_view key) {
  const auto span = findSection(section);
  if (!span) return;
  const auto at = findKeyLine(*span, key);
  if (!at) return;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*at));
  changed_ = true;
}

}  // namespace velmora
