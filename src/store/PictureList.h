#pragma once

#include "CustomPicture.h"
#include "Picture.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class PictureFile;

// A picture still in its list file, read and decoded when it is asked for:
// the file, the offset of its record and the record's size.
struct StoredPicture {
    std::shared_ptr<const PictureFile> file;
    std::int64_t offset = 0;
    std::uint32_t size = 0;
};

// A named list of 130 x 80 pictures, each with or without a mask, in the
// order they were added. Not locked: the store's lists are guarded by the
// store lock (StorePictureLists.h).
class PictureList {
public:
    explicit PictureList(QString name = QString());

    const QString& name() const { return _name; }
    void setName(const QString& name) { _name = name; }
    int width() const { return pictureListWidth; }
    int height() const { return pictureListHeight; }
    int count() const { return static_cast<int>(_pictures.size()); }

    // The picture at `index` with its mask; an index outside the list, or a
    // stored picture its file no longer holds, gives a null picture (nothing
    // to draw). Const and without side effects, so readers may share the list.
    Picture at(int index) const;

    // Both keep the picture's mask and transparent colour as they are and
    // throw PictureError for a picture that is not 130 x 80 or, for replace,
    // an index outside the list. append returns the new index.
    int append(Picture picture);
    void replace(int index, Picture picture);
    // The picture stored 24-bit with a mask made from `colour` (see
    // Picture::setMaskFromColour).
    int appendMasked(Picture picture, int colour);
    void replaceMasked(int index, Picture picture, int colour);
    void clear();

    // A stamp, unique in the process, that every change renews (a copy keeps
    // it), so the owner can tell whether the list changed since it looked.
    std::uint64_t revision() const { return _revision; }

    // A picture left in its file (the list loader's); at() reads it.
    void appendStored(StoredPicture stored);
    // Where picture `index` lies in its file, or nullptr when it is in memory.
    const StoredPicture* stored(int index) const;

private:
    static Picture checked(Picture picture);
    void changed();

    QString _name;
    std::vector<Picture> _pictures;
    // Per picture: its place in a file, or no file when _pictures holds it.
    std::vector<StoredPicture> _stored;
    std::uint64_t _revision = 0;
};
