#pragma once

#include "FakeHidDevice.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// What the emulated device holds and which faults it shows; the test keeps
// this while the device link owns the device.
struct EmulatedFlash {
    // Not erased at first, so a missing erase shows.
    std::vector<std::uint8_t> flash = std::vector<std::uint8_t>(flashSize, 0x00);
    bool updateMode = false;
    bool left = false;
    std::vector<std::size_t> programmedPages;

    // Faults.
    std::optional<std::size_t> survivesErase; // this byte keeps its value
    bool silentChecksum = false; // FlashChecksum gets no answer
    std::optional<std::size_t> wrongReadAt; // read back with one bit flipped
    std::optional<std::size_t> silentReadFrom; // the block read starting here gets no answer

    // Runs after each report has been recorded (inside the device lock).
    std::function<void(const Report&)> onWrite;
};

// The update mode of a Zolvo, well enough for the firmware update: erase,
// flash checksum, page programming and block reads. Reports outside update
// mode are only recorded.
class FlashEmulator : public FakeHidDevice {
public:
    FlashEmulator(std::shared_ptr<FakeHidTraffic> traffic, std::shared_ptr<EmulatedFlash> flash);

    bool write(const std::uint8_t* report) override;

private:
    void command(const Report& report);

    std::shared_ptr<FakeHidTraffic> _traffic;
    std::shared_ptr<EmulatedFlash> _flash;
    int _dataReportsDue = 0;
    std::size_t _programAddress = 0;
    std::size_t _readAddress = 0;
};
