// Renders the program's SVG artwork into the raw form the program reads, as
// part of the build.
//   zolvo-artwork-render SOURCE_DIR OUTPUT_DIR NAME.svg...
// Each SOURCE_DIR/NAME.svg becomes OUTPUT_DIR/NAME.art, rendered at the SVG's
// own size on a transparent ground.
#include "ArtworkFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

namespace {

QByteArray littleEndian32(std::uint32_t value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

bool isOpaque(const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(row[x]) != 255)
                return false;
    }
    return true;
}

bool renderOne(const QString& source, const QString& target)
{
    QSvgRenderer renderer(source);
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty() || size.width() > int(artworkformat::maxSide) ||
        size.height() > int(artworkformat::maxSide)) {
        std::fprintf(stderr, "zolvo-artwork-render: %s is not a usable SVG picture\n", qPrintable(source));
        return false;
    }
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        renderer.render(&painter);
    }

    QByteArray bytes(artworkformat::magic, sizeof artworkformat::magic);
    bytes += littleEndian32(size.width());
    bytes += littleEndian32(size.height());
    bytes += littleEndian32(isOpaque(picture) ? 1 : 0);
    const qsizetype rowBytes = qsizetype(size.width()) * 4;
    QByteArray row(rowBytes, '\0');
    for (int y = 0; y < size.height(); ++y) {
        qToLittleEndian<quint32>(picture.constScanLine(y), size.width(), row.data());
        bytes += row;
    }

    QDir().mkpath(QFileInfo(target).absolutePath());
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "zolvo-artwork-render: cannot write %s\n", qPrintable(target));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: zolvo-artwork-render SOURCE_DIR OUTPUT_DIR NAME.svg...\n");
        return 2;
    }
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    const QDir targets(QString::fromLocal8Bit(argv[2]));
    bool ok = true;
    for (int i = 3; i < argc; ++i) {
        const QString name = QString::fromLocal8Bit(argv[i]);
        if (!name.endsWith(QLatin1String(".svg"))) {
            std::fprintf(stderr, "zolvo-artwork-render: %s is not an .svg file\n", qPrintable(name));
            ok = false;
            continue;
        }
        ok = renderOne(sources.filePath(name), targets.filePath(name.chopped(4) + QLatin1String(".art"))) && ok;
    }
    return ok ? 0 : 1;
}
