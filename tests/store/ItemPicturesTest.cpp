// Giving rooms, appliances and catalogue entries their pictures: the item
// lists only grow, and what gets masked.
#include "ItemPictures.h"
#include "BmpCodec.h"
#include "CustomPicture.h"
#include "LoadSave.h"
#include "PictureError.h"
#include "StorePictureLists.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace {

Picture flat(Colour colour)
{
    return Picture(130, 80, 24, colour);
}

class ItemPictures : public ::testing::Test {
protected:
    TestFolder folder;
    TLoadSave store {folder.path()};
    StorePictureLists& lists = *store.pictures();
};

TEST_F(ItemPictures, FirstRoomPictureAppendsAndLaterOnesOverwrite)
{
    ASSERT_EQ(store.Ruimtes[3].Afbeelding, -1);
    Picture masked = flat(0x000011);
    masked.setMaskFromColour(0x000011);
    giveRuimtePicture(store, 3, masked);
    EXPECT_EQ(store.Ruimtes[3].Afbeelding, 0);
    ASSERT_EQ(lists.usedRuimteimages.count(), 1);
    EXPECT_FALSE(lists.usedRuimteimages.at(0).hasMask()) << "room pictures are stored without mask";
    EXPECT_EQ(lists.usedRuimteimages.at(0).transparentColour(), -1);

    giveRuimtePicture(store, 5, flat(0x000022));
    EXPECT_EQ(store.Ruimtes[5].Afbeelding, 1);
    giveRuimtePicture(store, 3, flat(0x000033));
    EXPECT_EQ(store.Ruimtes[3].Afbeelding, 0);
    ASSERT_EQ(lists.usedRuimteimages.count(), 2);
    EXPECT_EQ(lists.usedRuimteimages.at(0).pixel(0, 0), 0x000033u);
    EXPECT_EQ(lists.usedRuimteimages.at(1).pixel(0, 0), 0x000022u);
}

TEST_F(ItemPictures, AnIndexBeyondTheListGetsANewEntry)
{
    store.Ruimtes[0].Afbeelding = 7; // its picture file was removed
    giveRuimtePicture(store, 0, flat(1));
    EXPECT_EQ(store.Ruimtes[0].Afbeelding, 0);
    EXPECT_EQ(lists.usedRuimteimages.count(), 1);
}

TEST_F(ItemPictures, AppliancePicturesAre24BitWithTheUnusedColourAsMask)
{
    Picture picture = flat(0x000000);
    picture.setBitDepth(32);
    picture.setPixel(1, 0, 0x000002);
    giveApparaatPicture(store, 2, 4, picture);
    EXPECT_EQ(store.Ruimtes[2].Apparaten[4].Afbeelding, 0);
    const Picture stored = lists.usedAppimages.at(0);
    EXPECT_EQ(stored.bitDepth(), 24);
    EXPECT_EQ(stored.transparentColour(), 1);
    ASSERT_TRUE(stored.hasMask());
    EXPECT_EQ(std::count(stored.mask().begin(), stored.mask().end(), true), 0) << "an unused colour masks no pixel";

    giveApparaatPicture(store, 2, 4, flat(0x0000FF));
    EXPECT_EQ(lists.usedAppimages.count(), 1);
    EXPECT_EQ(lists.usedAppimages.at(0).transparentColour(), 0);
}

TEST_F(ItemPictures, DeletingAnApplianceDoesNotShortenTheList)
{
    giveApparaatPicture(store, 0, 0, flat(10));
    giveApparaatPicture(store, 0, 1, flat(20));
    store.Ruimtes[0].Apparaten[0] = Apparaat {};
    store.Ruimtes[0].Apparaten[0].Afbeelding = -1;
    giveApparaatPicture(store, 0, 2, flat(30));
    EXPECT_EQ(store.Ruimtes[0].Apparaten[2].Afbeelding, 2);
    store.SaveCfg();
    const TLoadSave reloaded(folder.path());
    EXPECT_EQ(reloaded.pictures()->usedAppimages.count(), 3);
    EXPECT_EQ(reloaded.Ruimtes[0].Apparaten[2].Afbeelding, 2);
}

TEST_F(ItemPictures, CustomCataloguePictureReplacesOneEntry)
{
    for (int i = 0; i < 32; ++i) {
        lists.ruimteimages.append(flat(static_cast<Colour>(i)));
        lists.appimages.append(flat(static_cast<Colour>(i)));
    }
    Picture custom = flat(0x000000);
    custom.setBitDepth(8);
    setCatalogueCustomPicture(store, Catalogue::Apparaat, 31, custom);
    EXPECT_EQ(lists.appimages.count(), 32);
    EXPECT_EQ(lists.appimages.at(31).transparentColour(), 1);
    EXPECT_EQ(lists.appimages.at(31).bitDepth(), 24);
    EXPECT_TRUE(lists.appimages.at(31).hasMask());
    EXPECT_EQ(lists.ruimteimages.at(31).pixel(0, 0), 31u) << "the other catalogue is untouched";

    setCatalogueCustomPicture(store, Catalogue::Ruimte, 0, flat(0x000005));
    EXPECT_EQ(lists.ruimteimages.at(0).pixel(0, 0), 5u);
    EXPECT_EQ(lists.ruimteimages.count(), 32);
    EXPECT_THROW(setCatalogueCustomPicture(store, Catalogue::Ruimte, 32, custom), PictureError);
    EXPECT_THROW(setCatalogueCustomPicture(store, Catalogue::Ruimte, -1, custom), PictureError);
}

TEST_F(ItemPictures, ReceivedPictureReplacesTheApplianceEntryMaskedWithItsBackground)
{
    TestFolder files;
    QFile bmp(files.file("wide.bmp"));
    ASSERT_TRUE(bmp.open(QIODevice::WriteOnly));
    bmp.write(encodeBmp(Picture(260, 80, 24, 0x808080)));
    bmp.close();
    const Picture received = ReadCustomPicture(files.file("wide.bmp"));

    EXPECT_FALSE(setApparaatCustomPicture(store, 1, 1, received)) << "no picture number: nothing to replace";
    EXPECT_EQ(lists.usedAppimages.count(), 0);

    giveApparaatPicture(store, 1, 1, flat(0x404040));
    EXPECT_TRUE(setApparaatCustomPicture(store, 1, 1, received));
    const Picture stored = lists.usedAppimages.at(0);
    EXPECT_EQ(stored.transparentColour(), received.transparentColour());
    EXPECT_TRUE(stored.isSeeThrough(64, 5)) << "the band above";
    EXPECT_FALSE(stored.isSeeThrough(64, 40));

    store.Ruimtes[1].Apparaten[1].Afbeelding = 9;
    EXPECT_THROW(setApparaatCustomPicture(store, 1, 1, received), PictureError);
}

TEST_F(ItemPictures, ExportsTheAppliancePictureAsABitmap)
{
    Picture picture = flat(0x102030);
    picture.setPixel(129, 0, 0xFFFFFF);
    giveApparaatPicture(store, 4, 5, picture);
    const Picture exported = decodeBmp(apparaatPictureBmp(store, 4, 5));
    EXPECT_EQ(exported.pixels(), picture.pixels());

    EXPECT_THROW(apparaatPictureBmp(store, 4, 6), PictureError) << "no picture number";
    store.Ruimtes[4].Apparaten[5].Afbeelding = 3;
    EXPECT_THROW(apparaatPictureBmp(store, 4, 5), PictureError) << "number beyond the list";
}

TEST_F(ItemPictures, RefusesIndexesOutsideTheStoreAndPicturesOfAnotherSize)
{
    EXPECT_THROW(giveRuimtePicture(store, 16, flat(0)), PictureError);
    EXPECT_THROW(giveApparaatPicture(store, 0, -1, flat(0)), PictureError);
    EXPECT_THROW(apparaatPictureBmp(store, -1, 0), PictureError);
    EXPECT_THROW(giveRuimtePicture(store, 0, Picture(131, 80)), PictureError);
    EXPECT_EQ(store.Ruimtes[0].Afbeelding, -1);
    EXPECT_EQ(lists.usedRuimteimages.count(), 0);
}

} // namespace
