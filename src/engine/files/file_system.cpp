#include "files/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>
#include <vector>

#include "text/fixed_text.h"

namespace velmora {
namespace {

std::string Why(const fs::path& file, int error) {
  return file.string() + ": " + std::strerror(error);
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// Makes a rename durable: the folder entry itself must reach the disk.
void SyncFolder(const fs::path& folder) {
  Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

// The file a write must change: the final target of a link, so that a
// player's link to a file kept elsewhere stays a link.
FileOutcome ResolveLinks(const fs::path& file, fs::path& target) {
  std::error_code error;
  target = file;
  if (!fs::is_symlink(fs::symlink_status(file, error))) return {};
  target = fs::canonical(file, error);
  if (!error) return {};
  const fs::path link = fs::read_symlink(file, error);
  return FileOutcome::Failure(file.string() + " is a link to " + link.string() +
                              ", which cannot be reached; the link is left as it is.");
}

}  // namespace

FileContents FileSystem::read(const fs::path& file, std::uintmax_t maxBytes) const {
  std::error_code error;
  const auto status = fs::status(file, error);
  if (!fs::exists(status)) return {ReadStatus::Missing, {}};
  if (!fs::is_regular_file(status) || faultDue(FileStep::Read)) return {ReadStatus::Unreadable, {}};
  const auto size = fs::file_size(file, error);
  if (error) return {ReadStatus::Unreadable, {}};
  if (size > maxBytes) return {ReadStatus::TooLarge, {}};
  std::ifstream in(file, std::ios::binary);
  if (!in) return {ReadStatus::Unreadable, {}};
  // One block of the size found; a file that changed meanwhile is read again to its end.
  std::string data(static_cast<std::size_t>(size), '\0');
  in.read(data.data(), static_cast<std::streamsize>(data.size()));
  data.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return {ReadStatus::Unreadable, {}};
  if (in) data.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  // A file that grew between the size check and the read is still held to the limit.
  if (data.size() > maxBytes) return {ReadStatus::TooLarge, {}};
  return {ReadStatus::Ok, std::move(data)};
}

FileOutcome FileSystem::writeWhole(int fd, std::string_view contents, const fs::path& shownName) {
  if (faultDue(FileStep::Write)) {
    // Leave a half-written file behind, as a crash in the middle would.
    (void)!::write(fd, contents.data(), contents.size() / 2);
    return FileOutcome::Failure(Why(shownName, EIO));
  }
  while (!contents.empty()) {
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return FileOutcome::Failure(Why(shownName, errno));
    }
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
  if (::fsync(fd) != 0) return FileOutcome::Failure(Why(shownName, errno));
  return {};
}

FileOutcome FileSystem::replaceAtomically(const fs::path& shownFile, std::string_view contents) {
  fs::path file;
  if (FileOutcome resolved = ResolveLinks(shownFile, file); !resolved) return resolved;
  const fs::path folder = file.parent_path();
  std::string pattern = (folder / ("." + file.filename().string() + ".tmp-XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  Descriptor temp(::mkostemp(name.data(), O_CLOEXEC));
  if (temp.get() < 0) return FileOutcome::Failure(Why(file, errno));
  const fs::path tempPath(name.data());

  // Keep the permissions of the file being replaced.
  struct stat old {};
  ::fchmod(temp.get(), ::stat(file.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);

  FileOutcome outcome = writeWhole(temp.get(), contents, file);
  if (outcome && ::close(temp.release()) != 0) outcome = FileOutcome::Failure(Why(file, errno));
  if (outcome && faultDue(FileStep::Rename)) outcome = FileOutcome::Failure(Why(file, EIO));
  if (outcome && ::rename(tempPath.c_str(), file.c_str()) != 0) outcome = FileOutcome::Failure(Why(file, errno));
  if (!outcome) {
    ::unlink(tempPath.c_str());
    return outcome;
  }
  SyncFolder(folder);
  return {};
}

FileOutcome FileSystem::appendLine(const fs::path& shownFile, std::string_view line) {
  fs::path file;
  if (FileOutcome resolved = ResolveLinks(shownFile, file); !resolved) return resolved;
  Descriptor fd(::open(file.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
  if (fd.get() < 0) return FileOutcome::Failure(Why(file, errno));
  std::string text;
  struct stat info {};
  char last = '\n';
  if (::fstat(fd.get(), &info) != 0) return FileOutcome::Failure(Why(file, errno));
  if (info.st_size > 0 && ::pread(fd.get(), &last, 1, info.st_size - 1) != 1) return FileOutcome::Failure(Why(file, errno));
  if (last != '\n') text = "\r\n";
  text += line;
  FileOutcome outcome = writeWhole(fd.get(), text, file);
  if (!outcome) {
    // A full disk may have taken part of the line: the file gets its old end back.
    if (::ftruncate(fd.get(), info.st_size) == 0) ::fsync(fd.get());
    return outcome;
  }
  if (::close(fd.release()) != 0) outcome = FileOutcome::Failure(Why(file, errno));
  return outcome;
}

FileOutcome FileSystem::createExclusive(const fs::path& file, std::string_view contents, unsigned mode) {
  Descriptor fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
  if (fd.get() < 0) return FileOutcome::Failure(Why(file, errno));
  FileOutcome outcome = writeWhole(fd.get(), contents, file);
  if (outcome && ::close(fd.release()) != 0) outcome = FileOutcome::Failure(Why(file, errno));
  if (!outcome) ::unlink(file.c_str());
  return outcome;
}

RemoveStatus FileSystem::remove(const fs::path& file) {
  std::error_code error;
  if (!fs::exists(fs::symlink_status(file, error))) return RemoveStatus::Missing;
  if (faultDue(FileStep::Remove)) return RemoveStatus::Failed;
  if (::unlink(file.c_str()) != 0) return errno == ENOENT ? RemoveStatus::Missing : RemoveStatus::Failed;
  SyncFolder(file.parent_path());
  return RemoveStatus::Removed;
}

std::optional<fs::path> FileSystem::moveAside(const fs::path& file) {
  std::error_code error;
  for (int n = 1; n < 1000; ++n) {
    fs::path aside = file;
    aside += n == 1 ? ".damaged" : ".damaged" + std::to_string(n);
    if (fs::exists(fs::symlink_status(aside, error))) continue;
    if (faultDue(FileStep::Rename) || ::rename(file.c_str(), aside.c_str()) != 0) return std::nullopt;
    SyncFolder(file.parent_path());
    return aside;
  }
  return std::nullopt;
}

FileOutcome FileSystem::ensureFolder(const fs::path& folder) {
  std::error_code error;
  if (fs::is_directory(folder, error)) return {};
  fs::create_directories(folder, error);
  if (error) return FileOutcome::Failure(folder.string() + ": " + error.message());
  return {};
}

bool FileSystem::canWriteIn(const fs::path& folder) {
  std::error_code error;
  return fs::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

fs::path FileSystem::findIgnoringCase(const fs::path& base, const fs::path& relative) {
  fs::path result = base;
  bool searching = true;  // once a component is missing, nothing below it exists
  for (const auto& component : relative) {
    const std::string name = component.string();
    if (name.empty() || name == "/") continue;
    std::error_code error;
    if (searching && !fs::exists(result / component, error)) {
      searching = false;
      for (fs::directory_iterator it(result, error), end; !error && it != end; it.increment(error)) {
        if (EqualsIgnoringCase(it->path().filename().string(), name)) {
          result /= it->path().filename();
          searching = true;
          break;
        }
      }
      if (searching) continue;
    }
    result /= component;
  }
  return result;
}

void FileSystem::injectFault(FileStep step, int nth) {
  faultStep_ = step;
  faultCountdown_ = nth;
}

bool FileSystem::faultDue(FileStep step) const {
  if (faultStep_ != step) return false;
  if (--faultCountdown_ > 0) return false;
  faultStep_.reset();
  return true;
}

}  // namespace velmora
