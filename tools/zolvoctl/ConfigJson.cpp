#include "ConfigJson.h"

#include "Cp1252.h"
#include "Language.h"
#include "LoadSave.h"

namespace {

Json apparaatJson(int slot, const Apparaat& a)
{
    return Json::object()
        .add("slot", slot)
        .add("Omschrijving", toQString(a.Omschrijving))
        .add("Afbeelding", a.Afbeelding)
        .add("OudModel", a.OudModel)
        .add("Dimmer", a.Dimmer)
        .add("Code", a.Code)
        .add("Dimstand", a.Dimstand);
}

Json ruimteJson(int slot, const Ruimte& r)
{
    Json apparaten = Json::array();
    for (int i = 0; i < nrofApparaten; ++i)
        apparaten.push(apparaatJson(i, r.Apparaten[i]));
    return Json::object()
        .add("slot", slot)
        .add("Omschrijving", toQString(r.Omschrijving))
        .add("Afbeelding", r.Afbeelding)
        .add("Apparaten", std::move(apparaten));
}

Json sceneJson(int slot, const Scene& s)
{
    Json akties = Json::array();
    for (const Aktie& a : s.Akties)
        akties.push(Json::object().add("Ruimte", a.Ruimte).add("Apparaat", a.Apparaat).add("OnOffDim", a.OnOffDim));
    return Json::object()
        .add("slot", slot)
        .add("Omschrijving", toQString(s.Omschrijving))
        .add("Akties", std::move(akties));
}

Json aktieJson(const ProgAktie& a, int language)
{
    return Json::object()
        .add("Ruimte", a.Ruimte)
        .add("Apparaat", a.Apparaat)
        .add("Maand", a.Maand)
        .add("DagDatum", a.DagDatum)
        .add("Uur", a.Uur)
        .add("Minuut", a.Minuut)
        .add("ZonOffset", a.ZonOffset)
        .add("RandomB", a.RandomB)
        .add("OnOffDim", static_cast<int>(a.OnOffDim))
        .add("randomNr", a.randomNr)
        .add("texts",
            Json::object()
                .add("maandStr", a.maandStr(language))
                .add("dagDatumStr", a.dagDatumStr(language))
                .add("tijdStr", a.tijdStr(language))
                .add("OnOffDimStr", a.OnOffDimStr(language)));
}

Json locatJson(const Locat& l, Json object = Json::object())
{
    return object.add("Land", toQString(l.Land))
        .add("PlaatsNaam", toQString(l.PlaatsNaam))
        .add("latG", l.latG)
        .add("latM", l.latM)
        .add("latNS", l.latNS)
        .add("longG", l.longG)
        .add("longM", l.longM)
        .add("longEW", l.longEW);
}

} // namespace

Json configurationJson(const TLoadSave& store)
{
    Json rooms = Json::array();
    for (int i = 0; i < nrofRuimtes; ++i)
        rooms.push(ruimteJson(i, store.Ruimtes[i]));
    Json scenes = Json::array();
    for (int i = 0; i < nrofScenes; ++i)
        scenes.push(sceneJson(i, store.Scenes[i]));
    Json akties = Json::array();
    for (const auto& entry : store.GlobalAktieListObject->mainList())
        akties.push(aktieJson(*entry.second, store.GetLanguage()));
    return Json::object()
        .add("rooms", std::move(rooms))
        .add("scenes", std::move(scenes))
        .add("timerActions", std::move(akties))
        .add("environment",
            Json::object()
                .add("hasCodeWheels", store.Environment.hasCodeWheels)
                .add("showHints", store.Environment.showHints)
                .add("Locatie", locatJson(store.Environment.Locatie)))
        .add("language", store.GetLanguage());
}

Json locationsJson()
{
    Json rows = Json::array();
    for (int i = 0; i < nrofDefLocs; ++i) {
        rows.push(locatJson(DefLocations[i], Json::object().add("index", i)));
    }
    return rows;
}

Json textsJson()
{
    Json rows = Json::array();
    for (int row = 0; row < nrofTextRows; ++row) {
        Json texts = Json::array();
        for (int language = 0; language < nrofLanguages; ++language)
            texts.push(gettext(static_cast<TextRow>(row), language));
        rows.push(Json::object()
                      .add("index", row)
                      .add("name", textRowName(static_cast<TextRow>(row)))
                      .add("texts", std::move(texts)));
    }
    return rows;
}
