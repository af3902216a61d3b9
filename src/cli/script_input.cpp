#include <array>
#include <fstream>
#include <iostream>

#include "play_script.h"

namespace velmora::cli {
namespace {

constexpr std::size_t kReadBlockBytes = 64 * 1024;

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::string LineTooLong(std::size_t lineNumber) {
  return "line " + std::to_string(lineNumber) + " of the script is longer than " +
         std::to_string(kMaxScriptLineBytes) + " characters";
}

}  // namespace

std::optional<std::string> ReadScript(std::istream& in, std::string& text) {
  text.clear();
  std::size_t lineStart = 0, lineNumber = 1;
  std::array<char, kReadBlockBytes> block;
  while (in.read(block.data(), block.size()) || in.gcount() > 0) {
    const std::size_t scanFrom = text.size();
    if (scanFrom + static_cast<std::size_t>(in.gcount()) > kMaxScriptBytes)
      return "the script is longer than " + std::to_string(kMaxScriptBytes / (1024 * 1024)) + " MiB";
    text.append(block.data(), static_cast<std::size_t>(in.gcount()));
    for (std::size_t end = text.find('\n', scanFrom); end != std::string::npos; end = text.find('\n', lineStart)) {
      if (WithoutCarriageReturn(std::string_view(text).substr(lineStart, end - lineStart)).size() > kMaxScriptLineBytes)
        return LineTooLong(lineNumber);
      lineStart = end + 1;
      ++lineNumber;
    }
    // The line still open may yet end in a carriage return.
    if (text.size() - lineStart > kMaxScriptLineBytes + 1) return LineTooLong(lineNumber);
  }
  if (in.bad()) return "the script cannot be read";
  if (WithoutCarriageReturn(std::string_view(text).substr(lineStart)).size() > kMaxScriptLineBytes)
    return LineTooLong(lineNumber);
  return std::nullopt;
}

std::optional<std::string> LoadScript(const std::string& file, std::string& text) {
  if (file.empty()) return ReadScript(std::cin, text);
  std::error_code error;
  if (fs::is_directory(file, error)) return file + " is a folder, not a script";
  std::ifstream in(file, std::ios::binary);
  if (!in) return "cannot read " + file;
  return ReadScript(in, text);
}

bool RunScript(TMainGame& game, std::string_view script, std::ostream& err) {
  while (!script.empty()) {
    const auto end = script.find('\n');
    const std::string line(WithoutCarriageReturn(script.substr(0, end)));
    script = end == std::string_view::npos ? std::string_view() : script.substr(end + 1);
    if (const auto refusal = RunPlayLine(game, line)) {
      err << "refused " << Escaped(line) << ": " << Escaped(*refusal) << "\n";
      return false;
    }
  }
  return true;
}

}  // namespace velmora::cli
