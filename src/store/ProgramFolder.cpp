#include "ProgramFolder.h"

#include <QFileInfo>

QString programFolder()
{
    // Needs no QCoreApplication, so the store can be made before one exists.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
}
