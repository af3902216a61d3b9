#pragma once
// Playing on the table by keys. A focus stands on a pile and, in a fan, on
// one of its cards; the arrow keys move it from pile to pile by where the
// piles stand on the table, and along the face-up cards of a fan. Space or
// Return press on the focus as the mouse would there; while cards are
// carried they hang over the focused pile, and the next Space or Return
// lets them go over it. Every change goes through the mouse's own press and
// release, so the keys obey the same rules, sounds and messages.
#include <optional>

#include "piles/pile_names.h"
#include "play/table_rect.h"

namespace velmora {

class TMainGame;

enum class TableKey {
  Left,
  Right,
  Up,
  Down,
  Press,   // Space or Return: take up, let go, or press the stock
  Cancel,  // Escape: the carried cards go back home
  Stock,   // Home or End: press the stock wherever the focus is
};

// The focused pile and the place of the focused card in it (0 the bottom
// card; 0 on an empty pile too).
struct KeyFocus {
  PileRef pile{PileGroup::Stock, 0};
  int index = 0;
  friend bool operator==(const KeyFocus&, const KeyFocus&) = default;
};

class KeyboardPlay {
 public:
  // Acts on one key. The first arrow, Space or Return only shows the focus,
  // on the first pile of the table in reading order.
  void press(TMainGame& game, TableKey key);

  // Where the focus stands on the table as it is now: a pile that left the
  // table gives way to the first pile, a card that left its pile to the
  // pile's top card. None until the first key.
  std::optional<KeyFocus> focus(const TMainGame& game) const;

  // What the focus outlines, in window coordinates: the focused card or
  // the empty pile's place; while cards are carried, the pile's top card
  // with the carried cards over it.
  std::optional<TableRect> outline(const TMainGame& game) const;

 private:
  void move(TMainGame& game, KeyFocus& focus, TableKey key);
  void pressFocus(TMainGame& game, KeyFocus& focus);

  std::optional<KeyFocus> focus_;
};

}  // namespace velmora
