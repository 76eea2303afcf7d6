#pragma once

#include "HidTransport.h"

#include <array>
#include <cstdint>
#include <initializer_list>

using Report = std::array<std::uint8_t, reportSize>;

// A request: the command code in byte 1, `parameters` from byte 2 on, every
// other byte 0 so that traffic is deterministic.
Report makeCommand(std::uint8_t code, std::initializer_list<std::uint8_t> parameters = {});

// The command codes the Zolvo knows.
namespace Cmd {
inline constexpr std::uint8_t Switch = 'Z';
inline constexpr std::uint8_t ExecuteScene = 'S';
inline constexpr std::uint8_t SetClock = 'T';
inline constexpr std::uint8_t ReadDstRules = 'w';
inline constexpr std::uint8_t WriteDstRules = 'W';
inline constexpr std::uint8_t ReadDeviceCode = 'd';
inline constexpr std::uint8_t WriteDeviceCode = 'D';
inline constexpr std::uint8_t WriteProgTable = 'P';
inline constexpr std::uint8_t ReadProgTable = 'p';
inline constexpr std::uint8_t WriteSceneTable = 'C';
inline constexpr std::uint8_t ReadSceneTable = 'c';
inline constexpr std::uint8_t WriteSunTable = 'E';
inline constexpr std::uint8_t ReadSunTable = 'e';
// Only in update mode; 'E' and 'S' mean something else there.
inline constexpr std::uint8_t EnterUpdateMode = 'B';
inline constexpr std::uint8_t EraseFlash = 'E';
inline constexpr std::uint8_t FlashChecksum = 'S';
inline constexpr std::uint8_t ProgramPage = 'F';
inline constexpr std::uint8_t SetReadAddress = 'f';
inline constexpr std::uint8_t ReadFlashBlock = 'r';
inline constexpr std::uint8_t LeaveUpdateMode = 'X';
} // namespace Cmd

// Sizes of the tables the device keeps.
inline constexpr std::size_t progTableSize = 1501;
inline constexpr std::size_t sceneTableSize = 512;
inline constexpr std::size_t sunTableSize = 144;
// The application flash of the device.
inline constexpr std::size_t flashSize = 0x7000;
inline constexpr std::size_t flashPageSize = 0x80;
