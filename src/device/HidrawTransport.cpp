#include "HidrawTransport.h"

#include <QSocketNotifier>

#include <hidapi/hidapi.h>
#include <libudev.h>

#include <algorithm>

namespace {

class HidrawDevice final : public HidDevice {
public:
    explicit HidrawDevice(hid_device* handle)
        : _handle(handle)
    {
    }
    ~HidrawDevice() override { hid_close(_handle); }

    bool write(const std::uint8_t* report) override
    {
        return hid_write(_handle, report, reportSize) == static_cast<int>(reportSize);
    }

    int read(std::uint8_t* report, int timeoutMs) override
    {
        // The device numbers no reports, so the report id is not on the wire.
        std::uint8_t buffer[reportSize - 1];
        const int n = hid_read_timeout(_handle, buffer, sizeof buffer, timeoutMs);
        if (n < 0)
            return -1;
        if (n == 0)
            return 0;
        report[0] = 0;
        std::fill(report + 1, report + reportSize, 0);
        std::copy_n(buffer, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof buffer), report + 1);
        return 1;
    }

    void drainInput() override
    {
        std::uint8_t buffer[reportSize - 1];
        while (hid_read_timeout(_handle, buffer, sizeof buffer, 0) > 0) { }
    }

private:
    hid_device* _handle;
};

QString fromWide(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

} // namespace

HidrawTransport::HidrawTransport()
{
    hid_init();
}

HidrawTransport::~HidrawTransport()
{
    _notifier.reset();
    if (_monitor)
        udev_monitor_unref(_monitor);
    if (_udev)
        udev_unref(_udev);
    hid_exit();
}

std::vector<HidDeviceInfo> HidrawTransport::enumerate()
{
    std::vector<HidDeviceInfo> devices;
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* d = list; d; d = d->next) {
        devices.push_back(
            {d->path ? d->path : "", d->vendor_id, d->product_id, d->release_number, fromWide(d->product_string)});
    }
    hid_free_enumeration(list);
    std::sort(devices.begin(), devices.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    return devices;
}

std::unique_ptr<HidDevice> HidrawTransport::open(const HidDeviceInfo& info)
{
    hid_device* handle = hid_open_path(info.path.c_str());
    if (!handle)
        return nullptr;
    return std::make_unique<HidrawDevice>(handle);
}

void HidrawTransport::watch(std::function<void()> changed)
{
    _changed = std::move(changed);
    if (_monitor)
        return;
    _udev = udev_new();
    if (!_udev)
        return;
    _monitor = udev_monitor_new_from_netlink(_udev, "udev");
    if (!_monitor)
        return;
    udev_monitor_filter_add_match_subsystem_devtype(_monitor, "hidraw", nullptr);
    if (udev_monitor_enable_receiving(_monitor) < 0)
        return;
    _notifier = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(_monitor), QSocketNotifier::Read);
    QObject::connect(_notifier.get(), &QSocketNotifier::activated, [this] {
        if (udev_device* device = udev_monitor_receive_device(_monitor))
            udev_device_unref(device);
        if (_changed)
            _changed();
    });
}
