#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// What the firmware update shows while it runs: the dialog TfrmUpdate, or the
// console of `zolvoctl update-firmware`. The update blocks the event loop, so
// a view shows every change at once or on repaint().
class UpdateView {
public:
    virtual ~UpdateView() = default;
    virtual void setCaption(const QString& text) = 0;
    virtual void setLabel1(const QString& text) = 0;
    virtual void setLabel2(const QString& text) = 0;
    virtual void showGauge(bool visible) = 0;
    virtual void setGaugeMax(int maximum) = 0;
    virtual void setGaugeProgress(int progress) = 0;
    // The OK button; the dialog gives it the focus when it enables it.
    virtual void enableQuit(bool enabled) = 0;
    // The platform's error dialog (error icon, one OK button); returns once closed.
    virtual void errorBox(const QString& text) = 0;
    virtual void repaint() = 0;
};

// The first line of the dialog before the update starts:
// "updating " + product + " to " + "Zolvo" + " " + "2.8".
QString updatingLabel(const QString& productString);

// The firmware update engine: programs the image into the held device page
// by page, reads every page back and verifies it, then restarts the device.
//
// Choices where the device could be left half written:
// - A damaged image (bad checksum, data beyond the flash) shows its message
//   and programs nothing: the device never enters update mode.
// - A failed erase check or a failed verify never ends in success. The
//   message is shown, the rest is skipped and LeaveUpdateMode is not sent,
//   so the device stays in update mode and can be updated again; the
//   dialog keeps the message in its second line and OK becomes enabled.
// - A page whose answer never came reads back as the inverse of its image,
//   so a lost answer fails the verify instead of passing it.
// - The update runs once per engine: a dialog activated again (after an
//   error box, say) does not start it a second time.
// - Waiting for the device to return has a way out: the dialog calls
//   waitTimedOut() when the device stays away, which enables OK.
//
// The whole update holds the device (DeviceExchange), so no report of
// another thread lands inside a page.
class TUpdateFlash {
public:
    enum class State { Idle, Updating, Waiting, Failed, Done };

    // With the image built into the program.
    explicit TUpdateFlash(UpdateView& view);
    // With an image of the caller's (zolvoctl, tests).
    TUpdateFlash(UpdateView& view, QStringList hexLines);

    // Loads and parses the image, then runs updateprog; only the first call
    // does anything.
    void updatefirmware();
    // The device sequence: update mode, erase, program, verify, restart.
    void updateprog();

    bool Eraseflash();
    // FlashChecksum; true when answer bytes 1..3 are b0, b1, b2.
    bool sumflash(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2);
    void progflash();
    bool AllFF(std::size_t addr) const;
    void ProgPage(std::size_t addr);
    void ReadPage(std::size_t addr);
    bool verifyflash() const;
    // The first address where flashbuf and progbuf differ.
    std::optional<std::size_t> firstDifference() const;

    // Called by the presence check once the device is back with the new firmware.
    void deviceReturned();
    // Called by the dialog when the device has not come back for a while.
    void waitTimedOut();
    // The OK button.
    void quitClick();

    State state() const { return _state; }

    QString NewDevName;
    std::vector<std::uint8_t> progbuf; // the image, pairs swapped; 0xFF where it has no data
    std::vector<std::uint8_t> flashbuf; // read back from the device; 0xFF for skipped pages

private:
    void fail(const QString& text);
    bool pageInside(std::size_t addr) const;

    UpdateView& _view;
    std::optional<QStringList> _hexLines;
    State _state = State::Idle;
    bool _started = false;
};
