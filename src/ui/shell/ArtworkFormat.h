#pragma once

#include <cstddef>
#include <cstdint>

// The artwork is drawn as SVG (resources/artwork) and rendered once, at build
// time, into this raw form, so a start of the program draws no SVG:
//   8 bytes   "ZOLVOART"
//   4 bytes   width, little-endian
//   4 bytes   height, little-endian
//   4 bytes   1 when every pixel is opaque, else 0, little-endian
//   width x height pixels, rows top to bottom, each pixel a little-endian
//   32-bit premultiplied ARGB word (QImage::Format_ARGB32_Premultiplied).
// An opaque picture is shown as QImage::Format_RGB32, the same words, which
// Qt copies instead of blending.
namespace artworkformat {

inline constexpr char magic[8] = {'Z', 'O', 'L', 'V', 'O', 'A', 'R', 'T'};
inline constexpr std::size_t headerSize = 20;
// Larger than any picture of the program; a bound on what a reader allocates.
inline constexpr std::uint32_t maxSide = 4096;

} // namespace artworkformat
