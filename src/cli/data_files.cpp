#include "data_files.h"

#include "shell/preference_file.h"

namespace velmora::cli {

FileVerdict CheckPreferenceFile(const UserData& data) {
  FileVerdict verdict;
  verdict.name = PreferenceFile::kName;
  const FileContents contents = data.read(PreferenceFile::kName, PreferenceFile::kMaxBytes);
  verdict.status = contents.status;
  if (const auto damage = PreferenceFile::Damage(contents)) verdict.faults.push_back(*damage);
  if (contents.status == ReadStatus::Unreadable) verdict.faults.push_back("the file cannot be read");
  return verdict;
}

std::string_view ShownName(std::string_view name) {
  const auto separator = name.find_last_of('\\');
  return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

}  // namespace velmora::cli
