#include "Artwork.h"

#include "ArtworkFormat.h"

#include <QCoreApplication>
#include <QHash>
#include <QResource>
#include <QSysInfo>
#include <QThread>
#include <QtEndian>

#include <cstdint>
#include <cstring>

namespace {

QImage unpack(const QString& name)
{
    const QResource resource(QStringLiteral(":/artwork/%1.art").arg(name));
    if (!resource.isValid())
        return {};
    // Stored as it is, the bytes are the executable's own: nothing is copied.
    const QByteArray bytes = resource.uncompressedData();
    const bool stored = resource.compressionAlgorithm() == QResource::NoCompression;
    if (std::size_t(bytes.size()) < artworkformat::headerSize ||
        std::memcmp(bytes.constData(), artworkformat::magic, sizeof artworkformat::magic) != 0)
        return {};
    const std::uint32_t width = qFromLittleEndian<quint32>(bytes.constData() + 8);
    const std::uint32_t height = qFromLittleEndian<quint32>(bytes.constData() + 12);
    const QImage::Format format = qFromLittleEndian<quint32>(bytes.constData() + 16) == 1
        ? QImage::Format_RGB32
        : QImage::Format_ARGB32_Premultiplied;
    if (width == 0 || height == 0 || width > artworkformat::maxSide || height > artworkformat::maxSide ||
        std::size_t(bytes.size()) != artworkformat::headerSize + std::size_t(width) * height * 4)
        return {};
    const char* pixels = bytes.constData() + artworkformat::headerSize;
    const qsizetype rowBytes = qsizetype(width) * 4;

    // Pictures stored as they are in the executable are shown from there:
    // no copy, and a page of them is read only when it is drawn.
    if (stored && QSysInfo::ByteOrder == QSysInfo::LittleEndian &&
        reinterpret_cast<std::uintptr_t>(pixels) % alignof(quint32) == 0)
        return QImage(reinterpret_cast<const uchar*>(pixels), int(width), int(height), rowBytes, format);

    QImage picture(int(width), int(height), format);
    for (int y = 0; y < int(height); ++y, pixels += rowBytes)
        qFromLittleEndian<quint32>(pixels, width, picture.scanLine(y));
    return picture;
}

} // namespace

QImage artwork(const QString& name)
{
    // Screens share their backgrounds: each picture is unpacked once. The
    // cache belongs to the GUI thread.
    const QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() != application->thread())
        return unpack(name);
    static QHash<QString, QImage> unpacked;
    auto cached = unpacked.constFind(name);
    if (cached == unpacked.constEnd())
        cached = unpacked.insert(name, unpack(name));
    return *cached;
}
