// The reading operations on a prepared configuration, through the whole
// SOAP path: counting, names, codes, flags, language, out-of-range indices.
#include "SoapTestClient.h"
#include "WebStoreTest.h"

#include "Cp1252.h"

namespace {

class Operations : public WebStoreTest {
protected:
    void SetUp() override
    {
        WebStoreTest::SetUp();
        // Rooms 0 and 1 in use (1 only by its picture), 2 free, 3 in use.
        setShortString(store->Ruimtes[0].Omschrijving, QStringLiteral("Woonkamer"));
        store->Ruimtes[1].Afbeelding = 0;
        setShortString(store->Ruimtes[3].Omschrijving, QStringLiteral("Zolder"));

        // Room 0: appliances 0..2 in use, 3 free, 4 in use.
        Apparaat& lamp = apparaat(0, 0);
        setShortString(lamp.Omschrijving, QStringLiteral("Lamp"));
        lamp.Code = 42;
        lamp.Dimmer = true;
        apparaat(0, 1).Afbeelding = 2;
        Apparaat& cafe = apparaat(0, 2);
        store->Ruimtes[0].Apparaten[2].Omschrijving.assign("Caf\xE9 \x80"); // Windows-1252 bytes
        cafe.OudModel = true;
        setShortString(apparaat(0, 4).Omschrijving, QStringLiteral("Later"));

        // Room 3: all 16 appliances in use.
        for (int a = 0; a < nrofApparaten; ++a)
            setShortString(apparaat(3, a).Omschrijving, QStringLiteral("App %1").arg(a));

        // Scenes 0 and 1 named, 2 free (a picture does not count for scenes), 3 named.
        setShortString(store->Scenes[0].Omschrijving, QStringLiteral("Avond"));
        setShortString(store->Scenes[1].Omschrijving, QStringLiteral("Nacht"));
        setShortString(store->Scenes[3].Omschrijving, QStringLiteral("Ochtend"));
    }
};

struct OperationCase {
    std::string operation;
    Params params;
    QString response;
    QString error;
};

TEST_F(Operations, AnswersOnAPreparedConfiguration)
{
    const OperationCase cases[] = {
        {"getroomcount", {}, "2", ""},
        {"getappcount", {{"aRoom", "0"}}, "3", ""},
        {"getappcount", {{"aRoom", "1"}}, "0", ""},
        {"getappcount", {{"aRoom", "3"}}, "16", ""},
        {"getscenecount", {}, "2", ""},
        {"getroomname", {{"aRoom", "0"}}, "Woonkamer", ""},
        {"getroomname", {{"aRoom", "1"}}, "", ""},
        {"getappname", roomApp(0, 2), QString::fromUtf8("Caf\u00e9 \u20ac"), ""},
        {"getappname", roomApp(3, 15), "App 15", ""},
        {"getappcode", roomApp(0, 0), "42", ""},
        {"getappcode", roomApp(0, 2), "-1", ""},
        {"isappdimmable", roomApp(0, 0), "true", ""},
        {"isappdimmable", roomApp(0, 2), "false", ""},
        {"isappoudModel", roomApp(0, 2), "true", ""},
        {"isappoudModel", roomApp(0, 0), "false", ""},
        {"getscenename", {{"aScene", "3"}}, "Ochtend", ""},
        {"getscenename", {{"aScene", "2"}}, "", ""},
        {"getwebserverinfo", {}, "Delphi", "NOERROR"},
    };
    for (const OperationCase& c : cases) {
        const SoapAnswer answer = call(c.operation, c.params);
        SCOPED_TRACE(c.operation + (c.params.empty() ? "" : " " + c.params[0].second));
        EXPECT_EQ(answer.status, 200);
        ASSERT_FALSE(answer.fault) << answer.faultstring.toStdString();
        EXPECT_EQ(answer.response, c.response);
        EXPECT_EQ(answer.error, c.error);
    }
}

TEST_F(Operations, AllSlotsInUseCountSixteen)
{
    for (int r = 0; r < nrofRuimtes; ++r)
        store->Ruimtes[r].Afbeelding = r;
    for (int s = 0; s < nrofScenes; ++s)
        setShortString(store->Scenes[s].Omschrijving, QStringLiteral("S"));
    EXPECT_EQ(call("getroomcount").response, "16");
    EXPECT_EQ(call("getscenecount").response, "16");
}

using EmptyConfiguration = WebStoreTest;

TEST_F(EmptyConfiguration, CountsAreZero)
{
    EXPECT_EQ(call("getroomcount").response, "0");
    EXPECT_EQ(call("getscenecount").response, "0");
    for (int r = 0; r < nrofRuimtes; ++r)
        EXPECT_EQ(call("getappcount", {{"aRoom", std::to_string(r)}}).response, "0") << r;
}

TEST_F(EmptyConfiguration, IsDutchOnlyForLanguageIndexZero)
{
    const std::pair<int, const char*> cases[] = {{0, "true"}, {1, "false"}, {2, "false"}, {10, "false"}, {-1, "false"}};
    for (const auto& [language, expected] : cases) {
        store->SetLanguage(language);
        const SoapAnswer answer = call("isDutch");
        EXPECT_EQ(answer.response, expected) << language;
        EXPECT_EQ(answer.error, "");
    }
}

TEST_F(EmptyConfiguration, IndicesOutsideTheSlotsAreRefusedByName)
{
    const OperationCase cases[] = {
        {"getappcount", {{"aRoom", "16"}}, "", "Room index 16 is out of range 0..15"},
        {"getappcount", {{"aRoom", "-1"}}, "", "Room index -1 is out of range 0..15"},
        {"getroomname", {{"aRoom", "2147483647"}}, "", "Room index 2147483647 is out of range 0..15"},
        {"getappname", roomApp(0, 16), "", "Appliance index 16 is out of range 0..15"},
        {"getappname", roomApp(INT32_MIN, 0), "", "Room index -2147483648 is out of range 0..15"},
        {"getappcode", roomApp(99, 99), "", "Room index 99 is out of range 0..15"},
        {"dimapp", {{"aRoom", "0"}, {"aApp", "-5"}, {"dimstand", "3"}}, "", "Appliance index -5 is out of range 0..15"},
        {"isappdimmable", roomApp(0, 20), "", "Appliance index 20 is out of range 0..15"},
        {"isappoudModel", roomApp(17, 0), "", "Room index 17 is out of range 0..15"},
        {"apparaatAan", roomApp(0, 16), "", "Appliance index 16 is out of range 0..15"},
        {"apparaatUit", roomApp(16, 0), "", "Room index 16 is out of range 0..15"},
        {"apparaatWakeUp", roomApp(0, -1), "", "Appliance index -1 is out of range 0..15"},
        {"getAppImage", roomApp(0, 16), "", "Appliance index 16 is out of range 0..15"},
        {"setImage", {{"aRoom", "16"}, {"aApp", "0"}, {"aImage", "QUJD"}}, "", "Room index 16 is out of range 0..15"},
        {"getscenename", {{"aScene", "16"}}, "", "Scene index 16 is out of range 0..15"},
        {"sceneActivate", {{"aScene", "-1"}}, "", "Scene index -1 is out of range 0..15"},
    };
    for (const OperationCase& c : cases) {
        const SoapAnswer answer = call(c.operation, c.params);
        SCOPED_TRACE(c.operation);
        ASSERT_FALSE(answer.fault) << answer.faultstring.toStdString();
        EXPECT_EQ(answer.response, c.response);
        EXPECT_EQ(answer.error, c.error);
    }
}

} // namespace
