#include "Picture.h"

#include "PictureError.h"

#include <QString>

#include <algorithm>

Picture::Picture(int width, int height, int bitDepth, Colour fill)
    : _width(width)
    , _height(height)
    , _bitDepth(bitDepth)
{
    if (width < 0 || height < 0 || width > maxPictureSide || height > maxPictureSide ||
        std::int64_t(width) * height > maxPicturePixels)
        throw PictureError(
            QStringLiteral("A picture of %1 x %2 pixels is too large").arg(width).arg(height).toStdString());
    _pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

Colour Picture::pixel(int x, int y) const
{
    return contains(x, y) ? _pixels[indexOf(x, y)] : 0;
}

void Picture::setPixel(int x, int y, Colour colour)
{
    if (contains(x, y))
        _pixels[indexOf(x, y)] = colour;
}

void Picture::fill(Colour colour)
{
    std::fill(_pixels.begin(), _pixels.end(), colour);
}

void Picture::drawAt(const Picture& source, int x, int y)
{
    const int firstColumn = std::max(0, -x);
    const int lastColumn = std::min(source._width, _width - x); // exclusive
    const int firstRow = std::max(0, -y);
    const int lastRow = std::min(source._height, _height - y);
    for (int sy = firstRow; sy < lastRow; ++sy)
        for (int sx = firstColumn; sx < lastColumn; ++sx)
            if (!source.isSeeThrough(sx, sy))
                _pixels[indexOf(x + sx, y + sy)] = source._pixels[source.indexOf(sx, sy)];
}

bool Picture::isSeeThrough(int x, int y) const
{
    return hasMask() && contains(x, y) && _mask[indexOf(x, y)];
}

void Picture::setMaskFromColour(int colour)
{
    _transparentColour = colour;
    _mask.assign(_pixels.size(), false);
    if (colour < 0)
        return;
    for (std::size_t i = 0; i < _pixels.size(); ++i)
        _mask[i] = _pixels[i] == static_cast<Colour>(colour);
}

void Picture::setMask(std::vector<bool> mask)
{
    if (mask.size() != _pixels.size())
        throw PictureError("A mask must hold one entry per pixel");
    _mask = std::move(mask);
}
