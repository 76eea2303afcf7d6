#pragma once

#include "Picture.h"

#include <QByteArray>

class TLoadSave;

// Changing the pictures of rooms, appliances and catalogues in the store.
// Each function takes the store lock itself (StoreWriteLock to change,
// StoreReadLock to export), so call them without holding it. Pictures are
// 130 x 80; any other size, or an index outside 0..15, throws PictureError,
// as does a store without StorePictureLists.

enum class Catalogue { Ruimte, Apparaat };

// The room's picture, stored without mask: appended to usedRuimteimages and
// the room's Afbeelding set to its index when the room has none (-1, or an
// index that is not in the list, which is then not reused), else its entry
// is overwritten. The list never shrinks.
void giveRuimtePicture(TLoadSave& store, int room, const Picture& picture);

// The appliance's picture, made 24-bit with transparent colour
// Bitmap24UnusedIndex and a mask of that colour, appended to usedAppimages
// or overwriting the appliance's entry as for rooms.
void giveApparaatPicture(TLoadSave& store, int room, int app, const Picture& picture);

// A custom picture in place of catalogue entry `position`: made 24-bit, with
// transparent colour Bitmap24UnusedIndex and a mask of that colour. The
// catalogue keeps its length; a position outside it throws PictureError.
void setCatalogueCustomPicture(TLoadSave& store, Catalogue catalogue, int position, const Picture& picture);

// A picture received for an appliance (ReadCustomPicture's result) in place
// of its entry in usedAppimages, masked with the picture's own transparent
// colour. False, changing nothing, when the appliance has no picture number;
// throws PictureError when that number is not in the list.
bool setApparaatCustomPicture(TLoadSave& store, int room, int app, const Picture& customPicture);

// The appliance's entry of usedAppimages as a 24-bit BMP file's bytes;
// throws PictureError when the appliance has no picture in the list.
QByteArray apparaatPictureBmp(const TLoadSave& store, int room, int app);
