// mkgames: compiles the game definitions of a folder into the rule file, or
// writes a rule file back out as definitions.
//
//   mkgames compile GAMES_FOLDER GAMES.DAT
//   mkgames decompile GAMES.DAT FOLDER
//   mkgames names GAMES_FOLDER       (writes every rule value that has a name by its name)
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "files/file_system.h"
#include "rules/game_definition.h"

namespace {

namespace fs = std::filesystem;
using namespace velmora;

constexpr std::uintmax_t kMaxFileBytes = 64u << 20;
constexpr std::string_view kExtension = ".game";

std::vector<fs::path> DefinitionFiles(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file() && entry.path().extension() == kExtension) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

int Compile(const fs::path& folder, const fs::path& output) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    std::cerr << "mkgames: " << folder.string() << " is not a folder of game definitions\n";
    return 1;
  }
  FileSystem files;
  DefinitionErrors errors;
  std::vector<GameDefinition> definitions;
  for (const fs::path& file : DefinitionFiles(folder)) {
    const FileContents text = files.read(file, kMaxFileBytes);
    if (!text.ok()) {
      errors.messages.push_back(file.string() + ": cannot be read");
      continue;
    }
    definitions.push_back(ParseDefinition(text.data, file.string(), file.stem().string(), errors));
  }
  const RuleFileContents contents = CompileDefinitions(definitions, errors);
  for (const std::string& message : errors.messages) std::cerr << message << "\n";
  if (!errors.empty()) {
    std::cerr << "mkgames: " << errors.messages.size() << " fault(s); " << output.string() << " not written\n";
    return 1;
  }
  if (const FileOutcome written = files.replaceAtomically(output, WriteRuleFile(contents)); !written) {
    std::cerr << "mkgames: " << written.message << "\n";
    return 1;
  }
  return 0;
}

int Decompile(const fs::path& ruleFile, const fs::path& folder) {
  FileSystem files;
  const FileContents text = files.read(ruleFile, kMaxFileBytes);
  if (!text.ok()) {
    std::cerr << "mkgames: cannot read " << ruleFile.string() << "\n";
    return 1;
  }
  const RuleFileParse parse = ParseRuleFile(text.data);
  if (!parse.contents) {
    std::cerr << ruleFile.string() << ": " << parse.error << "\n";
    return 1;
  }
  if (const FileOutcome made = files.ensureFolder(folder); !made) {
    std::cerr << "mkgames: " << made.message << "\n";
    return 1;
  }
  for (const GameEntry& game : parse.contents->games) {
    const fs::path file = folder / DefinitionFileName(game);
    if (const FileOutcome written = files.replaceAtomically(file, FormatDefinition(game, *parse.contents)); !written) {
      std::cerr << "mkgames: " << written.message << "\n";
      return 1;
    }
  }
  return 0;
}

int NameValues(const fs::path& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    std::cerr << "mkgames: " << folder.string() << " is not a folder of game definitions\n";
    return 1;
  }
  FileSystem files;
  for (const fs::path& file : DefinitionFiles(folder)) {
    const FileContents text = files.read(file, kMaxFileBytes);
    if (!text.ok()) {
      std::cerr << "mkgames: " << file.string() << " cannot be read\n";
      return 1;
    }
    const std::string named = NameRuleValues(text.data);
    if (named == text.data) continue;
    if (const FileOutcome written = files.replaceAtomically(file, named); !written) {
      std::cerr << "mkgames: " << written.message << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == "compile") return Compile(args[1], args[2]);
  if (args.size() == 3 && args[0] == "decompile") return Decompile(args[1], args[2]);
  if (args.size() == 2 && args[0] == "names") return NameValues(args[1]);
  std::cerr << "usage: mkgames compile GAMES_FOLDER GAMES.DAT\n"
               "       mkgames decompile GAMES.DAT FOLDER\n"
               "       mkgames names GAMES_FOLDER\n";
  return 2;
}
