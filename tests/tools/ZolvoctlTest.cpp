// zolvoctl as scripts use it: a real process on real files.
#include "Cp1252.h"
#include "LoadSave.h"
#include "TestFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct ProcessResult {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

ProcessResult zolvoctl(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(ZOLVOCTL_PATH), args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QJsonDocument parse(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document;
}

TEST(Zolvoctl, ShowPrintsTheConfiguration)
{
    TestFolder folder;
    {
        TLoadSave store(folder.path());
        setShortString(store.Ruimtes[1].Omschrijving, QString::fromUtf8("Café"));
        store.Ruimtes[1].Apparaten[2].Code = 7;
        store.Scenes[0].Akties[0] = Aktie {1, 2, 17};
        auto aktie = std::make_shared<ProgAktie>();
        aktie->Ruimte = 1;
        aktie->Apparaat = 2;
        aktie->Maand = 13;
        aktie->ZonOffset = 180;
        aktie->OnOffDim = 0;
        store.GlobalAktieListObject->addToMain(aktie);
        store.SetLanguage(0);
        store.SaveCfg();
    }
    const ProcessResult run = zolvoctl({"show", "--dir", folder.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject config = parse(run.out).object();
    const QJsonArray rooms = config["rooms"].toArray();
    ASSERT_EQ(rooms.size(), 16);
    EXPECT_EQ(rooms[1]["Omschrijving"].toString(), QString::fromUtf8("Café"));
    EXPECT_EQ(rooms[1]["Apparaten"].toArray().size(), 16);
    EXPECT_EQ(rooms[1]["Apparaten"][2]["Code"].toInt(), 7);
    EXPECT_EQ(rooms[1]["Apparaten"][2]["Dimstand"].toInt(), 8);
    EXPECT_EQ(config["scenes"].toArray().size(), 16);
    EXPECT_EQ(config["scenes"][0]["Akties"][0]["OnOffDim"].toInt(), 17);
    const QJsonArray actions = config["timerActions"].toArray();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions[0]["ZonOffset"].toInt(), 180);
    EXPECT_EQ(actions[0]["texts"]["tijdStr"].toString(), "zon onder") << "in the stored language";
    EXPECT_EQ(actions[0]["texts"]["maandStr"].toString(), "elke maand");
    EXPECT_EQ(config["environment"]["Locatie"]["PlaatsNaam"].toString(), "London");
    EXPECT_EQ(config["environment"]["showHints"].toBool(), true);
    EXPECT_EQ(config["language"].toInt(), 0);
}

TEST(Zolvoctl, ResaveCreatesTheFilesWithDefaults)
{
    TestFolder folder;
    const ProcessResult run = zolvoctl({"resave", "--dir", folder.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(folder.read("zolvo.dat").size(), 30854);
    EXPECT_EQ(folder.read("environment.dat").size(), 52);
    EXPECT_EQ(folder.read("language.dat").size(), 6);
}

TEST(Zolvoctl, DamagedFilesAndBadArgumentsFail)
{
    TestFolder folder;
    folder.write("zolvo.dat", QByteArray("\x32\x40\x00", 3));
    const ProcessResult damaged = zolvoctl({"show", "--dir", folder.path()});
    EXPECT_NE(damaged.exitCode, 0);
    EXPECT_TRUE(damaged.err.contains("zolvo.dat")) << damaged.err.toStdString();
    EXPECT_TRUE(damaged.out.isEmpty());

    EXPECT_NE(zolvoctl({"show", "--dir", folder.file("nothing here")}).exitCode, 0);
    EXPECT_NE(zolvoctl({"frobnicate"}).exitCode, 0);
    EXPECT_NE(zolvoctl({"texts", "--dir", folder.path()}).exitCode, 0);
    EXPECT_NE(zolvoctl({}).exitCode, 0);
}

TEST(Zolvoctl, DamagedPictureListIsKeptAsideAndReported)
{
    TestFolder folder;
    folder.write("AppImageList.dat", QByteArray("not a picture list"));
    const ProcessResult run = zolvoctl({"resave", "--dir", folder.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("AppImageList.dat")) << run.err.toStdString();
    EXPECT_EQ(folder.read("AppImageList.dat.damaged"), QByteArray("not a picture list"));
    EXPECT_EQ(folder.read("AppImageList.dat"), QByteArray("not a picture list")) << "not overwritten by an empty list";
}

TEST(Zolvoctl, LocationsAndTexts)
{
    const ProcessResult locations = zolvoctl({"locations"});
    ASSERT_EQ(locations.exitCode, 0);
    const QJsonArray rows = parse(locations.out).array();
    ASSERT_EQ(rows.size(), 1104);
    EXPECT_EQ(rows[339]["index"].toInt(), 339);
    EXPECT_EQ(rows[339]["PlaatsNaam"].toString(), "London");
    EXPECT_EQ(rows[339]["longEW"].toInt(), 1);
    EXPECT_EQ(rows[8]["Land"].toString(), QString::fromUtf8("België"));

    const ProcessResult texts = zolvoctl({"texts"});
    ASSERT_EQ(texts.exitCode, 0);
    const QJsonArray catalogue = parse(texts.out).array();
    ASSERT_EQ(catalogue.size(), 144);
    EXPECT_EQ(catalogue[0]["name"].toString(), "txtVersie");
    EXPECT_EQ(catalogue[34]["texts"][1].toString(), "Select a city\ror 'my location'");
    EXPECT_EQ(catalogue[143]["texts"].toArray().size(), 11);
}

} // namespace
