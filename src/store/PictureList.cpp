#include "PictureList.h"

#include "PictureError.h"
#include "PictureListFile.h"

#include <atomic>

namespace {

Picture masked(Picture picture, int colour)
{
    picture.setBitDepth(24);
    picture.setMaskFromColour(colour);
    return picture;
}

std::atomic<std::uint64_t> lastRevision {0};

} // namespace

PictureList::PictureList(QString name)
    : _name(std::move(name))
{
    changed();
}

void PictureList::changed()
{
    _revision = ++lastRevision;
}

Picture PictureList::at(int index) const
{
    if (index < 0 || index >= count())
        return Picture();
    const StoredPicture& stored = _stored[static_cast<std::size_t>(index)];
    if (stored.file)
        return PictureListFile::readStored(stored);
    return _pictures[static_cast<std::size_t>(index)];
}

void PictureList::appendStored(StoredPicture stored)
{
    _pictures.emplace_back();
    _stored.push_back(std::move(stored));
    changed();
}

const StoredPicture* PictureList::stored(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    const StoredPicture& stored = _stored[static_cast<std::size_t>(index)];
    return stored.file ? &stored : nullptr;
}

Picture PictureList::checked(Picture picture)
{
    if (picture.width() != pictureListWidth || picture.height() != pictureListHeight)
        throw PictureError(QStringLiteral("A picture of %1 x %2 pixels does not fit a list of %3 x %4")
                               .arg(picture.width())
                               .arg(picture.height())
                               .arg(pictureListWidth)
                               .arg(pictureListHeight)
                               .toStdString());
    return picture;
}

int PictureList::append(Picture picture)
{
    _pictures.push_back(checked(std::move(picture)));
    _stored.emplace_back();
    changed();
    return count() - 1;
}

void PictureList::replace(int index, Picture picture)
{
    if (index < 0 || index >= count())
        throw PictureError(QStringLiteral("The picture list \"%1\" has no picture number %2 (it holds %3)")
                               .arg(_name)
                               .arg(index)
                               .arg(count())
                               .toStdString());
    _pictures[static_cast<std::size_t>(index)] = checked(std::move(picture));
    _stored[static_cast<std::size_t>(index)] = {};
    changed();
}

int PictureList::appendMasked(Picture picture, int colour)
{
    return append(masked(std::move(picture), colour));
}

void PictureList::replaceMasked(int index, Picture picture, int colour)
{
    replace(index, masked(std::move(picture), colour));
}

void PictureList::clear()
{
    _pictures.clear();
    _stored.clear();
    changed();
}
