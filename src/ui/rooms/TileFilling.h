#pragma once

#include "Picture.h"
#include "Records.h"

class PictureList;
class TRuimteAppUI;

// Showing rooms and appliances on grid tiles. The caller holds the store's
// read lock while the item and the list are read.

// The item's name and, when it has one, its picture from the item pictures.
void showOnTile(TRuimteAppUI& tile, const Ruimte& ruimte, const PictureList* itemPictures);
void showOnTile(TRuimteAppUI& tile, const Apparaat& apparaat, const PictureList* itemPictures);
// No name, no picture.
void clearTile(TRuimteAppUI& tile);

// A copy of catalogue entry `position`, taken under the store's read lock
// (null when there is none).
Picture catalogueEntry(const PictureList* catalogue, int position);
