#pragma once

#include "ShortString.h"

#include <cstddef>
#include <cstdint>

// The configuration records are fixed-size little-endian memory images that
// go to "zolvo.dat" unchanged; the asserts pin their layout.
static_assert(sizeof(bool) == 1);

inline constexpr int nrofRuimtes = 16;
inline constexpr int nrofApparaten = 16;
inline constexpr int nrofScenes = 16;
inline constexpr int nrofSceneAkties = 16;
inline constexpr int maxProgAkties = 300;
inline constexpr int defaultDimstand = 8;

struct Apparaat {
    ShortString<30> Omschrijving;
    std::int32_t Afbeelding = 0; // index in usedAppimages; -1 no picture
    bool OudModel = false; // code-wheel receiver
    bool Dimmer = false;
    std::int32_t Code = 0; // 0..255; -1 no code yet
    std::int32_t Dimstand = 0; // 1..16
};
static_assert(sizeof(Apparaat) == 48);
static_assert(offsetof(Apparaat, Afbeelding) == 32);
static_assert(offsetof(Apparaat, OudModel) == 36);
static_assert(offsetof(Apparaat, Dimmer) == 37);
static_assert(offsetof(Apparaat, Code) == 40);
static_assert(offsetof(Apparaat, Dimstand) == 44);

struct Ruimte {
    ShortString<30> Omschrijving;
    std::int32_t Afbeelding = 0; // index in usedRuimteimages; -1 no picture
    Apparaat Apparaten[nrofApparaten];
};
static_assert(sizeof(Ruimte) == 804);
static_assert(offsetof(Ruimte, Afbeelding) == 32);
static_assert(offsetof(Ruimte, Apparaten) == 36);

// One item of a scene: what it does with one appliance.
struct Aktie {
    std::int32_t Ruimte = 0; // -1 empty item
    std::int32_t Apparaat = 0; // -1 empty item
    std::int32_t OnOffDim = 0; // 0 off, 1..16 dim level, 17 on
};
static_assert(sizeof(Aktie) == 12);

struct Scene {
    ShortString<30> Omschrijving;
    Aktie Akties[nrofSceneAkties];
};
static_assert(sizeof(Scene) == 224);
static_assert(offsetof(Scene, Akties) == 32);

// The on-disk form of one timer action.
struct ProgAktieRecord {
    std::int32_t Ruimte = 0;
    std::int32_t Apparaat = 0;
    std::int32_t Maand = 0;
    std::int32_t DagDatum = 0;
    std::int32_t Uur = 0;
    std::int32_t Minuut = 0;
    std::int32_t ZonOffset = 0;
    bool RandomB = false;
    std::int32_t OnOffDim = 0; // the reader takes the low byte
    double RandomNr = 0;
};
static_assert(sizeof(ProgAktieRecord) == 48);
static_assert(offsetof(ProgAktieRecord, RandomB) == 28);
static_assert(offsetof(ProgAktieRecord, OnOffDim) == 32);
static_assert(offsetof(ProgAktieRecord, RandomNr) == 40);

// Byte sizes of the three sections of "zolvo.dat".
inline constexpr std::size_t ruimtesSectionSize = sizeof(Ruimte) * nrofRuimtes; // 12864
inline constexpr std::size_t scenesSectionSize = sizeof(Scene) * nrofScenes; // 3584
inline constexpr std::size_t aktiesSectionSize = sizeof(ProgAktieRecord) * maxProgAkties; // 14400
static_assert(ruimtesSectionSize == 12864 && scenesSectionSize == 3584 && aktiesSectionSize == 14400);
