#include "TileFilling.h"

#include "Controls.h"
#include "Cp1252.h"
#include "PictureImage.h"
#include "PictureList.h"
#include "RuimteAppUI.h"
#include "StoreLock.h"

namespace {

template <class Item> void showItem(TRuimteAppUI& tile, const Item& item, const PictureList* itemPictures)
{
    tile.lbl->setText(toQString(item.Omschrijving));
    QImage picture;
    if (item.Afbeelding != -1 && itemPictures)
        picture = toQImage(itemPictures->at(item.Afbeelding));
    tile.image->setPicture(picture);
}

} // namespace

void showOnTile(TRuimteAppUI& tile, const Ruimte& ruimte, const PictureList* itemPictures)
{
    showItem(tile, ruimte, itemPictures);
}

void showOnTile(TRuimteAppUI& tile, const Apparaat& apparaat, const PictureList* itemPictures)
{
    showItem(tile, apparaat, itemPictures);
}

void clearTile(TRuimteAppUI& tile)
{
    tile.lbl->clear();
    tile.image->setPicture(QImage());
}

Picture catalogueEntry(const PictureList* catalogue, int position)
{
    const StoreReadLock lock(storeMutex());
    return catalogue ? catalogue->at(position) : Picture();
}
