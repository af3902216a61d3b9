#pragma once
// Custom card sets: a picture the player puts in the data folder's "custom
// card sets" folder, holding the 52 faces in 5 columns and 12 rows (three rows
// per suit: hearts, diamonds, clubs, spades; ace to king as 5, 5 and 3).
// The picture's size tells the card size it is made for.
#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

class TMainGame;

inline constexpr int kCustomSetColumns = 5;
inline constexpr int kCustomSetRowsPerSuit = 3;
inline constexpr int kCustomSetRows = 4 * kCustomSetRowsPerSuit;

// The card size letter of a custom set picture of that size; none for any other size.
std::optional<char> CustomCardSetSize(int width, int height);

// The chosen custom set's file; none when no custom set is chosen or its
// name is not a plain file name.
std::optional<std::filesystem::path> ChosenCustomCardSet(TMainGame& game);

enum class CustomSetProblem { Missing, WrongSize };
std::string CustomCardSetMessage(CustomSetProblem problem, const std::filesystem::path& file);

// Gives the custom set up for the standard one, in the store and the
// preference file, so that the next start does not try it again.
void DropCustomCardSet(TMainGame& game, bool richColours);

}  // namespace velmora
