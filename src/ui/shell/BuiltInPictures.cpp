#include "BuiltInPictures.h"

#include "Artwork.h"
#include "LoadSave.h"
#include "PictureImage.h"
#include "StoreLock.h"
#include "StorePictureLists.h"

#include <QPainter>

namespace {

Picture builtIn(const char* folderAndPrefix, int index)
{
    if (index < 0 || index >= builtInPictureCount)
        return {};
    const QImage art =
        artwork(QStringLiteral("%1-%2").arg(QLatin1String(folderAndPrefix)).arg(index, 2, 10, QChar(u'0')));
    // Drawn onto a 130 x 80 picture, so the entry carries no mask of its own.
    QImage canvas(pictureListWidth, pictureListHeight, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.drawImage(QRect(0, 0, pictureListWidth, pictureListHeight), art);
    painter.end();
    return fromQImage(canvas);
}

void fill(PictureList& catalogue, Picture (*picture)(int))
{
    if (catalogue.count() > 0)
        return;
    for (int i = 0; i < builtInPictureCount; ++i)
        catalogue.append(picture(i));
}

} // namespace

Picture builtInRoomPicture(int index)
{
    return builtIn("rooms/room", index);
}

Picture builtInAppliancePicture(int index)
{
    return builtIn("appliances/appliance", index);
}

void fillEmptyCatalogues(TLoadSave& store)
{
    StorePictureLists* lists = store.pictures();
    if (!lists)
        return;
    bool roomsEmpty = false, appliancesEmpty = false;
    {
        const StoreReadLock lock(storeMutex());
        roomsEmpty = lists->ruimteimages.count() == 0;
        appliancesEmpty = lists->appimages.count() == 0;
    }
    // Rendered without the write lock: the web service keeps reading meanwhile.
    PictureList rooms, appliances;
    if (roomsEmpty)
        fill(rooms, builtInRoomPicture);
    if (appliancesEmpty)
        fill(appliances, builtInAppliancePicture);
    const StoreWriteLock lock(storeMutex());
    if (roomsEmpty && lists->ruimteimages.count() == 0)
        for (int i = 0; i < rooms.count(); ++i)
            lists->ruimteimages.append(rooms.at(i));
    if (appliancesEmpty && lists->appimages.count() == 0)
        for (int i = 0; i < appliances.count(); ++i)
            lists->appimages.append(appliances.at(i));
}
