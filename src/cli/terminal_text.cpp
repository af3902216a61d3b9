#include <algorithm>
#include <ostream>

#include "cli.h"

namespace velmora::cli {

std::string ForTerminal(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '\r', '\n');
  return out;
}

std::string Escaped(std::string_view text) {
  constexpr char kHexDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (code < 0x20 || code >= 0x7f) {
      out += "\\x";
      out += kHexDigits[code >> 4];
      out += kHexDigits[code & 0xf];
    } else {
      out += c;
    }
  }
  return out;
}

void PrintFaults(std::string_view prefix, const std::vector<std::string>& faults, std::ostream& out) {
  constexpr std::size_t kShownFaults = 10;  // enough to mend the first; the rest are counted
  for (std::size_t i = 0; i < std::min(faults.size(), kShownFaults); ++i) out << prefix << Escaped(faults[i]) << "\n";
  if (faults.size() > kShownFaults) out << prefix << "(and " << faults.size() - kShownFaults << " more)\n";
}

}  // namespace velmora::cli
