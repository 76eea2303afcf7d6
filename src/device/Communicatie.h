#pragma once

#include "DeviceReport.h"

#include <array>
#include <cstdint>

class ProgAktie;
class TLoadSave;

// The tables the program keeps in the device, built from the configuration
// store, uploaded in chunks and compared with what the device holds. One
// instance per job.
class TCommunicatie {
public:
    static constexpr int maxProgEntries = 300;
    static constexpr std::uint8_t endMarker = 0xF0;

    explicit TCommunicatie(TLoadSave& store);

    void ProgtoTable();
    void AktietoTable(ProgAktie& aktie, int index);
    int NrOfItemsInProgTable() const;
    void SendProg();

    void ScenestoTable();
    void ReadScenes();
    void SendScenes();
    void executeScenes(int anIndex);
    void SendSun();

    bool ZolvoIsSameAsPc();

    std::array<std::uint8_t, progTableSize> ProgTable {};
    std::array<std::uint8_t, sceneTableSize> SceneTable {};
    std::array<std::uint8_t, sceneTableSize> ATSceneTable {};

private:
    TLoadSave& _store;
};
