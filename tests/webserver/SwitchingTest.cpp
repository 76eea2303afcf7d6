// The switching operations and sceneActivate against the stand-in Zolvo:
// the reports that go out, the silent checks, the not-connected text.
#include "SoapTestClient.h"
#include "StandInZolvo.h"

#include "Cp1252.h"
#include "Switching.h"

namespace {

class WebSwitching : public StandInZolvoTest {
protected:
    void SetUp() override
    {
        StandInZolvoTest::SetUp();
        setAppliance(0, 0, 0x2A, false);
        setAppliance(0, 1, 0x17, true);
        setAppliance(2, 5, -1, false);
        setAppliance(15, 15, 0x12C, false); // only the low byte is sent
    }

    void setAppliance(int room, int app, int code, bool oudModel)
    {
        Apparaat& a = store->Ruimtes[room].Apparaten[app];
        setShortString(a.Omschrijving, QStringLiteral("App"));
        a.Code = code;
        a.OudModel = oudModel;
    }

    // Ends a run of calls with a report of our own, so that "nothing sent"
    // can be told from "not arrived yet".
    std::vector<Report> reportsUntilMarker()
    {
        ExecuteScene(0x0F);
        const Report marker = makeCommand(0x53, {0x0F});
        processEventsUntil([&] {
            const std::vector<Report> reports = written();
            return !reports.empty() && reports.back() == marker;
        });
        std::vector<Report> reports = written();
        EXPECT_FALSE(reports.empty());
        if (!reports.empty())
            reports.pop_back();
        return reports;
    }
};

struct SwitchCase {
    const char* what;
    std::string operation;
    Params params;
    std::optional<Report> report; // std::nullopt: nothing is sent
};

Params dim(int room, int app, int dimstand)
{
    Params params = roomApp(room, app);
    params.emplace_back("dimstand", std::to_string(dimstand));
    return params;
}

Report switchReport(std::uint8_t code, std::uint8_t value)
{
    return makeCommand(0x5A, {code, value, 0x05});
}

TEST_F(WebSwitching, SendsTheSwitchValueForTheReceiver)
{
    connectLink();
    ASSERT_TRUE(ZolvoConnected);
    const SwitchCase cases[] = {
        {"dim 8", "dimapp", dim(0, 0, 8), switchReport(0x2A, 0x11)},
        {"dim 16", "dimapp", dim(0, 0, 16), switchReport(0x2A, 0x21)},
        {"dim 0", "dimapp", dim(0, 0, 0), switchReport(0x2A, 0x01)},
        {"dim 200", "dimapp", dim(0, 0, 200), switchReport(0x2A, 0x91)},
        {"dim -1", "dimapp", dim(0, 0, -1), switchReport(0x2A, 0xFF)},
        {"dim huge", "dimapp", dim(0, 0, 2147483647), switchReport(0x2A, 0xFF)},
        {"dim old model", "dimapp", dim(0, 1, 8), switchReport(0x17, 0x11)},
        {"on", "apparaatAan", roomApp(0, 0), switchReport(0x2A, 0x23)},
        {"on old model", "apparaatAan", roomApp(0, 1), switchReport(0x17, 0x22)},
        {"off", "apparaatUit", roomApp(0, 0), switchReport(0x2A, 0x01)},
        {"off old model", "apparaatUit", roomApp(0, 1), switchReport(0x17, 0x00)},
        {"wake-up", "apparaatWakeUp", roomApp(0, 0), switchReport(0x2A, 0x23)},
        {"wake-up old model", "apparaatWakeUp", roomApp(0, 1), switchReport(0x17, 0x22)},
        {"low byte of the code", "apparaatAan", roomApp(15, 15), switchReport(0x2C, 0x23)},
        {"on without code", "apparaatAan", roomApp(2, 5), std::nullopt},
        {"off without code", "apparaatUit", roomApp(2, 5), std::nullopt},
        {"dim without code", "dimapp", dim(2, 5, 4), std::nullopt},
        {"wake-up without code", "apparaatWakeUp", roomApp(2, 5), std::nullopt},
        {"free slot", "apparaatAan", roomApp(7, 7), std::nullopt}, // a free slot has no code either
        {"unused scene", "sceneActivate", {{"aScene", "9"}}, makeCommand(0x53, {9})},
        {"scene 0", "sceneActivate", {{"aScene", "0"}}, makeCommand(0x53, {0})},
    };
    for (const SwitchCase& c : cases) {
        SCOPED_TRACE(c.what);
        device.clearTrace();
        const SoapAnswer answer = call(c.operation, c.params);
        ASSERT_FALSE(answer.fault) << answer.faultstring.toStdString();
        EXPECT_EQ(answer.response, "");
        EXPECT_EQ(answer.error, "NOERROR");
        const std::vector<Report> reports = reportsUntilMarker();
        if (c.report) {
            ASSERT_EQ(reports.size(), 1u);
            EXPECT_EQ(reports[0], *c.report);
        } else {
            EXPECT_TRUE(reports.empty());
        }
    }
    EXPECT_EQ(ui.notConnectedMessages, 0) << "the service never raises the desktop's messages";
}

TEST_F(WebSwitching, WithoutTheZolvoAnswersTheNotConnectedTextInTheCurrentLanguage)
{
    ASSERT_FALSE(ZolvoConnected);
    const std::pair<int, QString> languages[] = {
        {0, QStringLiteral("De Zolvo is niet aangesloten")}, {1, QStringLiteral("The Zolvo is not connected")}};
    const std::pair<std::string, Params> calls[] = {{"dimapp", dim(0, 0, 8)}, {"apparaatAan", roomApp(0, 0)},
        {"apparaatUit", roomApp(0, 1)}, {"apparaatWakeUp", roomApp(0, 0)}, {"sceneActivate", {{"aScene", "3"}}},
        {"apparaatAan", roomApp(2, 5)}};
    for (const auto& [language, text] : languages) {
        store->SetLanguage(language);
        for (const auto& [operation, params] : calls) {
            const SoapAnswer answer = call(operation, params);
            EXPECT_EQ(answer.response, "") << operation;
            EXPECT_EQ(answer.error, text) << operation;
        }
    }
    // Still no message on the PC, and the reading operations do not look at the link.
    EXPECT_EQ(ui.notConnectedMessages, 0);
    const SoapAnswer info = call("getwebserverinfo");
    EXPECT_EQ(info.response, "Delphi");
    EXPECT_EQ(info.error, "NOERROR");
    EXPECT_EQ(call("getappcode", roomApp(0, 0)).response, "42");
}

TEST_F(WebSwitching, GetwebserverinfoWhileConnected)
{
    connectLink();
    const SoapAnswer info = call("getwebserverinfo");
    EXPECT_EQ(info.response, "Delphi");
    EXPECT_EQ(info.error, "NOERROR");
}

} // namespace
