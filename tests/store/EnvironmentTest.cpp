// "environment.dat" and "language.dat".
#include "Cp1252.h"
#include "LoadSave.h"
#include "StoreError.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(EnvironmentFiles, FreshInstallationDefaultsAndTheirBytes)
{
    TestFolder folder;
    TLoadSave store(folder.path());
    EXPECT_EQ(store.GetLanguage(), 1);
    EXPECT_TRUE(store.Environment.showHints);
    EXPECT_FALSE(store.Environment.hasCodeWheels);
    const Locat& london = store.Environment.Locatie;
    EXPECT_EQ(toQString(london.Land), "England");
    EXPECT_EQ(toQString(london.PlaatsNaam), "London");
    EXPECT_EQ(london.latG, 51);
    EXPECT_EQ(london.latM, 32);
    EXPECT_EQ(london.latNS, 0);
    EXPECT_EQ(london.longG, 0);
    EXPECT_EQ(london.longM, 5);
    EXPECT_EQ(london.longEW, 1);

    store.SaveCfg();
    const QByteArray environment = folder.read("environment.dat");
    ASSERT_EQ(environment.size(), 52);
    EXPECT_EQ(environment.left(4), QByteArray("\x00\x32\x00\x01", 4)) << "header, no code wheels, hints on";
    EXPECT_EQ(environment[4], '\x07');
    EXPECT_EQ(environment.mid(5, 7), QByteArray("England"));
    EXPECT_EQ(environment[2 + 2 + 21], '\x06');
    EXPECT_EQ(environment.mid(2 + 2 + 22, 6), QByteArray("London"));
    EXPECT_EQ(environment.right(6), QByteArray("\x33\x20\x00\x00\x05\x01", 6));
    EXPECT_EQ(folder.read("language.dat"), QByteArray("\x00\x04\x01\x00\x00\x00", 6));
}

TEST(EnvironmentFiles, ReadBackWhatWasStored)
{
    TestFolder folder;
    {
        TLoadSave store(folder.path());
        store.Environment.hasCodeWheels = true;
        store.Environment.showHints = false;
        store.Environment.Locatie = TLoadSave::getLocatie("Bahrein", "Al Hidd");
        store.SetLanguage(0);
        store.SaveCfg();
    }
    const TLoadSave store(folder.path());
    EXPECT_TRUE(store.Environment.hasCodeWheels);
    EXPECT_FALSE(store.Environment.showHints);
    EXPECT_EQ(toQString(store.Environment.Locatie.PlaatsNaam), "Al Hidd");
    EXPECT_EQ(store.Environment.Locatie.longG, 50);
    EXPECT_EQ(store.GetLanguage(), 0);
}

TEST(EnvironmentFiles, DamagedFilesAreInputOutputErrorsNamingTheFile)
{
    const struct {
        const char* file;
        QByteArray contents;
    } cases[] = {
        {"environment.dat", QByteArray("\x00\x32\x01\x01", 4)}, // shorter than stated
        {"environment.dat", QByteArray("\x00", 1)}, // no whole header
        {"environment.dat", QByteArray("\x00\x33", 2) + QByteArray(51, '\0')}, // longer than the record
        {"language.dat", QByteArray("\x00\x04\x01", 3)},
        {"language.dat", QByteArray("\x01\x00", 2) + QByteArray(256, '\0')},
    };
    for (const auto& c : cases) {
        TestFolder folder;
        folder.write(c.file, c.contents);
        try {
            const TLoadSave store(folder.path());
            ADD_FAILURE() << c.file << " " << c.contents.toHex().toStdString() << " was accepted";
        } catch (const StoreIoError& error) {
            EXPECT_NE(std::string(error.what()).find(c.file), std::string::npos) << error.what();
        }
    }
}

TEST(EnvironmentFiles, ShortSectionsChangeOnlyTheStartOfTheRecord)
{
    TestFolder folder;
    folder.write("environment.dat", QByteArray("\x00\x01\x01", 3)); // code wheels only
    folder.write("language.dat", QByteArray("\x00\x01\x09", 3));
    const TLoadSave store(folder.path());
    EXPECT_TRUE(store.Environment.hasCodeWheels);
    EXPECT_FALSE(store.Environment.showHints) << "a new store's records start all zero";
    EXPECT_EQ(store.GetLanguage(), 9);
}

} // namespace
