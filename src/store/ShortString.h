#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// A length-prefixed string of at most N 8-bit characters, stored as N + 1
// bytes exactly as it appears in the data files. The characters are
// Windows-1252; conversion to and from Unicode lives in Cp1252.h.
template <std::size_t N> struct ShortString {
    static_assert(N < 256, "the length must fit in one byte");
    static constexpr std::size_t capacity = N;

    std::uint8_t length = 0;
    char chars[N] = {};

    constexpr ShortString() = default;
    // Cuts the text to the capacity, as storing into a short string does.
    constexpr ShortString(const char* text) // NOLINT: implicit, for table literals
    {
        assign(text ? std::string_view(text) : std::string_view());
    }

    constexpr void assign(std::string_view bytes)
    {
        const std::size_t n = bytes.size() < N ? bytes.size() : N;
        for (std::size_t i = 0; i < n; ++i)
            chars[i] = bytes[i];
        length = static_cast<std::uint8_t>(n);
    }

    // Only the first `length` bytes count; a damaged length is clamped.
    constexpr std::string_view view() const { return std::string_view(chars, length < N ? length : N); }

    constexpr bool empty() const { return view().empty(); }
};

static_assert(sizeof(ShortString<30>) == 31);
static_assert(sizeof(ShortString<20>) == 21);
