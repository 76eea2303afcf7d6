#include "DataFile.h"

#include "StoreError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace DataFile {

namespace {

[[noreturn]] void fail(const QString& path, const QString& what)
{
    throw StoreIoError(QStringLiteral("Input/output error in \"%1\": %2").arg(path, what).toStdString());
}

// Makes the rename itself durable.
void syncFolder(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::optional<QByteArray> readIfExists(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString());
    QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(path, file.errorString());
    return contents;
}

void writeAtomically(const QString& path, const QByteArray& contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    if (file.write(contents) != contents.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(path, reason);
    }
    // commit() flushes the temporary file to disk before the rename.
    if (!file.commit())
        fail(path, file.errorString());
    syncFolder(path);
}

SectionReader::SectionReader(const QString& path, const QByteArray& contents)
    : _path(path)
    , _contents(contents)
{
}

QByteArray SectionReader::next(std::size_t blockSize, const char* sectionName, Oversize oversize)
{
    if (_contents.size() - _position < 2)
        fail(_path, QStringLiteral("the %1 section is missing").arg(QLatin1String(sectionName)));
    const auto high = static_cast<unsigned char>(_contents[_position]);
    const auto low = static_cast<unsigned char>(_contents[_position + 1]);
    const std::size_t length = high * 256u + low;
    _position += 2;
    _lastLength = length;
    if (length > blockSize && oversize == Oversize::Reject)
        fail(_path,
            QStringLiteral("the %1 section states %2 bytes, more than its %3")
                .arg(QLatin1String(sectionName))
                .arg(length)
                .arg(blockSize));
    if (static_cast<std::size_t>(_contents.size() - _position) < length)
        fail(_path, QStringLiteral("the file ends inside the %1 section").arg(QLatin1String(sectionName)));
    QByteArray block(static_cast<qsizetype>(blockSize), '\0');
    std::copy_n(_contents.constData() + _position, std::min(length, blockSize), block.data());
    _position += static_cast<qsizetype>(length);
    return block;
}

void appendSection(QByteArray& file, const QByteArray& section)
{
    file.append(static_cast<char>((section.size() >> 8) & 0xFF));
    file.append(static_cast<char>(section.size() & 0xFF));
    file.append(section);
}

} // namespace DataFile
