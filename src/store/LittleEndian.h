#pragma once

#include <cstdint>
#include <cstring>

// Explicit little-endian access to the record images, independent of the
// host's byte order.
namespace LittleEndian {

inline std::int32_t readI32(const unsigned char* p)
{
    return static_cast<std::int32_t>(
        std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24);
}

inline void writeI32(unsigned char* p, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    p[0] = v & 0xFF;
    p[1] = (v >> 8) & 0xFF;
    p[2] = (v >> 16) & 0xFF;
    p[3] = (v >> 24) & 0xFF;
}

inline double readDouble(const unsigned char* p)
{
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = bits << 8 | p[i];
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void writeDouble(unsigned char* p, double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i, bits >>= 8)
        p[i] = bits & 0xFF;
}

} // namespace LittleEndian
