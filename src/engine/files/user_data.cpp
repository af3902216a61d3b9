#include "files/user_data.h"

namespace velmora {

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
  }
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
  if (!writable_) return exists(name) ? RemoveStatus::Failed : RemoveStatus::Missing;
  return files_.remove(*file);
}

std::optional<fs::path> UserData::moveAside(std::string_view name) {
  const auto file = path(name);
  if (!file || !writable_) return std::nullopt;
  return files_.moveAside(*file);
}

}  // namespace velmora
