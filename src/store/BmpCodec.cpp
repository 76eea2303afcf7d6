#include "BmpCodec.h"

#include "DataFile.h"
#include "PictureError.h"

#include <QString>

#include <bit>
#include <cstdint>

namespace {

constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t biRgb = 0;
constexpr std::uint32_t biBitfields = 3;

[[noreturn]] void fail(const QString& why)
{
    throw PictureError(QStringLiteral("Not a readable bitmap: %1").arg(why).toStdString());
}

class Bytes {
public:
    explicit Bytes(QByteArrayView data)
        : _data(data)
    {
    }
    std::uint64_t size() const { return static_cast<std::uint64_t>(_data.size()); }
    std::uint8_t u8(std::uint64_t at) const { return static_cast<std::uint8_t>(_data[static_cast<qsizetype>(at)]); }
    std::uint16_t u16(std::uint64_t at) const { return std::uint16_t(u8(at) | u8(at + 1) << 8); }
    std::uint32_t u32(std::uint64_t at) const { return std::uint32_t(u16(at)) | std::uint32_t(u16(at + 2)) << 16; }
    std::int32_t i32(std::uint64_t at) const { return static_cast<std::int32_t>(u32(at)); }

private:
    QByteArrayView _data;
};

// One colour channel of a BI_BITFIELDS pixel, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t maximum = 0;

    explicit Channel(std::uint32_t m)
        : mask(m)
    {
        if (m == 0)
            return;
        shift = std::countr_zero(m);
        maximum = m >> shift;
        if ((maximum & (maximum + 1)) != 0)
            fail(QStringLiteral("its colour masks are not contiguous"));
    }
    int value(std::uint32_t pixel) const
    {
        return maximum == 0 ? 0 : static_cast<int>(std::uint64_t((pixel & mask) >> shift) * 255u / maximum);
    }
};

struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    int bits = 0;
    std::uint32_t pixelOffset = 0;
    std::uint64_t stride = 0;
};

Layout readLayout(const Bytes& file)
{
    if (file.size() < fileHeaderSize + 4)
        fail(QStringLiteral("the file is too short for its headers"));
    if (file.u8(0) != 'B' || file.u8(1) != 'M')
        fail(QStringLiteral("the file does not start with \"BM\""));
    Layout layout;
    layout.pixelOffset = file.u32(10);
    const std::uint32_t infoSize = file.u32(14);
    if (infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124)
        fail(QStringLiteral("its info header of %1 bytes is not supported").arg(infoSize));
    if (file.size() < fileHeaderSize + infoSize)
        fail(QStringLiteral("the file ends inside its info header"));
    layout.width = file.i32(18);
    layout.height = file.i32(22);
    layout.topDown = layout.height < 0;
    if (layout.topDown)
        layout.height = -layout.height;
    if (layout.width <= 0 || layout.height <= 0 || layout.width > maxPictureSide || layout.height > maxPictureSide ||
        layout.width * layout.height > maxPicturePixels)
        fail(QStringLiteral("its size %1 x %2 is empty or too large").arg(file.i32(18)).arg(file.i32(22)));
    if (file.u16(26) != 1)
        fail(QStringLiteral("it states %1 colour planes").arg(file.u16(26)));
    layout.bits = file.u16(28);
    if (layout.bits != 1 && layout.bits != 4 && layout.bits != 8 && layout.bits != 16 && layout.bits != 24 &&
        layout.bits != 32)
        fail(QStringLiteral("%1 bits per pixel are not supported").arg(layout.bits));
    layout.stride = (static_cast<std::uint64_t>(layout.width) * static_cast<std::uint64_t>(layout.bits) + 31) / 32 * 4;
    if (layout.pixelOffset < fileHeaderSize + infoSize || layout.pixelOffset > file.size() ||
        layout.stride * static_cast<std::uint64_t>(layout.height) > file.size() - layout.pixelOffset)
        fail(QStringLiteral("its pixel data lies outside the file"));
    return layout;
}

std::vector<Colour> readPalette(const Bytes& file, const Layout& layout, std::uint32_t infoSize)
{
    const std::uint32_t capacity = 1u << layout.bits;
    std::uint32_t count = file.u32(46);
    if (count == 0)
        count = capacity;
    if (count > capacity)
        fail(QStringLiteral("its palette of %1 colours is larger than %2 bits allow").arg(count).arg(layout.bits));
    const std::uint64_t start = fileHeaderSize + infoSize;
    if (start + std::uint64_t(count) * 4 > layout.pixelOffset)
        fail(QStringLiteral("its palette runs into the pixel data"));
    std::vector<Colour> palette(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t at = start + std::uint64_t(i) * 4;
        palette[i] = rgb(file.u8(at + 2), file.u8(at + 1), file.u8(at));
    }
    return palette;
}

void readIndexed(const Bytes& file, const Layout& layout, const std::vector<Colour>& palette, Picture& picture)
{
    const int perByte = 8 / layout.bits;
    const unsigned valueMask = (1u << layout.bits) - 1;
    for (std::int64_t y = 0; y < layout.height; ++y) {
        const std::uint64_t rowStart = layout.pixelOffset + static_cast<std::uint64_t>(y) * layout.stride;
        Colour* out = picture.row(static_cast<int>(layout.topDown ? y : layout.height - 1 - y));
        for (std::int64_t x = 0; x < layout.width; ++x) {
            const std::uint8_t byte = file.u8(rowStart + static_cast<std::uint64_t>(x / perByte));
            const int shift = 8 - layout.bits * (1 + static_cast<int>(x % perByte));
            const unsigned index = (byte >> shift) & valueMask;
            if (index >= palette.size())
                fail(QStringLiteral("a pixel names colour %1 of a palette of %2").arg(index).arg(palette.size()));
            out[x] = palette[index];
        }
    }
}

void readDirect(const Bytes& file, const Layout& layout, const Channel (&channels)[3], Picture& picture)
{
    const int bytesPerPixel = layout.bits / 8;
    for (std::int64_t y = 0; y < layout.height; ++y) {
        const std::uint64_t rowStart = layout.pixelOffset + static_cast<std::uint64_t>(y) * layout.stride;
        Colour* out = picture.row(static_cast<int>(layout.topDown ? y : layout.height - 1 - y));
        for (std::int64_t x = 0; x < layout.width; ++x) {
            const std::uint64_t at = rowStart + static_cast<std::uint64_t>(x * bytesPerPixel);
            if (layout.bits == 24) {
                out[x] = rgb(file.u8(at + 2), file.u8(at + 1), file.u8(at));
                continue;
            }
            const std::uint32_t value = layout.bits == 16 ? file.u16(at) : file.u32(at);
            out[x] = rgb(channels[0].value(value), channels[1].value(value), channels[2].value(value));
        }
    }
}

} // namespace

Picture decodeBmp(QByteArrayView data)
{
    const Bytes file(data);
    const Layout layout = readLayout(file);
    const std::uint32_t infoSize = file.u32(14);
    const std::uint32_t compression = file.u32(30);
    Picture picture(static_cast<int>(layout.width), static_cast<int>(layout.height), layout.bits);

    if (layout.bits <= 8) {
        if (compression != biRgb)
            fail(QStringLiteral("compression %1 is not supported").arg(compression));
        readIndexed(file, layout, readPalette(file, layout, infoSize), picture);
        return picture;
    }
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F}; // the 5-5-5 layout of plain 16-bit files
    if (layout.bits == 32) {
        masks[0] = 0x00FF0000;
        masks[1] = 0x0000FF00;
        masks[2] = 0x000000FF;
    }
    if (compression == biBitfields && layout.bits != 24) {
        // The masks follow a 40-byte header and sit inside the larger ones.
        const std::uint64_t at = fileHeaderSize + 40;
        if (at + 12 > layout.pixelOffset)
            fail(QStringLiteral("its colour masks run into the pixel data"));
        for (int i = 0; i < 3; ++i)
            masks[i] = file.u32(at + 4 * static_cast<std::uint64_t>(i));
    } else if (compression != biRgb) {
        fail(QStringLiteral("compression %1 is not supported").arg(compression));
    }
    const Channel channels[3] = {Channel(masks[0]), Channel(masks[1]), Channel(masks[2])};
    readDirect(file, layout, channels, picture);
    return picture;
}

QByteArray encodeBmp(const Picture& picture)
{
    const std::uint32_t stride = (static_cast<std::uint32_t>(picture.width()) * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(picture.height());
    const std::uint32_t offset = fileHeaderSize + 40;
    QByteArray file;
    file.reserve(static_cast<qsizetype>(offset + pixelBytes));
    auto put16 = [&](std::uint32_t v) {
        file.append(static_cast<char>(v & 0xFF));
        file.append(static_cast<char>(v >> 8 & 0xFF));
    };
    auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    file.append("BM", 2);
    put32(offset + pixelBytes);
    put32(0);
    put32(offset);
    put32(40);
    put32(static_cast<std::uint32_t>(picture.width()));
    put32(static_cast<std::uint32_t>(picture.height())); // positive: bottom-up
    put16(1);
    put16(24);
    put32(biRgb);
    put32(pixelBytes);
    put32(3780); // 96 dots per inch
    put32(3780);
    put32(0);
    put32(0);
    for (int y = picture.height() - 1; y >= 0; --y) {
        const Colour* line = picture.row(y);
        for (int x = 0; x < picture.width(); ++x) {
            file.append(static_cast<char>(blueOf(line[x])));
            file.append(static_cast<char>(greenOf(line[x])));
            file.append(static_cast<char>(redOf(line[x])));
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(picture.width()) * 3; pad < stride; ++pad)
            file.append('\0');
    }
    return file;
}

void writeBmpFile(const QString& path, const Picture& picture)
{
    DataFile::writeAtomically(path, encodeBmp(picture));
}
