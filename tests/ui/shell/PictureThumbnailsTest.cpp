// The picker's thumbnail reader: pages asked for faster than they are read.
#include "PictureThumbnails.h"

#include "UiTestApp.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

class PictureThumbnails : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureUiApp(); }

    // 40 bitmaps; file i is one colour with red i.
    void SetUp() override
    {
        for (int i = 0; i < 40; ++i) {
            QImage picture(130, 80, QImage::Format_RGB32);
            picture.fill(QColor(i, 90, 160));
            const QString path = folder.filePath(QStringLiteral("p%1.bmp").arg(i));
            ASSERT_TRUE(picture.save(path));
            files << path;
        }
    }

    QStringList page(int first) const { return files.mid(first, 15); }

    QTemporaryDir folder;
    QStringList files;
};

TEST_F(PictureThumbnails, OnlyTheLastPageAskedForIsDeliveredEachSlotOnce)
{
    TPictureThumbnails reader;
    std::map<int, int> delivered; // slot -> red of its picture
    int deliveries = 0;
    QObject::connect(&reader, &TPictureThumbnails::loaded, [&](int slot, const QImage& thumbnail) {
        ++deliveries;
        delivered[slot] = thumbnail.isNull() ? -1 : qRed(thumbnail.pixel(65, 40));
    });
    for (int round = 0; round < 60; ++round) {
        reader.load(page(14 * (round % 3)));
        if (round % 7 == 0)
            QCoreApplication::processEvents();
    }
    delivered.clear();
    deliveries = 0;
    reader.load(page(14));
    ASSERT_TRUE(QTest::qWaitFor([&] { return reader.pending() == 0; }, 10000));
    QTest::qWait(20); // anything still on its way would arrive now
    EXPECT_EQ(deliveries, 15);
    ASSERT_EQ(delivered.size(), 15u);
    for (const auto& [slot, red] : delivered)
        EXPECT_EQ(red, 14 + slot) << slot;
}

TEST_F(PictureThumbnails, AReaderLeftWhileReadingStopsCleanly)
{
    for (int i = 0; i < 20; ++i) {
        TPictureThumbnails reader;
        reader.load(page(i % 26));
        if (i % 2)
            QCoreApplication::processEvents();
    }
    SUCCEED();
}

} // namespace
