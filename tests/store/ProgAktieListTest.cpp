// Working lists and the global list of timer actions.
#include "ProgAktieList.h"
#include "Clock.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

class ProgAktieLists : public ::testing::Test {
protected:
    void SetUp() override { tick(); }
    void TearDown() override { Clock::setFixed(std::nullopt); }

    // Every new action gets a later time stamp, as in real use.
    void tick()
    {
        _time = _time.addSecs(60);
        Clock::setFixed(_time);
    }

    ProgAktiePtr action(int ruimte, int apparaat, int maand = 1, int dag = 1, int uur = 8)
    {
        tick();
        auto a = std::make_shared<ProgAktie>();
        a->Ruimte = ruimte;
        a->Apparaat = apparaat;
        a->Maand = maand;
        a->DagDatum = dag;
        a->Uur = uur;
        a->OnOffDim = 17;
        return a;
    }

    QDateTime _time {QDate(2026, 1, 1), QTime(8, 0)};
};

TEST_F(ProgAktieLists, InsertGivesTheListsTargetAndSortsByKey)
{
    ProgAktieList list(3, 1, {});
    const auto a = std::make_shared<ProgAktie>();
    a->Maand = 5;
    EXPECT_EQ(list.Insert(a), 0);
    EXPECT_TRUE(list.isCurrent(a));
    EXPECT_EQ(a->getIndex().substr(0, 13), "0301050002400");

    tick();
    const auto b = std::make_shared<ProgAktie>();
    b->Maand = 2;
    // The current action is the last entry: appended.
    EXPECT_EQ(list.Insert(b), 1);
    tick();
    const auto c = std::make_shared<ProgAktie>();
    c->Maand = 3;
    list.sorteer();
    list.setCurrentViaIndex(0);
    EXPECT_TRUE(list.isCurrent(b));
    EXPECT_EQ(list.Insert(c), 0) << "inserted before the current action";

    list.sorteer();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.getProgAktie(0), b);
    EXPECT_EQ(list.getProgAktie(1), c);
    EXPECT_EQ(list.getProgAktie(2), a);
    EXPECT_EQ(list.getProgAktie(3), nullptr);
    EXPECT_EQ(list.getProgAktieIndex(c), 1);
    EXPECT_EQ(list.getCurrentProgAktieIndex(), 1);
    EXPECT_EQ(c->Ruimte, 3);
    EXPECT_EQ(c->Apparaat, 1);
}

TEST_F(ProgAktieLists, SortOrderByEveryKeyPartAndCreationTime)
{
    const ProgAktiePtr inOrder[] = {
        action(0, 0, 1, 255, 8), // every day sorts first among days
        action(0, 0, 1, 254, 0), // Monday..Saturday: day key 255 - 254 = 1
        action(0, 0, 1, 1, 7),
        action(0, 0, 1, 1, 8),
        action(0, 0, 1, 1, 8), // equal but created later
        action(0, 0, 1, 31, 0),
        action(0, 0, 1, 128, 0), // no weekday chosen
        action(0, 0, 2, 1, 0),
        action(0, 1, 1, 1, 0),
        action(2, 0, 1, 1, 0),
        action(10, 0, 1, 1, 0),
        action(17, 0, 1, 1, 0),
    };
    KeyedAktieList shuffled;
    for (const int i : {5, 11, 0, 9, 3, 7, 1, 10, 4, 8, 2, 6})
        shuffled.emplace_back("", inOrder[i]);
    ProgAktieList list(0, 0, shuffled);
    list.sorteer();
    ASSERT_EQ(list.count(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(list.getProgAktie(i), inOrder[i]) << i;
}

TEST_F(ProgAktieLists, DeleteChoosesTheNextCurrentAction)
{
    // The only action: a new empty one for the same target takes its place.
    {
        ProgAktieList list(4, 2, {});
        const auto only = action(4, 2);
        list.Insert(only);
        list.Delete(only);
        ASSERT_EQ(list.count(), 1);
        const auto current = list.currentObject();
        EXPECT_NE(current, only);
        EXPECT_EQ(current->Ruimte, 4);
        EXPECT_EQ(current->Apparaat, 2);
        EXPECT_EQ(current->Maand, 0);
        ASSERT_EQ(list.deletedList().size(), 1u);
        EXPECT_EQ(list.deletedList()[0].second, only);
    }
    // Between two actions of the same appliance: the next one.
    const auto a = action(1, 1, 1), b = action(1, 1, 2), c = action(1, 1, 3), other = action(1, 2, 1);
    {
        ProgAktieList list(1, 1, {{"", a}, {"", b}, {"", c}, {"", other}});
        list.sorteer();
        list.setCurrentViaIndex(1);
        list.Delete(b);
        EXPECT_EQ(list.currentObject(), c);
        // The last of its group: the previous entry.
        list.Delete(c);
        EXPECT_EQ(list.currentObject(), a);
        EXPECT_EQ(list.count(), 2);
        EXPECT_EQ(list.deletedList().size(), 2u);
    }
}

TEST_F(ProgAktieLists, CloneAndRandomCount)
{
    ProgAktieList list(2, 0, {});
    const auto a = action(2, 0);
    a->RandomB = true;
    list.Insert(a);
    tick();
    list.Clone(a);
    list.Clone(nullptr);
    ASSERT_EQ(list.count(), 2);
    EXPECT_NE(list.currentObject(), a);
    EXPECT_GT(list.currentObject()->randomNr, a->randomNr);
    EXPECT_EQ(list.getRandomCount(), 2);
}

TEST_F(ProgAktieLists, SaveMergesIntoTheGlobalList)
{
    GlobalProgAktieList global;
    const auto kept = action(0, 0);
    global.addToMain(kept);
    global.addToMain(kept);
    EXPECT_EQ(global.mainList().size(), 1u) << "added once by identity";

    ProgAktieList working(0, 0, global.getProgAktieList());
    const auto complete = action(0, 0, 3);
    working.Insert(complete);
    working.Insert(std::make_shared<ProgAktie>()); // incomplete
    working.Delete(kept);
    const auto neverSaved = action(0, 0);
    working.Insert(neverSaved);
    working.Delete(neverSaved);

    global.saveProgAktieList(working.list(), working.deletedList());
    ASSERT_EQ(global.mainList().size(), 1u);
    EXPECT_EQ(global.mainList()[0].second, complete);
}

TEST_F(ProgAktieLists, DeletedAppliancesAndRoomsRenumberTheActions)
{
    GlobalProgAktieList global;
    const auto gone1 = action(2, 3), gone2 = action(2, 3), later = action(2, 5), earlier = action(2, 1),
               otherRoom = action(4, 5), scene = action(18, 0);
    for (const auto& a : {gone1, later, gone2, earlier, otherRoom, scene})
        global.addToMain(a);

    global.deleteApparaat(2, 3);
    ASSERT_EQ(global.mainList().size(), 4u);
    EXPECT_EQ(global.mainList()[0].second, later) << "order kept";
    EXPECT_EQ(later->Apparaat, 4);
    EXPECT_EQ(earlier->Apparaat, 1);
    EXPECT_EQ(otherRoom->Apparaat, 5);

    const auto room0 = action(0, 0), room1 = action(1, 0), room3 = action(3, 0), room16 = action(16, 0);
    for (const auto& a : {room0, room1, room3, room16})
        global.addToMain(a);
    global.updateRuimtes(1);
    EXPECT_EQ(room0->Ruimte, 0);
    EXPECT_EQ(room1->Ruimte, 0);
    EXPECT_EQ(later->Ruimte, 1);
    EXPECT_EQ(room3->Ruimte, 2);
    EXPECT_EQ(otherRoom->Ruimte, 3);
    EXPECT_EQ(room16->Ruimte, 15);
    EXPECT_EQ(scene->Ruimte, 18) << "scene actions are not touched";
}

} // namespace
