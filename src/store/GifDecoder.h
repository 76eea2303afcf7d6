#pragma once

#include "Picture.h"

#include <QByteArrayView>

// Decodes the first picture of a GIF file onto a picture of the file's
// logical screen size (or, when the screen states no size, of the picture's
// extent). Screen areas the picture does not cover and its transparent
// pixels are white. Every size and colour map is checked before use; a file
// that cannot be read throws PictureError. The result has bit depth 8.
Picture decodeGif(QByteArrayView file);
