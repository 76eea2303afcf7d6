#include "FakeHidDevice.h"

#include <algorithm>

void FakeHidTraffic::answer(const Report& report)
{
    std::lock_guard lock(_mutex);
    _answers.push_back(report);
}

std::vector<Report> FakeHidTraffic::written() const
{
    std::lock_guard lock(_mutex);
    return _written;
}

int FakeHidTraffic::drains() const
{
    std::lock_guard lock(_mutex);
    return _drains;
}

FakeHidDevice::FakeHidDevice(std::shared_ptr<FakeHidTraffic> traffic)
    : _traffic(std::move(traffic))
{
}

bool FakeHidDevice::write(const std::uint8_t* report)
{
    Report copy {};
    std::copy_n(report, copy.size(), copy.begin());
    std::lock_guard lock(_traffic->_mutex);
    _traffic->_written.push_back(copy);
    return true;
}

int FakeHidDevice::read(std::uint8_t* report, int /*timeoutMs*/)
{
    std::lock_guard lock(_traffic->_mutex);
    if (_traffic->_answers.empty())
        return 0;
    std::copy(_traffic->_answers.front().begin(), _traffic->_answers.front().end(), report);
    _traffic->_answers.pop_front();
    return 1;
}

void FakeHidDevice::drainInput()
{
    std::lock_guard lock(_traffic->_mutex);
    ++_traffic->_drains;
}
