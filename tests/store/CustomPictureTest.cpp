// ReadCustomPicture on files on disk: fitting into 130 x 80 with transparent
// bands, rounding, the extension rule, damaged files; and
// Bitmap24UnusedIndex.
#include "CustomPicture.h"
#include "PictureError.h"
#include "TestFolder.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

#include <random>

namespace {

enum class Format { Jpeg, Gif, Bmp };

const char* extensionOf(Format format)
{
    switch (format) {
    case Format::Jpeg: return ".jpg";
    case Format::Gif: return ".gif";
    case Format::Bmp: return ".bmp";
    }
    return "";
}

QByteArray fileOf(Format format, const Picture& picture)
{
    switch (format) {
    case Format::Jpeg: return jpegFile(picture);
    case Format::Gif: return gifFile(picture);
    case Format::Bmp: return bmpFile(picture, 24);
    }
    return {};
}

struct Placement {
    int x, y, width, height;
    bool operator==(const Placement&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Placement& p)
{
    return out << p.width << "x" << p.height << " at " << p.x << "," << p.y;
}

// Where the picture landed: the bounding box of the pixels that are not the
// transparent colour, leaving out the bottom-left pixel that always has it.
Placement placementOf(const Picture& result)
{
    int left = 130, top = 80, right = -1, bottom = -1;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 130; ++x)
            if (result.pixel(x, y) != static_cast<Colour>(result.transparentColour())) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return {left, top, right - left + 1, bottom - top + 1};
}

constexpr Colour leftColour = rgb(200, 40, 40);
constexpr Colour rightColour = rgb(40, 60, 220);

class CustomPictureFit : public ::testing::TestWithParam<Format> { };

TEST_P(CustomPictureFit, KeepsProportionsCentredOnTransparentBands)
{
    const Format format = GetParam();
    struct Case {
        int width, height;
        Placement expected;
    };
    const Case cases[] = {
        {260, 80, {0, 20, 130, 40}},
        {80, 160, {45, 0, 40, 80}},
        {130, 80, {0, 0, 130, 80}},
    };
    TestFolder folder;
    for (const Case& c : cases) {
        const QString path =
            folder.file(QStringLiteral("p%1x%2%3").arg(c.width).arg(c.height).arg(extensionOf(format)));
        writeFile(path, fileOf(format, halves(c.width, c.height, leftColour, rightColour)));
        const Picture result = ReadCustomPicture(path);
        ASSERT_EQ(result.width(), 130);
        ASSERT_EQ(result.height(), 80);
        EXPECT_EQ(result.bitDepth(), 24);
        EXPECT_FALSE(result.hasMask()) << "the list makes the mask";
        const Colour transparent = static_cast<Colour>(result.transparentColour());
        EXPECT_EQ(transparent, 0u) << "black is the smallest colour these bright pictures leave free";
        EXPECT_EQ(result.pixel(0, 79), transparent);

        const Placement& p = c.expected;
        EXPECT_EQ(placementOf(result), p) << c.width << "x" << c.height;
        const int split = p.x + p.width / 2;
        // Lossy JPEG may smear a few pixels on both sides of the split.
        const int blur = format == Format::Jpeg ? 3 : 0;
        const int tolerance = format == Format::Jpeg ? 8 : 0;
        for (int y = p.y; y < p.y + p.height; ++y)
            for (int x = p.x; x < p.x + p.width; ++x) {
                if ((x == 0 && y == 79) || std::abs(x - split) < blur || std::abs(x + 1 - split) < blur)
                    continue;
                const Colour expected = x < split ? leftColour : rightColour;
                const Colour got = result.pixel(x, y);
                ASSERT_LE(std::max({std::abs(redOf(got) - redOf(expected)), std::abs(greenOf(got) - greenOf(expected)),
                              std::abs(blueOf(got) - blueOf(expected))}),
                    tolerance)
                    << c.width << "x" << c.height << " at " << x << "," << y;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(EachFormat, CustomPictureFit, ::testing::Values(Format::Jpeg, Format::Gif, Format::Bmp),
    [](const auto& paramInfo) { return std::string(extensionOf(paramInfo.param)).substr(1); });

TEST(CustomPicture, RoundsSizeAndPlaceHalvesToEven)
{
    struct Case {
        int width, height;
        Placement expected;
    };
    const Case cases[] = {
        {81, 160, {45, 0, 40, 80}}, // width 40.5 -> 40
        {83, 160, {44, 0, 42, 80}}, // 41.5 -> 42
        {82, 160, {44, 0, 41, 80}}, // x 44.5 -> 44
        {86, 160, {44, 0, 43, 80}}, // x 43.5 -> 44
        {130, 81, {1, 0, 128, 80}}, // taller by a hair
        {260, 81, {0, 20, 130, 40}}, // height 40.5 -> 40
        {260, 83, {0, 19, 130, 42}}, // 41.5 -> 42
        {260, 82, {0, 20, 130, 41}}, // y 19.5 -> 20
        {260, 78, {0, 20, 130, 39}}, // y 20.5 -> 20
    };
    TestFolder folder;
    for (const Case& c : cases) {
        const QString path = folder.file(QStringLiteral("r%1x%2.bmp").arg(c.width).arg(c.height));
        writeFile(path, bmpFile(Picture(c.width, c.height, 24, rgb(9, 9, 9)), 24));
        EXPECT_EQ(placementOf(ReadCustomPicture(path)), c.expected) << c.width << "x" << c.height;
    }
}

TEST(CustomPicture, ChoosesTheDecoderByExtensionInAnyCase)
{
    TestFolder folder;
    const Picture picture(26, 16, 24, rgb(200, 40, 40));
    for (const char* name : {"a.JPG", "b.Jpg", "c.x.jpg"})
        writeFile(folder.file(name), jpegFile(picture));
    writeFile(folder.file("d.GiF"), gifFile(picture));
    writeFile(folder.file("e.bMp"), bmpFile(picture, 24));
    for (const char* name : {"a.JPG", "b.Jpg", "c.x.jpg", "d.GiF", "e.bMp"})
        EXPECT_NO_THROW(ReadCustomPicture(folder.file(name))) << name;

    // Valid pictures under another extension, or under the wrong one.
    writeFile(folder.file("f.jpeg"), jpegFile(picture));
    writeFile(folder.file("g.png"), bmpFile(picture, 24));
    writeFile(folder.file("jpg"), jpegFile(picture));
    writeFile(folder.file("h.gif"), jpegFile(picture));
    writeFile(folder.file("i.jpg"), bmpFile(picture, 24));
    for (const char* name : {"f.jpeg", "g.png", "jpg", "h.gif", "i.jpg"}) {
        try {
            ReadCustomPicture(folder.file(name));
            ADD_FAILURE() << name << " was read";
        } catch (const PictureError& e) {
            EXPECT_NE(std::string(e.what()).find(folder.file(name).toStdString()), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(ReadCustomPicture(folder.file("missing.jpg")), PictureError);
}

// Sets a big-endian 16-bit value, as JPEG markers hold them.
void setBe16(QByteArray& bytes, qsizetype at, int value)
{
    bytes[at] = static_cast<char>(value >> 8);
    bytes[at + 1] = static_cast<char>(value & 0xFF);
}

void setLe16(QByteArray& bytes, qsizetype at, int value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

// A valid file of the format with its stated size made huge.
std::vector<QByteArray> hugeStatedSizes(Format format, const QByteArray& valid)
{
    std::vector<QByteArray> files;
    if (format == Format::Jpeg) {
        const qsizetype frame = valid.indexOf(QByteArray("\xFF\xC0", 2));
        EXPECT_GT(frame, 0);
        for (const auto& [w, h] : {std::pair {65000, 65000}, {30000, 30000}, {65535, 1}}) {
            QByteArray file = valid;
            setBe16(file, frame + 5, h);
            setBe16(file, frame + 7, w);
            files.push_back(file);
        }
    } else if (format == Format::Gif) {
        QByteArray screen = valid;
        setLe16(screen, 6, 65535);
        setLe16(screen, 8, 65535);
        files.push_back(screen);
        const qsizetype image = valid.indexOf('\x2C', 13);
        EXPECT_GT(image, 0);
        QByteArray frame = valid;
        setLe16(frame, image + 5, 65535);
        setLe16(frame, image + 7, 65535);
        files.push_back(frame);
    } else {
        for (const qint32 w : {100000, 30000}) {
            QByteArray file = valid;
            file.replace(18, 8, QByteArray());
            QByteArray size;
            appendLe32(size, w);
            appendLe32(size, 30000);
            file.insert(18, size);
            files.push_back(file);
        }
    }
    return files;
}

TEST(CustomPicture, DamagedFilesOfEveryKindAreErrorsNamingTheFile)
{
    TestFolder folder;
    std::mt19937 random(1234);
    for (const Format format : {Format::Jpeg, Format::Gif, Format::Bmp}) {
        const QByteArray valid = fileOf(format, halves(40, 30, leftColour, rightColour));
        std::vector<QByteArray> damaged = {QByteArray()};
        // A GIF is complete with its first picture, so its last byte, the
        // trailer, may go; anything more may not.
        const qsizetype lastCut = format == Format::Gif ? 2 : 1;
        for (const qsizetype length : {qsizetype(1), qsizetype(2), qsizetype(6), qsizetype(13), qsizetype(20),
                 qsizetype(54), valid.size() / 2, valid.size() - 3, valid.size() - lastCut})
            damaged.push_back(valid.left(length));
        QByteArray garbage(2000, '\0');
        for (char& c : garbage)
            c = static_cast<char>(random());
        damaged.push_back(garbage);
        damaged.push_back(valid.left(format == Format::Gif ? 6 : 2) + garbage); // a right start, then noise
        for (const QByteArray& huge : hugeStatedSizes(format, valid))
            damaged.push_back(huge);

        const QString path = folder.file(QStringLiteral("damaged%1").arg(extensionOf(format)));
        for (std::size_t i = 0; i < damaged.size(); ++i) {
            writeFile(path, damaged[i]);
            try {
                ReadCustomPicture(path);
                ADD_FAILURE() << extensionOf(format) << " case " << i << " was read";
            } catch (const PictureError& e) {
                EXPECT_NE(std::string(e.what()).find(path.toStdString()), std::string::npos) << e.what();
            }
        }
    }
}

TEST(UnusedColour, IsTheSmallestColourNoPixelHas)
{
    struct Case {
        const char* what;
        int width, height;
        std::function<Colour(int, int)> colourAt;
        int expected;
    };
    const Case cases[] = {
        {"all black", 130, 80, [](int, int) { return Colour(0); }, 1},
        {"every red with green and blue 0", 256, 1, [](int x, int) { return rgb(x, 0, 0); }, 256},
        {"reds 0..7 fill the first byte", 8, 1, [](int x, int) { return rgb(x, 0, 0); }, 8},
        {"red 0 and 2 used, 1 free", 2, 1, [](int x, int) { return rgb(x * 2, 0, 0); }, 1},
        {"every green and red of blue 0", 256, 256, [](int x, int y) { return rgb(x, y, 0); }, 65536},
        {"bright colours leave black", 10, 10, [](int x, int y) { return rgb(100 + x, 100 + y, 50); }, 0},
        {"every colour", 4096, 4096, [](int x, int y) { return Colour(y * 4096 + x); }, -1},
    };
    for (const Case& c : cases) {
        Picture picture(c.width, c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                picture.setPixel(x, y, c.colourAt(x, y));
        EXPECT_EQ(Bitmap24UnusedIndex(picture), c.expected) << c.what;
    }
}

TEST(UnusedColour, RefusesPicturesThatAreNot24Bit)
{
    TestFolder folder;
    writeFile(folder.file("eight.bmp"), bmpFile(Picture(4, 4), 8));
    for (const int bits : {8, 32, 1}) {
        try {
            Bitmap24UnusedIndex(Picture(4, 4, bits));
            ADD_FAILURE() << bits;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Intented only for 24bit bitmaps");
        }
    }
    // A file of another depth still becomes a 24-bit custom picture.
    EXPECT_NO_THROW(Bitmap24UnusedIndex(ReadCustomPicture(folder.file("eight.bmp"))));
}

} // namespace
