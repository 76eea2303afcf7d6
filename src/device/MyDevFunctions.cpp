#include "MyDevFunctions.h"

#include <memory>

thread_local Report Command {};
thread_local Report Data {};

std::atomic<bool> ZolvoConnected {false};
std::atomic<bool> reprog {false};

QString sDevicename = QStringLiteral("Zolvo");
QString firmwareversion = QStringLiteral("2.8");
QString softwareversion = QStringLiteral("3.1");
int ProdID = 0x0802;
QString vn;

namespace {

// Guards the held device and every report: recursive, so a sequence that
// holds a DeviceExchange still calls SendtoDev and ReadFromDev.
std::recursive_mutex& deviceMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}

std::unique_ptr<HidDevice> TheDev;
QString heldProduct;

} // namespace

DeviceExchange::DeviceExchange()
    : _lock(deviceMutex())
{
}

void holdDevice(std::unique_ptr<HidDevice> device)
{
    std::lock_guard lock(deviceMutex());
    TheDev = std::move(device);
}

void releaseDevice()
{
    std::lock_guard lock(deviceMutex());
    TheDev.reset();
    heldProduct.clear();
}

bool deviceHeld()
{
    std::lock_guard lock(deviceMutex());
    return TheDev != nullptr;
}

void setHeldProductString(const QString& product)
{
    std::lock_guard lock(deviceMutex());
    heldProduct = product;
}

QString heldProductString()
{
    std::lock_guard lock(deviceMutex());
    return heldProduct;
}

void SendtoDev(const Report& command)
{
    std::lock_guard lock(deviceMutex());
    if (!ZolvoConnected || !TheDev)
        return;
    TheDev->write(command.data());
}

void ReadFromDev(Report& data)
{
    std::lock_guard lock(deviceMutex());
    if (!ZolvoConnected || !TheDev)
        return;
    Report answer {};
    if (TheDev->read(answer.data(), readTimeoutMs) == 1)
        data = answer;
}

bool requestFromDev(const Report& command, Report& data)
{
    std::lock_guard lock(deviceMutex());
    if (!ZolvoConnected || !TheDev)
        return false;
    TheDev->drainInput();
    if (!TheDev->write(command.data()))
        return false;
    Report answer {};
    if (TheDev->read(answer.data(), readTimeoutMs) != 1)
        return false;
    data = answer;
    return true;
}

QString releaseText(std::uint16_t releaseNumber)
{
    return QStringLiteral("%1.%2").arg(releaseNumber >> 8).arg(releaseNumber & 0xFF);
}
