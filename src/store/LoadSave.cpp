#include "LoadSave.h"

#include "Clock.h"
#include "DataFile.h"
#include "HouseEdits.h"
#include "ProgramFolder.h"
#include "RecordCodec.h"
#include "StoreError.h"
#include "StoreLock.h"
#include "StorePictureLists.h"

#include <QDir>

#include <algorithm>
#include <mutex>

namespace {

std::mutex instanceMutex;
std::unique_ptr<TLoadSave> LoadSaveInstance;
QString configuredFolder;
PictureListsFactory pictureListsFactory;

auto* bytes(QByteArray& block)
{
    return reinterpret_cast<unsigned char*>(block.data());
}

template <typename Record> QByteArray encodeArray(const Record* records, int count)
{
    QByteArray block(static_cast<qsizetype>(sizeof(Record)) * count, '\0');
    for (int i = 0; i < count; ++i)
        RecordCodec::encode(records[i], bytes(block) + i * sizeof(Record));
    return block;
}

template <typename Record> void decodeArray(QByteArray block, Record* records, int count)
{
    for (int i = 0; i < count; ++i)
        RecordCodec::decode(bytes(block) + i * sizeof(Record), records[i]);
}

ProgAktieRecord toRecord(const ProgAktie& aktie)
{
    ProgAktieRecord r;
    r.Ruimte = aktie.Ruimte;
    r.Apparaat = aktie.Apparaat;
    r.Maand = aktie.Maand;
    r.DagDatum = aktie.DagDatum;
    r.Uur = aktie.Uur;
    r.Minuut = aktie.Minuut;
    r.ZonOffset = aktie.ZonOffset;
    r.RandomB = aktie.RandomB;
    r.OnOffDim = aktie.OnOffDim;
    r.RandomNr = aktie.randomNr;
    return r;
}

ProgAktiePtr fromRecord(const ProgAktieRecord& r)
{
    // Its stamp is the stored one; reading the clock for each would slow a start.
    auto aktie = std::make_shared<ProgAktie>(r.RandomNr);
    aktie->Ruimte = r.Ruimte;
    aktie->Apparaat = r.Apparaat;
    aktie->Maand = r.Maand;
    aktie->DagDatum = r.DagDatum;
    aktie->Uur = r.Uur;
    aktie->Minuut = r.Minuut;
    aktie->ZonOffset = r.ZonOffset;
    aktie->RandomB = r.RandomB;
    aktie->OnOffDim = static_cast<std::uint8_t>(r.OnOffDim & 0xFF);
    return aktie;
}

} // namespace

TLoadSave* TLoadSave::instance()
{
    std::lock_guard lock(instanceMutex);
    if (!LoadSaveInstance)
        LoadSaveInstance = std::make_unique<TLoadSave>(dataFolder());
    return LoadSaveInstance.get();
}

TLoadSave* TLoadSave::recreate()
{
    {
        std::lock_guard lock(instanceMutex);
        // The old store is gone even when loading the new one fails; the
        // next instance() call then tries to load again.
        LoadSaveInstance.reset();
    }
    return instance();
}

TLoadSave* TLoadSave::existing()
{
    std::lock_guard lock(instanceMutex);
    return LoadSaveInstance.get();
}

void TLoadSave::destroyInstance()
{
    std::lock_guard lock(instanceMutex);
    LoadSaveInstance.reset();
}

void TLoadSave::setDataFolder(const QString& folder)
{
    std::lock_guard lock(instanceMutex);
    configuredFolder = folder;
}

QString TLoadSave::dataFolder()
{
    return configuredFolder.isEmpty() ? programFolder() : configuredFolder;
}

void TLoadSave::setPictureListsFactory(PictureListsFactory factory)
{
    std::lock_guard lock(instanceMutex);
    pictureListsFactory = std::move(factory);
}

TLoadSave::TLoadSave(const QString& folder)
    : GlobalAktieListObject(std::make_unique<GlobalProgAktieList>())
    , _folder(folder)
    , _pictureLists(pictureListsFactory ? pictureListsFactory() : std::make_unique<StorePictureLists>())
{
    LoadCfg();
}

TLoadSave::~TLoadSave() = default;

StorePictureLists* TLoadSave::pictures() const
{
    return dynamic_cast<StorePictureLists*>(_pictureLists.get());
}

QString TLoadSave::filePath(const QString& name) const
{
    return QDir(_folder).filePath(name);
}

void TLoadSave::LoadCfg()
{
    _pictureLists->load(_folder);
    if (!ReadSwitchFile(filePath(switchFileName)))
        InitZolvo();
    if (!ReadEnvironmentFile(filePath(environmentFileName)))
        InitEnvironment();
    if (!ReadLanguageFile(filePath(languageFileName)))
        InitLanguage();
}

void TLoadSave::SaveCfg()
{
    // The web service may change a picture meanwhile; what is written is
    // one consistent state.
    const StoreReadLock lock(storeMutex());
    WriteSwitchFile(filePath(switchFileName));
    WriteEnvironmentFile(filePath(environmentFileName));
    WriteLanguageFile(filePath(languageFileName));
    _pictureLists->save(_folder);
}

bool TLoadSave::ReadSwitchFile(const QString& fileName)
{
    const auto contents = DataFile::readIfExists(fileName);
    if (!contents)
        return false;
    DataFile::SectionReader reader(fileName, *contents);
    // Rooms and scenes are decoded only when both sections are sound, so a
    // damaged file changes nothing.
    const QByteArray ruimtes = reader.next(ruimtesSectionSize, "rooms");
    const QByteArray scenes = reader.next(scenesSectionSize, "scenes");
    decodeArray(ruimtes, Ruimtes, nrofRuimtes);
    decodeArray(scenes, Scenes, nrofScenes);
    GlobalAktieListObject = std::make_unique<GlobalProgAktieList>();

    // A damaged timer-action section costs the actions, not the rooms and
    // scenes. Records the section does not hold in full are left out; a
    // section longer than 300 records keeps the first 300.
    try {
        const QByteArray akties =
            reader.next(aktiesSectionSize, "timer-action", DataFile::SectionReader::Oversize::KeepBlock);
        const std::size_t heldRecords = std::min(reader.lastLength(), aktiesSectionSize) / sizeof(ProgAktieRecord);
        for (std::size_t k = 0; k < heldRecords; ++k) {
            ProgAktieRecord record;
            RecordCodec::decode(
                reinterpret_cast<const unsigned char*>(akties.constData()) + k * sizeof(ProgAktieRecord), record);
            if (record.Ruimte >= 0)
                GlobalAktieListObject->addToMain(fromRecord(record));
        }
    } catch (const StoreIoError&) {
    }
    return true;
}

void TLoadSave::WriteSwitchFile(const QString& fileName)
{
    QByteArray akties(static_cast<qsizetype>(aktiesSectionSize), '\0');
    const auto& mainList = GlobalAktieListObject->mainList();
    const ProgAktie empty; // the fields of a fresh action, stamped now
    for (int k = 0; k < maxProgAkties; ++k) {
        const ProgAktie& aktie =
            k < static_cast<int>(mainList.size()) ? *mainList[static_cast<std::size_t>(k)].second : empty;
        RecordCodec::encode(toRecord(aktie), bytes(akties) + k * sizeof(ProgAktieRecord));
    }
    QByteArray file;
    file.reserve(30854);
    DataFile::appendSection(file, encodeArray(Ruimtes, nrofRuimtes));
    DataFile::appendSection(file, encodeArray(Scenes, nrofScenes));
    DataFile::appendSection(file, akties);
    DataFile::writeAtomically(fileName, file);
}

void TLoadSave::InitZolvo()
{
    for (auto& ruimte : Ruimtes)
        resetRuimte(ruimte);
    for (auto& scene : Scenes) {
        scene.Omschrijving = {};
        for (auto& aktie : scene.Akties)
            aktie = Aktie {-1, -1, 0};
    }
}

int TLoadSave::nrofactions(int scene) const
{
    if (scene < 0 || scene >= nrofScenes)
        return 0;
    int count = 0;
    for (const auto& aktie : Scenes[scene].Akties)
        if (aktie.Apparaat != -1)
            ++count;
    return count;
}

bool TLoadSave::codeexists(int code) const
{
    for (const auto& ruimte : Ruimtes)
        for (const auto& apparaat : ruimte.Apparaten)
            if (apparaat.Code == code)
                return true;
    return false;
}

int TLoadSave::getfirstfreecode() const
{
    for (int code = 0; code <= 255; ++code)
        if (!codeexists(code))
            return code;
    return 0;
}
