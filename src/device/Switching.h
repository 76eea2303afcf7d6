#pragma once

#include <cstdint>

// The switch values of the Switch command for the two receiver models.
namespace SwitchValue {
inline std::uint8_t off(bool oudModel)
{
    return oudModel ? 0x00 : 0x01;
}
inline std::uint8_t on(bool oudModel)
{
    return oudModel ? 0x22 : 0x23;
}
// Dim level 1..16, the same for both models.
inline std::uint8_t dim(int level)
{
    return static_cast<std::uint8_t>(2 * level + 1);
}
// What a receiver is sent while it learns its code.
inline std::uint8_t learn(bool dimmer)
{
    return dimmer ? 0x11 : 0x23;
}
} // namespace SwitchValue

// Sends Switch for an appliance code (low 8 bits) when connected.
void SwitchAppliance(int code, std::uint8_t switchValue);
// Sends ExecuteScene when connected.
void ExecuteScene(int sceneIndex);
