#pragma once
// TMainGame: the one object that owns the program-wide state - the
// configuration store, the program switches, the user's data folder and
// preference file, the game catalogue, the rule record of the current game,
// the card table and the piles - from start-up to exit. Nothing else is global.
#include <random>

#include "cards/card_table.h"
#include "catalogue/catalogue.h"
#include "files/file_system.h"
#include "files/folders.h"
#include "files/instance_lock.h"
#include "files/user_data.h"
#include "game/new_game.h"
#include "hints/hint_memory.h"
#include "history/game_history.h"
#include "layout/card_place.h"
#include "layout/table_layout.h"
#include "piles/pile_store.h"
#include "play/carry.h"
#include "play/play_seams.h"
#include "records/record_seams.h"
#include "rules/rule_record.h"
#include "shell/config_store.h"
#include "shell/game_ui.h"
#include "shell/preference_file.h"
#include "shell/program_state.h"
#include "stock/stock_seams.h"
#include "table/card_size.h"

namespace velmora {

class GameFamily;

class TMainGame {
 public:
  TMainGame(Folders folders, GameUi& ui);
  TMainGame(const TMainGame&) = delete;
  TMainGame& operator=(const TMainGame&) = delete;

  ConfigStore& store() { return store_; }
  const ConfigStore& store() const { return store_; }
  ProgramState& state() { return state_; }
  const ProgramState& state() const { return state_; }
  FileSystem& files() { return files_; }
  const FileSystem& files() const { return files_; }
  UserData& data() { return data_; }
  const UserData& data() const { return data_; }
  PreferenceFile& preferences() { return preferences_; }
  GameUi& ui() { return ui_; }
  std::mt19937& random() { return random_; }
  InstanceLock& instanceLock() { return lock_; }
  // The built-in games of the rule file and the user's custom games.
  Catalogue& catalogue() { return catalogue_; }
  const Catalogue& catalogue() const { return catalogue_; }
  // The current game: its rules, its cards' faces and its piles.
  RuleRecord& rules() { return rules_; }
  const RuleRecord& rules() const { return rules_; }
  CardTable& cards() { return cards_; }
  const CardTable& cards() const { return cards_; }
  PileStore& piles() { return piles_; }
  const PileStore& piles() const { return piles_; }
  // The current game's family, looked up from its rule 51: the rules change
  // only when a game is loaded, so the family is chosen with them.
  const GameFamily& family() const;
  // Tests put a family of their own in the place of rule 51's; null gives it back.
  void useFamily(const GameFamily* family) { familyInUse_ = family; }
  // The moves the hint engine showed lately.
  HintMemory& hintMemory() { return hintMemory_; }
  const HintMemory& hintMemory() const { return hintMemory_; }
  // The undo and redo history of the current game.
  GameHistory& history() { return history_; }
  const GameHistory& history() const { return history_; }
  // Where the piles stand on the table, and the hand-laid look of tableau fans.
  TableLayout& layout() { return layout_; }
  const TableLayout& layout() const { return layout_; }
  IrregularPiles& irregularPiles() { return irregularPiles_; }
  const IrregularPiles& irregularPiles() const { return irregularPiles_; }
  // The cards the player carries with the mouse.
  Carry& carry() { return carry_; }
  const Carry& carry() const { return carry_; }
  // What starting a game asks of the parts of the program built around it.
  NewGameSeams& seams() { return seams_; }
  // What moves on the table ask of the end of game and autoplay.
  PlaySeams& playSeams() { return playSeams_; }
  // What a press on the stock asks of the special families and the hints.
  StockSeams& stockSeams() { return stockSeams_; }
  // What recording a finished game asks of the series.
  RecordSeams& recordSeams() { return recordSeams_; }

  // The card size notices already given in this run.
  CardSizeNoticesShown& cardSizeNotices() { return cardSizeNotices_; }

  // The "Autoplay" switch of the menu.
  bool autoplay() const { return autoplay_; }
  void setAutoplay(bool on) { autoplay_ = on; }

 private:
  GameUi& ui_;
  FileSystem files_;
  UserData data_;
  PreferenceFile preferences_;
  ConfigStore store_;
  ProgramState state_;
  std::mt19937 random_;
  InstanceLock lock_;
  Catalogue catalogue_;
  RuleRecord rules_;
  CardTable cards_;
  PileStore piles_;
  GameHistory history_;
  HintMemory hintMemory_;
  TableLayout layout_;
  IrregularPiles irregularPiles_;
  Carry carry_;
  NewGameSeams seams_;
  PlaySeams playSeams_;
  StockSeams stockSeams_;
  RecordSeams recordSeams_;
  CardSizeNoticesShown cardSizeNotices_;
  bool autoplay_ = false;
  const GameFamily* familyInUse_ = nullptr;
};

}  // namespace velmora
