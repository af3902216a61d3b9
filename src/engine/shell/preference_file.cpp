#include "shell/preference_file.h"

#include <utility>

namespace velmora {

std::optional<std::string> PreferenceFile::Damage(const FileContents& contents) {
  if (contents.status == ReadStatus::TooLarge) return "it is far too large to be a preference file";
  if (contents.ok() && contents.data.find('\0') != std::string::npos) return "it holds binary data";
  return std::nullopt;
}

IniDocument PreferenceFile::open() {
  FileContents contents = data_.read(kName, kMaxBytes);
  if (const auto damage = Damage(contents)) {
    setAsideDamaged(*damage);
    return {};
  }
  if (contents.status == ReadStatus::Unreadable) {
    keepUnreadableFile();
    return {};
  }
  if (!contents.ok()) return {};  // missing: the defaults
  data_.readAgain(kName);
  return IniDocument::Parse(contents.data);
}

void PreferenceFile::keepUnreadableFile() {
  data_.keepAsItIs(kName);
  if (std::exchange(warnedUnreadable_, true)) return;
  data_.warn("The preference file " + data_.path(kName).value_or("").string() +
             " cannot be read. The default settings are used, and the file is left as it is: changes of "
             "settings in this session are not saved.");
}

void PreferenceFile::setAsideDamaged(const std::string& why) {
  const std::string name = data_.path(kName).value_or("").string();
  const auto aside = data_.moveAside(kName);
  data_.warn("The preference file " + name + " was not read: " + why + ". " +
             (aside ? "It was kept as " + aside->string() + ". " : std::string()) +
             "The default settings are used.");
}

FileOutcome PreferenceFile::save(const IniDocument& document) {
  if (!document.changed()) return {};
  return data_.replace(kName, document.serialize());
}

}  // namespace velmora
