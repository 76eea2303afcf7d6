#include "AppImageFiles.h"

#include <QDir>

std::optional<QString> applianceFileNameProblem(const QString& name)
{
    const auto refused = [&name](const char* why) {
        return QStringLiteral("Appliance name '%1' cannot be used as a picture file name: %2")
            .arg(name, QString::fromLatin1(why));
    };
    if (name.isEmpty())
        return refused("the name is empty");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return refused("the name would leave the picture folder");
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return refused("the name holds a path separator");
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return refused("the name holds a control character");
    }
    return std::nullopt;
}

QString appImagesFolder(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("appImages"));
}

QString customPicturePath(const QString& programFolder, const QString& name)
{
    return appImagesFolder(programFolder) + QLatin1Char('/') + name + QStringLiteral(".jpg");
}

QString backupFolder(const QString& programFolder)
{
    return appImagesFolder(programFolder) + QStringLiteral("/backup");
}

QString backupFileName(int prefix, const QString& name)
{
    return QString::number(prefix, 16).toUpper().rightJustified(2, QLatin1Char('0')) + name + QStringLiteral(".jpg");
}
