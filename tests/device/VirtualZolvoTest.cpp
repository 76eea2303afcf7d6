// The stand-in Zolvo: its model of the device, and the socket path from the
// program's transport to the server and back.
#include "VirtualZolvo.h"
#include "DeviceReport.h"
#include "VirtualTransport.h"
#include "VirtualZolvoServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Change = VirtualZolvo::Change;

// A firmware image with data in two pages only, the rest erased.
std::vector<std::uint8_t> testFirmware()
{
    std::vector<std::uint8_t> image(flashSize, 0xFF);
    for (std::size_t i = 0; i < flashPageSize; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 3 + 1);
        image[flashSize - flashPageSize + i] = static_cast<std::uint8_t>(0xA0 ^ i);
    }
    return image;
}

VirtualZolvo::Identity outdated()
{
    return {0x0801, 0x0207, QStringLiteral("Zolvo")};
}

Report chunk(std::uint8_t code, std::size_t offset, std::size_t count, const std::vector<std::uint8_t>& table)
{
    Report r = makeCommand(code,
        {static_cast<std::uint8_t>(offset & 0xFF), static_cast<std::uint8_t>(offset >> 8),
            static_cast<std::uint8_t>(count)});
    for (std::size_t i = 0; i < 60 && offset + i < table.size(); ++i)
        r[5 + i] = table[offset + i];
    return r;
}

Report blockRead(std::uint8_t code, std::size_t offset)
{
    return makeCommand(code, {static_cast<std::uint8_t>(offset & 0xFF), static_cast<std::uint8_t>(offset >> 8)});
}

// The one answer a request must have.
Report ask(VirtualZolvo& device, const Report& request)
{
    const std::vector<Report> answers = device.handle(request);
    EXPECT_EQ(answers.size(), 1u) << "command " << request[1];
    return answers.empty() ? Report {} : answers.front();
}

// ProgramPage and its two data reports, as the update sends them.
void programPage(VirtualZolvo& device, std::size_t address, const std::vector<std::uint8_t>& image)
{
    EXPECT_TRUE(device.handle(blockRead(Cmd::ProgramPage, address)).empty());
    for (std::size_t half = 0; half < 2; ++half) {
        Report data {};
        for (std::size_t i = 0; i < 64; ++i)
            data[1 + i] = image[address + 64 * half + i];
        EXPECT_TRUE(device.handle(data).empty());
    }
}

std::vector<std::uint8_t> readPage(VirtualZolvo& device, std::size_t address)
{
    EXPECT_TRUE(device.handle(blockRead(Cmd::SetReadAddress, address)).empty());
    std::vector<std::uint8_t> page;
    for (int block = 0; block < 2; ++block) {
        const Report answer = ask(device, makeCommand(Cmd::ReadFlashBlock));
        page.insert(page.end(), answer.begin() + 1, answer.end());
    }
    return page;
}

struct TableCase {
    const char* name;
    std::uint8_t write;
    std::uint8_t read;
    std::size_t size;
    std::vector<std::size_t> counts; // per chunk, at offsets 0, 60, 120, ...
    std::vector<std::uint8_t> (VirtualZolvo::*stored)() const;
};

TEST(VirtualZolvoModel, TablesRoundTripThroughChunkedWritesAndBlockReads)
{
    std::vector<std::size_t> progCounts(25, 60);
    progCounts.push_back(0); // 300 entries: the marker alone at 1500, count 0
    const TableCase cases[] = {
        {"scene", Cmd::WriteSceneTable, Cmd::ReadSceneTable, sceneTableSize, {60, 60, 60, 60, 60, 60, 60, 60, 32},
            &VirtualZolvo::sceneTable},
        {"sun", Cmd::WriteSunTable, Cmd::ReadSunTable, sunTableSize, {60, 60, 24}, &VirtualZolvo::sunTable},
        {"prog", Cmd::WriteProgTable, Cmd::ReadProgTable, progTableSize, progCounts, &VirtualZolvo::progTable},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.name);
        VirtualZolvo device(testFirmware());
        std::vector<std::uint8_t> table(c.size);
        for (std::size_t i = 0; i < c.size; ++i)
            table[i] = static_cast<std::uint8_t>(i * 7 + 3);
        if (c.size == progTableSize)
            table[1500] = 0xF0;

        for (std::size_t n = 0; n < c.counts.size(); ++n)
            EXPECT_TRUE(device.handle(chunk(c.write, 60 * n, c.counts[n], table)).empty());
        EXPECT_EQ((device.*c.stored)(), table);

        std::vector<std::uint8_t> readBack;
        for (std::size_t offset = 0; offset < c.size; offset += 64) {
            const Report answer = ask(device, blockRead(c.read, offset));
            for (std::size_t i = 0; i < 64; ++i) {
                if (offset + i < c.size)
                    readBack.push_back(answer[1 + i]);
                else
                    EXPECT_EQ(answer[1 + i], 0) << "beyond the table at " << offset + i;
            }
        }
        EXPECT_EQ(readBack, table);
    }
}

TEST(VirtualZolvoModel, WritesAndReadsStayInsideTheTable)
{
    VirtualZolvo device(testFirmware());
    const std::vector<std::uint8_t> ones(sceneTableSize + 60, 1);
    device.handle(chunk(Cmd::WriteSceneTable, 480, 60, ones));
    device.handle(chunk(Cmd::WriteSceneTable, 0xFFFF, 60, ones));
    std::vector<std::uint8_t> expected(sceneTableSize, 0);
    std::fill(expected.begin() + 480, expected.end(), 1);
    EXPECT_EQ(device.sceneTable(), expected);
    EXPECT_EQ(ask(device, blockRead(Cmd::ReadSceneTable, 0xFFC0)), Report {});
}

TEST(VirtualZolvoModel, DeviceCodeIsInvalidUntilWritten)
{
    VirtualZolvo device(testFirmware());
    const auto valid = [](const Report& a) { return a[4] == 255 - (a[1] + a[2] + a[3]) % 256; };
    EXPECT_FALSE(valid(ask(device, makeCommand(Cmd::ReadDeviceCode))));

    device.handle(makeCommand(Cmd::WriteDeviceCode, {0x12, 0x34, 0x56}));
    const Report answer = ask(device, makeCommand(Cmd::ReadDeviceCode));
    EXPECT_EQ(std::vector<std::uint8_t>(answer.begin() + 1, answer.begin() + 5),
        (std::vector<std::uint8_t> {0x12, 0x34, 0x56, 0x63}));
}

TEST(VirtualZolvoModel, UpdateModeGivesEAndSTheirFlashMeaning)
{
    VirtualZolvo device(testFirmware());
    const std::vector<std::uint8_t> sun(sunTableSize, 0x11);
    device.handle(chunk(Cmd::WriteSunTable, 0, 60, sun));
    device.handle(makeCommand(Cmd::EnterUpdateMode));
    device.handle(makeCommand(Cmd::EnterUpdateMode)); // the program sends it twice
    EXPECT_TRUE(device.updateMode());

    device.handle(makeCommand(Cmd::EraseFlash));
    const Report sum = ask(device, makeCommand(Cmd::FlashChecksum));
    EXPECT_EQ(
        std::vector<std::uint8_t>(sum.begin() + 1, sum.begin() + 4), (std::vector<std::uint8_t> {0x6F, 0x90, 0x00}));
    EXPECT_EQ(device.sunTable()[0], 0x11) << "EraseFlash is no sun-table write";
    EXPECT_FALSE(device.lastScene()) << "FlashChecksum is no scene";

    std::vector<std::uint8_t> image(flashSize, 0xFF);
    for (std::size_t i = 0; i < flashPageSize; ++i)
        image[0x0100 + i] = static_cast<std::uint8_t>(i);
    programPage(device, 0x0100, image);
    EXPECT_EQ(readPage(device, 0x0100), std::vector<std::uint8_t>(image.begin() + 0x0100, image.begin() + 0x0180));
    EXPECT_EQ(readPage(device, 0x0180), std::vector<std::uint8_t>(flashPageSize, 0xFF));
    EXPECT_EQ(device.flash(), image);
}

TEST(VirtualZolvoModel, LeavingUpdateModeRestartsWithTheIdentityOfTheFlash)
{
    struct Case {
        const char* name;
        bool programCurrentImage;
        std::uint16_t productId;
        std::uint16_t release;
    };
    for (const Case& c : {Case {"current image", true, 0x0802, 0x0208}, Case {"other image", false, 0x0801, 0x0207}}) {
        SCOPED_TRACE(c.name);
        const std::vector<std::uint8_t> firmware = testFirmware();
        VirtualZolvo device(firmware, outdated());
        EXPECT_EQ(device.flash(), std::vector<std::uint8_t>(flashSize, 0xFF));
        std::vector<std::pair<Change, bool>> seen; // each change with the plug state at that moment
        device.setChangeListener([&](Change change) { seen.emplace_back(change, device.plugged()); });

        device.handle(makeCommand(Cmd::EnterUpdateMode));
        device.handle(makeCommand(Cmd::EraseFlash));
        programPage(device, 0, firmware);
        if (c.programCurrentImage)
            programPage(device, flashSize - flashPageSize, firmware);
        device.handle(makeCommand(Cmd::LeaveUpdateMode));

        EXPECT_EQ(seen, (std::vector<std::pair<Change, bool>> {{Change::Unplugged, false}, {Change::Plugged, true}}));
        EXPECT_TRUE(device.plugged());
        EXPECT_FALSE(device.updateMode());
        EXPECT_EQ(device.info().productId, c.productId);
        EXPECT_EQ(device.info().releaseNumber, c.release);
    }
}

TEST(VirtualZolvoModel, TraceHoldsEveryReportInHex)
{
    VirtualZolvo device(testFirmware());
    device.handle(makeCommand(Cmd::WriteDeviceCode, {0xAB, 0x00, 0x01}));
    device.handle(makeCommand(Cmd::ReadDeviceCode));
    const std::string zeros(130, '0');
    EXPECT_EQ(device.trace(),
        (std::vector<std::string> {
            "> 0044ab0001" + zeros.substr(10), "> 0064" + zeros.substr(4), "< 00ab000153" + zeros.substr(10)}));

    device.clearTrace();
    device.unplug();
    EXPECT_TRUE(device.handle(makeCommand(Cmd::ReadDeviceCode)).empty());
    EXPECT_TRUE(device.trace().empty());
}

TEST(VirtualZolvoModel, DumpShowsTheDeviceState)
{
    VirtualZolvo device(testFirmware());
    device.handle(makeCommand(Cmd::SetClock, {14, 4, 19, 13, 5, 9, 7, 1}));
    device.handle(makeCommand(Cmd::WriteDstRules, {10, 1, 25, 3, 3, 1, 25, 2}));
    device.handle(makeCommand(Cmd::Switch, {0x2A, 0x23, 0x05}));

    const QJsonObject dump = QJsonDocument::fromJson(QByteArray::fromStdString(device.dump())).object();
    EXPECT_TRUE(dump["plugged"].toBool());
    EXPECT_EQ(dump["productId"].toInt(), 0x0802);
    EXPECT_EQ(dump["release"].toString(), "2.8");
    const QJsonObject clock = dump["clock"].toObject();
    EXPECT_EQ(clock["year"].toInt(), 2014);
    EXPECT_EQ(clock["second"].toInt(), 9);
    EXPECT_EQ(clock["dayOfWeek"].toInt(), 7);
    EXPECT_EQ(clock["dst"].toInt(), 1);
    EXPECT_EQ(dump["dstRules"].toArray(), (QJsonArray {10, 1, 25, 3, 3, 1, 25, 2}));
    EXPECT_EQ(dump["deviceCode"].toArray(), (QJsonArray {0, 0, 0, 0}));
    EXPECT_EQ(dump["progTable"].toString().size(), 2 * 1501);
    EXPECT_EQ(dump["sceneTable"].toString().size(), 2 * 512);
    EXPECT_EQ(dump["sunTable"].toString(), QString(2 * 144, '0'));
    EXPECT_FALSE(dump["updateMode"].toBool());
    const std::vector<std::uint8_t> firmware = testFirmware();
    EXPECT_EQ(dump["flashSum"].toInteger(), std::accumulate(firmware.begin(), firmware.end(), 0));
    EXPECT_EQ(dump["lastSwitch"].toArray(), (QJsonArray {0x2A, 0x23, 0x05}));
}

// ---- The socket path: server in-process, the program's transport on the other end.

QCoreApplication& application()
{
    static int argc = 1;
    static char name[] = "device_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv); // lives until the process ends
    return *QCoreApplication::instance();
}

bool processEventsUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired())
        application().processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// One request line to the server, the way `zolvo-virtual-device ctl` sends it.
std::vector<std::string> control(const std::string& socketPath, const std::string& verb)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    std::vector<std::string> lines;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
        ::send(fd, (verb + "\n").data(), verb.size() + 1, MSG_NOSIGNAL) > 0) {
        std::string buffer;
        char chunk[4096];
        pollfd p {fd, POLLIN, 0};
        while (poll(&p, 1, 5000) > 0) {
            const ssize_t n = recv(fd, chunk, sizeof(chunk), 0);
            if (n <= 0)
                break;
            buffer.append(chunk, static_cast<std::size_t>(n));
            for (std::size_t end; (end = buffer.find('\n')) != std::string::npos; buffer.erase(0, end + 1))
                lines.push_back(buffer.substr(0, end));
            if (!lines.empty() && (verb != "trace" || lines.back() == "end"))
                break;
        }
    }
    close(fd);
    return lines;
}

class VirtualZolvoSocket : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        std::string error;
        ASSERT_TRUE(server.start(&error)) << error;
    }

    std::unique_ptr<HidDevice> openDevice()
    {
        const std::vector<HidDeviceInfo> found = transport.enumerate();
        EXPECT_EQ(found.size(), 1u);
        return found.empty() ? nullptr : transport.open(found.front());
    }

    QTemporaryDir dir;
    std::string socketPath = dir.filePath("zolvo.sock").toStdString();
    VirtualZolvo device {testFirmware()};
    VirtualZolvoServer server {device, socketPath};
    VirtualTransport transport {socketPath};
};

TEST_F(VirtualZolvoSocket, ExchangesReportsWithTheOpenedDevice)
{
    const std::vector<HidDeviceInfo> found = transport.enumerate();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], (HidDeviceInfo {"virtual:" + socketPath, 0xFEFF, 0x0802, 0x0208, "Zolvo"}));

    const auto hid = transport.open(found[0]);
    ASSERT_TRUE(hid);
    Report answer {};
    EXPECT_EQ(hid->read(answer.data(), 20), 0) << "nothing asked, nothing to read";

    ASSERT_TRUE(hid->write(makeCommand(Cmd::WriteDeviceCode, {1, 2, 3}).data()));
    ASSERT_TRUE(hid->write(makeCommand(Cmd::ReadDeviceCode).data()));
    ASSERT_EQ(hid->read(answer.data(), 5000), 1);
    EXPECT_EQ(answer, makeCommand(0x01, {0x02, 0x03, 0xF9}));
    EXPECT_EQ(device.deviceCode(), (std::array<std::uint8_t, 4> {1, 2, 3, 0xF9}));
}

TEST_F(VirtualZolvoSocket, DrainInputDropsAnswersAlreadyWaiting)
{
    const auto hid = openDevice();
    ASSERT_TRUE(hid);
    ASSERT_TRUE(hid->write(makeCommand(Cmd::ReadDeviceCode).data()));
    ASSERT_TRUE(hid->write(makeCommand(Cmd::ReadDeviceCode).data()));
    EXPECT_EQ(device.trace().size(), 4u) << "a write returns once the device has taken the report";

    hid->drainInput();
    Report answer {};
    EXPECT_EQ(hid->read(answer.data(), 20), 0);
    device.handle(makeCommand(Cmd::WriteDstRules, {9, 9}));
    ASSERT_TRUE(hid->write(makeCommand(Cmd::ReadDstRules).data()));
    ASSERT_EQ(hid->read(answer.data(), 5000), 1);
    EXPECT_EQ(answer, makeCommand(9, {9}));
}

TEST_F(VirtualZolvoSocket, UnplugClosesTheOpenedDeviceAndHidesIt)
{
    const auto hid = openDevice();
    ASSERT_TRUE(hid);
    EXPECT_EQ(control(socketPath, "unplug"), std::vector<std::string> {"ok"});

    Report answer {};
    EXPECT_EQ(hid->read(answer.data(), 5000), -1);
    EXPECT_TRUE(transport.enumerate().empty());
    EXPECT_FALSE(transport.open(HidDeviceInfo {"virtual:" + socketPath, 0xFEFF, 0x0802, 0x0208, "Zolvo"}));

    EXPECT_EQ(control(socketPath, "plug"), std::vector<std::string> {"ok"});
    EXPECT_EQ(transport.enumerate().size(), 1u);
}

TEST_F(VirtualZolvoSocket, ChangesReachTheEventLoop)
{
    application();
    int changes = 0;
    transport.watch([&] { ++changes; });

    EXPECT_EQ(control(socketPath, "identity 2.7 0x0801"), std::vector<std::string> {"ok"});
    EXPECT_TRUE(processEventsUntil([&] { return changes >= 1; }));
    EXPECT_EQ(transport.enumerate().at(0).releaseNumber, 0x0207);

    // The update's restart: the handle that sent LeaveUpdateMode is closed,
    // the device comes back current.
    const auto hid = openDevice();
    ASSERT_TRUE(hid);
    for (const std::uint8_t code : {Cmd::EnterUpdateMode, Cmd::LeaveUpdateMode})
        ASSERT_TRUE(hid->write(makeCommand(code).data()));
    Report answer {};
    EXPECT_EQ(hid->read(answer.data(), 5000), -1);
    EXPECT_TRUE(processEventsUntil([&] { return changes >= 2; }));
    const std::vector<HidDeviceInfo> found = transport.enumerate();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].productId, 0x0802);
    EXPECT_EQ(found[0].releaseNumber, 0x0208);
}

TEST(VirtualZolvoSocketAbsent, NoServerMeansNoDeviceUntilItStarts)
{
    application();
    QTemporaryDir dir;
    const std::string socketPath = dir.filePath("zolvo.sock").toStdString();
    VirtualTransport transport(socketPath);
    EXPECT_TRUE(transport.enumerate().empty());
    EXPECT_FALSE(transport.open(HidDeviceInfo {"virtual:" + socketPath, 0xFEFF, 0x0802, 0x0208, "Zolvo"}));
    int changes = 0;
    transport.watch([&] { ++changes; });

    VirtualZolvo device(testFirmware());
    VirtualZolvoServer server(device, socketPath);
    ASSERT_TRUE(server.start());
    EXPECT_TRUE(processEventsUntil([&] { return changes >= 1; })) << "the watch reconnects";
    EXPECT_EQ(transport.enumerate().size(), 1u);

    VirtualZolvoServer second(device, socketPath);
    std::string error;
    EXPECT_FALSE(second.start(&error)) << "a second server on the same socket";
}

} // namespace
