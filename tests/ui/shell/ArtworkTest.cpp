#include "Artwork.h"
#include "BuiltInPictures.h"
#include "ImageFetcher.h"
#include "LoadSave.h"
#include "StorePictureLists.h"
#include "UiTestApp.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

class Artwork : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureUiApp(); }
};

// A picture that is there and not one flat colour.
bool drawn(const QImage& picture)
{
    if (picture.isNull())
        return false;
    const QRgb first = picture.pixel(0, 0);
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3)
            if (picture.pixel(x, y) != first)
                return true;
    return false;
}

TEST_F(Artwork, EveryWindowPictureIsThereAtItsSize)
{
    const struct {
        const char* name;
        QSize size;
    } pictures[] = {
        {"shell/main-background", {800, 600}},
        {"shell/logo", {130, 39}},
        {"shell/button-column", {150, 500}},
        {"shell/content-panel", {598, 504}},
        {"shell/section", {598, 250}},
        {"shell/dialog", {480, 360}},
    };
    for (const auto& p : pictures) {
        const QImage picture = artwork(QLatin1String(p.name));
        EXPECT_EQ(picture.size(), p.size) << p.name;
        EXPECT_TRUE(drawn(picture)) << p.name;
    }
}

TEST_F(Artwork, TheSharedInterfacePicturesHaveTheirSizes)
{
    const TImageFetcher& f = TImageFetcher::instance();
    EXPECT_EQ(ImageFetcherInstance, &f);
    const struct {
        const QImage& picture;
        QSize size;
        const char* name;
    } pictures[] = {
        {f.imgSelected, {130, 198}, "imgSelected"},
        {f.imgNotSelected, {130, 198}, "imgNotSelected"},
        {f.imgPIsel, {25, 25}, "imgPIsel"},
        {f.imgPINotSel, {25, 25}, "imgPINotSel"},
        {f.imgPIDisabled, {25, 25}, "imgPIDisabled"},
        {f.imgLedsNone, {64, 16}, "imgLedsNone"},
        {f.imgLedsRed, {64, 16}, "imgLedsRed"},
        {f.imgLedsGreen, {64, 16}, "imgLedsGreen"},
        {f.imgLedsYellow, {64, 16}, "imgLedsYellow"},
        {f.imgSceneNotSelected, {130, 115}, "imgSceneNotSelected"},
        {f.imgSceneSelected, {130, 115}, "imgSceneSelected"},
        {f.imgPlineUpU, {40, 40}, "imgPlineUpU"},
        {f.imgPlineUpD, {40, 40}, "imgPlineUpD"},
        {f.imgPlineDnU, {40, 40}, "imgPlineDnU"},
        {f.imgPlineDnD, {40, 40}, "imgPlineDnD"},
        {f.imgSelectedValid, {130, 168}, "imgSelectedValid"},
        {f.imgSelectedInvalid, {130, 168}, "imgSelectedInvalid"},
        {f.imgTmrAppNotSel, {130, 190}, "imgTmrAppNotSel"},
        {f.imgTmrAppSel, {130, 190}, "imgTmrAppSel"},
        {f.imgTmrSceneNotSel, {130, 115}, "imgTmrSceneNotSel"},
        {f.imgTmrSceneSel, {130, 115}, "imgTmrSceneSel"},
    };
    for (const auto& p : pictures) {
        EXPECT_EQ(p.picture.size(), p.size) << p.name;
        EXPECT_TRUE(drawn(p.picture)) << p.name;
    }
    EXPECT_NE(f.imgSelected, f.imgNotSelected);
    EXPECT_NE(f.imgPIsel, f.imgPIDisabled);
}

TEST_F(Artwork, ThirtyTwoDistinctBuiltInPicturesOfEachKind)
{
    for (auto picture : {builtInRoomPicture, builtInAppliancePicture}) {
        std::set<std::vector<Colour>> seen;
        for (int i = 0; i < builtInPictureCount; ++i) {
            const Picture p = picture(i);
            ASSERT_EQ(p.width(), 130) << i;
            ASSERT_EQ(p.height(), 80) << i;
            EXPECT_FALSE(p.hasMask()) << i;
            seen.insert(p.pixels());
        }
        EXPECT_EQ(seen.size(), 32u);
        EXPECT_TRUE(picture(-1).isNull());
        EXPECT_TRUE(picture(32).isNull());
    }
}

TEST_F(Artwork, EmptyCataloguesAreFilledAndFullOnesKept)
{
    QTemporaryDir folder;
    {
        TLoadSave store(folder.path());
        fillEmptyCatalogues(store);
        EXPECT_EQ(store.pictures()->ruimteimages.count(), 32);
        EXPECT_EQ(store.pictures()->appimages.count(), 32);
        EXPECT_EQ(store.pictures()->usedRuimteimages.count(), 0);
        EXPECT_EQ(store.pictures()->appimages.at(8).pixels(), builtInAppliancePicture(8).pixels());
        // A catalogue picture of the user's own survives the next start.
        Picture own(130, 80, 24, rgb(1, 2, 3));
        store.pictures()->ruimteimages.replace(5, own);
        store.SaveCfg();
    }
    TLoadSave again(folder.path());
    fillEmptyCatalogues(again);
    EXPECT_EQ(again.pictures()->ruimteimages.count(), 32);
    EXPECT_EQ(again.pictures()->ruimteimages.at(5).pixel(10, 10), rgb(1, 2, 3));
}

} // namespace
