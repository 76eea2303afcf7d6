#pragma once

#include "PictureList.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <stdexcept>

// The file form of one picture list, all numbers little-endian:
//
//   offset  size        content
//   0       4           magic "ZPLF"
//   4       4           format version, 1
//   8       4           length n of the list name in bytes, at most 1024
//   12      n           list name, UTF-8
//           4           picture width, 130
//           4           picture height, 80
//           4           number of pictures
//   then for each picture:
//           1           flags: bit 0 set when a mask follows; other bits 0
//           4           transparent colour (signed): -1 or 0..0xFFFFFF
//           130*80*3    pixels, rows from the top, each red, green, blue
//           130*80/8    the mask, when flagged: one bit per pixel in the same
//                       order, most significant bit first, 1 = see-through
//   and nothing after the last picture.
namespace PictureListFile {

inline constexpr char magic[4] = {'Z', 'P', 'L', 'F'};
inline constexpr std::uint32_t formatVersion = 1;
inline constexpr std::uint32_t maxNameBytes = 1024;

// A file whose bytes are not a picture list of this form; the message names
// the file and says what is wrong.
class DamagedFile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

QByteArray encode(const PictureList& list);
// Checks every length, count and field before taking anything from the
// bytes; throws DamagedFile naming `fileName`.
PictureList decode(QByteArrayView bytes, const QString& fileName);
// The list in the file at `path`, its structure checked as decode does but
// its pictures left in the file, read when asked for (PictureList::at).
// No list when there is no file; throws DamagedFile, and StoreIoError when
// the file cannot be read.
std::optional<PictureList> load(const QString& path);
// A stored picture read from its file; a null picture when the file no
// longer holds a picture record there.
Picture readStored(const StoredPicture& stored);
// Writes atomically (DataFile::writeAtomically); throws StoreIoError.
void write(const QString& path, const PictureList& list);

} // namespace PictureListFile
