#include "shell/config_store.h"

#include "text/fixed_text.h"
#include "text/utf8.h"

namespace velmora {
namespace {
constexpr std::size_t kBufferLength = 250;
constexpr int kLastPosition = 999;
}  // namespace

void ConfigStore::reset(std::string_view programFolder) {
  for (auto& buffer : buffers_) buffer.assign(kBufferLength, U' ');
  write(store::ProgramFolder, programFolder);
  write(store::PreferenceFile, "DATA\\Cfg.dat");
}

std::optional<ConfigStore::Slot> ConfigStore::locate(int position) const {
  if (position < 1 || position > kLastPosition) return std::nullopt;
  const int first = position < 250 ? 0 : position < 500 ? 250 : 500;
  return Slot{&buffers_[static_cast<std::size_t>(first / 250)], static_cast<std::size_t>(position - first)};
}

std::string ConfigStore::read(int position, int width) const {
  const auto slot = locate(position);
  if (!slot || slot->offset == 0 || width <= 0) return {};
  const std::u32string& buffer = *slot->buffer;
  if (slot->offset > buffer.size()) return {};
  const auto item = std::u32string_view(buffer).substr(slot->offset - 1, static_cast<std::size_t>(width));
  return std::string(TrimRight(EncodeCharacters(item)));
}

void ConfigStore::write(int position, int width, std::string_view value) {
  const auto slot = locate(position);
  if (!slot || slot->offset == 0 || width <= 0) return;
  std::u32string& buffer = *slot->buffer;
  const std::size_t begin = slot->offset - 1;
  const std::size_t length = static_cast<std::size_t>(width);
  // An item past the end of a buffer lands at its own offset: the gap is blank.
  if (buffer.size() < begin + length) buffer.resize(begin + length, U' ');
  buffer.replace(begin, length, DecodeCharacters(PadOrCutCharacters(TrimLeft(value), length)));
}

void ConfigStore::writeNumber(StoreItem item, std::int64_t value) { write(item, FormatNumber(value, item.width)); }

std::optional<std::int64_t> ConfigStore::readNumber(StoreItem item) const { return ParseInteger(read(item)); }

void ConfigStore::resetSessionCounters() {
  write(store::SessionWon, "0000");
  write(store::SessionLost, "0000");
}

int ConfigStore::gameNumber() const { return static_cast<int>(readNumber(store::Game).value_or(-1)); }

}  // namespace velmora
