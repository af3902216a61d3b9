#include "files/folders.h"

#include <cstdlib>

#include "text/fixed_text.h"

namespace velmora {

fs::path DefaultDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') return fs::path(xdg) / "velmora";
  if (const char* home = std::getenv("HOME"); home && *home == '/')
    return fs::path(home) / ".local" / "share" / "velmora";
  return fs::current_path() / "velmora-data";
}

fs::path ExecutableFolder() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path() : self.parent_path();
}

fs::path InstalledProgramFolder(const fs::path& executableFolder) {
  return (executableFolder / VELMORA_INSTALLED_PROGRAM_FOLDER).lexically_normal();
}

namespace {

bool HoldsRuleFile(const fs::path& folder) {
  std::error_code error;
  return fs::is_regular_file(FileSystem::findIgnoringCase(folder, kRuleFileName), error);
}

}  // namespace

fs::path ProgramFolderFor(const fs::path& executableFolder) {
  if (HoldsRuleFile(executableFolder)) return executableFolder;
  const fs::path installed = InstalledProgramFolder(executableFolder);
  return HoldsRuleFile(installed) ? installed : executableFolder;
}

fs::path DefaultProgramFolder() { return ProgramFolderFor(ExecutableFolder()); }

Folders::Folders(fs::path programFolder, fs::path dataFolder)
    : program_(std::move(programFolder)), data_(std::move(dataFolder)) {}

std::optional<fs::path> SafeRelativeName(std::string_view name) {
  if (name.empty() || name.front() == '/' || name.front() == '\\') return std::nullopt;
  fs::path out;
  while (true) {
    const auto cut = name.find_first_of("\\/");
    const std::string_view part = name.substr(0, cut);
    if (part.empty() || part == "." || part == ".." || part.find('\0') != std::string_view::npos) return std::nullopt;
    out /= std::string(part);
    if (cut == std::string_view::npos) break;
    name.remove_prefix(cut + 1);
  }
  return out;
}

fs::path Folders::programFile(std::string_view name) const {
  const auto relative = SafeRelativeName(name);
  return relative ? FileSystem::findIgnoringCase(program_, *relative) : program_ / "(invalid name)";
}

std::optional<fs::path> Folders::userFile(std::string_view name) const {
  auto relative = SafeRelativeName(name);
  if (!relative) return std::nullopt;
  if (EqualsIgnoringCase(relative->begin()->string(), "data")) {
    fs::path rest = relative->lexically_relative(*relative->begin());
    if (rest.empty() || rest == ".") return std::nullopt;
    relative = rest;
  }
  return FileSystem::findIgnoringCase(data_, *relative);
}

}  // namespace velmora
