#pragma once
// The building codes of foundations, tableau piles and reserves: how a card
// may be placed on a pile's top card (or start the empty pile).
#include "rules/rule_values.h"

namespace velmora {

namespace building_code {
inline constexpr int InSuit = 0;
inline constexpr int InColour = 1;
inline constexpr int AnySuit = 2;
inline constexpr int AlternateColours = 3;
inline constexpr int NoBuilding = 4;
}  // namespace building_code

inline constexpr ValueName kBuildingCodeNames[] = {
    {building_code::InSuit, "in_suit", "in suit"},
    {building_code::InColour, "in_colour", "in colour"},
    {building_code::AnySuit, "any_suit", "regardless of suit"},
    {building_code::AlternateColours, "alternate_colours", "in alternating colours"},
    {building_code::NoBuilding, "no_building", "nothing may be built"},
};

}  // namespace velmora
