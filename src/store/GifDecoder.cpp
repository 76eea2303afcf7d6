#include "GifDecoder.h"

#include "PictureError.h"

#include <QString>

#include <algorithm>
#include <memory>

#include <gif_lib.h>

// giflib's DGifSlurp allocates every frame at its stated size before reading
// a byte of it, so a few bytes could ask for gigabytes; the record-by-record
// reader below checks the sizes first and reads only the first picture.

namespace {

constexpr Colour white = 0xFFFFFF;

[[noreturn]] void fail(const QString& why)
{
    throw PictureError(QStringLiteral("Not a readable GIF file: %1").arg(why).toStdString());
}

[[noreturn]] void failGiflib(int error)
{
    const char* text = GifErrorString(error);
    fail(text ? QString::fromLatin1(text) : QStringLiteral("error %1").arg(error));
}

struct MemoryReader {
    QByteArrayView data;
    qsizetype position = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* buffer, int length)
{
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    const qsizetype count = std::clamp<qsizetype>(reader->data.size() - reader->position, 0, std::max(length, 0));
    std::copy_n(reader->data.data() + reader->position, count, reinterpret_cast<char*>(buffer));
    reader->position += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

bool sizeAllowed(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= maxPictureSide && height <= maxPictureSide &&
        width * height <= maxPicturePixels;
}

// Skips an extension, keeping the transparent index of a graphics control block.
void readExtension(GifFileType* gif, int& transparentIndex)
{
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
        failGiflib(gif->Error);
    if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] == 4) {
        GraphicsControlBlock control;
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
            transparentIndex = control.TransparentColor;
    }
    while (block) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
            failGiflib(gif->Error);
    }
}

Picture readImage(GifFileType* gif, int transparentIndex)
{
    if (DGifGetImageDesc(gif) == GIF_ERROR)
        failGiflib(gif->Error);
    const GifImageDesc& image = gif->Image;
    if (!sizeAllowed(image.Width, image.Height) || image.Left < 0 || image.Top < 0)
        fail(QStringLiteral("its picture of %1 x %2 is empty or too large").arg(image.Width).arg(image.Height));
    const ColorMapObject* colours = image.ColorMap ? image.ColorMap : gif->SColorMap;
    if (!colours || !colours->Colors || colours->ColorCount <= 0 || colours->ColorCount > 256)
        fail(QStringLiteral("it has no usable colour map"));

    std::int64_t canvasWidth = gif->SWidth;
    std::int64_t canvasHeight = gif->SHeight;
    if (canvasWidth <= 0 || canvasHeight <= 0) {
        canvasWidth = std::int64_t(image.Left) + image.Width;
        canvasHeight = std::int64_t(image.Top) + image.Height;
    }
    if (!sizeAllowed(canvasWidth, canvasHeight))
        fail(QStringLiteral("its screen of %1 x %2 is too large").arg(canvasWidth).arg(canvasHeight));
    Picture picture(static_cast<int>(canvasWidth), static_cast<int>(canvasHeight), 8, white);

    // Interlaced pictures arrive in four passes over the rows.
    static constexpr int passStart[] = {0, 4, 2, 1};
    static constexpr int passStep[] = {8, 8, 4, 2};
    const int passes = image.Interlace ? 4 : 1;
    std::vector<GifPixelType> line(static_cast<std::size_t>(image.Width));
    for (int pass = 0; pass < passes; ++pass) {
        const int start = image.Interlace ? passStart[pass] : 0;
        const int step = image.Interlace ? passStep[pass] : 1;
        for (int row = start; row < image.Height; row += step) {
            if (DGifGetLine(gif, line.data(), image.Width) == GIF_ERROR)
                failGiflib(gif->Error);
            for (int x = 0; x < image.Width; ++x) {
                const int index = line[static_cast<std::size_t>(x)];
                if (index == transparentIndex)
                    continue;
                if (index >= colours->ColorCount)
                    fail(QStringLiteral("a pixel names colour %1 of a map of %2").arg(index).arg(colours->ColorCount));
                const GifColorType& c = colours->Colors[index];
                picture.setPixel(image.Left + x, image.Top + row, rgb(c.Red, c.Green, c.Blue));
            }
        }
    }
    return picture;
}

} // namespace

Picture decodeGif(QByteArrayView file)
{
    MemoryReader reader {file};
    int error = 0;
    GifHandle gif(DGifOpen(&reader, readFromMemory, &error));
    if (!gif)
        failGiflib(error);
    int transparentIndex = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR)
            failGiflib(gif->Error);
        switch (type) {
        case EXTENSION_RECORD_TYPE: readExtension(gif.get(), transparentIndex); break;
        case IMAGE_DESC_RECORD_TYPE: return readImage(gif.get(), transparentIndex);
        case TERMINATE_RECORD_TYPE: fail(QStringLiteral("it holds no picture"));
        default: fail(QStringLiteral("it holds an unknown record"));
        }
    }
}
