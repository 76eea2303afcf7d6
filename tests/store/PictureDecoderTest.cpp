// The three decoders on files made in the test: the layouts each one reads
// and what it makes of them.
#include "BmpCodec.h"
#include "GifDecoder.h"
#include "JpegDecoder.h"
#include "PictureError.h"
#include "TestFolder.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Colours whose channels are 0 or 255 survive every bit depth, 16 included.
constexpr Colour corners[] = {0x000000, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

Picture pattern(int width, int height, int colours)
{
    Picture picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, corners[(x * 3 + y * 5) % colours]);
    return picture;
}

int largestChannelDifference(Colour a, Colour b)
{
    return std::max(
        {std::abs(redOf(a) - redOf(b)), std::abs(greenOf(a) - greenOf(b)), std::abs(blueOf(a) - blueOf(b))});
}

TEST(BmpReader, ReadsEveryBitDepthBottomUpAndTopDown)
{
    for (const int bits : {1, 4, 8, 16, 24, 32})
        for (const bool topDown : {false, true}) {
            // 7 pixels a row leaves padding at every depth.
            const Picture source = pattern(7, 5, bits == 1 ? 2 : 8);
            const Picture decoded = decodeBmp(bmpFile(source, bits, topDown));
            EXPECT_EQ(decoded.pixels(), source.pixels()) << bits << " bits, top-down " << topDown;
            EXPECT_EQ(decoded.bitDepth(), bits);
            EXPECT_EQ(decoded.width(), 7);
            EXPECT_EQ(decoded.height(), 5);
        }
}

TEST(BmpReader, ReadsColourMasksOfBitfieldFiles)
{
    QByteArray file = bmpFile(Picture(2, 1), 32);
    // Compression 3 with masks red in the low byte, blue in the third.
    file[30] = 3;
    QByteArray masks;
    appendLe32(masks, 0x000000FF);
    appendLe32(masks, 0x0000FF00);
    appendLe32(masks, 0x00FF0000);
    file.insert(54, masks);
    file[10] = 54 + 12;
    file.replace(66, 8, QByteArray("\x0A\x14\x1E\x00\xC8\x00\x00\xFF", 8));
    const Picture decoded = decodeBmp(file);
    EXPECT_EQ(decoded.pixel(0, 0), rgb(10, 20, 30));
    EXPECT_EQ(decoded.pixel(1, 0), rgb(200, 0, 0));
}

TEST(BmpReader, RefusesInconsistentHeaders)
{
    const QByteArray valid = bmpFile(pattern(4, 4, 2), 8);
    ASSERT_NO_THROW(decodeBmp(valid));
    struct Patch {
        const char* what;
        int offset;
        qint32 value;
        int bytes;
    };
    const Patch patches[] = {
        {"pixel offset past the end", 10, 100000, 4},
        {"pixel offset inside the header", 10, 20, 4},
        {"info header size", 14, 64, 4},
        {"zero width", 18, 0, 4},
        {"negative width", 18, -4, 4},
        {"zero height", 22, 0, 4},
        {"height more than the data", 22, 5, 4},
        {"lowest height", 22, INT32_MIN, 4},
        {"two planes", 26, 2, 2},
        {"12 bits per pixel", 28, 12, 2},
        {"run-length compression", 30, 1, 4},
        {"palette of 300 colours", 46, 300, 4},
        {"palette running into the pixels", 46, 200, 4},
    };
    for (const Patch& p : patches) {
        QByteArray file = valid;
        for (int i = 0; i < p.bytes; ++i)
            file[p.offset + i] = static_cast<char>((static_cast<quint32>(p.value) >> (8 * i)) & 0xFF);
        EXPECT_THROW(decodeBmp(file), PictureError) << p.what;
    }
    QByteArray outsidePalette = valid;
    outsidePalette[static_cast<qsizetype>(le32At(valid, 10))] = 7; // the palette has two colours
    EXPECT_THROW(decodeBmp(outsidePalette), PictureError);
}

TEST(JpegReader, ReadsColourGreyAndCmykFiles)
{
    const Picture colour = halves(32, 16, rgb(200, 40, 40), rgb(40, 60, 220));
    const Picture decoded = decodeJpeg(jpegFile(colour));
    ASSERT_EQ(decoded.width(), 32);
    ASSERT_EQ(decoded.height(), 16);
    EXPECT_EQ(decoded.bitDepth(), 24);
    EXPECT_LE(largestChannelDifference(decoded.pixel(3, 8), rgb(200, 40, 40)), 3);
    EXPECT_LE(largestChannelDifference(decoded.pixel(28, 8), rgb(40, 60, 220)), 3);

    const Picture grey = decodeJpeg(greyJpegFile(Picture(16, 8, 24, rgb(90, 0, 0))));
    EXPECT_LE(largestChannelDifference(grey.pixel(5, 5), rgb(90, 90, 90)), 1);

    // Adobe CMYK is stored inverted: 255 is no ink, so these bytes are red.
    const unsigned char red[4] = {255, 0, 0, 255};
    const Picture cmyk = decodeJpeg(cmykJpegFile(16, 8, red));
    EXPECT_LE(largestChannelDifference(cmyk.pixel(8, 4), rgb(255, 0, 0)), 2);
}

TEST(GifReader, ReadsPlainAndInterlacedPicturesAlike)
{
    const Picture source = pattern(11, 19, 8); // 19 rows touch every interlace pass
    for (const bool interlaced : {false, true})
        for (const bool local : {false, true}) {
            GifOptions options;
            options.interlaced = interlaced;
            options.localColourMap = local;
            const Picture decoded = decodeGif(gifFile(source, options));
            EXPECT_EQ(decoded.pixels(), source.pixels()) << "interlaced " << interlaced << ", local map " << local;
            EXPECT_EQ(decoded.bitDepth(), 8);
        }
}

TEST(GifReader, PaintsTransparentAndUncoveredPixelsWhite)
{
    Picture source = halves(4, 2, rgb(10, 20, 30), rgb(200, 0, 0)); // indexes 0 and 1
    GifOptions options;
    options.transparentIndex = 1;
    options.screenWidth = 6;
    options.screenHeight = 3;
    options.left = 1;
    options.top = 1;
    const Picture decoded = decodeGif(gifFile(source, options));
    ASSERT_EQ(decoded.width(), 6);
    ASSERT_EQ(decoded.height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool opaque = y >= 1 && (x == 1 || x == 2);
            EXPECT_EQ(decoded.pixel(x, y), opaque ? rgb(10, 20, 30) : 0xFFFFFFu) << x << "," << y;
        }
}

} // namespace
