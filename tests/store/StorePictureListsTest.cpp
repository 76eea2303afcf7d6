// The store's four picture lists: their files, names and order, and what a
// damaged file does to the store.
#include "StorePictureLists.h"
#include "LoadSave.h"
#include "PictureListFile.h"
#include "StoreError.h"
#include "TestFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

Picture flat(Colour colour)
{
    return Picture(130, 80, 24, colour);
}

struct ListFile {
    PictureList StorePictureLists::*list;
    const char* file;
    const char* name;
};
const ListFile listFiles[] = {
    {&StorePictureLists::ruimteimages, "RuimteImageList.dat", "RuimteImages"},
    {&StorePictureLists::appimages, "AppImageList.dat", "appimages"},
    {&StorePictureLists::usedRuimteimages, "CustomRuimteImageList.dat", "usedRuimteimages"},
    {&StorePictureLists::usedAppimages, "CustomAppImageList.dat", "usedAppimages"},
};

TEST(StorePictureLists, FreshStoreHasFourEmptyNamedListsAndSavesAllFour)
{
    TestFolder folder;
    TLoadSave store(folder.path());
    StorePictureLists* lists = store.pictures();
    ASSERT_NE(lists, nullptr) << "the store's own lists are the default";
    for (const ListFile& f : listFiles) {
        EXPECT_EQ((lists->*f.list).count(), 0) << f.name;
        EXPECT_EQ((lists->*f.list).name(), QString::fromLatin1(f.name));
        EXPECT_EQ((lists->*f.list).width(), 130);
        EXPECT_EQ((lists->*f.list).height(), 80);
        EXPECT_FALSE(folder.exists(f.file));
    }
    EXPECT_TRUE(lists->warnings().empty());
    store.SaveCfg();
    for (const ListFile& f : listFiles)
        EXPECT_EQ(PictureListFile::decode(folder.read(f.file), f.file).count(), 0) << f.file;
}

TEST(StorePictureLists, SavedListsComeBackWithTheirNamesOrderPixelsAndMasks)
{
    TestFolder folder;
    {
        TLoadSave store(folder.path());
        StorePictureLists& lists = *store.pictures();
        for (std::size_t i = 0; i < std::size(listFiles); ++i) {
            PictureList& list = lists.*listFiles[i].list;
            for (int k = 0; k <= static_cast<int>(i); ++k)
                list.append(flat(rgb(10 * int(i), k, 200)));
        }
        Picture masked = flat(0x123456);
        masked.setPixel(5, 6, 0x000001);
        lists.usedAppimages.appendMasked(masked, 0x000001);
        store.SaveCfg();
    }
    // The file's own name does not count: the store names its lists.
    PictureList renamed = PictureListFile::decode(folder.read("AppImageList.dat"), "a");
    renamed.setName("something else");
    folder.write("AppImageList.dat", PictureListFile::encode(renamed));

    TLoadSave store(folder.path());
    const StorePictureLists& lists = *store.pictures();
    for (std::size_t i = 0; i < std::size(listFiles); ++i) {
        const PictureList& list = lists.*listFiles[i].list;
        EXPECT_EQ(list.name(), QString::fromLatin1(listFiles[i].name));
        ASSERT_EQ(list.count(), static_cast<int>(i) + 1 + (i == 3 ? 1 : 0)) << listFiles[i].file;
        for (int k = 0; k <= static_cast<int>(i); ++k)
            EXPECT_EQ(list.at(k).pixel(64, 40), rgb(10 * int(i), k, 200)) << listFiles[i].file << " " << k;
    }
    const Picture masked = lists.usedAppimages.at(4);
    EXPECT_EQ(masked.transparentColour(), 1);
    EXPECT_TRUE(masked.isSeeThrough(5, 6));
    EXPECT_FALSE(masked.isSeeThrough(6, 6));
    EXPECT_TRUE(lists.usedAppimages.at(5).isNull()) << "beyond the end: an empty picture";
    EXPECT_TRUE(lists.usedAppimages.at(-1).isNull());
}

// Four sound files, then the one under test replaced by `damaged`.
void writeSoundFiles(const TestFolder& folder)
{
    for (const ListFile& f : listFiles) {
        PictureList list(QString::fromLatin1(f.name));
        list.append(flat(0xABCDEF));
        folder.write(f.file, PictureListFile::encode(list));
    }
}

TEST(StorePictureLists, DamagedFileIsKeptAsideAndReportedAndTheStoreStillLoads)
{
    PictureList two(QStringLiteral("x"));
    two.append(flat(1));
    two.append(flat(2));
    const QByteArray sound = PictureListFile::encode(two);
    QByteArray wrongMagic = sound;
    wrongMagic[0] = 'Q';
    QByteArray wrongVersion = sound;
    wrongVersion[4] = 9;
    QByteArray tooMany = sound;
    tooMany[21] = 3; // after the one-byte name "x"
    const std::pair<const char*, QByteArray> damages[] = {
        {"empty", QByteArray()},
        {"cut in the header", sound.left(10)},
        {"cut in a picture", sound.left(sound.size() / 2)},
        {"one byte short", sound.left(sound.size() - 1)},
        {"wrong magic", wrongMagic},
        {"wrong version", wrongVersion},
        {"count too large", tooMany},
        {"garbage", QByteArray(777, '\x5A')},
    };
    // Every damage in one file, and one damage in each of the others.
    std::vector<std::pair<const ListFile*, std::size_t>> cases;
    for (std::size_t d = 0; d < std::size(damages); ++d)
        cases.push_back({&listFiles[1], d});
    for (const std::size_t f : {0, 2, 3})
        cases.push_back({&listFiles[f], f});
    for (const auto& [file, damage] : cases) {
        const ListFile& damagedFile = *file;
        const auto& [what, bytes] = damages[damage];
        SCOPED_TRACE(std::string(damagedFile.file) + ": " + what);
        TestFolder folder;
        writeSoundFiles(folder);
        folder.write(damagedFile.file, bytes);

        TLoadSave store(folder.path());
        StorePictureLists& lists = *store.pictures();
        for (const ListFile& f : listFiles)
            EXPECT_EQ((lists.*f.list).count(), &f == &damagedFile ? 0 : 1) << f.file;
        EXPECT_EQ((lists.*damagedFile.list).name(), QString::fromLatin1(damagedFile.name));
        const QString copy = QString::fromLatin1(damagedFile.file) + ".damaged";
        ASSERT_TRUE(folder.exists(copy));
        EXPECT_EQ(folder.read(copy), bytes);
        ASSERT_EQ(lists.warnings().size(), 1u);
        EXPECT_TRUE(lists.warnings()[0].contains(folder.file(damagedFile.file))) << lists.warnings()[0].toStdString();
        EXPECT_TRUE(lists.warnings()[0].contains(folder.file(copy)));

        // Saving leaves the damaged original alone while its list is unchanged...
        store.SaveCfg();
        EXPECT_EQ(folder.read(damagedFile.file), bytes);
        // ...and writes the list once it changes.
        (lists.*damagedFile.list).append(flat(0x010203));
        store.SaveCfg();
        EXPECT_EQ(PictureListFile::decode(folder.read(damagedFile.file), "r").count(), 1);
    }
}

TEST(StorePictureLists, CopiesEachDistinctDamageOnceAndKeepsOlderCopies)
{
    TestFolder folder;
    folder.write("AppImageList.dat", "first damage");
    {
        TLoadSave store(folder.path());
    }
    {
        TLoadSave store(folder.path());
    } // the same bytes again: no second copy
    EXPECT_FALSE(folder.exists("AppImageList.dat.damaged.1"));
    folder.write("AppImageList.dat", "second damage");
    TLoadSave store(folder.path());
    EXPECT_EQ(folder.read("AppImageList.dat.damaged"), QByteArray("first damage"));
    EXPECT_EQ(folder.read("AppImageList.dat.damaged.1"), QByteArray("second damage"));
    ASSERT_EQ(store.pictures()->warnings().size(), 1u);
    EXPECT_TRUE(store.pictures()->warnings()[0].contains("AppImageList.dat.damaged.1"));
}

} // namespace

namespace {

// Loaded lists leave their pictures in the file until they are asked for.
TEST(StorePictureLists, PicturesAreReadFromTheFileWhenAskedForAndSavedUnchanged)
{
    TestFolder folder;
    Picture masked = flat(0x123456);
    masked.setMaskFromColour(0x123456);
    masked.setPixel(1, 1, 0x654321);
    {
        TLoadSave store(folder.path());
        PictureList& list = store.pictures()->usedAppimages;
        list.append(flat(rgb(1, 2, 3)));
        list.append(masked);
        store.SaveCfg();
    }
    const QByteArray written = folder.read("CustomAppImageList.dat");
    TLoadSave store(folder.path());
    PictureList& list = store.pictures()->usedAppimages;
    ASSERT_EQ(list.count(), 2);
    ASSERT_NE(list.stored(1), nullptr);
    EXPECT_EQ(list.at(0), flat(rgb(1, 2, 3)));
    EXPECT_EQ(list.at(1).mask(), masked.mask());
    EXPECT_EQ(list.at(1).pixel(1, 1), Colour(0x654321));

    // Saving copies the untouched records; a replaced one is written anew.
    store.SaveCfg();
    EXPECT_EQ(folder.read("CustomAppImageList.dat"), written);
    list.replace(0, flat(rgb(9, 9, 9)));
    EXPECT_EQ(list.stored(0), nullptr);
    store.SaveCfg();
    const PictureList again = PictureListFile::decode(folder.read("CustomAppImageList.dat"), "again");
    EXPECT_EQ(again.at(0), flat(rgb(9, 9, 9)));
    EXPECT_EQ(again.at(1), list.at(1));
}

TEST(StorePictureLists, AFileCutShortAfterLoadingGivesEmptyPicturesNotACrash)
{
    TestFolder folder;
    {
        TLoadSave store(folder.path());
        store.pictures()->ruimteimages.append(flat(1));
        store.pictures()->ruimteimages.append(flat(2));
        store.SaveCfg();
    }
    TLoadSave store(folder.path());
    const PictureList& list = store.pictures()->ruimteimages;
    ASSERT_EQ(list.count(), 2);
    QFile file(folder.path() + "/RuimteImageList.dat");
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() - 100)); // changed in place by someone else
    file.close();
    EXPECT_EQ(list.at(0), flat(1));
    EXPECT_TRUE(list.at(1).isNull());
    EXPECT_THROW(store.SaveCfg(), StoreIoError) << "a picture that cannot be read back is not saved as nothing";
}

} // namespace
