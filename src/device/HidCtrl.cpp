#include "HidCtrl.h"

#include "ClockSync.h"
#include "Language.h"
#include "MyDevFunctions.h"

#include <QTimer>

#include <cstdio>
#include <random>

namespace {

std::unique_ptr<THidCtrl> controller;

} // namespace

void DeviceLinkUi::showMessage(const QString& title, const QString& text)
{
    std::fprintf(stderr, "%s %s\n", qPrintable(title), qPrintable(text));
}

void DeviceLinkUi::scheduleFirstCheck(QObject* context, std::function<void()> check)
{
    QTimer::singleShot(0, context, std::move(check));
}

void DeviceLinkUi::showNotConnected()
{
    showMessage(gettext(txtLetOp), gettext(txtNietAangesloten));
}

DeviceLinkUi& deviceLinkUi()
{
    static DeviceLinkUi defaults;
    return controller ? controller->ui() : defaults;
}

bool IsZolvoConnected(bool silent)
{
    if (!ZolvoConnected && !silent)
        deviceLinkUi().showNotConnected();
    return ZolvoConnected;
}

bool IsValidCode(int code, bool silent)
{
    if (code != -1)
        return true;
    if (!silent)
        deviceLinkUi().showMessage(gettext(txtLetOp), gettext(txtGeenCode));
    return false;
}

bool isZolvo(const HidDeviceInfo& device)
{
    return device.vendorId == zolvoVendorId && (device.productId == ProdID || device.productId == outdatedProductId);
}

THidCtrl::THidCtrl(HidTransport& transport, DeviceLinkUi& ui)
    : _transport(transport)
    , _ui(ui)
{
    _transport.watch([this] { devicesMayHaveChanged(); });
    _knownDevices = _transport.enumerate();
    _ui.scheduleFirstCheck(&_lifetime, [this] { HidCtrlDeviceChange(true); });
}

void THidCtrl::devicesMayHaveChanged()
{
    std::vector<HidDeviceInfo> devices = _transport.enumerate();
    if (devices == _knownDevices)
        return;
    _knownDevices = std::move(devices);
    HidCtrlDeviceChange(true);
}

bool THidCtrl::HidCtrlEnumerate(const HidDeviceInfo& device)
{
    if (!isZolvo(device))
        return true;
    auto opened = _transport.open(device);
    if (!opened)
        return true;
    holdDevice(std::move(opened));
    setHeldProductString(device.productString);
    _foundProductId = device.productId;
    vn = releaseText(device.releaseNumber);
    return false;
}

void THidCtrl::HidCtrlDeviceChange(bool fromController)
{
    if (_ui.messageDialogOpen())
        return;
    releaseDevice();
    for (const HidDeviceInfo& device : _transport.enumerate())
        if (!HidCtrlEnumerate(device))
            break;

    if (!deviceHeld()) {
        if (reprog || !fromController)
            return;
        ZolvoConnected = false;
        _ui.showNotConnected();
        HidCtrlDeviceChange(false);
        return;
    }
    if (_foundProductId != ProdID || vn != firmwareversion) {
        _ui.startUpdateTimer();
        return;
    }
    _ui.deviceReturnedCurrent();
    ZolvoConnected = true;
    SetClock();
    STDSTsync();
    checkdevicecode();
}

THidCtrl& recreatehidctrl(HidTransport& transport, DeviceLinkUi& ui)
{
    controller.reset();
    controller = std::make_unique<THidCtrl>(transport, ui);
    return *controller;
}

THidCtrl* HidCtrl()
{
    return controller.get();
}

void destroyhidctrl()
{
    controller.reset();
    releaseDevice();
    ZolvoConnected = false;
}

void checkdevicecode()
{
    DeviceExchange hold;
    requestFromDev(makeCommand(Cmd::ReadDeviceCode), Data);
    const int sum = (Data[1] + Data[2] + Data[3]) & 0xFF;
    if (Data[4] == 255 - sum)
        return;
    static std::mt19937 random(std::random_device {}());
    std::uniform_int_distribution<std::uint32_t> draw(0, 0x3FFFFF);
    std::uint32_t code = 0;
    while (code == 0)
        code = draw(random);
    SendtoDev(makeCommand(Cmd::WriteDeviceCode,
        {static_cast<std::uint8_t>(code >> 16), static_cast<std::uint8_t>((code >> 8) & 0xFF),
            static_cast<std::uint8_t>(code & 0xFF)}));
}
