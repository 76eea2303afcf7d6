// The firmware update against an emulated device in update mode.
#include "UpdateFlash.h"

#include "FirmwareImage.h"
#include "MyDevFunctions.h"
#include "support/FlashEmulator.h"
#include "support/HexRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <future>
#include <thread>

namespace {

class RecordingView : public UpdateView {
public:
    void setCaption(const QString& text) override { caption = text; }
    void setLabel1(const QString& text) override { label1 = text; }
    void setLabel2(const QString& text) override
    {
        label2 = text;
        label2History.append(text);
    }
    void showGauge(bool visible) override { gaugeVisible = visible; }
    void setGaugeMax(int maximum) override { gaugeMax = maximum; }
    void setGaugeProgress(int progress) override
    {
        gaugeProgress = progress;
        if (onProgress)
            onProgress(progress);
    }
    void enableQuit(bool enabled) override { quitEnabled = enabled; }
    void errorBox(const QString& text) override { errors.append(text); }
    void repaint() override { ++repaints; }

    QString caption, label1, label2;
    QStringList label2History;
    QStringList errors;
    bool gaugeVisible = false;
    int gaugeMax = -1;
    int gaugeProgress = -1;
    std::optional<bool> quitEnabled; // none until the engine sets it
    int repaints = 0;
    std::function<void(int)> onProgress;
};

std::vector<std::size_t> builtInPages()
{
    std::vector<std::size_t> pages;
    for (std::size_t page = 0x0000; page <= 0x1500; page += flashPageSize)
        pages.push_back(page);
    pages.push_back(0x6F80);
    return pages;
}

std::uint8_t lo(std::size_t address)
{
    return static_cast<std::uint8_t>(address & 0xFF);
}
std::uint8_t hi(std::size_t address)
{
    return static_cast<std::uint8_t>(address >> 8);
}

class UpdateFlashTest : public ::testing::Test {
protected:
    void SetUp() override { freshDevice(); }

    // A device in its first state, for each case of a table.
    void freshDevice()
    {
        traffic = std::make_shared<FakeHidTraffic>();
        flash = std::make_shared<EmulatedFlash>();
        view = RecordingView();
        holdDevice(std::make_unique<FlashEmulator>(traffic, flash));
        setHeldProductString(QStringLiteral("Zolvo loader"));
        // As the update timer leaves them when it opens the dialog.
        ZolvoConnected = true;
        reprog = true;
    }

    void TearDown() override
    {
        releaseDevice();
        ZolvoConnected = false;
        reprog = false;
    }

    std::vector<Report> written() const { return traffic->written(); }

    bool sent(std::uint8_t code) const
    {
        const auto all = written();
        return std::any_of(all.begin(), all.end(), [code](const Report& r) { return r[1] == code; });
    }

    std::shared_ptr<FakeHidTraffic> traffic;
    std::shared_ptr<EmulatedFlash> flash;
    RecordingView view;
};

TEST_F(UpdateFlashTest, WholeUpdateReportByReport)
{
    const std::vector<std::uint8_t> image = readbuf(builtInHexLines()).progbuf;
    TUpdateFlash update(view);
    update.updatefirmware();

    std::vector<Report> expected {makeCommand(Cmd::EnterUpdateMode), makeCommand(Cmd::EnterUpdateMode),
        makeCommand(Cmd::EraseFlash), makeCommand(Cmd::FlashChecksum)};
    for (const std::size_t page : builtInPages()) {
        expected.push_back(makeCommand(Cmd::ProgramPage, {lo(page), hi(page)}));
        for (std::size_t block = 0; block < 2; ++block) {
            Report data {};
            std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(page + 64 * block), 64, data.begin() + 1);
            expected.push_back(data);
        }
        expected.push_back(makeCommand(Cmd::SetReadAddress, {lo(page), hi(page)}));
        expected.push_back(makeCommand(Cmd::ReadFlashBlock));
        expected.push_back(makeCommand(Cmd::ReadFlashBlock));
    }
    expected.push_back(makeCommand(Cmd::LeaveUpdateMode));
    const std::vector<Report> all = written();
    ASSERT_EQ(all.size(), 4u + 44u * 6u + 1u);
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(all[i], expected[i]) << "report " << i << ", command " << char(expected[i][1]);
    // The swapped marker pair at 0x0068 travels in the page's second half.
    EXPECT_EQ(all[6][1 + 0x68 - 64], 0x55);
    EXPECT_EQ(all[6][1 + 0x69 - 64], 0xAA);

    EXPECT_EQ(flash->programmedPages, builtInPages());
    EXPECT_TRUE(std::equal(flash->flash.begin(), flash->flash.end(), image.begin()));
    EXPECT_TRUE(flash->left);
    EXPECT_EQ(update.flashbuf, image);

    EXPECT_TRUE(view.errors.isEmpty()) << view.errors.join(u'|').toStdString();
    EXPECT_EQ(view.caption, QStringLiteral("Updating to Zolvo"));
    EXPECT_EQ(view.label2History,
        (QStringList {QStringLiteral("Erasing Zolvo loader"), QStringLiteral("Programming Zolvo"), QString()}));
    EXPECT_EQ(view.label1, QStringLiteral("Wait for reconnection of Zolvo...."));
    EXPECT_FALSE(view.gaugeVisible);
    EXPECT_EQ(view.gaugeMax, 44);
    EXPECT_EQ(view.gaugeProgress, 44);
    EXPECT_EQ(view.quitEnabled, false);
    EXPECT_GT(view.repaints, 0);
    EXPECT_EQ(update.state(), TUpdateFlash::State::Waiting);
    EXPECT_TRUE(reprog);
    EXPECT_FALSE(ZolvoConnected);
}

TEST_F(UpdateFlashTest, OpeningLine)
{
    EXPECT_EQ(updatingLabel(heldProductString()), QStringLiteral("updating Zolvo loader to Zolvo 2.8"));
}

TEST_F(UpdateFlashTest, DeviceReturnsAndOkEndsTheUpdate)
{
    TUpdateFlash update(view);
    update.updatefirmware();
    ASSERT_EQ(update.state(), TUpdateFlash::State::Waiting);

    update.deviceReturned();
    EXPECT_EQ(view.label1, QStringLiteral("Zolvo has been updated"));
    EXPECT_EQ(view.label2, QStringLiteral("and is ready for use"));
    EXPECT_EQ(view.quitEnabled, true);
    EXPECT_EQ(update.state(), TUpdateFlash::State::Done);
    EXPECT_TRUE(reprog);

    update.quitClick();
    EXPECT_FALSE(reprog);
}

TEST_F(UpdateFlashTest, WaitingHasAWayOut)
{
    TUpdateFlash update(view);
    update.waitTimedOut(); // nothing to wait for yet
    EXPECT_EQ(view.quitEnabled, std::nullopt);
    update.updatefirmware();
    ASSERT_EQ(view.quitEnabled, false);
    update.waitTimedOut();
    EXPECT_EQ(view.quitEnabled, true);
    EXPECT_EQ(view.label1, QStringLiteral("Wait for reconnection of Zolvo...."));
    update.quitClick();
    EXPECT_FALSE(reprog);
}

TEST_F(UpdateFlashTest, RunsOncePerEngine)
{
    TUpdateFlash update(view);
    update.updatefirmware();
    const std::size_t reports = written().size();
    update.updatefirmware(); // the dialog activated again
    EXPECT_EQ(written().size(), reports);
    EXPECT_EQ(flash->programmedPages.size(), 44u);
}

TEST_F(UpdateFlashTest, VerifyErrorNeverEndsInSuccess)
{
    const struct {
        std::size_t address;
        const char* message;
    } cases[] = {
        {0x0000, "Verify error at address: 0000"},
        {0x0A5C, "Verify error at address: 0A5C"},
        {0x6FFF, "Verify error at address: 6FFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        freshDevice();
        flash->wrongReadAt = c.address;

        TUpdateFlash update(view);
        update.updatefirmware();
        EXPECT_EQ(view.errors, QStringList {QString::fromLatin1(c.message)});
        EXPECT_EQ(view.label2, QString::fromLatin1(c.message));
        EXPECT_FALSE(sent(Cmd::LeaveUpdateMode));
        EXPECT_TRUE(flash->updateMode);
        // Every page was still programmed and read back.
        EXPECT_EQ(flash->programmedPages, builtInPages());
        EXPECT_EQ(written().back(), makeCommand(Cmd::ReadFlashBlock));
        EXPECT_NE(view.label1, QStringLiteral("Wait for reconnection of Zolvo...."));
        EXPECT_EQ(view.quitEnabled, true);
        EXPECT_EQ(update.state(), TUpdateFlash::State::Failed);
        EXPECT_FALSE(reprog);
        EXPECT_FALSE(ZolvoConnected);
    }
}

TEST_F(UpdateFlashTest, LostReadAnswerFailsTheVerify)
{
    // Page 0x0080 holds data only in its first half; the answer for its
    // second half, which should read 0xFF, never comes.
    flash->silentReadFrom = 0x00C0;
    TUpdateFlash update(view, {dataRecord(0x0080, {0x12, 0x34}), endOfFileRecord});
    update.updatefirmware();
    EXPECT_EQ(view.errors, QStringList {QStringLiteral("Verify error at address: 00C0")});
    EXPECT_FALSE(sent(Cmd::LeaveUpdateMode));
}

TEST_F(UpdateFlashTest, EraseCheckFailureStopsBeforeProgramming)
{
    for (const bool silent : {false, true}) {
        SCOPED_TRACE(silent ? "no checksum answer" : "a byte survives the erase");
        freshDevice();
        flash->silentChecksum = silent;
        if (!silent)
            flash->survivesErase = 0x1234;

        TUpdateFlash update(view);
        update.updatefirmware();
        EXPECT_EQ(view.errors, QStringList {QStringLiteral("Error erasing")});
        const std::vector<Report> expected {makeCommand(Cmd::EnterUpdateMode), makeCommand(Cmd::EnterUpdateMode),
            makeCommand(Cmd::EraseFlash), makeCommand(Cmd::FlashChecksum)};
        EXPECT_EQ(written(), expected);
        EXPECT_EQ(view.label2, QStringLiteral("Error erasing"));
        EXPECT_FALSE(view.gaugeVisible);
        EXPECT_EQ(view.quitEnabled, true);
        EXPECT_EQ(update.state(), TUpdateFlash::State::Failed);
        EXPECT_FALSE(reprog);
        EXPECT_FALSE(ZolvoConnected);
    }
}

TEST_F(UpdateFlashTest, DamagedImageSendsNothing)
{
    const struct {
        QStringList lines;
        const char* message;
    } cases[] = {
        {{dataRecord(0x0000, {1, 2}), dataRecord(0x0010, {3, 4}, 1), endOfFileRecord}, "File corrupt: Checksum error"},
        {{dataRecord(0x6FFE, {1, 2, 3, 4}), endOfFileRecord}, "Address excedes flash size"},
        {{QStringLiteral(":10000000"), endOfFileRecord}, "File corrupt: Checksum error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        freshDevice();
        TUpdateFlash update(view, c.lines);
        update.updatefirmware();
        EXPECT_EQ(view.errors, QStringList {QString::fromLatin1(c.message)});
        EXPECT_EQ(view.label2, QString::fromLatin1(c.message));
        EXPECT_TRUE(written().empty());
        EXPECT_EQ(view.quitEnabled, true);
        EXPECT_EQ(update.state(), TUpdateFlash::State::Failed);
        EXPECT_FALSE(reprog);
    }
}

TEST_F(UpdateFlashTest, OnlyPagesWithDataAreProgrammed)
{
    // Page 0x0000 is all 0xFF although page 0x0080 starts with data; page
    // 0x0100 holds data only in its last byte.
    const QStringList lines {dataRecord(0x0000, {0xFF, 0xFF}), dataRecord(0x0080, {0x12, 0x34}),
        dataRecord(0x017E, {0x56, 0x78}), endOfFileRecord};
    TUpdateFlash update(view, lines);
    update.updatefirmware();
    EXPECT_EQ(flash->programmedPages, (std::vector<std::size_t> {0x0080, 0x0100}));
    EXPECT_EQ(view.gaugeMax, 2);
    EXPECT_TRUE(view.errors.isEmpty());
    EXPECT_EQ(written().size(), 4u + 2u * 6u + 1u);
    EXPECT_EQ(flash->flash[0x0080], 0x34);
    EXPECT_EQ(flash->flash[0x017F], 0x56);
}

TEST_F(UpdateFlashTest, NoOtherReportLandsInsideTheUpdate)
{
    // After the first page, between two reports of the update, another
    // thread switches an appliance. Held for the whole update, the device
    // keeps it waiting; the short wait only gives a wrong engine the chance
    // to let it in.
    std::promise<void> switched;
    std::thread other;
    view.onProgress = [&](int progress) {
        if (progress != 1 || other.joinable())
            return;
        other = std::thread([&switched] {
            SendtoDev(makeCommand(Cmd::Switch, {0x07, 0x23, 0x05}));
            switched.set_value();
        });
        switched.get_future().wait_for(std::chrono::milliseconds(200));
    };

    TUpdateFlash update(view);
    update.updatefirmware();
    ASSERT_TRUE(other.joinable());
    other.join();

    const std::vector<Report> all = written();
    const auto leave = std::find(all.begin(), all.end(), makeCommand(Cmd::LeaveUpdateMode));
    ASSERT_NE(leave, all.end());
    // After the update, or not at all: by then the device no longer counts as connected.
    EXPECT_TRUE(std::none_of(all.begin(), leave, [](const Report& r) { return r[1] == Cmd::Switch; }));
}

} // namespace
