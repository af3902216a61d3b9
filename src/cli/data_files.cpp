#include "data_files.h"

#include "shell/preference_file.h"

namespace velmora::cli {

FileVerdict CheckPreferenceFile(const UserData& data) {
  FileVerdict verdict;
  verdict.name = PreferenceFile::kName;
  const FileContents contents = data.read(PreferenceFile::kName, PreferenceFile::kMaxBytes);
  verdict.status = contents.status;
  switch (contents.status) {
    case ReadStatus::Ok:
      if (contents.data.find('\0') != std::string::npos) verdict.faults.push_back("it holds binary data");
      break;
    case ReadStatus::Missing: break;
    case ReadStatus::TooLarge: verdict.faults.push_back("it is far too large to be a preference file"); break;
    case ReadStatus::Unreadable: verdict.faults.push_back("the file cannot be read"); break;
  }
  return verdict;
}

std::string_view ShownName(std::string_view name) {
  const auto separator = name.find_last_of('\\');
  return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

}  // namespace velmora::cli
