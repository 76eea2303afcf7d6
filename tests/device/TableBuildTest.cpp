// The program and scene tables built from the configuration.
#include "Communicatie.h"
#include "LoadSave.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TableBuild : public ::testing::Test {
protected:
    ProgAktiePtr addAction(int ruimte, int apparaat, int maand, int dag, int uur, int minuut, int onOffDim, int zon = 0,
        bool random = false)
    {
        auto a = std::make_shared<ProgAktie>();
        a->Ruimte = ruimte;
        a->Apparaat = apparaat;
        a->Maand = maand;
        a->DagDatum = dag;
        a->Uur = uur;
        a->Minuut = minuut;
        a->ZonOffset = zon;
        a->RandomB = random;
        a->OnOffDim = static_cast<std::uint8_t>(onOffDim);
        store.GlobalAktieListObject->addToMain(a);
        return a;
    }

    std::vector<std::uint8_t> entry(const TCommunicatie& c, int index) const
    {
        return {c.ProgTable.begin() + 5 * index, c.ProgTable.begin() + 5 * index + 5};
    }

    TestFolder folder;
    TLoadSave store {folder.path()};
};

TEST_F(TableBuild, EmptyProgramTableIsTheMarkerAlone)
{
    TCommunicatie c(store);
    c.ProgtoTable();
    EXPECT_EQ(c.ProgTable[0], 0xF0);
    EXPECT_EQ(c.NrOfItemsInProgTable(), 0);
}

TEST_F(TableBuild, EntryBytes)
{
    store.Ruimtes[1].Apparaten[2].Code = 0x2A;
    store.Ruimtes[1].Apparaten[3].Code = 0x07;
    store.Ruimtes[1].Apparaten[3].OudModel = true;
    const struct {
        int ruimte, apparaat, maand, dag, uur, minuut, onOffDim, zon;
        bool random;
        std::vector<std::uint8_t> bytes;
        int storedUur, storedMinuut;
    } cases[] = {
        // Every month, Monday and Friday, 07:30, on, current receiver.
        {1, 2, 13, 162, 7, 30, 17, 0, false, {0x78, 0x07, 0x44, 0x8D, 0x2A}, 7, 30},
        // The same at 10 minutes before sunset: the sun code and offset go into the action.
        {1, 2, 13, 162, 24, 0, 17, 170, false, {0x29, 0x03, 0x44, 0x8D, 0x2A}, 3, 10},
        // 15 minutes before sunrise, 20 after sunrise, at sunset, 59 after sunset.
        {1, 2, 1, 1, 24, 0, 0, 45, false, {0x3D, 0x22, 0x02, 0x04, 0x2A}, 2, 15},
        {1, 2, 1, 1, 24, 0, 0, 80, false, {0x51, 0x20, 0x02, 0x04, 0x2A}, 0, 20},
        {1, 2, 1, 1, 24, 0, 0, 180, false, {0x01, 0x21, 0x02, 0x04, 0x2A}, 1, 0},
        {1, 2, 1, 1, 24, 0, 0, 239, false, {0xED, 0x21, 0x02, 0x04, 0x2A}, 1, 59},
        // December 31st 23:59, random, dim 16, code-wheel receiver.
        {1, 3, 12, 31, 23, 59, 16, 0, true, {0xEC, 0x97, 0x3F, 0x82, 0x07}, 23, 59},
        // A scene action: combination flag, scene index as code, no model bit.
        {20, 0, 8, 255, 6, 0, 0, 0, false, {0x02, 0x06, 0xFF, 0x01, 0x03}, 6, 0},
    };
    for (const auto& k : cases) {
        TCommunicatie c(store);
        ProgAktie a;
        a.Ruimte = k.ruimte;
        a.Apparaat = k.apparaat;
        a.Maand = k.maand;
        a.DagDatum = k.dag;
        a.Uur = k.uur;
        a.Minuut = k.minuut;
        a.OnOffDim = static_cast<std::uint8_t>(k.onOffDim);
        a.ZonOffset = k.zon;
        a.RandomB = k.random;
        c.AktietoTable(a, 4);
        EXPECT_EQ(entry(c, 4), k.bytes) << k.zon << " " << k.maand;
        EXPECT_EQ(a.Uur, k.storedUur);
        EXPECT_EQ(a.Minuut, k.storedMinuut);
    }
}

TEST_F(TableBuild, WakeUpRamps)
{
    store.Ruimtes[0].Apparaten[0].Code = 9;
    addAction(0, 0, 13, 255, 6, 0, 20); // interval 2
    TCommunicatie c(store);
    c.ProgtoTable();
    ASSERT_EQ(c.NrOfItemsInProgTable(), 50);
    const int levels[] = {1, 2, 3, 4, 5, 7, 9, 11, 13, 16};
    for (int i = 0; i < 10; ++i) {
        const auto e = entry(c, i);
        EXPECT_EQ(e[0] >> 2, 2 * i) << "minute";
        EXPECT_EQ(e[1] & 0x1F, 6) << "hour";
        EXPECT_EQ(e[3] >> 3, levels[i]);
    }

    // Near midnight the ramp stops rather than pass it.
    TestFolder other;
    TLoadSave late(other.path());
    auto a = std::make_shared<ProgAktie>(*store.GlobalAktieListObject->mainList()[0].second);
    a->Uur = 23;
    a->Minuut = 50;
    late.GlobalAktieListObject->addToMain(a);
    TCommunicatie d(late);
    d.ProgtoTable();
    ASSERT_EQ(d.NrOfItemsInProgTable(), 25);
    EXPECT_EQ(entry(d, 4)[0] >> 2, 58);
    EXPECT_EQ(a->OnOffDim, 20) << "the ramp works on a copy";
}

TEST_F(TableBuild, SortedByKeyAndNeverPastThe300Entries)
{
    addAction(2, 0, 1, 1, 8, 0, 17);
    addAction(0, 0, 1, 1, 8, 0, 0);
    TCommunicatie sorted(store);
    sorted.ProgtoTable();
    EXPECT_EQ(sorted.ProgTable[3] >> 3, 0) << "room 0 first";
    EXPECT_EQ(store.GlobalAktieListObject->mainList()[0].second->Ruimte, 0) << "the main list is re-sorted";

    for (int i = 0; i < 31; ++i)
        addAction(1, 0, 1, 1 + i, 6, 0, 19); // 31 ramps of 10 entries
    TCommunicatie full(store);
    full.ProgTable.fill(0xAB);
    full.ProgtoTable();
    EXPECT_EQ(full.NrOfItemsInProgTable(), 1500);
    EXPECT_EQ(full.ProgTable[1500], 0xF0);
}

TEST_F(TableBuild, SceneTable)
{
    store.Ruimtes[0].Apparaten[0].Code = 5;
    store.Ruimtes[0].Apparaten[1].Code = 9;
    store.Ruimtes[0].Apparaten[1].OudModel = true;
    store.Ruimtes[3].Apparaten[0].Code = 0x1FF; // only the low 8 bits travel
    store.Scenes[2].Akties[0] = {0, 0, 17};
    store.Scenes[2].Akties[1] = {0, 1, 0};
    store.Scenes[2].Akties[3] = {0, 0, 5}; // after the empty item: not taken
    store.Scenes[15].Akties[15] = {3, 0, 8};
    store.Scenes[15].Akties[0] = {3, 0, 8};
    TCommunicatie c(store);
    c.ScenestoTable();
    const std::vector<std::uint8_t> scene2(c.SceneTable.begin() + 64, c.SceneTable.begin() + 96);
    std::vector<std::uint8_t> expected(32, 0);
    expected[0] = 0x05;
    expected[1] = 0xA3;
    expected[2] = 0x09;
    expected[3] = 0x80;
    EXPECT_EQ(scene2, expected);
    EXPECT_EQ(c.SceneTable[480], 0xFF);
    EXPECT_EQ(c.SceneTable[481], 0x91) << "dim 8, current receiver";
    EXPECT_EQ(c.SceneTable[510], 0) << "items after the first empty one stay empty";
}

} // namespace
