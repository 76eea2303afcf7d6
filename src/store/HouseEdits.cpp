#include "HouseEdits.h"

#include "LoadSave.h"

#include <algorithm>

namespace {

bool validIndex(int i)
{
    return i >= 0 && i < 16;
}

// Removes item i of the scene: the later items move up and the last one is
// emptied, keeping its command value.
void removeSceneItem(Scene& scene, int i)
{
    std::copy(scene.Akties + i + 1, scene.Akties + nrofSceneAkties, scene.Akties + i);
    Aktie& last = scene.Akties[nrofSceneAkties - 1];
    last.Ruimte = -1;
    last.Apparaat = -1;
}

} // namespace

void resetRuimte(Ruimte& ruimte)
{
    ruimte.Omschrijving = {};
    ruimte.Afbeelding = -1;
    for (Apparaat& apparaat : ruimte.Apparaten) {
        apparaat.Omschrijving = {};
        apparaat.Afbeelding = -1;
        apparaat.OudModel = false;
        apparaat.Dimmer = false;
        apparaat.Dimstand = defaultDimstand;
        apparaat.Code = -1;
    }
}

void deleteRuimte(TLoadSave& store, int r)
{
    if (!validIndex(r))
        return;
    std::copy(store.Ruimtes + r + 1, store.Ruimtes + nrofRuimtes, store.Ruimtes + r);
    resetRuimte(store.Ruimtes[nrofRuimtes - 1]);
    for (Scene& scene : store.Scenes)
        for (Aktie& item : scene.Akties)
            if (item.Ruimte >= r)
                --item.Ruimte;
    if (store.GlobalAktieListObject)
        store.GlobalAktieListObject->updateRuimtes(r);
}

void deleteApparaat(TLoadSave& store, int s, int a)
{
    if (!validIndex(s) || !validIndex(a))
        return;
    for (Scene& scene : store.Scenes)
        for (int i = nrofSceneAkties - 1; i >= 0; --i)
            if (scene.Akties[i].Ruimte == s && scene.Akties[i].Apparaat == a)
                removeSceneItem(scene, i);
    if (store.GlobalAktieListObject)
        store.GlobalAktieListObject->deleteApparaat(s, a);
    for (Scene& scene : store.Scenes)
        for (Aktie& item : scene.Akties)
            if (item.Ruimte == s && item.Apparaat > a)
                --item.Apparaat;
    Apparaat* apparaten = store.Ruimtes[s].Apparaten;
    std::copy(apparaten + a + 1, apparaten + nrofApparaten, apparaten + a);
    Apparaat& last = apparaten[nrofApparaten - 1];
    last.Omschrijving = {};
    last.Afbeelding = -1;
    last.Code = -1;
}
