#pragma once
// The one file layer that every part of the program writes through: whole-file
// reads with a size limit, atomic replacement, exclusive creation, removal with
// a result, moving a damaged file aside and look-up without regard to letter
// case. Tests can make the n-th write, rename or removal fail, to prove that an
// interrupted update leaves the old file or the new one, never neither.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

namespace fs = std::filesystem;

// What a file operation did; `message` says why it failed, for the player.
struct FileOutcome {
  bool ok = true;
  std::string message;
  explicit operator bool() const { return ok; }
  static FileOutcome Failure(std::string why) { return {false, std::move(why)}; }
};

enum class ReadStatus { Ok, Missing, TooLarge, Unreadable };

struct FileContents {
  ReadStatus status = ReadStatus::Missing;
  std::string data;
  bool ok() const { return status == ReadStatus::Ok; }
};

enum class RemoveStatus { Removed, Missing, Failed };

// The operations a test can make fail.
enum class FileStep { Read, Write, Rename, Remove };

class FileSystem {
 public:
  FileContents read(const fs::path& file, std::uintmax_t maxBytes) const;

  // Writes `contents` to a temporary file beside `file`, flushes it to the disk
  // and renames it over `file`. On any failure `file` is untouched. When
  // `file` is a symbolic link, its target is replaced and the link stays; a
  // link whose target cannot be reached is refused.
  FileOutcome replaceAtomically(const fs::path& file, std::string_view contents);

  // Adds `line` at the end of `file` (created when missing) and flushes it.
  // When the file does not end with a line end (a crash cut an earlier append
  // short), one is written first, so a broken line never swallows this one.
  // An append that fails is cut back: the file keeps its old length.
  FileOutcome appendLine(const fs::path& file, std::string_view line);

  // Creates `file` with `contents` and the permission bits `mode`; fails when
  // it exists already.
  FileOutcome createExclusive(const fs::path& file, std::string_view contents, unsigned mode = 0644);

  RemoveStatus remove(const fs::path& file);

  // Renames a damaged file to "<name>.damaged" (or ".damaged2", ... when taken)
  // so that its contents are kept for the player while a fresh one replaces it.
  std::optional<fs::path> moveAside(const fs::path& file);

  FileOutcome ensureFolder(const fs::path& folder);

  // True when a file can be created in `folder` (it exists and is writable).
  bool canWriteIn(const fs::path& folder);

  // `relative` below `base`, each component matched to an existing entry
  // without regard to letter case; components that do not exist keep the
  // spelling given, so the result also names a file still to be created.
  static fs::path findIgnoringCase(const fs::path& base, const fs::path& relative);

  // Makes the n-th (1-based) future call of `step` fail as a crash or a full
  // disk would. One fault at a time; a new call replaces the old one.
  void injectFault(FileStep step, int nth);

 private:
  bool faultDue(FileStep step) const;
  FileOutcome writeWhole(int fd, std::string_view contents, const fs::path& shownName);

  // Reads are const: a read fault changes only the test's countdown.
  mutable std::optional<FileStep> faultStep_;
  mutable int faultCountdown_ = 0;
};

}  // namespace velmora
