#pragma once
// The keyed record file shared by the statistics files: sections opened by a
// line "[key]", each holding entry lines "name=value" whose values keep a
// fixed width. Sections and entries match whole lines only: "[Bob]" never
// opens "[Bobby]" and the entry "Bob" never reads the line "Bobby=...".
// Readers take CR LF and LF-only files alike; writers always write CR LF, and
// every change of a file reaches the disk as one atomic replacement.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/user_data.h"

namespace velmora {

// Statistics files are small; anything beyond this is not one of ours.
inline constexpr std::uintmax_t kRecordFileMaxBytes = 64u << 20;

struct KeyedValue {
  std::string_view name;
  std::string value;
};

// The text layer: finding and changing entries in a file's contents.
namespace keyed {

// The value of the entry, line end and trailing blanks removed; no value when
// the section or the entry is missing.
std::optional<std::string_view> Find(std::string_view text, std::string_view section, std::string_view name);

// The values of several entries of one section in one pass; a missing entry
// keeps its default.
std::vector<std::string> FindMany(std::string_view text, std::string_view section,
                                  std::span<const std::string_view> names, std::span<const std::string> defaults);

// The keys of every section line, in file order.
std::vector<std::string> Sections(std::string_view text);

// The entries of a section as (name, value) pairs in file order, values
// right-trimmed; empty when the section is missing.
std::vector<std::pair<std::string, std::string>> Entries(std::string_view text, std::string_view section);

// Sets the entries in `text`. A value of the same width is written over the
// old one; otherwise the section's entries are rebuilt; a missing section is
// appended. LF-only lines become CR LF.
void Set(std::string& text, std::string_view section, std::span<const KeyedValue> values);

// Removes the entries of those names from the section (the section stays).
void Remove(std::string& text, std::string_view section, std::span<const std::string_view> names);

// Removes the section: its key line, its entries and the empty line after
// them; a missing section changes nothing.
void RemoveSection(std::string& text, std::string_view section);

// Whether a section key or an entry name can be written without breaking the
// file's lines: no line breaks or control characters, no "=" in a name, and
// neither may start with "[".
bool IsWritableKey(std::string_view key);
bool IsWritableName(std::string_view name);

}  // namespace keyed

// One keyed record file of the data folder, opened by name around each use.
class KeyedFile {
 public:
  KeyedFile(UserData& data, std::string name) : data_(data), name_(std::move(name)) {}

  const std::string& name() const { return name_; }

  // The whole text; a missing file is empty text. An unreadable file gives
  // no value, so that callers never take it for an empty one.
  std::optional<std::string> load() const;

  std::string read(std::string_view section, std::string_view name, std::string_view fallback) const;
  std::vector<std::string> readMany(std::string_view section, std::span<const std::string_view> names,
                                    std::span<const std::string> defaults) const;
  std::vector<std::string> sections() const;

  FileOutcome write(std::string_view section, std::string_view name, std::string_view value);
  // All the values reach the file together, or none does.
  FileOutcome writeMany(std::string_view section, std::span<const KeyedValue> values);

  // Stores a text made by the caller from `load()` (several sections at once).
  FileOutcome store(std::string_view text);

 private:
  FileOutcome refuseKeys(std::string_view section, std::span<const KeyedValue> values) const;

  UserData& data_;
  std::string name_;
};

// The player's message for a file that could not be rewritten.
std::string WriteErrorMessage(std::string_view fileName, const FileOutcome& outcome);

// The refusal of a name the file's lines cannot hold.
FileOutcome RefusedName(std::string_view name, std::string_view fileName);

}  // namespace velmora
