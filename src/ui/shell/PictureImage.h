#pragma once

#include "Picture.h"

#include <QImage>

// Between the store's pictures and Qt's: see-through pixels of a masked
// picture become fully transparent; every other pixel is opaque.
QImage toQImage(const Picture& picture);
// A 24-bit picture without mask; transparent pixels are drawn over black.
Picture fromQImage(const QImage& image);
