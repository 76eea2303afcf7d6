#pragma once

#include "HidTransport.h"

#include <memory>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Real HID devices through hidapi's hidraw backend; hot-plug from a libudev
// monitor on the hidraw subsystem, read on the Qt event loop.
class HidrawTransport final : public HidTransport {
public:
    HidrawTransport();
    ~HidrawTransport() override;

    std::vector<HidDeviceInfo> enumerate() override;
    std::unique_ptr<HidDevice> open(const HidDeviceInfo& info) override;
    void watch(std::function<void()> changed) override;

private:
    udev* _udev = nullptr;
    udev_monitor* _monitor = nullptr;
    std::unique_ptr<QSocketNotifier> _notifier;
    std::function<void()> _changed;
};
