// Deleting rooms and appliances, and what follows them in scenes and timer actions.
#include "HouseEdits.h"

#include "Cp1252.h"
#include "LoadSave.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class HouseEdits : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int r = 0; r < 7; ++r) {
            setShortString(store.Ruimtes[r].Omschrijving, QStringLiteral("room %1").arg(r));
            store.Ruimtes[r].Afbeelding = r;
        }
        for (int a = 0; a < 6; ++a) {
            Apparaat& apparaat = store.Ruimtes[0].Apparaten[a];
            setShortString(apparaat.Omschrijving, QStringLiteral("lamp %1").arg(a));
            apparaat.Afbeelding = a;
            apparaat.Code = 10 + a;
        }
    }

    void addAction(int ruimte, int apparaat)
    {
        auto action = std::make_shared<ProgAktie>();
        action->Ruimte = ruimte;
        action->Apparaat = apparaat;
        action->OnOffDim = 17;
        store.GlobalAktieListObject->addToMain(action);
    }

    std::vector<std::pair<int, int>> actionTargets() const
    {
        std::vector<std::pair<int, int>> targets;
        for (const auto& entry : store.GlobalAktieListObject->mainList())
            targets.emplace_back(entry.second->Ruimte, entry.second->Apparaat);
        return targets;
    }

    QTemporaryDir folder;
    TLoadSave store {folder.path()};
};

TEST_F(HouseEdits, DefinedItemsAreTheLeadingRunOfNamedOrPicturedSlots)
{
    EXPECT_EQ(leadingSlotsInUse(store.Ruimtes), 7);
    EXPECT_EQ(leadingSlotsInUse(store.Ruimtes[0].Apparaten), 6);
    store.Ruimtes[2].Omschrijving = {};
    EXPECT_EQ(leadingSlotsInUse(store.Ruimtes), 7) << "a picture alone defines a room";
    store.Ruimtes[2].Afbeelding = -1;
    EXPECT_EQ(leadingSlotsInUse(store.Ruimtes), 2) << "the first unused slot ends the count";
}

TEST_F(HouseEdits, DeletingAnApplianceRemovesItsSceneItemsAndRenumbersTheLaterOnes)
{
    Scene& scene = store.Scenes[3];
    for (int i = 0; i < nrofSceneAkties; ++i)
        scene.Akties[i] = {1, i, 17};
    scene.Akties[5] = {0, 2, 9};
    scene.Akties[8] = {0, 4, 17};
    scene.Akties[12] = {0, 2, 0};
    scene.Akties[15] = {1, 15, 4};
    store.Scenes[7].Akties[0] = {0, 3, 1};
    addAction(0, 2);
    addAction(0, 5);
    addAction(0, 1);
    addAction(1, 2);

    deleteApparaat(store, 0, 2);

    // Items 5 and 12 are gone; the rest moved up, two empty items at the end keep their values.
    EXPECT_EQ(scene.Akties[5].Apparaat, 6);
    EXPECT_EQ(scene.Akties[7].Ruimte, 0);
    EXPECT_EQ(scene.Akties[7].Apparaat, 3) << "appliance 4 of room 0 is now 3";
    EXPECT_EQ(scene.Akties[13].Apparaat, 15);
    for (int i : {14, 15}) {
        EXPECT_EQ(scene.Akties[i].Ruimte, -1) << i;
        EXPECT_EQ(scene.Akties[i].Apparaat, -1) << i;
    }
    EXPECT_EQ(scene.Akties[15].OnOffDim, 4);
    EXPECT_EQ(store.Scenes[7].Akties[0].Apparaat, 2);
    EXPECT_EQ(actionTargets(), (std::vector<std::pair<int, int>> {{0, 4}, {0, 1}, {1, 2}}));

    const Apparaat* apparaten = store.Ruimtes[0].Apparaten;
    EXPECT_EQ(toQString(apparaten[2].Omschrijving), QStringLiteral("lamp 3"));
    EXPECT_EQ(apparaten[4].Code, 15);
    EXPECT_EQ(leadingSlotsInUse(store.Ruimtes[0].Apparaten), 5);
}

TEST_F(HouseEdits, TheLastApplianceSlotKeepsItsReceiverSettings)
{
    Apparaat& last = store.Ruimtes[4].Apparaten[15];
    setShortString(last.Omschrijving, QStringLiteral("heater"));
    last.Afbeelding = 3;
    last.Code = 40;
    last.OudModel = true;
    last.Dimmer = true;
    last.Dimstand = 12;
    deleteApparaat(store, 4, 15);
    EXPECT_TRUE(last.Omschrijving.empty());
    EXPECT_EQ(last.Afbeelding, -1);
    EXPECT_EQ(last.Code, -1);
    EXPECT_TRUE(last.OudModel);
    EXPECT_TRUE(last.Dimmer);
    EXPECT_EQ(last.Dimstand, 12);
}

TEST_F(HouseEdits, DeletingARoomMovesTheLaterRoomsDownAndEmptiesTheLast)
{
    Ruimte& last = store.Ruimtes[15];
    setShortString(last.Omschrijving, QStringLiteral("attic"));
    last.Apparaten[3].Dimmer = true;
    last.Apparaten[3].Code = 77;
    store.Scenes[0].Akties[0] = {4, 1, 17};
    store.Scenes[0].Akties[1] = {6, 0, 3};
    store.Scenes[0].Akties[2] = {2, 0, 3};
    store.Scenes[0].Akties[3] = {-1, -1, 0};
    addAction(5, 0);
    addAction(1, 0);
    addAction(ProgAktie::firstSceneRuimte + 2, 0);

    deleteRuimte(store, 3);

    for (int r = 3; r < 6; ++r)
        EXPECT_EQ(toQString(store.Ruimtes[r].Omschrijving), QStringLiteral("room %1").arg(r + 1));
    EXPECT_EQ(store.Ruimtes[5].Afbeelding, 6);
    EXPECT_EQ(leadingSlotsInUse(store.Ruimtes), 6);
    EXPECT_TRUE(store.Ruimtes[15].Omschrijving.empty());
    EXPECT_EQ(store.Ruimtes[15].Afbeelding, -1);
    for (const Apparaat& apparaat : store.Ruimtes[15].Apparaten) {
        EXPECT_EQ(apparaat.Afbeelding, -1);
        EXPECT_EQ(apparaat.Code, -1);
        EXPECT_FALSE(apparaat.Dimmer);
        EXPECT_FALSE(apparaat.OudModel);
        EXPECT_EQ(apparaat.Dimstand, defaultDimstand);
    }
    EXPECT_EQ(store.Scenes[0].Akties[0].Ruimte, 3);
    EXPECT_EQ(store.Scenes[0].Akties[1].Ruimte, 5);
    EXPECT_EQ(store.Scenes[0].Akties[2].Ruimte, 2);
    EXPECT_EQ(store.Scenes[0].Akties[3].Ruimte, -1);
    EXPECT_EQ(
        actionTargets(), (std::vector<std::pair<int, int>> {{4, 0}, {1, 0}, {ProgAktie::firstSceneRuimte + 2, 0}}));
}

} // namespace
