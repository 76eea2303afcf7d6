#pragma once

#include "Picture.h"

#include <QByteArrayView>

// Decodes a JPEG file (greyscale, colour or CMYK, baseline or progressive)
// into a 24-bit picture. A damaged or truncated file, or one whose stated
// size is beyond the picture limits, throws PictureError; libjpeg never gets
// to end the program.
Picture decodeJpeg(QByteArrayView file);
