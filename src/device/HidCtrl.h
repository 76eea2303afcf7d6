#pragma once

#include "HidTransport.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <set>
#include <vector>

// What the device link asks of the desktop program. The defaults suit a
// program without windows (zolvoctl): messages go to standard error.
class DeviceLinkUi {
public:
    virtual ~DeviceLinkUi() = default;
    // While a message dialog is open, device changes are ignored.
    virtual bool messageDialogOpen() { return false; }
    // A message with one OK button, shown modally until the user closes it.
    virtual void showMessage(const QString& title, const QString& text);
    // "The Zolvo is not connected".
    virtual void showNotConnected();
    // Arms the 500 ms timer that starts the firmware update.
    virtual void startUpdateTimer() { }
    // The firmware-update dialog, when it is open, hears that the device is back.
    virtual void deviceReturnedCurrent() { }
    // Runs the controller's first presence check once the event loop turns;
    // the call is dropped when `context` goes first.
    virtual void scheduleFirstCheck(QObject* context, std::function<void()> check);
};

// The HID device controller: watches the set of HID devices and runs the
// presence check when a device arrived or left, and once at creation.
class THidCtrl {
public:
    THidCtrl(HidTransport& transport, DeviceLinkUi& ui);

    // The presence check. `fromController` is false when the check runs
    // itself again after the not-connected message.
    void HidCtrlDeviceChange(bool fromController);
    // Compares the set of HID devices with the last one; runs the presence
    // check when it changed.
    void devicesMayHaveChanged();

    HidTransport& transport() { return _transport; }
    DeviceLinkUi& ui() { return _ui; }

private:
    bool HidCtrlEnumerate(const HidDeviceInfo& device);

    HidTransport& _transport;
    DeviceLinkUi& _ui;
    std::vector<HidDeviceInfo> _knownDevices;
    std::uint16_t _foundProductId = 0;
    // Calls queued for this controller die with it.
    QObject _lifetime;
};

// Creates the controller (freeing an earlier one); the first presence check
// runs when the Qt event loop next turns (DeviceLinkUi::scheduleFirstCheck).
THidCtrl& recreatehidctrl(HidTransport& transport, DeviceLinkUi& ui);
THidCtrl* HidCtrl();
void destroyhidctrl();

// The program's answers to the link: those of the controller, or the
// defaults while there is none.
DeviceLinkUi& deviceLinkUi();

// The guards of user-initiated device operations: false, with a message
// unless `silent`, when no Zolvo is connected or the appliance has no code.
bool IsZolvoConnected(bool silent);
bool IsValidCode(int code, bool silent);

// Whether a HID device is the Zolvo (current or to be updated).
bool isZolvo(const HidDeviceInfo& device);

// The connect sequence's device-code step.
void checkdevicecode();
