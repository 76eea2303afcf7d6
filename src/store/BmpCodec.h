#pragma once

#include "Picture.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows bitmap files. The reader takes uncompressed (BI_RGB) files of 1, 4,
// 8 (with palette), 16, 24 and 32 bits per pixel and BI_BITFIELDS files of 16
// and 32 bits, bottom-up or top-down, with any of the usual info headers
// (40, 52, 56, 108 or 124 bytes); the alpha of 32-bit files is ignored.
// Every header field, size and offset is checked against the file's length;
// a file it cannot read throws PictureError.
Picture decodeBmp(QByteArrayView file);

// A 24-bit bottom-up BI_RGB file at 96 dots per inch; the mask is not kept.
QByteArray encodeBmp(const Picture& picture);
// Writes encodeBmp's bytes; throws StoreIoError naming the file.
void writeBmpFile(const QString& path, const Picture& picture);
