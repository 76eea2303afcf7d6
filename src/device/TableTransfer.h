#pragma once

#include <cstddef>
#include <cstdint>

// How the device's tables travel: uploads in reports of up to 60 data bytes
// (bytes 2..3 the offset, low byte first, byte 4 the count, the data from
// byte 5), block reads of 64 bytes per answer.
inline constexpr std::size_t tableChunkSize = 60;
inline constexpr std::size_t tableBlockSize = 64;

// Uploads `size` bytes: reports at offsets 0, 60, ... below `size`.
void uploadTable(std::uint8_t code, const std::uint8_t* table, std::size_t size);
// Reads `size` bytes: requests at offsets 0, 64, ...; a block whose answer
// does not come keeps its earlier bytes.
void readTable(std::uint8_t code, std::uint8_t* table, std::size_t size);
