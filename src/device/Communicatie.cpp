#include "Communicatie.h"

#include "LoadSave.h"
#include "MyDevFunctions.h"
#include "PcTimeZone.h"
#include "Sunrise.h"
#include "Switching.h"
#include "TableTransfer.h"

#include <algorithm>

namespace {

constexpr std::size_t entrySize = 5;
// The marker offset of a full table; its report carries the marker alone.
constexpr std::size_t fullTableOffset = TCommunicatie::maxProgEntries * entrySize;
constexpr std::uint8_t rampLevels[] = {1, 2, 3, 4, 5, 7, 9, 11, 13, 16};

Report chunk(std::uint8_t code, std::size_t offset, std::size_t count, const std::uint8_t* data)
{
    Report report = makeCommand(code,
        {static_cast<std::uint8_t>(offset & 0xFF), static_cast<std::uint8_t>((offset >> 8) & 0xFF),
            static_cast<std::uint8_t>(count)});
    std::copy_n(data, std::min(count, reportSize - 5), report.begin() + 5);
    return report;
}

const Apparaat* applianceOf(const TLoadSave& store, int ruimte, int apparaat)
{
    if (ruimte < 0 || ruimte >= nrofRuimtes || apparaat < 0 || apparaat >= nrofApparaten)
        return nullptr;
    return &store.Ruimtes[ruimte].Apparaten[apparaat];
}

} // namespace

void SwitchAppliance(int code, std::uint8_t switchValue)
{
    SendtoDev(makeCommand(Cmd::Switch, {static_cast<std::uint8_t>(code & 0xFF), switchValue, 0x05}));
}

void ExecuteScene(int sceneIndex)
{
    SendtoDev(makeCommand(Cmd::ExecuteScene, {static_cast<std::uint8_t>(sceneIndex)}));
}

TCommunicatie::TCommunicatie(TLoadSave& store)
    : _store(store)
{
}

void TCommunicatie::AktietoTable(ProgAktie& aktie, int index)
{
    if (index < 0 || index >= maxProgEntries)
        return;
    const int zon = aktie.ZonOffset;
    if (zon > 0 && zon < 120) {
        aktie.Uur = zon < 60 ? 2 : 0;
        aktie.Minuut = zon < 60 ? 60 - zon : zon - 60;
    } else if (zon > 120 && zon < 240) {
        aktie.Uur = zon < 180 ? 3 : 1;
        aktie.Minuut = zon < 180 ? 180 - zon : zon - 180;
    }
    const int maand = aktie.Maand == ProgAktie::everyMonth ? 0 : aktie.Maand;
    const int dag = aktie.DagDatum < ProgAktie::weekdaysFlag ? aktie.DagDatum : aktie.DagDatum & 0xFF;
    const bool combinatie = aktie.IsCombinatie();
    const Apparaat* apparaat = combinatie ? nullptr : applianceOf(_store, aktie.Ruimte, aktie.Apparaat);
    const bool currentReceiver = apparaat && !apparaat->OudModel;
    const int code = combinatie ? aktie.getCombiNr() : (apparaat ? apparaat->Code : 0);

    std::uint8_t* entry = ProgTable.data() + index * entrySize;
    entry[0] = static_cast<std::uint8_t>((zon != 0 ? 1 : 0) | (combinatie ? 2 : 0) | ((aktie.Minuut & 0x3F) << 2));
    entry[1] = static_cast<std::uint8_t>((aktie.Uur & 0x1F) | ((maand & 0x07) << 5));
    entry[2] = static_cast<std::uint8_t>(((maand >> 3) & 1) | ((dag & 0x7F) << 1));
    entry[3] = static_cast<std::uint8_t>(
        ((dag >> 7) & 1) | (aktie.RandomB ? 2 : 0) | (currentReceiver ? 4 : 0) | ((aktie.OnOffDim & 0x1F) << 3));
    entry[4] = static_cast<std::uint8_t>(code & 0xFF);
}

void TCommunicatie::ProgtoTable()
{
    GlobalProgAktieList& global = *_store.GlobalAktieListObject;
    global.sortMainList();
    // Entries beyond the table's 300 are dropped: the table never grows past
    // its end marker.
    int counter = 0;
    for (const auto& [key, aktie] : global.mainList()) {
        if (counter >= maxProgEntries)
            break;
        const int interval = aktie->WakeUpInterval();
        if (interval == 0) {
            AktietoTable(*aktie, counter++);
            continue;
        }
        ProgAktie ramp = *aktie;
        for (const std::uint8_t level : rampLevels) {
            if (counter >= maxProgEntries)
                break;
            ramp.OnOffDim = level;
            AktietoTable(ramp, counter);
            ++counter;
            if (ramp.Minuut + interval >= 60 && ramp.Uur == 23)
                break;
            ramp.Minuut += interval;
            if (ramp.Minuut >= 60) {
                ramp.Minuut -= 60;
                ++ramp.Uur;
            }
        }
    }
    ProgTable[static_cast<std::size_t>(counter) * entrySize] = endMarker;
}

int TCommunicatie::NrOfItemsInProgTable() const
{
    for (std::size_t offset = 0; offset < progTableSize; offset += entrySize)
        if (ProgTable[offset] == endMarker)
            return static_cast<int>(offset);
    return static_cast<int>(fullTableOffset);
}

void TCommunicatie::SendProg()
{
    ProgtoTable();
    if (!ZolvoConnected)
        return;
    const auto marker = static_cast<std::size_t>(NrOfItemsInProgTable());
    for (std::size_t offset = 0; offset <= marker; offset += tableChunkSize) {
        // Reports carry 60 bytes; the one at the very end of a full table
        // carries the marker alone with count 0.
        const std::size_t count = std::min(tableChunkSize, fullTableOffset - offset);
        Report report = chunk(Cmd::WriteProgTable, offset, count, ProgTable.data() + offset);
        if (count == 0)
            report[5] = ProgTable[offset];
        SendtoDev(report);
    }
}

void TCommunicatie::ScenestoTable()
{
    SceneTable.fill(0);
    for (int s = 0; s < nrofScenes; ++s) {
        for (int i = 0; i < nrofSceneAkties; ++i) {
            const Aktie& item = _store.Scenes[s].Akties[i];
            const Apparaat* apparaat = applianceOf(_store, item.Ruimte, item.Apparaat);
            if (item.Apparaat == -1 || !apparaat)
                break;
            std::uint8_t* pair = SceneTable.data() + 32 * s + 2 * i;
            pair[0] = static_cast<std::uint8_t>(apparaat->Code & 0xFF);
            pair[1] = static_cast<std::uint8_t>((0x80 + 2 * item.OnOffDim + (apparaat->OudModel ? 0 : 1)) & 0xFF);
        }
    }
}

void TCommunicatie::ReadScenes()
{
    if (ZolvoConnected)
        readTable(Cmd::ReadSceneTable, ATSceneTable.data(), ATSceneTable.size());
}

void TCommunicatie::SendScenes()
{
    ReadScenes();
    ScenestoTable();
    if (SceneTable == ATSceneTable || !ZolvoConnected)
        return;
    uploadTable(Cmd::WriteSceneTable, SceneTable.data(), SceneTable.size());
    ReadScenes();
}

void TCommunicatie::executeScenes(int anIndex)
{
    if (ZolvoConnected)
        ExecuteScene(anIndex);
}

void TCommunicatie::SendSun()
{
    tsunrise sun;
    const SunLocation at = sunLocation(_store.Environment.Locatie, gmtOffsetHours(pcTimeZone()));
    sun.CreateSunRiseTable(at.latitude, at.longitude, at.gmtOffset);
    sun.CreateSunSetTable(at.latitude, at.longitude, at.gmtOffset);
    sun.SendTable();
}

bool TCommunicatie::ZolvoIsSameAsPc()
{
    ScenestoTable();
    ReadScenes();
    if (SceneTable != ATSceneTable)
        return false;

    if (!tsunrise().CheckTable(sunLocation(_store.Environment.Locatie, gmtOffsetHours(pcTimeZone()))))
        return false;

    ProgtoTable();
    std::array<std::uint8_t, progTableSize> device {};
    if (ZolvoConnected) {
        DeviceExchange hold;
        std::size_t stored = 0;
        bool markerSeen = false;
        for (std::size_t offset = 0; stored < fullTableOffset && !markerSeen; offset += tableBlockSize) {
            requestFromDev(makeCommand(Cmd::ReadProgTable,
                               {static_cast<std::uint8_t>(offset & 0xFF), static_cast<std::uint8_t>(offset >> 8)}),
                Data);
            for (std::size_t i = 0; i < tableBlockSize && stored < fullTableOffset; ++i) {
                device[stored] = Data[1 + i];
                if (stored % entrySize == 0 && device[stored] == endMarker) {
                    markerSeen = true;
                    break;
                }
                ++stored;
            }
        }
    }
    return std::equal(device.begin(), device.begin() + fullTableOffset, ProgTable.begin());
}
