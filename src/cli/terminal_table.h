#pragma once
// The table of the terminal game as text: a pure function of the game's
// state and the terminal's size, drawn by terminal_game.cpp and checked by
// tests without a terminal.
//
// The stock slots, the foundations and the reserves come first, each group
// from a new line, every pile as its name and its cards; the tableau follows
// in columns under the piles' names, or one pile a line when the columns do
// not fit across. A run of face-down cards shows as their number in
// brackets ("[6]"), an empty pile as "--"; of the piles above the tableau
// only the top cards show, after the number of the cards below them
// ("(+21)").
#include <optional>
#include <string>
#include <vector>

#include "cards/card.h"

namespace velmora {
class TMainGame;
}

namespace velmora::cli {

// How a run of text is drawn: cards in their suit's colour, face-down
// cards and pile names set apart.
enum class Ink { Plain, Red, Black, FaceDown, PileName };

// Suit symbols (♥♦♣♠) where the terminal shows them, letters (HDCS) where not.
enum class Symbols { Suits, Letters };

struct TextRun {
  std::string text;  // UTF-8
  Ink ink = Ink::Plain;
};
using TextLine = std::vector<TextRun>;

// The terminal cells a line takes: one a character.
int LineWidth(const TextLine& line);

// "A♥", "10♠", "KD"; "Jk" for a joker.
std::string CardText(CardId card, Symbols symbols);

// The card a player writes as the table shows it in letters ("10h", "KS",
// "jk"): the first deck's card, or nothing when the text names no card.
std::optional<CardId> CardNamed(std::string_view text);

// The table in at most `columns` x `rows` cells; nothing when it does not fit.
std::optional<std::vector<TextLine>> TableText(const TMainGame& game, int columns, int rows, Symbols symbols);

}  // namespace velmora::cli
