#pragma once

#include <cstdint>
#include <vector>

// A colour value in the program's convention: red + 256 * green + 65536 * blue
// (0x00BBGGRR).
using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue)
{
    return Colour(red & 0xFF) | Colour(green & 0xFF) << 8 | Colour(blue & 0xFF) << 16;
}
constexpr int redOf(Colour c)
{
    return int(c & 0xFF);
}
constexpr int greenOf(Colour c)
{
    return int(c >> 8 & 0xFF);
}
constexpr int blueOf(Colour c)
{
    return int(c >> 16 & 0xFF);
}

// The largest picture a decoder builds; larger stated sizes are refused
// before anything is allocated.
inline constexpr int maxPictureSide = 32767;
inline constexpr std::int64_t maxPicturePixels = 50'000'000;

// A picture held as one colour value per pixel, row by row from the top.
// Whatever the source's format, the pixels are full 24-bit colours; bitDepth()
// only tells the format the picture came in (8 for a palette, 24, 32), which
// is what Bitmap24UnusedIndex checks.
//
// Transparency: transparentColour() is the colour recorded for the picture
// (-1 none). A mask, when present, marks each pixel as see-through (true) or
// not; it is made from a colour with setMaskFromColour and is what the
// picture lists store.
class Picture {
public:
    Picture() = default;
    // Throws PictureError for a negative size or one beyond the limits above.
    Picture(int width, int height, int bitDepth = 24, Colour fill = 0);

    int width() const { return _width; }
    int height() const { return _height; }
    bool isNull() const { return _width == 0 || _height == 0; }
    int bitDepth() const { return _bitDepth; }
    void setBitDepth(int bits) { _bitDepth = bits; }

    // Pixels outside the picture read as 0 and are not written.
    Colour pixel(int x, int y) const;
    void setPixel(int x, int y, Colour colour);
    const std::vector<Colour>& pixels() const { return _pixels; }
    Colour* row(int y) { return _pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(_width); }
    const Colour* row(int y) const
    {
        return _pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(_width);
    }

    void fill(Colour colour);
    // Copies `source` with its top-left corner at (x, y), clipped to this
    // picture; pixels that the source's mask marks see-through are skipped.
    void drawAt(const Picture& source, int x, int y);
    // `source` resampled to width x height by area averaging: every target
    // pixel is the mean of the source area it covers, partly covered source
    // pixels counting by the covered fraction. A 24-bit picture without mask.
    static Picture stretched(const Picture& source, int width, int height);

    int transparentColour() const { return _transparentColour; }
    void setTransparentColour(int colour) { _transparentColour = colour; }

    bool hasMask() const { return !_mask.empty(); }
    bool isSeeThrough(int x, int y) const;
    const std::vector<bool>& mask() const { return _mask; }
    // Records `colour` as the transparent colour and masks every pixel of
    // that colour; -1 records no colour and masks nothing.
    void setMaskFromColour(int colour);
    // Takes a mask of width * height entries; throws PictureError otherwise.
    void setMask(std::vector<bool> mask);
    void clearMask() { _mask.clear(); }

    bool operator==(const Picture&) const = default;

private:
    std::size_t indexOf(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(_width) + static_cast<std::size_t>(x);
    }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < _width && y < _height; }

    int _width = 0;
    int _height = 0;
    int _bitDepth = 24;
    std::vector<Colour> _pixels;
    int _transparentColour = -1;
    std::vector<bool> _mask;
};
