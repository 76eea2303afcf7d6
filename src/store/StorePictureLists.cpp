#include "StorePictureLists.h"

#include "DataFile.h"
#include "PictureListFile.h"
#include "StoreError.h"

#include <QDir>
#include <QFile>

namespace {

// Where the damaged file's bytes are kept: the first "<file>.damaged[.N]"
// that is free or already holds exactly these bytes (a file that stays
// damaged over several starts is copied once).
QString keepDamagedCopy(const QString& path, const QByteArray& contents)
{
    for (int number = 0; number < 1000; ++number) {
        const QString copy =
            number == 0 ? path + QStringLiteral(".damaged") : path + QStringLiteral(".damaged.%1").arg(number);
        const auto existing = DataFile::readIfExists(copy);
        if (existing && *existing == contents)
            return copy;
        if (!existing) {
            DataFile::writeAtomically(copy, contents);
            return copy;
        }
    }
    throw StoreIoError(QStringLiteral("Too many damaged copies of \"%1\"").arg(path).toStdString());
}

} // namespace

const StorePictureLists::ListFile StorePictureLists::listFiles[4] = {
    {&StorePictureLists::ruimteimages, ruimteImageListFileName, "RuimteImages"},
    {&StorePictureLists::appimages, appImageListFileName, "appimages"},
    {&StorePictureLists::usedRuimteimages, customRuimteImageListFileName, "usedRuimteimages"},
    {&StorePictureLists::usedAppimages, customAppImageListFileName, "usedAppimages"},
};

StorePictureLists::StorePictureLists()
{
    // Named from the start, so a list saved without ever being loaded
    // carries its name too.
    for (const ListFile& file : listFiles)
        (this->*file.list).setName(QString::fromLatin1(file.name));
}

void StorePictureLists::load(const QString& folder)
{
    _warnings.clear();
    for (std::size_t i = 0; i < std::size(listFiles); ++i)
        loadOne(folder, i);
}

void StorePictureLists::loadOne(const QString& folder, std::size_t index)
{
    const ListFile& file = listFiles[index];
    PictureList& list = this->*file.list;
    const QString path = QDir(folder).filePath(QString::fromLatin1(file.fileName));
    _damaged[index] = false;
    try {
        // Read picture by picture when first shown: start-up only checks the file.
        std::optional<PictureList> loaded = PictureListFile::load(path);
        if (!loaded)
            return;
        list = std::move(*loaded);
        list.setName(QString::fromLatin1(file.name));
        return;
    } catch (const PictureListFile::DamagedFile& damage) {
        list = PictureList(QString::fromLatin1(file.name));
        _damaged[index] = true;
        _revisionAtLoad[index] = list.revision();
        QString warning = QString::fromUtf8(damage.what());
        try {
            warning += QStringLiteral(". Its contents were kept as \"%1\"; the list starts empty.")
                           .arg(keepDamagedCopy(path, DataFile::readIfExists(path).value_or(QByteArray())));
        } catch (const StoreIoError& e) {
            warning += QStringLiteral(". No copy could be made (%1); the file is left as it is until the list "
                                      "changes, and the list starts empty.")
                           .arg(QString::fromUtf8(e.what()));
        }
        _warnings.push_back(warning);
    }
}

void StorePictureLists::save(const QString& folder)
{
    for (std::size_t i = 0; i < std::size(listFiles); ++i) {
        const PictureList& list = this->*listFiles[i].list;
        if (_damaged[i] && list.revision() == _revisionAtLoad[i])
            continue;
        PictureListFile::write(QDir(folder).filePath(QString::fromLatin1(listFiles[i].fileName)), list);
        _damaged[i] = false;
    }
}
