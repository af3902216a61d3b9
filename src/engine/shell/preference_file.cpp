#include "shell/preference_file.h"

namespace velmora {

IniDocument PreferenceFile::open() {
  FileContents contents = data_.read(kName, kMaxBytes);
  switch (contents.status) {
    case ReadStatus::Ok:
      if (contents.data.find('\0') != std::string::npos) {
        setAsideDamaged("it holds binary data");
        return {};
      }
      return IniDocument::Parse(contents.data);
    case ReadStatus::TooLarge:
      setAsideDamaged("it is far too large to be a preference file");
      return {};
    case ReadStatus::Unreadable:
      data_.warn("The preference file " + data_.path(kName).value_or("").string() +
                 " cannot be read; the default settings are used.");
      return {};
    case ReadStatus::Missing:
      break;
  }
  return {};
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
