#include "TemporaryFileName.h"

#include "Clock.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <ctime>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

QString hex(quint64 value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

std::uint32_t millisecondsSinceBoot()
{
    timespec now {};
    clock_gettime(CLOCK_BOOTTIME, &now);
    // A 32-bit counter: it wraps after 49.7 days, as such counters do.
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

} // namespace

QString formatTemporaryFileName(const QString& folder, const TemporaryNameParts& parts)
{
    QString name = folder;
    if (!name.endsWith(QLatin1Char('/')))
        name += QLatin1Char('/');
    name += hex(parts.threadId, 4);
    name += hex(static_cast<quint64>(std::max(parts.dayOfYear, 0)), 3);
    name += hex(parts.msSinceBoot, 6);
    name += hex(static_cast<quint64>(std::max(parts.year, 0)), 2);
    name += hex(static_cast<quint64>(std::max(parts.random, 0)), 2);
    return name + QStringLiteral(".jpg");
}

QString getTemporaryFileName()
{
    const QDate today = Clock::currentDateTime().date();
    TemporaryNameParts parts;
    parts.threadId = static_cast<std::uint32_t>(syscall(SYS_gettid));
    parts.dayOfYear = today.dayOfYear();
    parts.msSinceBoot = millisecondsSinceBoot();
    parts.year = today.year();
    parts.random = static_cast<int>(QRandomGenerator::global()->bounded(255));
    return formatTemporaryFileName(QDir::tempPath(), parts);
}

TemporaryFile::~TemporaryFile()
{
    QFile::remove(_path);
}
