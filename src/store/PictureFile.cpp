#include "PictureFile.h"

#include "StoreError.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const QString& path, const char* what)
{
    throw StoreIoError(
        QStringLiteral("Input/output error in \"%1\": %2").arg(path, QString::fromLocal8Bit(what)).toStdString());
}

} // namespace

std::shared_ptr<const PictureFile> PictureFile::open(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return nullptr;
        fail(path, std::strerror(errno));
    }
    struct stat status { };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int error = S_ISREG(status.st_mode) ? errno : EISDIR;
        ::close(fd);
        fail(path, std::strerror(error));
    }
    return std::shared_ptr<const PictureFile>(new PictureFile(fd, status.st_size, path));
}

PictureFile::PictureFile(int fd, std::int64_t size, QString path)
    : _fd(fd)
    , _size(size)
    , _path(std::move(path))
{
}

PictureFile::~PictureFile()
{
    ::close(_fd);
}

bool PictureFile::read(std::int64_t offset, char* target, std::size_t count) const
{
    while (count > 0) {
        const ssize_t got = ::pread(_fd, target, count, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        target += got;
        offset += got;
        count -= static_cast<std::size_t>(got);
    }
    return true;
}

QByteArray PictureFile::read(std::int64_t offset, std::size_t count) const
{
    QByteArray bytes(static_cast<qsizetype>(count), Qt::Uninitialized);
    if (!read(offset, bytes.data(), count))
        return {};
    return bytes;
}
