#pragma once
// The preference file "DATA\Cfg.dat", opened by name around each use: an
// operation reads the file once, reads or changes the keys it needs and, when
// it changed any, writes the whole file back as one atomic replacement.
#include <optional>
#include <string>

#include "files/ini_document.h"
#include "files/user_data.h"

namespace velmora {

class PreferenceFile {
 public:
  // Larger files are not preferences: they are set aside, not read.
  static constexpr std::uintmax_t kMaxBytes = 1 << 20;
  static constexpr std::string_view kName = "DATA\\Cfg.dat";

  explicit PreferenceFile(UserData& data) : data_(data) {}

  // The file's keys; empty when it is missing. A file too large to be
  // preferences or holding binary data is moved aside with one warning, so
  // that the next write starts a fresh file and the old one is kept. A file
  // that cannot be read gives the defaults too, but is never written over:
  // the session warns once and keeps its settings in memory only.
  IniDocument open();

  // Writes the document back when it changed.
  FileOutcome save(const IniDocument& document);

  // Why a file read within the size limit is not a preference file to read
  // (binary data, far too large); no value for one that is, or is missing.
  static std::optional<std::string> Damage(const FileContents& contents);

  // Opens, lets `change` edit, saves: the writes of one operation reach the
  // disk together or not at all.
  template <typename Change>
  FileOutcome update(Change&& change) {
    const UserData::UpdateHold hold = data_.holdForUpdate();
    if (!hold) return hold.outcome();
    IniDocument document = open();
    change(document);
    return save(document);
  }

 private:
  void setAsideDamaged(const std::string& why);
  void keepUnreadableFile();

  UserData& data_;
  bool warnedUnreadable_ = false;
};

}  // namespace velmora
