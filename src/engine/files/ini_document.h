#pragma once
// An INI text held in memory with the semantics of the classic profile
// functions: section and key names match without regard to letter case, the
// first occurrence wins, a write replaces the value in place or appends the key
// to its section (or the section to the end), and every other line - comments,
// blank lines, lines it does not understand - is kept as it was.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class IniDocument {
 public:
  IniDocument() = default;
  // Accepts CR LF and bare LF line ends.
  static IniDocument Parse(std::string_view text);
  // Every line ends with CR LF.
  std::string serialize() const;

  std::optional<std::string> find(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
  // The value as a whole decimal number; `fallback` when missing or not a number.
  std::int64_t readInt(std::string_view section, std::string_view key, std::int64_t fallback) const;
  bool hasSection(std::string_view section) const;
  // The keys of a section in file order, first occurrences only.
  std::vector<std::string> keys(std::string_view section) const;

  // Refused (false, nothing changed) for a name or value that would break the
  // file: line breaks anywhere, "=" in a key, "]" in a section, an empty key.
  bool write(std::string_view section, std::string_view key, std::string_view value);
  bool writeInt(std::string_view section, std::string_view key, std::int64_t value);
  // Removes the first section of that name with all its lines.
  void eraseSection(std::string_view section);
  // Removes the key's first occurrence in the section.
  void deleteKey(std::string_view section, std::string_view key);

  bool changed() const { return changed_; }

 private:
  struct SectionSpan {
    std::size_t header;  // index of the "[name]" line
    std::size_t end;     // one past its last line
  };
  std::optional<SectionSpan> findSection(std::string_view section) const;
  std::optional<std::size_t> findKeyLine(const SectionSpan& span, std::string_view key) const;

  std::vector<std::string> lines_;
  bool changed_ = false;
};

}  // namespace velmora
