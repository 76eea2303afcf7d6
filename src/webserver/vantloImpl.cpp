#include "vantloImpl.h"

#include "AppImageFiles.h"
#include "Base64Text.h"
#include "TemporaryFileName.h"

#include "Cp1252.h"
#include "CustomPicture.h"
#include "HidCtrl.h"
#include "HouseEdits.h"
#include "ItemPictures.h"
#include "Language.h"
#include "LoadSave.h"
#include "StoreLock.h"
#include "Switching.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <mutex>
#include <optional>
#include <stdexcept>

namespace {

static_assert(nrofRuimtes == 16 && nrofApparaten == 16 && nrofScenes == 16, "the range texts say 0..15");

bool isSlot(std::int32_t index)
{
    return index >= 0 && index < 16;
}

QString outOfRange(const char* what, std::int32_t index)
{
    return QStringLiteral("%1 index %2 is out of range 0..15").arg(QLatin1String(what)).arg(index);
}

std::optional<QString> roomIndexError(std::int32_t aRoom)
{
    if (!isSlot(aRoom))
        return outOfRange("Room", aRoom);
    return std::nullopt;
}

std::optional<QString> applianceIndexError(std::int32_t aRoom, std::int32_t aApp)
{
    if (!isSlot(aRoom))
        return outOfRange("Room", aRoom);
    if (!isSlot(aApp))
        return outOfRange("Appliance", aApp);
    return std::nullopt;
}

std::optional<QString> sceneIndexError(std::int32_t aScene)
{
    if (!isSlot(aScene))
        return outOfRange("Scene", aScene);
    return std::nullopt;
}

TWebserverResponse errorOnly(const QString& error)
{
    return TWebserverResponse {QString(), error};
}

TWebserverResponse responseOnly(const QString& response)
{
    return TWebserverResponse {response, QString()};
}

TWebserverResponse noError()
{
    return errorOnly(QString::fromLatin1(noErrorText));
}

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// Runs `read` on the store under the read lock, so that it sees the store
// as a whole and never half-changed.
template <class Read> auto readStore(Read read)
{
    StoreReadLock lock(storeMutex());
    const TLoadSave& store = *TLoadSave::instance();
    return read(store);
}

Apparaat applianceAt(std::int32_t aRoom, std::int32_t aApp)
{
    return readStore([&](const TLoadSave& store) { return store.Ruimtes[aRoom].Apparaten[aApp]; });
}

QString notConnectedText()
{
    const int language = readStore([](const TLoadSave& store) { return store.GetLanguage(); });
    return gettext(txtNietAangesloten, language);
}

// Switching: silent checks, then one Switch request. Whether the report
// went out is not examined.
template <class SwitchValueOf>
TWebserverResponse switchAppliance(std::int32_t aRoom, std::int32_t aApp, SwitchValueOf switchValueOf)
{
    if (const auto error = applianceIndexError(aRoom, aApp))
        return errorOnly(*error);
    if (!IsZolvoConnected(true))
        return errorOnly(notConnectedText());
    const Apparaat apparaat = applianceAt(aRoom, aApp);
    // The desktop's no-code message is not raised from a service thread:
    // the remote app gets "NOERROR" and nothing is sent.
    if (IsValidCode(apparaat.Code, true))
        SwitchAppliance(apparaat.Code, switchValueOf(apparaat));
    return noError();
}

QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()).toStdString());
    return file.readAll();
}

void writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error(
            QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()).toStdString());
}

// What the picture operations need of an appliance, read at once.
struct PictureTarget {
    QString name;
    std::int32_t afbeelding = -1;
    QString programFolder;
};

PictureTarget pictureTarget(std::int32_t aRoom, std::int32_t aApp)
{
    return readStore([&](const TLoadSave& store) {
        const Apparaat& apparaat = store.Ruimtes[aRoom].Apparaten[aApp];
        return PictureTarget {toQString(apparaat.Omschrijving), apparaat.Afbeelding, store.folder()};
    });
}

// Concurrent setImage calls would otherwise interleave their moves and copies
// in the picture folder, and getAppImage could read a file half copied.
std::mutex customFilesMutex;

// The custom file's bytes, or std::nullopt when there is none.
std::optional<QByteArray> readCustomFile(const QString& programFolder, const QString& name)
{
    std::lock_guard lock(customFilesMutex);
    const QString custom = customPicturePath(programFolder, name);
    if (!QFileInfo(custom).isFile())
        return std::nullopt;
    return readWholeFile(custom);
}

// Moves an existing custom file into the backup folder under a random
// prefix, then puts the new file in its place; failures here are ignored.
void replaceCustomFile(const QString& programFolder, const QString& name, const QString& newFile)
{
    std::lock_guard lock(customFilesMutex);
    QDir().mkpath(appImagesFolder(programFolder));
    const QString custom = customPicturePath(programFolder, name);
    if (QFileInfo::exists(custom)) {
        const QString backup = backupFolder(programFolder);
        QDir().mkpath(backup);
        const int prefix = static_cast<int>(QRandomGenerator::global()->bounded(65535));
        QFile::rename(custom, backup + QLatin1Char('/') + backupFileName(prefix, name));
    }
    QFile::remove(custom);
    QFile::copy(newFile, custom);
}

} // namespace

TWebserverResponse Tvantlo::getroomcount()
{
    const int count = readStore([](const TLoadSave& store) { return leadingSlotsInUse(store.Ruimtes); });
    return responseOnly(QString::number(count));
}

TWebserverResponse Tvantlo::getappcount(std::int32_t aRoom)
{
    if (const auto error = roomIndexError(aRoom))
        return errorOnly(*error);
    const int count =
        readStore([&](const TLoadSave& store) { return leadingSlotsInUse(store.Ruimtes[aRoom].Apparaten); });
    return responseOnly(QString::number(count));
}

TWebserverResponse Tvantlo::getroomname(std::int32_t aRoom)
{
    if (const auto error = roomIndexError(aRoom))
        return errorOnly(*error);
    return responseOnly(
        readStore([&](const TLoadSave& store) { return toQString(store.Ruimtes[aRoom].Omschrijving); }));
}

TWebserverResponse Tvantlo::getappname(std::int32_t aRoom, std::int32_t aApp)
{
    if (const auto error = applianceIndexError(aRoom, aApp))
        return errorOnly(*error);
    return responseOnly(toQString(applianceAt(aRoom, aApp).Omschrijving));
}

TWebserverResponse Tvantlo::getappcode(std::int32_t aRoom, std::int32_t aApp)
{
    if (const auto error = applianceIndexError(aRoom, aApp))
        return errorOnly(*error);
    return responseOnly(QString::number(applianceAt(aRoom, aApp).Code));
}

TWebserverResponse Tvantlo::dimapp(std::int32_t aRoom, std::int32_t aApp, std::int32_t dimstand)
{
    // 2 x dimstand + 1 in its low 8 bits, computed unsigned so that no
    // dimstand a client sends can overflow.
    const auto value = static_cast<std::uint8_t>((2u * static_cast<std::uint32_t>(dimstand) + 1u) & 0xFFu);
    return switchAppliance(aRoom, aApp, [value](const Apparaat&) { return value; });
}

TWebserverResponse Tvantlo::isappdimmable(std::int32_t aRoom, std::int32_t aApp)
{
    if (const auto error = applianceIndexError(aRoom, aApp))
        return errorOnly(*error);
    return responseOnly(boolText(applianceAt(aRoom, aApp).Dimmer));
}

TWebserverResponse Tvantlo::isappoudModel(std::int32_t aRoom, std::int32_t aApp)
{
    if (const auto error = applianceIndexError(aRoom, aApp))
        return errorOnly(*error);
    return responseOnly(boolText(applianceAt(aRoom, aApp).OudModel));
}

TWebserverResponse Tvantlo::apparaatAan(std::int32_t aRoom, std::int32_t aApp)
{
    return switchAppliance(aRoom, aApp, [](const Apparaat& a) { return SwitchValue::on(a.OudModel); });
}

TWebserverResponse Tvantlo::apparaatUit(std::int32_t aRoom, std::int32_t aApp)
{
    return switchAppliance(aRoom, aApp, [](const Apparaat& a) { return SwitchValue::off(a.OudModel); });
}

TWebserverResponse Tvantlo::getAppImage(std::int32_t aRoom, std::int32_t aApp)
{
    if (const auto error = applianceIndexError(aRoom, aApp))
        return errorOnly(*error);
    const PictureTarget target = pictureTarget(aRoom, aApp);
    // A name that cannot be a file name has no custom file; the listed
    // picture is still there.
    const bool nameIsSafe = !applianceFileNameProblem(target.name);
    try {
        if (const std::optional<QByteArray> custom =
                nameIsSafe ? readCustomFile(target.programFolder, target.name) : std::nullopt)
            return TWebserverResponse {base64Lines(*custom), QString::fromLatin1(noErrorText)};
        if (target.afbeelding == -1)
            return errorOnly(
                nameIsSafe ? QString::fromLatin1(imageNotFoundText) : *applianceFileNameProblem(target.name));
        // The name ends in ".jpg" though the content is BMP.
        const TemporaryFile bitmap;
        writeWholeFile(bitmap.path(), apparaatPictureBmp(*TLoadSave::instance(), aRoom, aApp));
        return TWebserverResponse {base64Lines(readWholeFile(bitmap.path())), QString::fromLatin1(noErrorText)};
    } catch (const std::exception& e) {
        return errorOnly(QString::fromUtf8(e.what()));
    }
}

TWebserverResponse Tvantlo::getscenecount()
{
    const int count = readStore([](const TLoadSave& store) { return leadingSlotsInUse(store.Scenes); });
    return responseOnly(QString::number(count));
}

TWebserverResponse Tvantlo::getscenename(std::int32_t aScene)
{
    if (const auto error = sceneIndexError(aScene))
        return errorOnly(*error);
    return responseOnly(
        readStore([&](const TLoadSave& store) { return toQString(store.Scenes[aScene].Omschrijving); }));
}

TWebserverResponse Tvantlo::sceneActivate(std::int32_t aScene)
{
    if (const auto error = sceneIndexError(aScene))
        return errorOnly(*error);
    if (!IsZolvoConnected(true))
        return errorOnly(notConnectedText());
    // Neither checked for being in use nor uploaded first: the Zolvo runs
    // the scene as it holds it.
    ExecuteScene(aScene);
    return noError();
}

TWebserverResponse Tvantlo::apparaatWakeUp(std::int32_t aRoom, std::int32_t aApp)
{
    return apparaatAan(aRoom, aApp);
}

TWebserverResponse Tvantlo::getwebserverinfo()
{
    return TWebserverResponse {QStringLiteral("Delphi"), QString::fromLatin1(noErrorText)};
}

TWebserverResponse Tvantlo::setImage(std::int32_t aRoom, std::int32_t aApp, const QString& aImage)
{
    if (const auto error = applianceIndexError(aRoom, aApp))
        return errorOnly(*error);
    const PictureTarget target = pictureTarget(aRoom, aApp);
    if (const auto problem = applianceFileNameProblem(target.name))
        return errorOnly(*problem);
    try {
        const TemporaryFile received;
        writeWholeFile(received.path(), decodeBase64Lenient(aImage));
        // Stored under the appliance's name whatever it holds; only the
        // picture list needs a JPEG.
        replaceCustomFile(target.programFolder, target.name, received.path());
        // ReadCustomPicture decodes by the ".jpg" extension; the list entry
        // is masked with the background colour it chose.
        if (target.afbeelding != -1)
            setApparaatCustomPicture(*TLoadSave::instance(), aRoom, aApp, ReadCustomPicture(received.path()));
    } catch (const std::exception& e) {
        return errorOnly(QString::fromUtf8(e.what()));
    }
    return noError();
}

TWebserverResponse Tvantlo::isDutch()
{
    // Language index 0 is the catalogue's Dutch column.
    return responseOnly(boolText(readStore([](const TLoadSave& store) { return store.GetLanguage(); }) == 0));
}
