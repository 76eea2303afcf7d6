#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A report as it travels: byte 0 is the report id (0), bytes 1..64 the data.
inline constexpr std::size_t reportSize = 65;

struct HidDeviceInfo {
    std::string path; // identifies the device while it stays plugged in
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t releaseNumber = 0; // USB device release, 0x0208 = 2.8
    QString productString;

    bool operator==(const HidDeviceInfo&) const = default;
};

// One opened HID device. Calls may come from any thread; the device link
// serialises them.
class HidDevice {
public:
    virtual ~HidDevice() = default;
    // Writes one whole 65-byte report; false when it did not go out.
    virtual bool write(const std::uint8_t* report) = 0;
    // Reads one 65-byte input report: 1 when read, 0 on timeout, -1 on error.
    virtual int read(std::uint8_t* report, int timeoutMs) = 0;
    // Drops input reports that are already waiting, so that the next read
    // answers the next request.
    virtual void drainInput() = 0;
};

// The HID devices of the machine: the only place that knows how they are
// reached (hidraw, or the stand-in Zolvo).
class HidTransport {
public:
    virtual ~HidTransport() = default;
    virtual std::vector<HidDeviceInfo> enumerate() = 0;
    // nullptr when the device cannot be opened.
    virtual std::unique_ptr<HidDevice> open(const HidDeviceInfo& info) = 0;
    // `changed` runs on the thread of the Qt event loop whenever the set of
    // HID devices may have changed (spurious calls are allowed).
    virtual void watch(std::function<void()> changed) = 0;
};

// The stand-in Zolvo when ZOLVO_VIRTUAL_DEVICE names its socket, else hidraw.
std::unique_ptr<HidTransport> createHidTransport();
