#include "files/user_data.h"

#include <algorithm>
#include <utility>

namespace velmora {
namespace {

// The names FileSystem::replaceAtomically gives its temporary files:
// "." + the file's name + ".tmp-" + six characters.
bool IsLeftoverTemporaryFile(const std::string& name) {
  constexpr std::string_view kMark = ".tmp-";
  constexpr std::size_t kUniquePart = 6;
  if (name.size() < 1 + kMark.size() + kUniquePart || name.front() != '.') return false;
  return name.compare(name.size() - kUniquePart - kMark.size(), kMark.size(), kMark) == 0;
}

}  // namespace

UserData::UpdateHold::UpdateHold(UpdateHold&& other) noexcept
    : owner_(std::exchange(other.owner_, nullptr)), outcome_(std::move(other.outcome_)) {}

UserData::UpdateHold::~UpdateHold() {
  if (owner_) owner_->releaseHold();
}

UserData::UserData(Folders folders, FileSystem& files) : folders_(std::move(folders)), files_(files) {}

void UserData::warn(const std::string& message) const {
  if (warn_) warn_(message);
}

void UserData::prepare() {
  const FileOutcome created = files_.ensureFolder(folders_.data());
  writable_ = created && files_.canWriteIn(folders_.data());
  if (!writable_) {
    warn("The data folder " + folders_.data().string() +
         " cannot be written. Velmora 2001 runs, but settings, statistics and games will not be saved in "
         "this session.");
    return;
  }
  removeLeftoverTemporaryFiles();
}

void UserData::removeLeftoverTemporaryFiles() {
  if (findLeftoverTemporaryFiles().empty()) return;
  // Under the lock no update is under way, so every such file is a leftover.
  const UpdateHold hold = holdForUpdate();
  if (!hold) return;
  for (const fs::path& file : findLeftoverTemporaryFiles()) files_.remove(file);
}

std::vector<fs::path> UserData::findLeftoverTemporaryFiles() const {
  std::error_code error;
  std::vector<fs::path> leftovers;
  for (fs::recursive_directory_iterator it(folders_.data(), fs::directory_options::skip_permission_denied, error), end;
       !error && it != end; it.increment(error))
    if (it->is_regular_file(error) && IsLeftoverTemporaryFile(it->path().filename().string()))
      leftovers.push_back(it->path());
  return leftovers;
}

UserData::UpdateHold UserData::holdForUpdate() {
  if (!writable_) return UpdateHold(nullptr, {});  // nothing is written here, so nothing to guard
  if (holdDepth_ == 0 && updateLock_.acquire(folders_.data(), updateWait_) == UpdateLock::Result::TimedOut)
    return UpdateHold(nullptr, FileOutcome::Failure("The data folder " + folders_.data().string() + " stayed busy for " +
                                                    std::to_string(updateWait_.count() / 1000) +
                                                    " seconds: another copy of Velmora 2001 is saving into it. "
                                                    "Nothing was saved."));
  // An unavailable lock file means a folder that refuses writes: the writes themselves say so.
  ++holdDepth_;
  return UpdateHold(this, {});
}

void UserData::releaseHold() {
  if (--holdDepth_ == 0) updateLock_.release();
}

void UserData::keepAsItIs(std::string_view name) {
  if (const auto file = path(name); file && !keptAsItIs(name)) keptAsTheyAre_.push_back(*file);
}

void UserData::readAgain(std::string_view name) {
  if (const auto file = path(name)) std::erase(keptAsTheyAre_, *file);
}

bool UserData::keptAsItIs(std::string_view name) const {
  const auto file = path(name);
  return file && std::find(keptAsTheyAre_.begin(), keptAsTheyAre_.end(), *file) != keptAsTheyAre_.end();
}

bool UserData::exists(std::string_view name) const {
  const auto file = path(name);
  std::error_code error;
  return file && fs::exists(*file, error);
}

FileContents UserData::read(std::string_view name, std::uintmax_t maxBytes) const {
  const auto file = path(name);
  if (!file) return {ReadStatus::Unreadable, {}};
  return files_.read(*file, maxBytes);
}

FileOutcome UserData::refusal(std::string_view name) const {
  return FileOutcome::Failure(std::string(name) + " was not saved: the data folder " + folders_.data().string() +
                              " cannot be written.");
}

template <typename Write>
FileOutcome UserData::writeFile(std::string_view name, Write write) {
  const auto file = path(name);
  if (!file) return FileOutcome::Failure("Not a valid file name: " + std::string(name));
  if (!writable_) return refusal(name);
  if (keptAsItIs(name))
    return FileOutcome::Failure(std::string(name) + " was not saved: it could not be read, so it is left as it is.");
  const UpdateHold hold = holdForUpdate();
  if (!hold) return hold.outcome();
  if (auto made = files_.ensureFolder(file->parent_path()); !made) return made;
  return write(*file);
}

FileOutcome UserData::replace(std::string_view name, std::string_view contents) {
  return writeFile(name, [&](const fs::path& file) { return files_.replaceAtomically(file, contents); });
}

FileOutcome UserData::createExclusive(std::string_view name, std::string_view contents) {
  return writeFile(name, [&](const fs::path& file) { return files_.createExclusive(file, contents); });
}

FileOutcome UserData::appendLine(std::string_view name, std::string_view line) {
  return writeFile(name, [&](const fs::path& file) { return files_.appendLine(file, line); });
}

RemoveStatus UserData::remove(std::string_view name) {
  const auto file = path(name);
  if (!file) return RemoveStatus::Missing;
  if (!writable_ || keptAsItIs(name)) return exists(name) ? RemoveStatus::Failed : RemoveStatus::Missing;
  const UpdateHold hold = holdForUpdate();
  if (!hold) return RemoveStatus::Failed;
  return files_.remove(*file);
}

std::optional<fs::path> UserData::moveAside(std::string_view name) {
  const auto file = path(name);
  if (!file || !writable_) return std::nullopt;
  const UpdateHold hold = holdForUpdate();
  if (!hold) return std::nullopt;
  return files_.moveAside(*file);
}

}  // namespace velmora
