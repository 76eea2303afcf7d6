#pragma once

#include "Clock.h"
#include "FirmwareImage.h"
#include "HidCtrl.h"
#include "LoadSave.h"
#include "MyDevFunctions.h"
#include "QtTestApp.h"
#include "VirtualTransport.h"
#include "VirtualZolvo.h"
#include "VirtualZolvoServer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Records what the device link asks of the desktop program.
class RecordingLinkUi : public DeviceLinkUi {
public:
    void showNotConnected() override { ++notConnectedMessages; }
    void startUpdateTimer() override { ++updateTimerStarts; }
    void deviceReturnedCurrent() override { ++returnedCurrent; }
    int notConnectedMessages = 0;
    int updateTimerStarts = 0;
    int returnedCurrent = 0;
};

inline std::vector<std::uint8_t> builtInFlash()
{
    std::vector<std::uint8_t> flash = readbuf(builtInHexLines()).progbuf;
    flash.resize(flashSize);
    return flash;
}

// A stand-in Zolvo served on a socket of its own, the program's device link
// on the other end, and a configuration store in a temporary folder.
class StandInZolvoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureQtApp();
        Clock::setFixed(QDateTime(QDate(2026, 7, 1), QTime(12, 0, 0)));
        TLoadSave::setDataFolder(folder.path());
        store = TLoadSave::instance();
        ASSERT_TRUE(server.start());
    }

    void TearDown() override
    {
        destroyhidctrl();
        reprog = false;
        server.stop();
        TLoadSave::destroyInstance();
        TLoadSave::setDataFolder(QString());
        Clock::setFixed(std::nullopt);
    }

    // Starts the link and waits for its first presence check.
    void connectLink()
    {
        recreatehidctrl(transport, ui);
        processEventsUntil([this] { return presenceSettled(); });
    }

    // The presence check has decided: connected, outdated or absent.
    bool presenceSettled() const { return ZolvoConnected || ui.updateTimerStarts > 0 || ui.notConnectedMessages > 0; }

    // Reports without an answer may still be on their way to the device.
    bool waitForTrace(std::size_t lines)
    {
        return processEventsUntil([this, lines] { return device.trace().size() >= lines; });
    }

    // The traffic so far as "> X" / "<" lines: direction and command letter.
    std::vector<std::string> commands() const
    {
        std::vector<std::string> out;
        for (const std::string& line : device.trace()) {
            if (line.rfind("> ", 0) == 0 && line.size() >= 6)
                out.push_back("> " + std::string(1, static_cast<char>(std::stoi(line.substr(4, 2), nullptr, 16))));
            else
                out.push_back("<");
        }
        return out;
    }

    // The reports the program wrote, whole.
    std::vector<Report> written() const
    {
        std::vector<Report> out;
        for (const std::string& line : device.trace())
            if (line.rfind("> ", 0) == 0)
                out.push_back(*reportFromHex(line.substr(2)));
        return out;
    }

    QTemporaryDir folder;
    TLoadSave* store = nullptr;
    VirtualZolvo device {builtInFlash()};
    VirtualZolvoServer server {device, folder.filePath("zolvo.sock").toStdString()};
    VirtualTransport transport {folder.filePath("zolvo.sock").toStdString()};
    RecordingLinkUi ui;
};
