#pragma once

#include "DeviceReport.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the device reports on the bus; the default is a current device.
struct VirtualZolvoIdentity {
    static constexpr std::uint16_t currentProductId = 0x0802;
    static constexpr std::uint16_t currentRelease = 0x0208;
    std::uint16_t productId = currentProductId;
    std::uint16_t releaseNumber = currentRelease;
    QString productString = QStringLiteral("Zolvo");
};

// The stand-in Zolvo: the device side of the report protocol, without any
// transport. Every operation is thread-safe.
//
// Choices where the real device is not known:
// - A fresh device starts with its flash holding the current firmware when
//   its identity is the current one (0x0802, 0x0208), else erased (0xFF): an
//   outdated device runs a firmware this program does not carry.
// - A table write stores min(count, 60) bytes from byte 5 on, but at least
//   one: a count of 0 still carries byte 5, which is how the program table's
//   end marker at offset 1500 travels. Bytes outside the table are dropped.
// - ProgramPage programs like flash does: it can only clear bits (new = old
//   AND data), so a page written without an erase keeps bits that were 0.
//   The address is taken down to its page; pages outside the flash are
//   dropped. Reads beyond the flash give 0xFF.
// - The clock keeps the full year (2000 + byte 2).
class VirtualZolvo {
public:
    static constexpr std::uint16_t vendorId = 0xFEFF;
    static constexpr std::uint16_t currentProductId = VirtualZolvoIdentity::currentProductId;
    static constexpr std::uint16_t currentRelease = VirtualZolvoIdentity::currentRelease;

    using Identity = VirtualZolvoIdentity;

    struct DeviceClock {
        int year = 0;
        int month = 0;
        int day = 0;
        int hour = 0;
        int minute = 0;
        int second = 0;
        int dayOfWeek = 0;
        int dst = 0;
    };

    struct SwitchCommand {
        std::uint8_t code = 0;
        std::uint8_t value = 0;
        std::uint8_t extra = 0; // byte 4, 0x05 from the program
    };

    enum class Change { Unplugged, Plugged, Identity };
    using ChangeListener = std::function<void(Change)>;

    // `currentFirmware`: the flash image of the firmware the program carries,
    // in the device's byte order; padded with 0xFF or cut to the flash size.
    explicit VirtualZolvo(std::vector<std::uint8_t> currentFirmware, Identity identity = {});

    // One output report in; the answers it produces out (none while unplugged).
    std::vector<Report> handle(const Report& request);

    void plug();
    void unplug();
    void setIdentity(std::uint16_t releaseNumber, std::uint16_t productId);
    // Called after each change of plug state or identity, outside the lock.
    void setChangeListener(ChangeListener listener);

    bool plugged() const;
    Identity identity() const;
    HidDeviceInfo info() const;
    bool updateMode() const;
    DeviceClock clock() const;
    std::array<std::uint8_t, 8> dstRules() const;
    std::array<std::uint8_t, 4> deviceCode() const; // 3 code bytes, most significant first, then the check byte
    std::vector<std::uint8_t> progTable() const;
    std::vector<std::uint8_t> sceneTable() const;
    std::vector<std::uint8_t> sunTable() const;
    std::vector<std::uint8_t> flash() const;
    std::uint32_t flashSum() const;
    std::optional<SwitchCommand> lastSwitch() const;
    std::optional<int> lastScene() const;

    // The device state as one line of JSON.
    std::string dump() const;

    // Every report in order: "> " and 130 hex digits for a report the program
    // wrote, "< " for an answer.
    std::vector<std::string> trace() const;
    void clearTrace();

private:
    std::vector<Report> handleNormal(const Report& request);
    std::vector<Report> handleUpdate(const Report& request, bool& restarting);
    void writeTable(std::vector<std::uint8_t>& table, const Report& request);
    Report readTable(const std::vector<std::uint8_t>& table, const Report& request) const;
    void programHalfPage(const Report& data);
    void restart();
    std::uint32_t flashSumLocked() const;
    void notify(Change change);

    mutable std::mutex _mutex;
    const std::vector<std::uint8_t> _currentFirmware;
    bool _plugged = true;
    Identity _identity;
    std::vector<std::uint8_t> _progTable;
    std::vector<std::uint8_t> _sceneTable;
    std::vector<std::uint8_t> _sunTable;
    DeviceClock _clock;
    std::array<std::uint8_t, 8> _dstRules {};
    std::array<std::uint8_t, 4> _deviceCode {};
    std::vector<std::uint8_t> _flash;
    bool _updateMode = false;
    std::size_t _readAddress = 0;
    // After ProgramPage: the page and how many of its two data reports are still due.
    std::size_t _pageAddress = 0;
    int _pageReportsDue = 0;
    std::optional<SwitchCommand> _lastSwitch;
    std::optional<int> _lastScene;
    std::vector<std::string> _trace;
    ChangeListener _listener;
};

// "2.8" or "0x0208" → 0x0208; nullopt for anything else.
std::optional<std::uint16_t> parseReleaseNumber(std::string_view text);
// "0x0802", "0802" (hexadecimal) → 0x0802; nullopt for anything else.
std::optional<std::uint16_t> parseProductId(std::string_view text);
