#include "ItemPictures.h"

#include "BmpCodec.h"
#include "CustomPicture.h"
#include "LoadSave.h"
#include "PictureError.h"
#include "StoreLock.h"
#include "StorePictureLists.h"

namespace {

StorePictureLists& listsOf(const TLoadSave& store)
{
    StorePictureLists* lists = store.pictures();
    if (!lists)
        throw PictureError("This store keeps no picture lists");
    return *lists;
}

void checkIndex(int index, int count, const char* what)
{
    if (index < 0 || index >= count)
        throw PictureError(QStringLiteral("There is no %1 %2").arg(QLatin1String(what)).arg(index).toStdString());
}

Apparaat& apparaatOf(TLoadSave& store, int room, int app)
{
    checkIndex(room, nrofRuimtes, "room");
    checkIndex(app, nrofApparaten, "appliance");
    return store.Ruimtes[room].Apparaten[app];
}

// Appends when `afbeelding` names no entry of the list, else overwrites it.
void storeItemPicture(PictureList& list, std::int32_t& afbeelding, Picture picture)
{
    if (afbeelding >= 0 && afbeelding < list.count())
        list.replace(afbeelding, std::move(picture));
    else
        afbeelding = list.append(std::move(picture));
}

} // namespace

void giveRuimtePicture(TLoadSave& store, int room, const Picture& picture)
{
    checkIndex(room, nrofRuimtes, "room");
    Picture unmasked = picture;
    unmasked.clearMask();
    unmasked.setTransparentColour(-1);
    const StoreWriteLock lock(storeMutex());
    storeItemPicture(listsOf(store).usedRuimteimages, store.Ruimtes[room].Afbeelding, std::move(unmasked));
}

void giveApparaatPicture(TLoadSave& store, int room, int app, const Picture& picture)
{
    Picture masked = picture;
    masked.setBitDepth(24);
    masked.setMaskFromColour(Bitmap24UnusedIndex(masked));
    const StoreWriteLock lock(storeMutex());
    storeItemPicture(listsOf(store).usedAppimages, apparaatOf(store, room, app).Afbeelding, std::move(masked));
}

void setCatalogueCustomPicture(TLoadSave& store, Catalogue catalogue, int position, const Picture& picture)
{
    Picture custom = picture;
    custom.setBitDepth(24);
    const int transparent = Bitmap24UnusedIndex(custom);
    const StoreWriteLock lock(storeMutex());
    StorePictureLists& lists = listsOf(store);
    (catalogue == Catalogue::Ruimte ? lists.ruimteimages : lists.appimages)
        .replaceMasked(position, std::move(custom), transparent);
}

bool setApparaatCustomPicture(TLoadSave& store, int room, int app, const Picture& customPicture)
{
    const StoreWriteLock lock(storeMutex());
    const int afbeelding = apparaatOf(store, room, app).Afbeelding;
    if (afbeelding == -1)
        return false;
    listsOf(store).usedAppimages.replaceMasked(afbeelding, customPicture, customPicture.transparentColour());
    return true;
}

QByteArray apparaatPictureBmp(const TLoadSave& store, int room, int app)
{
    checkIndex(room, nrofRuimtes, "room");
    checkIndex(app, nrofApparaten, "appliance");
    Picture picture;
    int afbeelding = -1;
    {
        const StoreReadLock lock(storeMutex());
        afbeelding = store.Ruimtes[room].Apparaten[app].Afbeelding;
        picture = listsOf(store).usedAppimages.at(afbeelding);
    }
    if (picture.isNull())
        throw PictureError(
            QStringLiteral("Picture number %1 is not in the appliance picture list").arg(afbeelding).toStdString());
    return encodeBmp(picture);
}
