#include "records/file_batch.h"

namespace velmora {

FileOutcome FileBatch::change(std::string_view name, std::uintmax_t maxBytes, const Edit& edit) {
  if (!hold_) return hold_.outcome();
  FileContents contents = data_.read(name, maxBytes);
  if (contents.status == ReadStatus::Missing) return {};
  if (!contents.ok()) return FileOutcome::Failure("The file " + std::string(name) + " cannot be read.");
  std::string after = edit(contents.data);
  if (after != contents.data) changes_.push_back({std::string(name), std::move(contents.data), std::move(after)});
  return {};
}

FileOutcome FileBatch::commit() {
  if (!hold_) return hold_.outcome();
  for (std::size_t i = 0; i < changes_.size(); ++i) {
    FileOutcome written = data_.replace(changes_[i].name, changes_[i].after);
    if (written) continue;
    for (std::size_t back = 0; back < i; ++back)
      if (!data_.replace(changes_[back].name, changes_[back].before))
        written.message += "\rThe file " + changes_[back].name + " could not be put back as it was.";
    return written;
  }
  return {};
}

}  // namespace velmora
