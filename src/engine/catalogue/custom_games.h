#pragma once
// The custom games file DATA\GAM_CUST.DAT: a header line "[R-0301]", then one
// record of 30 lines per custom game - the number (8000 to 9999), the name in
// 50 characters and the built-in base game in 4 digits; the override of the
// base game's rules; 28 reserved empty lines.
//
// A damaged file keeps its sound records usable and is reported once; while
// it is damaged no custom game is created or deleted, so nothing is ever
// written over it.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/user_data.h"
#include "shell/autoplay_switch.h"  // kFirstCustomGame

namespace velmora {

struct CustomGameRecord {
  int number = 0;
  std::string name;  // right-trimmed
  int base = -1;
  std::string override;
};

inline constexpr int kLastCustomGame = 9999;

// Why a name cannot be a custom game's name (3 to 50 characters, no path
// separators, no characters file systems refuse, no control characters).
std::optional<std::string> CustomNameProblem(std::string_view name);

struct CustomGamesParse {
  std::vector<CustomGameRecord> records;  // the sound ones, in file order
  std::vector<std::string> damage;        // "line 31: ...", one per fault
};

// `isBuiltIn` answers whether a base game number is a catalogued built-in game.
CustomGamesParse ParseCustomGames(std::string_view text, const std::function<bool(int)>& isBuiltIn);
std::string WriteCustomGames(const std::vector<CustomGameRecord>& records);

class CustomGames {
 public:
  static constexpr std::string_view kFileName = "DATA\\GAM_CUST.DAT";
  static constexpr std::uintmax_t kMaxFileBytes = 8u << 20;  // far above 2000 records

  // Reads the file again. A damage not reported before is told to the player
  // once through the data folder's warnings.
  void load(UserData& data, const std::function<bool(int)>& isBuiltIn);

  // Reads the file again and answers why it may not be changed now: the
  // damage message, which then counts as told.
  std::optional<std::string> refuseChange(UserData& data, const std::function<bool(int)>& isBuiltIn);

  bool fileExists() const { return exists_; }
  bool damaged() const { return !damage_.empty(); }
  const std::vector<std::string>& damage() const { return damage_; }  // "line 31: ...", one per fault
  const std::vector<CustomGameRecord>& records() const { return records_; }
  const CustomGameRecord* find(int number) const;
  const CustomGameRecord* findByName(std::string_view name) const;  // letter case ignored

  // The lowest number from 8000 that no record uses; none when all are used.
  std::optional<int> nextNumber() const;

  // Adds a record and rewrites the file atomically. The refusal says why for
  // the player: a damaged file, no free number, a bad name, a failed write.
  struct Added {
    std::optional<int> number;
    std::string refusal;
  };
  Added append(UserData& data, const std::function<bool(int)>& isBuiltIn, std::string_view name, int base,
               std::string_view override);

  // The message of a damaged file, for the player.
  std::string damageMessage() const;

 private:
  void read(UserData& data, const std::function<bool(int)>& isBuiltIn);

  bool exists_ = false;
  std::vector<CustomGameRecord> records_;
  std::vector<std::string> damage_;
  std::vector<std::string> reported_;
};

}  // namespace velmora
