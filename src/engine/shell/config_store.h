#pragma once
// The configuration store: the running program's settings as fixed-width text
// items addressed by position (1 to 999) and width, both counted in characters
// (a player name of 30 characters fits its item of width 30 in any script).
// Nothing here reaches the disk; the preference file is a separate, explicit
// step.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/store_items.h"

namespace velmora {

class ConfigStore {
 public:
  ConfigStore() { reset({}); }

  // Blank buffers, the program folder at 501 and the preference file's
  // relative name at 1.
  void reset(std::string_view programFolder);

  // The item right-trimmed of blanks; empty for positions outside 1..999.
  std::string read(int position, int width) const;
  // Leading blanks removed, cut or padded to the width; positions outside
  // 1..999 are ignored.
  void write(int position, int width, std::string_view value);

  std::string read(StoreItem item) const { return read(item.position, item.width); }
  void write(StoreItem item, std::string_view value) { write(item.position, item.width, value); }
  // Zero-padded to the item's width ("0001", "-001").
  void writeNumber(StoreItem item, std::int64_t value);
  std::optional<std::int64_t> readNumber(StoreItem item) const;
  // "Y"/"N" switches.
  bool isOn(StoreItem item) const { return read(item) == "Y"; }
  void setSwitch(StoreItem item, bool on) { write(item, on ? "Y" : "N"); }

  void resetSessionCounters();

  // Typed views of the items the program reads most.
  int gameNumber() const;
  void setGameNumber(int number) { writeNumber(store::Game, number); }
  std::string gameName() const { return read(store::GameName); }
  std::string playerName() const { return read(store::UserDefault); }
  std::string dealNumber() const { return read(store::DealNumber); }
  std::string programFolder() const { return read(store::ProgramFolder); }
  // The preference file's name as the program spells it: program folder
  // followed by its relative name.
  std::string preferenceFileName() const { return programFolder() + read(store::PreferenceFile); }

 private:
  struct Slot {
    std::u32string* buffer;
    std::size_t offset;  // 1-based; 0 for the unused first position of a buffer
  };
  std::optional<Slot> locate(int position) const;

  // Buffers A (1-249), B (250-499) and C (500-999); C grows as items are
  // written past its end.
  mutable std::array<std::u32string, 3> buffers_;
};

}  // namespace velmora
