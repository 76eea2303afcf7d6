#pragma once

#include "DeviceReport.h"
#include "HidTransport.h"

#include <deque>
#include <memory>
#include <mutex>
#include <vector>

// What a FakeHidDevice saw and what it will answer; the test keeps this
// while the device link owns the device itself.
class FakeHidTraffic {
public:
    // Queues the answer of a later read.
    void answer(const Report& report);
    std::vector<Report> written() const;
    int drains() const;

private:
    friend class FakeHidDevice;
    mutable std::mutex _mutex;
    std::vector<Report> _written;
    std::deque<Report> _answers;
    int _drains = 0;
};

// A HID device that records every report written to it and answers reads
// from a queue, timing out when the queue is empty.
class FakeHidDevice : public HidDevice {
public:
    explicit FakeHidDevice(std::shared_ptr<FakeHidTraffic> traffic);

    bool write(const std::uint8_t* report) override;
    int read(std::uint8_t* report, int timeoutMs) override;
    // Queued answers stand for the device's replies to requests still to
    // come, so draining keeps them.
    void drainInput() override;

private:
    std::shared_ptr<FakeHidTraffic> _traffic;
};
