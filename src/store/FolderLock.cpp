#include "FolderLock.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FolderLock::~FolderLock()
{
    release();
}

void FolderLock::release()
{
    if (_fd >= 0)
        ::close(_fd);
    _fd = -1;
}

bool FolderLock::acquire(const QString& dir, QString& problem)
{
    release();
    const QByteArray path = QFile::encodeName(QDir(dir).filePath(QString::fromLatin1(folderLockFileName)));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        problem = QStringLiteral("cannot open the lock file \"%1\": %2")
                      .arg(QString::fromLocal8Bit(path), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        _fd = fd;
        return true;
    }
    const int error = errno;
    ::close(fd);
    problem = error == EWOULDBLOCK
        ? QStringLiteral("the folder \"%1\" is in use by another Zolvo program (it holds \"%2\")")
              .arg(dir, QString::fromLatin1(folderLockFileName))
        : QStringLiteral("cannot lock \"%1\": %2")
              .arg(QString::fromLocal8Bit(path), QString::fromLocal8Bit(std::strerror(error)));
    return false;
}
