#pragma once
// How a game is described in the game selection: how long it takes, how hard
// it is, how much it asks of skill, and how often it is won.
#include "rules/rule_values.h"

namespace velmora {

inline constexpr ValueName kGameTimeNames[] = {
    {0, "long", "a long game"},
    {1, "medium", "a game of medium length"},
    {2, "quick", "a quick game"},
};

inline constexpr ValueName kDifficultyNames[] = {
    {0, "easy", "easy"},
    {1, "medium", "of medium difficulty"},
    {2, "hard", "hard"},
};

inline constexpr ValueName kSkillNames[] = {
    {0, "difficult", "asks much skill"},
    {1, "mostly_skill", "mostly skill"},
    {2, "moderate", "skill and chance alike"},
    {3, "mostly_chance", "mostly chance"},
    {4, "chance_only", "chance only"},
};

inline constexpr ValueName kChanceOfWinningNames[] = {
    {0, "very_high", "won very often"},
    {1, "high", "won often"},
    {2, "medium", "won now and then"},
    {3, "low", "seldom won"},
    {4, "very_low", "very seldom won"},
};

}  // namespace velmora
