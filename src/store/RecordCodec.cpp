#include "RecordCodec.h"

#include "LittleEndian.h"

#include <cstddef>

namespace RecordCodec {

namespace {

using LittleEndian::readI32;
using LittleEndian::writeI32;

template <std::size_t N> void encodeString(const ShortString<N>& text, unsigned char* image)
{
    const auto bytes = text.view();
    image[0] = static_cast<unsigned char>(bytes.size());
    std::memcpy(image + 1, bytes.data(), bytes.size());
}

template <std::size_t N> void decodeString(const unsigned char* image, ShortString<N>& text)
{
    text.length = image[0];
    std::memcpy(text.chars, image + 1, N);
}

} // namespace

void encode(const Apparaat& r, unsigned char* image)
{
    encodeString(r.Omschrijving, image + offsetof(Apparaat, Omschrijving));
    writeI32(image + offsetof(Apparaat, Afbeelding), r.Afbeelding);
    image[offsetof(Apparaat, OudModel)] = r.OudModel;
    image[offsetof(Apparaat, Dimmer)] = r.Dimmer;
    writeI32(image + offsetof(Apparaat, Code), r.Code);
    writeI32(image + offsetof(Apparaat, Dimstand), r.Dimstand);
}

void decode(const unsigned char* image, Apparaat& r)
{
    decodeString(image + offsetof(Apparaat, Omschrijving), r.Omschrijving);
    r.Afbeelding = readI32(image + offsetof(Apparaat, Afbeelding));
    r.OudModel = image[offsetof(Apparaat, OudModel)] != 0;
    r.Dimmer = image[offsetof(Apparaat, Dimmer)] != 0;
    r.Code = readI32(image + offsetof(Apparaat, Code));
    r.Dimstand = readI32(image + offsetof(Apparaat, Dimstand));
}

void encode(const Ruimte& r, unsigned char* image)
{
    encodeString(r.Omschrijving, image + offsetof(Ruimte, Omschrijving));
    writeI32(image + offsetof(Ruimte, Afbeelding), r.Afbeelding);
    for (int i = 0; i < nrofApparaten; ++i)
        encode(r.Apparaten[i], image + offsetof(Ruimte, Apparaten) + i * sizeof(Apparaat));
}

void decode(const unsigned char* image, Ruimte& r)
{
    decodeString(image + offsetof(Ruimte, Omschrijving), r.Omschrijving);
    r.Afbeelding = readI32(image + offsetof(Ruimte, Afbeelding));
    for (int i = 0; i < nrofApparaten; ++i)
        decode(image + offsetof(Ruimte, Apparaten) + i * sizeof(Apparaat), r.Apparaten[i]);
}

void encode(const Aktie& r, unsigned char* image)
{
    writeI32(image + offsetof(Aktie, Ruimte), r.Ruimte);
    writeI32(image + offsetof(Aktie, Apparaat), r.Apparaat);
    writeI32(image + offsetof(Aktie, OnOffDim), r.OnOffDim);
}

void decode(const unsigned char* image, Aktie& r)
{
    r.Ruimte = readI32(image + offsetof(Aktie, Ruimte));
    r.Apparaat = readI32(image + offsetof(Aktie, Apparaat));
    r.OnOffDim = readI32(image + offsetof(Aktie, OnOffDim));
}

void encode(const Scene& r, unsigned char* image)
{
    encodeString(r.Omschrijving, image + offsetof(Scene, Omschrijving));
    for (int i = 0; i < nrofSceneAkties; ++i)
        encode(r.Akties[i], image + offsetof(Scene, Akties) + i * sizeof(Aktie));
}

void decode(const unsigned char* image, Scene& r)
{
    decodeString(image + offsetof(Scene, Omschrijving), r.Omschrijving);
    for (int i = 0; i < nrofSceneAkties; ++i)
        decode(image + offsetof(Scene, Akties) + i * sizeof(Aktie), r.Akties[i]);
}

void encode(const ProgAktieRecord& r, unsigned char* image)
{
    writeI32(image + offsetof(ProgAktieRecord, Ruimte), r.Ruimte);
    writeI32(image + offsetof(ProgAktieRecord, Apparaat), r.Apparaat);
    writeI32(image + offsetof(ProgAktieRecord, Maand), r.Maand);
    writeI32(image + offsetof(ProgAktieRecord, DagDatum), r.DagDatum);
    writeI32(image + offsetof(ProgAktieRecord, Uur), r.Uur);
    writeI32(image + offsetof(ProgAktieRecord, Minuut), r.Minuut);
    writeI32(image + offsetof(ProgAktieRecord, ZonOffset), r.ZonOffset);
    image[offsetof(ProgAktieRecord, RandomB)] = r.RandomB;
    writeI32(image + offsetof(ProgAktieRecord, OnOffDim), r.OnOffDim);
    LittleEndian::writeDouble(image + offsetof(ProgAktieRecord, RandomNr), r.RandomNr);
}

void decode(const unsigned char* image, ProgAktieRecord& r)
{
    r.Ruimte = readI32(image + offsetof(ProgAktieRecord, Ruimte));
    r.Apparaat = readI32(image + offsetof(ProgAktieRecord, Apparaat));
    r.Maand = readI32(image + offsetof(ProgAktieRecord, Maand));
    r.DagDatum = readI32(image + offsetof(ProgAktieRecord, DagDatum));
    r.Uur = readI32(image + offsetof(ProgAktieRecord, Uur));
    r.Minuut = readI32(image + offsetof(ProgAktieRecord, Minuut));
    r.ZonOffset = readI32(image + offsetof(ProgAktieRecord, ZonOffset));
    r.RandomB = image[offsetof(ProgAktieRecord, RandomB)] != 0;
    r.OnOffDim = readI32(image + offsetof(ProgAktieRecord, OnOffDim));
    r.RandomNr = LittleEndian::readDouble(image + offsetof(ProgAktieRecord, RandomNr));
}

void encode(const Locat& r, unsigned char* image)
{
    encodeString(r.Land, image + offsetof(Locat, Land));
    encodeString(r.PlaatsNaam, image + offsetof(Locat, PlaatsNaam));
    image[offsetof(Locat, latG)] = r.latG;
    image[offsetof(Locat, latM)] = r.latM;
    image[offsetof(Locat, latNS)] = r.latNS;
    image[offsetof(Locat, longG)] = r.longG;
    image[offsetof(Locat, longM)] = r.longM;
    image[offsetof(Locat, longEW)] = r.longEW;
}

void decode(const unsigned char* image, Locat& r)
{
    decodeString(image + offsetof(Locat, Land), r.Land);
    decodeString(image + offsetof(Locat, PlaatsNaam), r.PlaatsNaam);
    r.latG = image[offsetof(Locat, latG)];
    r.latM = image[offsetof(Locat, latM)];
    r.latNS = image[offsetof(Locat, latNS)];
    r.longG = image[offsetof(Locat, longG)];
    r.longM = image[offsetof(Locat, longM)];
    r.longEW = image[offsetof(Locat, longEW)];
}

void encode(const EnvironmentRecord& r, unsigned char* image)
{
    image[offsetof(EnvironmentRecord, hasCodeWheels)] = r.hasCodeWheels;
    image[offsetof(EnvironmentRecord, showHints)] = r.showHints;
    encode(r.Locatie, image + offsetof(EnvironmentRecord, Locatie));
}

void decode(const unsigned char* image, EnvironmentRecord& r)
{
    r.hasCodeWheels = image[offsetof(EnvironmentRecord, hasCodeWheels)] != 0;
    r.showHints = image[offsetof(EnvironmentRecord, showHints)] != 0;
    decode(image + offsetof(EnvironmentRecord, Locatie), r.Locatie);
}

void encode(const LanguageRecord& r, unsigned char* image)
{
    writeI32(image, r.Language);
}

void decode(const unsigned char* image, LanguageRecord& r)
{
    r.Language = readI32(image);
}

} // namespace RecordCodec
