#pragma once

#include "Picture.h"

#include <QString>

// Size of every picture in the picture lists.
inline constexpr int pictureListWidth = 130;
inline constexpr int pictureListHeight = 80;

// Reads a picture file chosen by the user (or received by the web service)
// and fits it into 130 x 80: the extension, compared in upper case, picks
// the decoder (".BMP", ".JPG", ".GIF"); the picture keeps its proportions,
// is centred, and the unused border has a colour the picture does not use,
// recorded as the result's transparent colour (no mask yet: the list that
// stores it makes one). Throws PictureError naming the file for another
// extension, a file that cannot be read or one that cannot be decoded.
Picture ReadCustomPicture(const QString& aFileName);

// The smallest colour value (red + 256 * green + 65536 * blue) that no pixel
// of the 24-bit picture has, or -1 when every colour occurs. Throws
// PictureError "Intented only for 24bit bitmaps" for another bit depth.
int Bitmap24UnusedIndex(const Picture& aBitmap);
