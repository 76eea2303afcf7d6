// The device link against the stand-in Zolvo over its socket: presence, the
// connect sequence and the table transfers, compared report by report.
#include "ClockSync.h"
#include "Communicatie.h"
#include "StandInZolvo.h"
#include "Switching.h"
#include "UpdateFlash.h"
#include "UpdateStarter.h"

#include <algorithm>

namespace {

using Lines = std::vector<std::string>;

Lines repeat(const Lines& lines, int times)
{
    Lines out;
    for (int i = 0; i < times; ++i)
        out.insert(out.end(), lines.begin(), lines.end());
    return out;
}

Lines join(std::initializer_list<Lines> parts)
{
    Lines out;
    for (const Lines& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

const Lines sceneRead = repeat({"> c", "<"}, 8);

using DeviceLink = StandInZolvoTest;

TEST_F(DeviceLink, ConnectSequenceOnAFreshDeviceAndAgainOnReconnection)
{
    connectLink();
    ASSERT_TRUE(ZolvoConnected);
    EXPECT_EQ(commands(), (Lines {"> T", "> w", "<", "> W", "> d", "<", "> D"}));
    const std::vector<Report> reports = written();
    // Wednesday 2026-07-01 12:00:00 in summer time (the tests run in Amsterdam).
    EXPECT_EQ(reports[0], makeCommand(0x54, {26, 7, 1, 12, 0, 0, 4, 1}));
    EXPECT_EQ(reports[2], makeCommand(0x57, {10, 1, 25, 3, 3, 1, 25, 2}));
    const std::array<std::uint8_t, 4> code = device.deviceCode();
    EXPECT_EQ(code[3], 255 - ((code[0] + code[1] + code[2]) & 0xFF)) << "the device now has a valid code";
    EXPECT_NE(code[0] | code[1] | code[2], 0);
    EXPECT_EQ(device.dstRules(), (std::array<std::uint8_t, 8> {10, 1, 25, 3, 3, 1, 25, 2}));

    // Unplugged: one message, nothing sent.
    device.clearTrace();
    device.unplug();
    ASSERT_TRUE(processEventsUntil([this] { return ui.notConnectedMessages == 1; }));
    EXPECT_FALSE(ZolvoConnected);
    SwitchAppliance(3, SwitchValue::on(false));
    // Back: the device kept its rules and code, so they are only read.
    device.plug();
    ASSERT_TRUE(processEventsUntil([] { return ZolvoConnected.load(); }));
    ASSERT_TRUE(waitForTrace(5));
    EXPECT_EQ(commands(), (Lines {"> T", "> w", "<", "> d", "<"}));
    EXPECT_EQ(ui.notConnectedMessages, 1);
}

TEST_F(DeviceLink, OutdatedDevicesGetNothingButTheUpdateTimer)
{
    for (const auto& [release, productId] : {std::pair {0x0207, 0x0802}, std::pair {0x0208, 0x0801}}) {
        device.setIdentity(static_cast<std::uint16_t>(release), static_cast<std::uint16_t>(productId));
        device.clearTrace();
        ui = RecordingLinkUi();
        ZolvoConnected = false;
        connectLink();
        EXPECT_EQ(ui.updateTimerStarts, 1) << release;
        EXPECT_TRUE(deviceHeld());
        EXPECT_FALSE(ZolvoConnected);
        EXPECT_TRUE(device.trace().empty());
    }
    // Another vendor's device, or another product id, is never held.
    for (const std::uint16_t productId : {0x0803, 0x0800}) {
        device.setIdentity(0x0208, productId);
        processEventsUntil([] { return !deviceHeld(); });
        EXPECT_FALSE(deviceHeld()) << productId;
    }
}

TEST_F(DeviceLink, StartUpWithoutADeviceShowsTheMessageOnce)
{
    device.unplug();
    connectLink();
    EXPECT_EQ(ui.notConnectedMessages, 1);
    EXPECT_FALSE(ZolvoConnected);
    device.plug();
    ASSERT_TRUE(processEventsUntil([] { return ZolvoConnected.load(); }));
    EXPECT_EQ(ui.notConnectedMessages, 1);
}

TEST_F(DeviceLink, SwitchAndSceneReports)
{
    connectLink();
    device.clearTrace();
    SwitchAppliance(0x12A, SwitchValue::dim(16));
    ExecuteScene(7);
    ASSERT_TRUE(waitForTrace(2));
    EXPECT_EQ(written()[0], makeCommand(0x5A, {0x2A, 0x21, 0x05}));
    EXPECT_EQ(written()[1], makeCommand(0x53, {7}));
}

TEST_F(DeviceLink, ProgramTableUploadsAndComparison)
{
    connectLink();
    TCommunicatie empty(*store);
    device.clearTrace();
    empty.SendProg();
    ASSERT_TRUE(waitForTrace(1));
    EXPECT_EQ(written()[0][1], 'P');
    EXPECT_EQ(written()[0][4], 60) << "one report of 60 bytes";
    EXPECT_EQ(written()[0][5], 0xF0);

    // 300 entries: 26 reports, the last at 1500 with count 0 and the marker.
    store->Ruimtes[0].Apparaten[0].Code = 4;
    for (int i = 0; i < 300; ++i) {
        auto a = std::make_shared<ProgAktie>();
        a->Ruimte = 0;
        a->Apparaat = 0;
        a->Maand = 1 + i % 12;
        a->DagDatum = 1 + i % 28;
        a->Uur = i % 24;
        a->Minuut = i % 60;
        a->OnOffDim = 17;
        store->GlobalAktieListObject->addToMain(a);
    }
    TCommunicatie full(*store);
    device.clearTrace();
    full.SendProg();
    ASSERT_TRUE(waitForTrace(26));
    const std::vector<Report> reports = written();
    ASSERT_EQ(reports.size(), 26u);
    for (std::size_t i = 0; i < 25; ++i) {
        EXPECT_EQ(reports[i][2] | reports[i][3] << 8, 60 * static_cast<int>(i));
        EXPECT_EQ(reports[i][4], 60);
    }
    EXPECT_EQ(reports[25][2] | reports[25][3] << 8, 1500);
    EXPECT_EQ(reports[25][4], 0);
    EXPECT_EQ(reports[25][5], 0xF0);
    EXPECT_TRUE(std::equal(full.ProgTable.begin(), full.ProgTable.begin() + 1500, device.progTable().begin()));

    TCommunicatie scenesAndSun(*store);
    scenesAndSun.SendScenes();
    scenesAndSun.SendSun();
    EXPECT_TRUE(TCommunicatie(*store).ZolvoIsSameAsPc());
    store->GlobalAktieListObject->mainList()[299].second->Minuut = 1;
    EXPECT_FALSE(TCommunicatie(*store).ZolvoIsSameAsPc());
}

TEST_F(DeviceLink, ScenesAreUploadedOnlyWhenTheyDiffer)
{
    connectLink();
    store->Ruimtes[0].Apparaten[0].Code = 5;
    store->Scenes[0].Akties[0] = {0, 0, 17};
    device.clearTrace();
    TCommunicatie(*store).SendScenes();
    EXPECT_EQ(commands(), join({sceneRead, repeat({"> C"}, 9), sceneRead}));
    const std::vector<Report> reports = written();
    EXPECT_EQ(reports[8][2] | reports[8][3] << 8, 0);
    EXPECT_EQ(reports[16][2] | reports[16][3] << 8, 480);
    EXPECT_EQ(reports[16][4], 32);
    EXPECT_EQ(device.sceneTable()[0], 5);
    EXPECT_EQ(device.sceneTable()[1], 0xA3);

    device.clearTrace();
    TCommunicatie(*store).SendScenes();
    EXPECT_EQ(commands(), sceneRead) << "nothing sent the second time";
}

TEST_F(DeviceLink, SendSunWritesThreeChunks)
{
    connectLink();
    device.clearTrace();
    TCommunicatie(*store).SendSun();
    ASSERT_TRUE(waitForTrace(3));
    const std::vector<Report> reports = written();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0][4], 60);
    EXPECT_EQ(reports[1][2], 60);
    EXPECT_EQ(reports[2][2], 120);
    EXPECT_EQ(reports[2][4], 24);
    EXPECT_NE(device.sunTable(), std::vector<std::uint8_t>(144, 0));
}

// A view that only remembers what went wrong.
class QuietUpdateView : public UpdateView {
public:
    void setCaption(const QString&) override { }
    void setLabel1(const QString& text) override { label1 = text; }
    void setLabel2(const QString&) override { }
    void showGauge(bool) override { }
    void setGaugeMax(int) override { }
    void setGaugeProgress(int) override { }
    void enableQuit(bool enabled) override { quitEnabled = enabled; }
    void errorBox(const QString& text) override { errors.push_back(text); }
    void repaint() override { }
    QString label1;
    bool quitEnabled = false;
    std::vector<QString> errors;
};

// The update runs from the timer armed by the presence check, as the main
// window runs it, and tells its view when the device is back.
class UpdatingLinkUi : public RecordingLinkUi {
public:
    void startUpdateTimer() override
    {
        RecordingLinkUi::startUpdateTimer();
        starter.arm();
    }
    void deviceReturnedCurrent() override
    {
        RecordingLinkUi::deviceReturnedCurrent();
        if (update)
            update->deviceReturned();
    }
    QuietUpdateView view;
    std::unique_ptr<TUpdateFlash> update;
    UpdateStarter starter {[this] {
        update = std::make_unique<TUpdateFlash>(view);
        update->updatefirmware();
    }};
};

TEST_F(DeviceLink, AnOutdatedDeviceIsUpdatedByTheTimerAndComesBackCurrent)
{
    UpdatingLinkUi updating;
    device.setIdentity(0x0207, 0x0802);
    device.clearTrace();
    recreatehidctrl(transport, updating);
    ASSERT_TRUE(processEventsUntil([&] { return updating.updateTimerStarts > 0; }));
    EXPECT_TRUE(device.trace().empty()) << "nothing before the timer fires";
    ASSERT_TRUE(processEventsUntil([&] { return updating.returnedCurrent > 0 && ZolvoConnected; }, 20000));

    // Each page: F, its two data reports, f, r and its answer, r and its answer.
    constexpr std::size_t linesPerPage = 8;
    const Lines all = commands();
    ASSERT_GE(all.size(), 5u);
    EXPECT_EQ(Lines(all.begin(), all.begin() + 5), (Lines {"> B", "> B", "> E", "> S", "<"}));
    const auto leave = std::find(all.begin(), all.end(), "> X");
    ASSERT_NE(leave, all.end());
    EXPECT_EQ(static_cast<std::size_t>(leave - all.begin()), 5 + 44 * linesPerPage) << "44 pages programmed";
    for (std::size_t page = 0; page < 44; ++page)
        EXPECT_EQ(all[5 + page * linesPerPage], "> F") << page;
    EXPECT_EQ(Lines(leave + 1, leave + 2), Lines {"> T"}) << "the connect sequence follows the restart";
    EXPECT_TRUE(updating.view.errors.empty());
    EXPECT_TRUE(updating.view.quitEnabled);
    EXPECT_NE(device.dump().find("\"release\":\"2.8\""), std::string::npos);
    updating.update->quitClick();
    EXPECT_FALSE(reprog);
}

TEST_F(DeviceLink, GuardsOfUserOperations)
{
    connectLink();
    EXPECT_TRUE(IsZolvoConnected(false));
    EXPECT_FALSE(IsValidCode(-1, true));
    EXPECT_TRUE(IsValidCode(0, false));
    EXPECT_EQ(ui.notConnectedMessages, 0);
    device.unplug();
    ASSERT_TRUE(processEventsUntil([this] { return ui.notConnectedMessages == 1; }));
    EXPECT_FALSE(IsZolvoConnected(true));
    EXPECT_EQ(ui.notConnectedMessages, 1) << "silent";
    EXPECT_FALSE(IsZolvoConnected(false));
    EXPECT_EQ(ui.notConnectedMessages, 2);
}

} // namespace
