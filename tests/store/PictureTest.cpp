// The picture type: area-average stretching, drawing with masks, and the
// BMP writer read back by the BMP reader.
#include "Picture.h"
#include "BmpCodec.h"
#include "PictureError.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace {

Picture greyRow(std::initializer_list<int> levels)
{
    Picture picture(static_cast<int>(levels.size()), 1);
    int x = 0;
    for (const int level : levels)
        picture.setPixel(x++, 0, rgb(level, level, level));
    return picture;
}

std::vector<int> redsOf(const Picture& picture)
{
    std::vector<int> reds;
    for (const Colour c : picture.pixels())
        reds.push_back(redOf(c));
    return reds;
}

TEST(PictureStretch, AveragesTheCoveredSourceArea)
{
    struct Case {
        std::initializer_list<int> source;
        int width;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {{0, 100, 200, 50}, 2, {50, 125}}, // halves: pairs averaged
        {{0, 90, 180}, 2, {30, 150}}, // 3 -> 2: the middle pixel counts half for each
        {{10, 20, 30}, 3, {10, 20, 30}}, // same size: unchanged
        {{40, 80}, 4, {40, 40, 80, 80}}, // doubling repeats
        {{0, 255}, 1, {128}}, // halves go to the even neighbour
        {{0, 253}, 1, {126}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(redsOf(Picture::stretched(greyRow(c.source), c.width, 1)), c.expected) << c.width;
}

TEST(PictureStretch, KeepsFlatColoursExactlyAndGivesA24BitPictureWithoutMask)
{
    Picture source(37, 23, 8, rgb(12, 200, 77));
    source.setMaskFromColour(static_cast<int>(rgb(12, 200, 77)));
    for (const auto& [w, h] : {std::pair {130, 80}, {5, 3}, {1, 1}, {37, 23}}) {
        const Picture scaled = Picture::stretched(source, w, h);
        ASSERT_EQ(scaled.width(), w);
        ASSERT_EQ(scaled.height(), h);
        EXPECT_EQ(scaled.bitDepth(), 24);
        EXPECT_FALSE(scaled.hasMask());
        EXPECT_EQ(std::count(scaled.pixels().begin(), scaled.pixels().end(), rgb(12, 200, 77)), w * h);
    }
    EXPECT_TRUE(Picture::stretched(source, 0, 80).isNull());
}

TEST(PictureDraw, ClipsAtEveryEdgeAndSkipsMaskedPixels)
{
    Picture target(4, 3, 24, 0x111111);
    Picture stamp(2, 2, 24, 0x222222);
    stamp.setPixel(1, 1, 0x333333);
    target.drawAt(stamp, 3, 2); // only (0,0) of the stamp lands
    target.drawAt(stamp, -1, -1); // only (1,1) lands, at (0,0)
    EXPECT_EQ(target.pixel(3, 2), 0x222222u);
    EXPECT_EQ(target.pixel(0, 0), 0x333333u);
    EXPECT_EQ(std::count(target.pixels().begin(), target.pixels().end(), 0x111111u), 10);

    stamp.setMaskFromColour(0x222222);
    EXPECT_EQ(stamp.transparentColour(), 0x222222);
    Picture other(2, 2, 24, 0x444444);
    other.drawAt(stamp, 0, 0);
    EXPECT_EQ(other.pixel(0, 0), 0x444444u) << "see-through pixels are not drawn";
    EXPECT_EQ(other.pixel(1, 1), 0x333333u);
    EXPECT_EQ(other.pixel(5, 5), 0u) << "outside reads as 0";
}

TEST(PictureSize, RefusesSizesBeyondTheLimits)
{
    EXPECT_THROW(Picture(-1, 5), PictureError);
    EXPECT_THROW(Picture(maxPictureSide + 1, 1), PictureError);
    EXPECT_THROW(Picture(10000, 10000), PictureError);
    EXPECT_NO_THROW(Picture(0, 80));
}

TEST(BmpWriter, WritesA24BitBottomUpFileThatReadsBack)
{
    Picture picture(5, 3); // 15 bytes a row, padded to 16
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            picture.setPixel(x, y, rgb(x * 50, y * 100, 255 - x * 10));
    const QByteArray file = encodeBmp(picture);
    ASSERT_EQ(file.size(), 14 + 40 + 16 * 3);
    EXPECT_EQ(file.left(2), QByteArray("BM"));
    EXPECT_EQ(le32At(file, 2), file.size());
    EXPECT_EQ(le32At(file, 10), 54);
    EXPECT_EQ(le32At(file, 22), 3) << "positive height: bottom-up";
    EXPECT_EQ(file[28], 24);
    // The first stored row is the bottom one, blue green red.
    EXPECT_EQ(file.mid(54, 3), QByteArray("\xFF\xC8\x00", 3));

    const Picture back = decodeBmp(file);
    EXPECT_EQ(back.pixels(), picture.pixels());
    EXPECT_EQ(back.bitDepth(), 24);

    TestFolder folder;
    writeBmpFile(folder.file("out.bmp"), picture);
    EXPECT_EQ(folder.read("out.bmp"), file);
}

} // namespace
