#include "PictureImage.h"

#include <vector>

QImage toQImage(const Picture& picture)
{
    QImage image(picture.width(), picture.height(), QImage::Format_ARGB32);
    // Every tile shows one at each page change: one pass, no per-pixel calls.
    const std::vector<bool>* mask = picture.hasMask() ? &picture.mask() : nullptr;
    std::size_t index = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const Colour* source = picture.row(y);
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width(); ++x, ++index) {
            const Colour c = source[x];
            target[x] = mask && (*mask)[index] ? qRgba(0, 0, 0, 0) : qRgb(redOf(c), greenOf(c), blueOf(c));
        }
    }
    return image;
}

Picture fromQImage(const QImage& image)
{
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    Picture picture(opaque.width(), opaque.height());
    for (int y = 0; y < opaque.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        Colour* target = picture.row(y);
        for (int x = 0; x < opaque.width(); ++x)
            target[x] = rgb(qRed(source[x]), qGreen(source[x]), qBlue(source[x]));
    }
    return picture;
}
