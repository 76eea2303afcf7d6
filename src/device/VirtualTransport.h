#pragma once

#include "DeviceReport.h"
#include "HidTransport.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QSocketNotifier;
class QTimer;

// The stand-in Zolvo reached over its Unix-domain socket
// (tools/virtual-device/README.md describes the line protocol).
class VirtualTransport : public HidTransport {
public:
    explicit VirtualTransport(std::string socketPath);
    ~VirtualTransport() override;

    std::vector<HidDeviceInfo> enumerate() override;
    std::unique_ptr<HidDevice> open(const HidDeviceInfo& info) override;
    // Needs a Qt event loop on the calling thread. While the server is away
    // it retries every second and reports a change when it is back.
    void watch(std::function<void()> changed) override;

    const std::string& socketPath() const { return _socketPath; }

private:
    void connectWatch();
    void onWatchReadable();
    void dropWatch();

    std::string _socketPath;
    std::function<void()> _changed;
    int _watchFd = -1;
    std::string _watchBuffer;
    std::unique_ptr<QSocketNotifier> _notifier;
    std::unique_ptr<QTimer> _retry;
};

// The report framing of the socket protocol: 65 bytes as 130 lower-case hex digits.
std::string reportToHex(const Report& report);
std::optional<Report> reportFromHex(std::string_view hex);
