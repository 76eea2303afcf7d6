// The environment and language files and the location table operations of
// the configuration store.
#include "LoadSave.h"

#include "Cp1252.h"
#include "DataFile.h"
#include "Language.h"
#include "RecordCodec.h"

namespace {

constexpr std::size_t environmentSize = sizeof(EnvironmentRecord); // 50
constexpr std::size_t languageSize = sizeof(LanguageRecord); // 4

// Reads a file of one section into `record`; false when there is no file.
template <typename Record>
bool readSingleSectionFile(const QString& fileName, Record& record, std::size_t size, const char* sectionName)
{
    const auto contents = DataFile::readIfExists(fileName);
    if (!contents)
        return false;
    DataFile::SectionReader reader(fileName, *contents);
    QByteArray block = reader.next(size, sectionName);
    // A short section changes only the start of the record.
    QByteArray current(static_cast<qsizetype>(size), '\0');
    RecordCodec::encode(record, reinterpret_cast<unsigned char*>(current.data()));
    std::copy_n(block.constData(), reader.lastLength(), current.data());
    RecordCodec::decode(reinterpret_cast<const unsigned char*>(current.constData()), record);
    return true;
}

template <typename Record> void writeSingleSectionFile(const QString& fileName, const Record& record, std::size_t size)
{
    QByteArray section(static_cast<qsizetype>(size), '\0');
    RecordCodec::encode(record, reinterpret_cast<unsigned char*>(section.data()));
    QByteArray file;
    DataFile::appendSection(file, section);
    DataFile::writeAtomically(fileName, file);
}

} // namespace

bool TLoadSave::ReadEnvironmentFile(const QString& fileName)
{
    return readSingleSectionFile(fileName, Environment, environmentSize, "environment");
}

void TLoadSave::WriteEnvironmentFile(const QString& fileName)
{
    writeSingleSectionFile(fileName, Environment, environmentSize);
}

bool TLoadSave::ReadLanguageFile(const QString& fileName)
{
    return readSingleSectionFile(fileName, LanguageRec, languageSize, "language");
}

void TLoadSave::WriteLanguageFile(const QString& fileName)
{
    writeSingleSectionFile(fileName, LanguageRec, languageSize);
}

void TLoadSave::InitEnvironment()
{
    Environment.hasCodeWheels = false;
    Environment.showHints = true;
    Environment.Locatie = getLocatie(QStringLiteral("England"), QStringLiteral("London"));
}

void TLoadSave::InitLanguage()
{
    LanguageRec.Language = defaultLanguage;
}

QStringList TLoadSave::getLanden()
{
    QStringList landen;
    for (const Locat& row : DefLocations) {
        const QString land = toQString(row.Land);
        if (!landen.contains(land, Qt::CaseInsensitive))
            landen.append(land);
    }
    // The placeholder row stands for a location entered by hand.
    landen[0] = gettext(txtMijnLocatie);
    return landen;
}

QStringList TLoadSave::getPlaatsen(const QString& land)
{
    const std::string wanted = toCp1252(land);
    QStringList plaatsen;
    for (const Locat& row : DefLocations)
        if (row.Land.view() == wanted)
            plaatsen.append(toQString(row.PlaatsNaam));
    return plaatsen;
}

int TLoadSave::getLocatieIndex(const QString& land, const QString& plaats)
{
    const std::string wantedLand = toCp1252(land);
    const std::string wantedPlaats = toCp1252(plaats);
    for (int i = nrofDefLocs - 1; i > 0; --i)
        if (DefLocations[i].Land.view() == wantedLand && DefLocations[i].PlaatsNaam.view() == wantedPlaats)
            return i;
    return 0;
}

Locat TLoadSave::getLocatie(const QString& land, const QString& plaats)
{
    return DefLocations[getLocatieIndex(land, plaats)];
}
