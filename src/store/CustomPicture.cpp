#include "CustomPicture.h"

#include "BmpCodec.h"
#include "GifDecoder.h"
#include "JpegDecoder.h"
#include "PictureError.h"
#include "Rounding.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <cmath>
#include <cstdint>

namespace {

// The extension as the file name ends, from its last dot, in ASCII upper case.
QString upperExtension(const QString& fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    QString extension = dot < 0 ? QString() : name.mid(dot);
    for (QChar& c : extension)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return extension;
}

Picture decodeByExtension(const QString& fileName)
{
    const QString extension = upperExtension(fileName);
    Picture (*decoder)(QByteArrayView) = nullptr;
    if (extension == QLatin1String(".BMP"))
        decoder = decodeBmp;
    else if (extension == QLatin1String(".JPG"))
        decoder = decodeJpeg;
    else if (extension == QLatin1String(".GIF"))
        decoder = decodeGif;
    else
        throw PictureError(QStringLiteral("Cannot read the picture \"%1\": only .bmp, .jpg and .gif files can be read")
                               .arg(fileName)
                               .toStdString());
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(
            QStringLiteral("Cannot read the picture \"%1\": %2").arg(fileName, file.errorString()).toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PictureError(
            QStringLiteral("Cannot read the picture \"%1\": %2").arg(fileName, file.errorString()).toStdString());
    try {
        return decoder(bytes);
    } catch (const PictureError& e) {
        throw PictureError(QStringLiteral("Cannot read the picture \"%1\": %2")
                               .arg(fileName, QString::fromUtf8(e.what()))
                               .toStdString());
    }
}

} // namespace

Picture ReadCustomPicture(const QString& aFileName)
{
    const Picture source = decodeByExtension(aFileName);
    const double hr = source.height() / double(pictureListHeight);
    const double wr = source.width() / double(pictureListWidth);
    int width = pictureListWidth;
    int height = pictureListHeight;
    int x = 0;
    int y = 0;
    if (hr > wr) {
        width = roundHalfEven(source.width() / hr);
        x = roundHalfEven((pictureListWidth - width) / 2.0);
    } else {
        height = roundHalfEven(source.height() / wr);
        y = roundHalfEven((pictureListHeight - height) / 2.0);
    }
    const Picture scaled = Picture::stretched(source, width, height);
    // At most 130 x 80 pixels cannot use all 2^24 colours: never -1 here.
    const int transparent = Bitmap24UnusedIndex(scaled);

    Picture result(pictureListWidth, pictureListHeight, 24, static_cast<Colour>(transparent));
    result.drawAt(scaled, x, y);
    result.setPixel(0, pictureListHeight - 1, static_cast<Colour>(transparent));
    result.setTransparentColour(transparent);
    return result;
}

int Bitmap24UnusedIndex(const Picture& aBitmap)
{
    if (aBitmap.bitDepth() != 24)
        throw PictureError("Intented only for 24bit bitmaps");
    // The pixels grouped by blue value (a counting sort), so each blue value
    // looks only at its own pixels.
    const std::vector<Colour>& pixels = aBitmap.pixels();
    std::array<std::size_t, 257> start {};
    for (const Colour c : pixels)
        ++start[static_cast<std::size_t>(blueOf(c)) + 1];
    for (std::size_t b = 1; b < start.size(); ++b)
        start[b] += start[b - 1];
    std::vector<std::uint16_t> greenRed(pixels.size());
    std::array<std::size_t, 256> next {};
    std::copy_n(start.begin(), 256, next.begin());
    for (const Colour c : pixels)
        greenRed[next[static_cast<std::size_t>(blueOf(c))]++] = static_cast<std::uint16_t>(c & 0xFFFF);

    std::array<std::uint8_t, 8192> used;
    for (int b = 0; b < 256; ++b) {
        used.fill(0);
        for (std::size_t i = start[static_cast<std::size_t>(b)]; i < start[static_cast<std::size_t>(b) + 1]; ++i) {
            const int green = greenRed[i] >> 8;
            const int red = greenRed[i] & 0xFF;
            used[static_cast<std::size_t>(green * 32 + red / 8)] |= static_cast<std::uint8_t>(0x80 >> (red % 8));
        }
        for (std::size_t index = 0; index < used.size(); ++index) {
            if (used[index] == 0xFF)
                continue;
            int bit = 0;
            while (used[index] & (0x80 >> bit))
                ++bit;
            const int red = static_cast<int>(index % 32) * 8 + bit;
            const int green = static_cast<int>(index / 32);
            return red + 256 * green + 65536 * b;
        }
    }
    return -1;
}
