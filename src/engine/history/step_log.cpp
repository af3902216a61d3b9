#include "history/step_log.h"

#include <algorithm>

#include "text/fixed_text.h"

namespace velmora {
namespace {

constexpr std::size_t kCodeWidth = 3;

// Where the last entry starts: after the second-to-last ",", or at 0.
std::size_t LastEntryStart(std::string_view text) {
  if (text.size() < 2) return 0;
  const std::size_t comma = text.rfind(',', text.size() - 2);
  return comma == std::string_view::npos ? 0 : comma + 1;
}

bool HasCode(std::string_view entry, int code) {
  for (std::size_t at = 0; at + kCodeWidth <= entry.size(); at += kCodeWidth)
    if (ParseInteger(entry.substr(at, kCodeWidth)) == code) return true;
  return false;
}

}  // namespace

void StepLog::append(std::string_view entry) {
  text_ += entry;
  text_ += ',';
}

void StepLog::dropLast() { text_.resize(LastEntryStart(text_)); }

std::string_view StepLog::lastEntry() const {
  if (text_.empty()) return {};
  const std::string_view text = text_;
  const std::size_t start = LastEntryStart(text);
  const std::size_t end = text.back() == ',' ? text.size() - 1 : text.size();
  return text.substr(start, end - start);
}

bool StepLog::lastHasCode(int code) const { return HasCode(lastEntry(), code); }

int StepLog::countCode(int code) const {
  int count = 0;
  std::string_view rest = text_;
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    const std::string_view entry = rest.substr(0, comma);
    for (std::size_t at = 0; at + kCodeWidth <= entry.size(); at += kCodeWidth)
      count += ParseInteger(entry.substr(at, kCodeWidth)) == code ? 1 : 0;
    rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
  }
  return count;
}

void StepLog::replaceLastByCode(int code) {
  dropLast();
  append(FormatNumber(code, kCodeWidth));
}

void StepLog::mergeLastTwo() {
  const std::string last(lastEntry());
  dropLast();
  dropLast();
  append(last);
}

int StepLog::entries() const { return static_cast<int>(std::count(text_.begin(), text_.end(), ',')); }

}  // namespace velmora
