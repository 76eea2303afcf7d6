// The picture-list file: its bytes, reading back, and refusing damage.
#include "PictureListFile.h"
#include "PictureError.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace {

Picture numbered(int seed)
{
    Picture picture(130, 80);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 130; ++x)
            picture.setPixel(x, y, rgb(x + seed, y * 3, seed * 7));
    return picture;
}

PictureList sampleList()
{
    PictureList list(QString::fromUtf8("K\u00fcche"));
    list.append(numbered(1));
    Picture masked = numbered(2);
    masked.setPixel(0, 0, 0x000001);
    masked.setPixel(129, 79, 0x000001);
    list.appendMasked(masked, 0x000001);
    list.append(numbered(3));
    return list;
}

TEST(PictureListFile, HoldsTheDocumentedBytes)
{
    const QByteArray file = PictureListFile::encode(sampleList());
    const int pictureBytes = 1 + 4 + 130 * 80 * 3;
    const int header = 4 + 4 + 4 + 6 + 4 + 4 + 4;
    ASSERT_EQ(file.size(), header + 3 * pictureBytes + 1300);
    EXPECT_EQ(file.left(4), QByteArray("ZPLF"));
    EXPECT_EQ(le32At(file, 4), 1);
    EXPECT_EQ(le32At(file, 8), 6);
    EXPECT_EQ(file.mid(12, 6),
        QByteArray("K\xC3\xBC"
                   "che"));
    EXPECT_EQ(le32At(file, 18), 130);
    EXPECT_EQ(le32At(file, 22), 80);
    EXPECT_EQ(le32At(file, 26), 3);
    EXPECT_EQ(file[30], 0) << "first picture: no mask";
    EXPECT_EQ(le32At(file, 31), -1);
    EXPECT_EQ(file.mid(35, 6), QByteArray("\x01\x00\x07\x02\x00\x07", 6)) << "red, green, blue from the top left";
    const int second = header + pictureBytes;
    EXPECT_EQ(file[second], 1);
    EXPECT_EQ(le32At(file, second + 1), 1);
    const int mask = second + pictureBytes;
    EXPECT_EQ(static_cast<unsigned char>(file[mask]), 0x80) << "pixel (0,0) see-through, most significant bit first";
    EXPECT_EQ(static_cast<unsigned char>(file[mask + 1299]), 0x01);
    EXPECT_EQ(file.mid(mask + 1, 1298), QByteArray(1298, '\0'));
}

TEST(PictureListFile, ReadsBackNamesOrderPixelsAndMasks)
{
    const PictureList list = sampleList();
    const PictureList back = PictureListFile::decode(PictureListFile::encode(list), QStringLiteral("x.dat"));
    EXPECT_EQ(back.name(), list.name());
    ASSERT_EQ(back.count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(back.at(i), list.at(i)) << i;
    EXPECT_TRUE(back.at(1).isSeeThrough(129, 79));
    EXPECT_FALSE(back.at(1).isSeeThrough(1, 0));
    EXPECT_FALSE(back.at(0).hasMask());

    const PictureList empty = PictureListFile::decode(PictureListFile::encode(PictureList()), QStringLiteral("e"));
    EXPECT_EQ(empty.count(), 0);
    EXPECT_TRUE(empty.name().isEmpty());

    // A name beyond 1024 bytes is cut before a whole character.
    const QString longName = QString(1023, QLatin1Char('a')) + QString::fromUtf8("\u00fc");
    const PictureList cut = PictureListFile::decode(PictureListFile::encode(PictureList(longName)), "n");
    EXPECT_EQ(cut.name(), QString(1023, QLatin1Char('a')));
}

void expectDamaged(const QByteArray& bytes, const char* what)
{
    try {
        PictureListFile::decode(bytes, QStringLiteral("/data/AppImageList.dat"));
        ADD_FAILURE() << what << " was read";
    } catch (const PictureListFile::DamagedFile& e) {
        EXPECT_NE(std::string(e.what()).find("\"/data/AppImageList.dat\""), std::string::npos) << e.what();
    }
}

TEST(PictureListFile, RefusesEveryTruncation)
{
    // A masked picture first, so cuts land in a mask, in pixels, in headers.
    PictureList list(QStringLiteral("appimages"));
    list.appendMasked(numbered(4), 0);
    list.append(numbered(5));
    const QByteArray file = PictureListFile::encode(list);
    for (qsizetype length = 0; length < file.size(); ++length) {
        ASSERT_THROW(PictureListFile::decode(QByteArrayView(file).first(length), QStringLiteral("t")),
            PictureListFile::DamagedFile)
            << length;
    }
    expectDamaged(file.first(file.size() - 1), "one byte short");
}

TEST(PictureListFile, RefusesInconsistentFields)
{
    const QByteArray valid = PictureListFile::encode(sampleList());
    const int firstPicture = 30;
    struct Patch {
        const char* what;
        int offset;
        QByteArray bytes;
    };
    const Patch patches[] = {
        {"magic", 0, "ZPLX"},
        {"version 2", 4, QByteArray("\x02\x00\x00\x00", 4)},
        {"version 0", 4, QByteArray("\x00\x00\x00\x00", 4)},
        {"name longer than the file", 8, QByteArray("\x00\x00\x10\x00", 4)},
        {"name of 4 GB", 8, QByteArray("\xFF\xFF\xFF\xFF", 4)},
        {"name not UTF-8", 12, QByteArray("\xC3\x28", 2)},
        {"width 131", 18, QByteArray("\x83\x00\x00\x00", 4)},
        {"height 0", 22, QByteArray("\x00\x00\x00\x00", 4)},
        {"count one too many", 26, QByteArray("\x04\x00\x00\x00", 4)},
        {"count one too few", 26, QByteArray("\x02\x00\x00\x00", 4)},
        {"count huge", 26, QByteArray("\xFF\xFF\xFF\xFF", 4)},
        {"unknown flag", firstPicture, QByteArray("\x02", 1)},
        {"mask flag without a mask", firstPicture, QByteArray("\x01", 1)},
        {"colour beyond 24 bits", firstPicture + 1, QByteArray("\x00\x00\x00\x01", 4)},
        {"colour below -1", firstPicture + 1, QByteArray("\xFE\xFF\xFF\xFF", 4)},
    };
    for (const Patch& p : patches) {
        QByteArray file = valid;
        file.replace(p.offset, p.bytes.size(), p.bytes);
        expectDamaged(file, p.what);
    }
    expectDamaged(valid + QByteArray(1, '\0'), "a byte after the last picture");
    expectDamaged(QByteArray(5000, '\xAB'), "garbage");
}

} // namespace
