#include "PictureListFile.h"

#include "DataFile.h"
#include "PictureFile.h"
#include "StoreError.h"

#include <QStringDecoder>

#include <algorithm>

namespace PictureListFile {

namespace {

constexpr std::size_t pixelCount = std::size_t(pictureListWidth) * pictureListHeight;
constexpr std::size_t pixelBytes = pixelCount * 3;
constexpr std::size_t maskBytes = (pixelCount + 7) / 8;
constexpr std::uint8_t hasMaskFlag = 0x01;

void appendU32(QByteArray& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>(value >> (8 * i) & 0xFF));
}

// Reads through the bytes, refusing to go past their end.
class Reader {
public:
    Reader(QByteArrayView bytes, const QString& fileName)
        : _bytes(bytes)
        , _fileName(fileName)
    {
    }

    [[noreturn]] void fail(const QString& why) const
    {
        throw DamagedFile(
            QStringLiteral("The picture list file \"%1\" is damaged: %2").arg(_fileName, why).toStdString());
    }
    void need(std::size_t count, const QString& what) const
    {
        if (remaining() < count)
            fail(QStringLiteral("the file ends inside %1").arg(what));
    }
    std::size_t remaining() const { return static_cast<std::size_t>(_bytes.size() - _position); }
    std::size_t position() const { return static_cast<std::size_t>(_position); }
    void seek(std::size_t position) { _position = static_cast<qsizetype>(position); }

    QByteArrayView take(std::size_t count, const QString& what)
    {
        need(count, what);
        const QByteArrayView part = _bytes.sliced(_position, static_cast<qsizetype>(count));
        _position += static_cast<qsizetype>(count);
        return part;
    }
    std::uint8_t u8(const QString& what) { return static_cast<std::uint8_t>(take(1, what)[0]); }
    std::uint32_t u32(const QString& what)
    {
        const QByteArrayView b = take(4, what);
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = value << 8 | static_cast<std::uint8_t>(b[i]);
        return value;
    }

private:
    QByteArrayView _bytes;
    QString _fileName;
    qsizetype _position = 0;
};

QString nameOfPicture(std::size_t index)
{
    return QStringLiteral("picture %1").arg(index);
}

// The size of picture i's record, from its flags and colour (the record's
// first five bytes, read by `reader`).
std::size_t checkedRecordSize(Reader& reader, std::size_t i)
{
    const std::uint8_t flags = reader.u8(nameOfPicture(i));
    if ((flags & ~hasMaskFlag) != 0)
        reader.fail(QStringLiteral("%1 has unknown flags %2").arg(nameOfPicture(i)).arg(flags));
    const auto colour = static_cast<std::int32_t>(reader.u32(nameOfPicture(i)));
    if (colour < -1 || colour > 0xFFFFFF)
        reader.fail(QStringLiteral("%1 has the transparent colour %2").arg(nameOfPicture(i)).arg(colour));
    return 5 + pixelBytes + ((flags & hasMaskFlag) ? maskBytes : 0);
}

// Walks the pictures' flags and colours without touching their pixels, so
// a damaged file is refused before anything is built.
void checkPictures(Reader& reader, std::uint32_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        reader.take(checkedRecordSize(reader, i) - 5, nameOfPicture(i));
    if (reader.remaining() != 0)
        reader.fail(QStringLiteral("%1 bytes follow the last picture").arg(reader.remaining()));
}

struct Header {
    QString name;
    std::uint32_t count = 0;
};

// The header, checked; `fileBytes` is the size of the whole file, of which
// the reader may hold only the beginning.
Header readHeader(Reader& reader, std::uint64_t fileBytes)
{
    if (reader.take(4, QStringLiteral("the header")) != QByteArrayView(magic, 4))
        reader.fail(QStringLiteral("it is not a picture list file"));
    const std::uint32_t version = reader.u32(QStringLiteral("the header"));
    if (version != formatVersion)
        reader.fail(QStringLiteral("format version %1 is not supported").arg(version));
    const std::uint32_t nameLength = reader.u32(QStringLiteral("the header"));
    if (nameLength > maxNameBytes)
        reader.fail(QStringLiteral("the list name of %1 bytes is too long").arg(nameLength));
    const QByteArrayView nameBytes = reader.take(nameLength, QStringLiteral("the list name"));
    // An initial byte-order mark is part of the name, so names read back
    // byte for byte.
    QStringDecoder utf8(
        QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    Header header;
    header.name = utf8(nameBytes);
    if (utf8.hasError())
        reader.fail(QStringLiteral("the list name is not UTF-8"));
    const std::uint32_t width = reader.u32(QStringLiteral("the header"));
    const std::uint32_t height = reader.u32(QStringLiteral("the header"));
    if (width != pictureListWidth || height != pictureListHeight)
        reader.fail(QStringLiteral("it holds pictures of %1 x %2, not %3 x %4")
                        .arg(width)
                        .arg(height)
                        .arg(pictureListWidth)
                        .arg(pictureListHeight));
    header.count = reader.u32(QStringLiteral("the header"));
    const std::uint64_t remaining = fileBytes - reader.position();
    if (std::uint64_t(header.count) * (5 + pixelBytes) > remaining)
        reader.fail(
            QStringLiteral("it states %1 pictures but holds only %2 bytes of them").arg(header.count).arg(remaining));
    return header;
}

Picture readPicture(Reader& reader)
{
    const std::uint8_t flags = reader.u8(QString());
    const auto colour = static_cast<std::int32_t>(reader.u32(QString()));
    const QByteArrayView pixels = reader.take(pixelBytes, QString());
    Picture picture(pictureListWidth, pictureListHeight, 24);
    // Rows are contiguous: one pass over the checked bytes (start-up reads
    // every picture of the four lists).
    const auto* rgbBytes = reinterpret_cast<const std::uint8_t*>(pixels.data());
    Colour* target = picture.row(0);
    for (std::size_t i = 0; i < pixelCount; ++i, rgbBytes += 3)
        target[i] = Colour(rgbBytes[0]) | Colour(rgbBytes[1]) << 8 | Colour(rgbBytes[2]) << 16;
    picture.setTransparentColour(colour);
    if (flags & hasMaskFlag) {
        const auto* bits = reinterpret_cast<const std::uint8_t*>(reader.take(maskBytes, QString()).data());
        std::vector<bool> mask(pixelCount);
        // Masks are mostly whole bytes of one kind: opaque, or a see-through band.
        for (std::size_t byte = 0; byte < maskBytes; ++byte) {
            const std::uint8_t b = bits[byte];
            if (b == 0)
                continue;
            const std::size_t first = byte * 8;
            for (std::size_t bit = 0; bit < 8 && first + bit < pixelCount; ++bit)
                mask[first + bit] = (b >> (7 - bit)) & 1;
        }
        picture.setMask(std::move(mask));
    }
    return picture;
}

} // namespace

QByteArray encode(const PictureList& list)
{
    QByteArray name = list.name().toUtf8();
    if (name.size() > qsizetype(maxNameBytes)) {
        // Cut at a character boundary, so the name stays UTF-8.
        qsizetype cut = maxNameBytes;
        while (cut > 0 && (static_cast<std::uint8_t>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name.truncate(cut);
    }
    QByteArray out;
    out.reserve(static_cast<qsizetype>(24 + name.size() + list.count() * (5 + pixelBytes + maskBytes)));
    out.append(magic, 4);
    appendU32(out, formatVersion);
    appendU32(out, static_cast<std::uint32_t>(name.size()));
    out.append(name);
    appendU32(out, pictureListWidth);
    appendU32(out, pictureListHeight);
    appendU32(out, static_cast<std::uint32_t>(list.count()));
    for (int index = 0; index < list.count(); ++index) {
        if (const StoredPicture* stored = list.stored(index)) {
            // Still as loaded: its record goes over as it is.
            const QByteArray record = stored->file->read(stored->offset, stored->size);
            if (record.isEmpty())
                throw StoreIoError(QStringLiteral("Input/output error in \"%1\": picture %2 can no longer be read")
                                       .arg(stored->file->path())
                                       .arg(index)
                                       .toStdString());
            out.append(record);
            continue;
        }
        const Picture picture = list.at(index);
        out.append(static_cast<char>(picture.hasMask() ? hasMaskFlag : 0));
        appendU32(out, static_cast<std::uint32_t>(picture.transparentColour()));
        for (const Colour c : picture.pixels()) {
            out.append(static_cast<char>(redOf(c)));
            out.append(static_cast<char>(greenOf(c)));
            out.append(static_cast<char>(blueOf(c)));
        }
        if (!picture.hasMask())
            continue;
        const std::vector<bool>& mask = picture.mask();
        for (std::size_t i = 0; i < pixelCount; i += 8) {
            std::uint8_t byte = 0;
            for (std::size_t bit = 0; bit < 8 && i + bit < pixelCount; ++bit)
                byte |= static_cast<std::uint8_t>(mask[i + bit] ? 0x80 >> bit : 0);
            out.append(static_cast<char>(byte));
        }
    }
    return out;
}

PictureList decode(QByteArrayView bytes, const QString& fileName)
{
    Reader reader(bytes, fileName);
    const Header header = readHeader(reader, static_cast<std::uint64_t>(bytes.size()));
    const std::uint32_t count = header.count;
    const QString& name = header.name;

    const std::size_t firstPicture = reader.position();
    checkPictures(reader, count);
    reader.seek(firstPicture);
    PictureList list(name);
    for (std::uint32_t i = 0; i < count; ++i)
        list.append(readPicture(reader));
    return list;
}

std::optional<PictureList> load(const QString& path)
{
    const std::shared_ptr<const PictureFile> file = PictureFile::open(path);
    if (!file)
        return std::nullopt;
    const auto fileBytes = static_cast<std::uint64_t>(file->size());
    const auto headBytes = static_cast<std::size_t>(std::min<std::uint64_t>(fileBytes, 24 + maxNameBytes));
    const QByteArray head = file->read(0, headBytes);
    if (head.size() != qsizetype(headBytes))
        throw StoreIoError(QStringLiteral("Input/output error in \"%1\": it cannot be read").arg(path).toStdString());
    Reader reader(head, path);
    const Header header = readHeader(reader, fileBytes);

    PictureList list(header.name);
    std::uint64_t offset = reader.position();
    for (std::uint32_t i = 0; i < header.count; ++i) {
        char fields[5];
        if (offset + 5 > fileBytes || !file->read(static_cast<std::int64_t>(offset), fields, 5))
            reader.fail(QStringLiteral("the file ends inside %1").arg(nameOfPicture(i)));
        Reader fieldReader(QByteArrayView(fields, 5), path);
        const std::size_t size = checkedRecordSize(fieldReader, i);
        if (offset + size > fileBytes)
            reader.fail(QStringLiteral("the file ends inside %1").arg(nameOfPicture(i)));
        list.appendStored({file, static_cast<std::int64_t>(offset), static_cast<std::uint32_t>(size)});
        offset += size;
    }
    if (offset != fileBytes)
        reader.fail(QStringLiteral("%1 bytes follow the last picture").arg(fileBytes - offset));
    return list;
}

Picture readStored(const StoredPicture& stored)
{
    const QByteArray record = stored.file->read(stored.offset, stored.size);
    if (record.isEmpty())
        return {};
    try {
        // Checked again: the file may have been changed in place since loading.
        Reader reader(record, stored.file->path());
        if (checkedRecordSize(reader, 0) != static_cast<std::size_t>(record.size()))
            return {};
        reader.seek(0);
        return readPicture(reader);
    } catch (const DamagedFile&) {
        return {};
    }
}

void write(const QString& path, const PictureList& list)
{
    DataFile::writeAtomically(path, encode(list));
}

} // namespace PictureListFile
