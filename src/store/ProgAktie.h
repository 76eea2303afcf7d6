#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <string>

// One timer action (a program line).
class ProgAktie {
public:
    // Room field of a scene action: 17 + the scene index.
    static constexpr int firstSceneRuimte = 17;
    static constexpr int noClockTime = 24;
    static constexpr std::uint8_t notChosen = 18; // OnOffDim
    static constexpr std::uint8_t on = 17; // OnOffDim
    static constexpr int everyMonth = 13; // Maand
    static constexpr int weekdaysFlag = 128; // DagDatum
    static constexpr int zonOp = 60; // ZonOffset
    static constexpr int zonOnder = 180; // ZonOffset

    // The values of a new action, stamped with the current time.
    ProgAktie();
    // The values of a new action with a time stamp of its own, as one read back.
    explicit ProgAktie(double aRandomNr)
        : randomNr(aRandomNr)
    {
    }

    std::int32_t Ruimte = -1;
    std::int32_t Apparaat = -1;
    std::int32_t Maand = 0;
    std::int32_t DagDatum = 0;
    std::int32_t Uur = noClockTime;
    std::int32_t Minuut = 0;
    std::int32_t ZonOffset = 0;
    bool RandomB = false;
    std::uint8_t OnOffDim = notChosen;
    double randomNr = 0;

    // All fields but the time stamp, which is set to now.
    std::shared_ptr<ProgAktie> clone() const;

    bool valid() const;
    bool validDate() const;
    bool IsCombinatie() const { return Ruimte > 16; }
    std::uint8_t getCombiNr() const;
    bool isdatum() const { return DagDatum < weekdaysFlag; }
    std::uint8_t getdays() const { return static_cast<std::uint8_t>(DagDatum & 0xFF); }
    std::uint8_t getOnOffDim() const { return OnOffDim; }
    std::uint8_t tabelflags() const;

    // 1, 2, 3 for a wake-up over 10, 20, 30 minutes; 0 otherwise.
    int WakeUpInterval() const { return OnOffDim >= notChosen ? OnOffDim - notChosen : 0; }
    void setWakeUpInterval(int value) { OnOffDim = static_cast<std::uint8_t>(value + notChosen); }

    // The sort key: room, appliance, month, day key, hour, minute, time stamp.
    std::string getIndex() const;

    // The texts of the four columns of a program line, in the current
    // language (or the one given).
    QString maandStr() const;
    QString dagDatumStr() const;
    QString tijdStr() const;
    QString OnOffDimStr() const;
    QString maandStr(int language) const;
    QString dagDatumStr(int language) const;
    QString tijdStr(int language) const;
    QString OnOffDimStr(int language) const;
};

using ProgAktiePtr = std::shared_ptr<ProgAktie>;

// Days allowed per Maand 1..13 (February always 29; 13 = every month).
int maandDagen(int maand);
