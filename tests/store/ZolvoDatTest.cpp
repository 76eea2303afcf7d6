// "zolvo.dat": reading a file built byte by byte, the writer's bytes, and
// damaged files.
#include "Clock.h"
#include "Cp1252.h"
#include "LittleEndian.h"
#include "LoadSave.h"
#include "StoreError.h"
#include "TestFolder.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

void appendName(QByteArray& bytes, const QByteArray& name, int capacity)
{
    bytes.append(static_cast<char>(name.size()));
    bytes.append(name);
    bytes.append(QByteArray(capacity - name.size(), 'x')); // junk beyond the length counts for nothing
}

QByteArray apparaatImage(const QByteArray& name, qint32 picture, bool oud, bool dimmer, qint32 code, qint32 dimstand)
{
    QByteArray b;
    appendName(b, name, 30);
    b.append('\x7F'); // padding
    appendLe32(b, picture);
    b.append(static_cast<char>(oud));
    b.append(static_cast<char>(dimmer));
    b.append("\x55\x55", 2);
    appendLe32(b, code);
    appendLe32(b, dimstand);
    return b;
}

QByteArray aktieRecordImage(qint32 ruimte, qint32 apparaat, qint32 maand, qint32 dag, qint32 uur, qint32 minuut,
    qint32 zon, bool random, qint32 onOffDim, double stamp)
{
    QByteArray b;
    for (const qint32 v : {ruimte, apparaat, maand, dag, uur, minuut, zon})
        appendLe32(b, v);
    b.append(static_cast<char>(random));
    b.append("\x11\x22\x33", 3);
    appendLe32(b, onOffDim);
    b.append("\x44\x44\x44\x44", 4);
    unsigned char d[8];
    LittleEndian::writeDouble(d, stamp);
    b.append(reinterpret_cast<const char*>(d), 8);
    return b;
}

QByteArray roomsSection()
{
    QByteArray rooms;
    appendName(rooms, "Keuken", 30);
    rooms.append('\0');
    appendLe32(rooms, 2);
    rooms.append(apparaatImage("Lamp", 0, false, true, 5, 12));
    rooms.append(apparaatImage("Oude schemerlamp", 1, true, false, 200, 1));
    for (int i = 2; i < 16; ++i)
        rooms.append(apparaatImage("", -1, false, false, -1, 8));
    appendName(rooms, "Caf\xE9", 30); // Windows-1252 e acute
    rooms.append('\0');
    appendLe32(rooms, -1);
    while (rooms.size() < 12864)
        rooms.append('\0');
    return rooms;
}

QByteArray scenesSection()
{
    QByteArray scenes;
    appendName(scenes, "Avond", 30);
    scenes.append('\0');
    for (const qint32 v : {0, 0, 17, 0, 1, 4})
        appendLe32(scenes, v);
    for (int i = 2; i < 16; ++i)
        for (const qint32 v : {-1, -1, 0})
            appendLe32(scenes, v);
    while (scenes.size() < 3584)
        scenes.append('\0');
    return scenes;
}

QByteArray actionsSection()
{
    QByteArray actions;
    actions.append(aktieRecordImage(0, 1, 13, 255, 7, 5, 0, false, 17, 41746.5));
    actions.append(aktieRecordImage(-1, 0, 1, 1, 1, 1, 0, false, 0, 1.0)); // empty slot, skipped
    actions.append(aktieRecordImage(17, 0, 12, 24, 24, 0, 190, true, 0x0113, 41746.75));
    while (actions.size() < 14400)
        actions.append(aktieRecordImage(-1, -1, 0, 0, 24, 0, 0, false, 18, 0));
    return actions;
}

QByteArray wholeFile()
{
    QByteArray file;
    appendBeLength(file, 12864);
    file.append(roomsSection());
    appendBeLength(file, 3584);
    file.append(scenesSection());
    appendBeLength(file, 14400);
    file.append(actionsSection());
    return file;
}

class ZolvoDat : public ::testing::Test {
protected:
    void TearDown() override { Clock::setFixed(std::nullopt); }
    TestFolder folder;
};

TEST_F(ZolvoDat, ReadsAFileBuiltByteByByte)
{
    folder.write("zolvo.dat", wholeFile());
    const TLoadSave store(folder.path());

    const Ruimte& keuken = store.Ruimtes[0];
    EXPECT_EQ(toQString(keuken.Omschrijving), "Keuken");
    EXPECT_EQ(keuken.Afbeelding, 2);
    EXPECT_EQ(toQString(keuken.Apparaten[0].Omschrijving), "Lamp");
    EXPECT_TRUE(keuken.Apparaten[0].Dimmer);
    EXPECT_FALSE(keuken.Apparaten[0].OudModel);
    EXPECT_EQ(keuken.Apparaten[0].Code, 5);
    EXPECT_EQ(keuken.Apparaten[0].Dimstand, 12);
    EXPECT_TRUE(keuken.Apparaten[1].OudModel);
    EXPECT_EQ(keuken.Apparaten[1].Code, 200);
    EXPECT_EQ(keuken.Apparaten[15].Code, -1);
    EXPECT_EQ(toQString(store.Ruimtes[1].Omschrijving), QString::fromUtf8("Café"));
    EXPECT_EQ(store.Ruimtes[1].Afbeelding, -1);

    EXPECT_EQ(toQString(store.Scenes[0].Omschrijving), "Avond");
    EXPECT_EQ(store.Scenes[0].Akties[0].OnOffDim, 17);
    EXPECT_EQ(store.Scenes[0].Akties[1].Apparaat, 1);
    EXPECT_EQ(store.Scenes[0].Akties[1].OnOffDim, 4);
    EXPECT_EQ(store.nrofactions(0), 2);

    const auto& actions = store.GlobalAktieListObject->mainList();
    ASSERT_EQ(actions.size(), 2u);
    const ProgAktie& first = *actions[0].second;
    EXPECT_EQ(first.Ruimte, 0);
    EXPECT_EQ(first.Apparaat, 1);
    EXPECT_EQ(first.Maand, 13);
    EXPECT_EQ(first.DagDatum, 255);
    EXPECT_EQ(first.Uur, 7);
    EXPECT_EQ(first.Minuut, 5);
    EXPECT_EQ(first.OnOffDim, 17);
    EXPECT_DOUBLE_EQ(first.randomNr, 41746.5);
    const ProgAktie& scene = *actions[1].second;
    EXPECT_EQ(scene.Ruimte, 17);
    EXPECT_EQ(scene.ZonOffset, 190);
    EXPECT_TRUE(scene.RandomB);
    EXPECT_EQ(scene.OnOffDim, 0x13) << "only the low byte of OnOffDim counts";
    EXPECT_DOUBLE_EQ(scene.randomNr, 41746.75);
}

TEST_F(ZolvoDat, MissingFileGivesDefaultsAndSavesTheFullLayout)
{
    Clock::setFixed(QDateTime(QDate(2014, 4, 17), QTime(12, 0)));
    TLoadSave store(folder.path());
    for (const Ruimte& ruimte : store.Ruimtes) {
        EXPECT_TRUE(ruimte.Omschrijving.empty());
        EXPECT_EQ(ruimte.Afbeelding, -1);
        for (const Apparaat& apparaat : ruimte.Apparaten) {
            EXPECT_EQ(apparaat.Code, -1);
            EXPECT_EQ(apparaat.Afbeelding, -1);
            EXPECT_EQ(apparaat.Dimstand, 8);
        }
    }
    for (const Scene& scene : store.Scenes)
        for (const Aktie& aktie : scene.Akties)
            EXPECT_EQ(aktie.Ruimte, -1);
    EXPECT_TRUE(store.GlobalAktieListObject->mainList().empty());
    EXPECT_FALSE(folder.exists("zolvo.dat")) << "loading never writes";

    store.SaveCfg();
    const QByteArray file = folder.read("zolvo.dat");
    ASSERT_EQ(file.size(), 30854);
    EXPECT_EQ(file.mid(0, 2), QByteArray("\x32\x40", 2));
    EXPECT_EQ(file.mid(12866, 2), QByteArray("\x0E\x00", 2));
    EXPECT_EQ(file.mid(16452, 2), QByteArray("\x38\x40", 2));
    // Room 3, appliance 2: picture -1, code -1, dim level 8.
    const qsizetype apparaat = 2 + 3 * 804 + 36 + 2 * 48;
    EXPECT_EQ(le32At(file, apparaat + 32), -1);
    EXPECT_EQ(le32At(file, apparaat + 40), -1);
    EXPECT_EQ(le32At(file, apparaat + 44), 8);
    // Scene 15, item 15: room -1, appliance -1, off.
    const qsizetype item = 12868 + 15 * 224 + 32 + 15 * 12;
    EXPECT_EQ(le32At(file, item), -1);
    EXPECT_EQ(le32At(file, item + 4), -1);
    EXPECT_EQ(le32At(file, item + 8), 0);
    // The last action record is an empty action stamped with the time of writing.
    const qsizetype last = 16454 + 299 * 48;
    EXPECT_EQ(le32At(file, last), -1);
    EXPECT_EQ(le32At(file, last + 12), 0);
    EXPECT_EQ(le32At(file, last + 16), 24);
    EXPECT_EQ(le32At(file, last + 32), 18);
    EXPECT_DOUBLE_EQ(
        LittleEndian::readDouble(reinterpret_cast<const unsigned char*>(file.constData()) + last + 40), 41746.5);
}

TEST_F(ZolvoDat, WritesActionsInListOrderAndReadsThemBack)
{
    {
        TLoadSave store(folder.path());
        setShortString(store.Ruimtes[0].Omschrijving, QString::fromUtf8("Woonkamer beneden met een lange naam"));
        store.Ruimtes[0].Apparaten[0].Dimmer = true;
        for (const int ruimte : {5, 0, 17}) {
            auto aktie = std::make_shared<ProgAktie>();
            aktie->Ruimte = ruimte;
            aktie->Apparaat = 0;
            aktie->Maand = 3;
            aktie->Uur = 6;
            store.GlobalAktieListObject->addToMain(aktie);
        }
        store.SaveCfg();
    }
    const QByteArray file = folder.read("zolvo.dat");
    ASSERT_EQ(file.size(), 30854);
    EXPECT_EQ(static_cast<unsigned char>(file[2]), 30) << "name cut to 30 characters";
    EXPECT_EQ(file.mid(3, 30), QByteArray("Woonkamer beneden met een lang"));
    EXPECT_EQ(file[2 + 36 + 37], '\x01') << "Dimmer byte of room 0, appliance 0";
    const qsizetype actions = 16454;
    EXPECT_EQ(le32At(file, actions), 5);
    EXPECT_EQ(le32At(file, actions + 48), 0);
    EXPECT_EQ(le32At(file, actions + 96), 17);
    for (int k = 3; k < 300; ++k) {
        EXPECT_EQ(le32At(file, actions + k * 48), -1);
        EXPECT_EQ(le32At(file, actions + k * 48 + 16), 24);
        EXPECT_EQ(le32At(file, actions + k * 48 + 32), 18);
    }

    const TLoadSave reloaded(folder.path());
    const auto& list = reloaded.GlobalAktieListObject->mainList();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].second->Ruimte, 5);
    EXPECT_EQ(list[2].second->Ruimte, 17);
    EXPECT_EQ(toQString(reloaded.Ruimtes[0].Omschrijving), "Woonkamer beneden met een lang");
}

TEST_F(ZolvoDat, EveryEarlyEndOfTheFile)
{
    const QByteArray whole = wholeFile();
    const int endOfScenes = 2 + 12864 + 2 + 3584;
    // Every cut inside the rooms or scenes sections is an input/output
    // error; every later cut loads rooms and scenes without actions.
    for (int length = 0; length < whole.size(); length += (length < endOfScenes + 8 ? 1 : 97)) {
        folder.write("zolvo.dat", whole.left(length));
        if (length < endOfScenes) {
            EXPECT_THROW(TLoadSave store(folder.path()), StoreIoError) << length;
        } else {
            const TLoadSave store(folder.path());
            EXPECT_EQ(toQString(store.Scenes[0].Omschrijving), "Avond") << length;
            EXPECT_TRUE(store.GlobalAktieListObject->mainList().empty()) << length;
        }
    }
}

TEST_F(ZolvoDat, ShortAndOversizeSections)
{
    // A short rooms section fills the start of the block; the rest stays zero.
    QByteArray shortRooms;
    appendBeLength(shortRooms, 40);
    shortRooms.append(roomsSection().left(40));
    appendBeLength(shortRooms, 3584);
    shortRooms.append(scenesSection());
    folder.write("zolvo.dat", shortRooms);
    {
        const TLoadSave store(folder.path());
        EXPECT_EQ(toQString(store.Ruimtes[0].Omschrijving), "Keuken");
        EXPECT_EQ(store.Ruimtes[0].Apparaten[0].Code, 0);
        EXPECT_EQ(store.Ruimtes[1].Afbeelding, 0);
    }

    // A rooms section longer than its block is refused.
    QByteArray oversize;
    appendBeLength(oversize, 12865);
    oversize.append(roomsSection());
    oversize.append('\0');
    appendBeLength(oversize, 3584);
    oversize.append(scenesSection());
    folder.write("zolvo.dat", oversize);
    try {
        const TLoadSave store(folder.path());
        FAIL() << "an oversize rooms section was accepted";
    } catch (const StoreIoError& error) {
        EXPECT_NE(std::string(error.what()).find("zolvo.dat"), std::string::npos) << error.what();
    }

    // A short actions section keeps the records it holds whole.
    QByteArray shortActions = wholeFile().left(16452);
    appendBeLength(shortActions, 100);
    shortActions.append(actionsSection().left(100));
    folder.write("zolvo.dat", shortActions);
    {
        const TLoadSave store(folder.path());
        EXPECT_EQ(store.GlobalAktieListObject->mainList().size(), 1u) << "two whole records, one of them empty";
    }

    // An actions section longer than 300 records keeps the first 300.
    QByteArray longActions = wholeFile().left(16452);
    appendBeLength(longActions, 14400 + 48);
    longActions.append(actionsSection());
    longActions.append(aktieRecordImage(3, 3, 3, 3, 3, 3, 0, false, 0, 2.0));
    folder.write("zolvo.dat", longActions);
    {
        const TLoadSave store(folder.path());
        EXPECT_EQ(store.GlobalAktieListObject->mainList().size(), 2u);
    }
}

TEST_F(ZolvoDat, AFailedSaveIsReportedAndKeepsTheOldFile)
{
    folder.write("zolvo.dat", wholeFile());
    TLoadSave store(folder.path());
    setShortString(store.Ruimtes[0].Omschrijving, "Zolder");
    // A folder in the place of "environment.dat" makes the second file fail.
    ASSERT_TRUE(QDir(folder.path()).mkdir("environment.dat"));
    EXPECT_THROW(store.SaveCfg(), StoreIoError);
    EXPECT_EQ(folder.read("zolvo.dat").size(), 30854);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "no temporary file is left behind";

    // A save into a folder that is gone fails as well and writes nothing.
    TLoadSave elsewhere(folder.file("missing"));
    EXPECT_THROW(elsewhere.SaveCfg(), StoreIoError);
}

TEST_F(ZolvoDat, CodesAndSceneCounts)
{
    TLoadSave store(folder.path());
    EXPECT_EQ(store.getfirstfreecode(), 0);
    store.Ruimtes[0].Apparaten[0].Code = 0;
    store.Ruimtes[4].Apparaten[15].Code = 1; // unused slots count too
    store.Ruimtes[15].Apparaten[3].Code = 3;
    EXPECT_TRUE(store.codeexists(3));
    EXPECT_FALSE(store.codeexists(2));
    EXPECT_EQ(store.getfirstfreecode(), 2);
    for (int code = 0; code < 256; ++code)
        store.Ruimtes[code / 16].Apparaten[code % 16].Code = code;
    EXPECT_EQ(store.getfirstfreecode(), 0);

    store.Scenes[2].Akties[0].Apparaat = 4;
    store.Scenes[2].Akties[2].Apparaat = 7;
    EXPECT_EQ(store.nrofactions(2), 2);
    EXPECT_EQ(store.nrofactions(3), 0);
}

TEST_F(ZolvoDat, SingletonRecreatesAfterAFailedLoad)
{
    TLoadSave::setDataFolder(folder.path());
    folder.write("zolvo.dat", QByteArray("\x32\x40", 2));
    EXPECT_THROW(TLoadSave::instance(), StoreIoError);
    EXPECT_EQ(TLoadSave::existing(), nullptr);

    folder.write("zolvo.dat", wholeFile());
    TLoadSave* store = TLoadSave::instance();
    EXPECT_EQ(toQString(store->Ruimtes[0].Omschrijving), "Keuken");
    EXPECT_EQ(TLoadSave::instance(), store);

    folder.write("zolvo.dat", QByteArray());
    EXPECT_THROW(TLoadSave::recreate(), StoreIoError);
    EXPECT_EQ(TLoadSave::existing(), nullptr) << "the old store is gone";
    TLoadSave::destroyInstance();
    TLoadSave::setDataFolder(QString());
}

} // namespace
