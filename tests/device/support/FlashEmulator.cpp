#include "FlashEmulator.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr std::size_t blockSize = 64;

std::size_t addressOf(const Report& report)
{
    return std::size_t {report[2]} | std::size_t {report[3]} << 8;
}

} // namespace

FlashEmulator::FlashEmulator(std::shared_ptr<FakeHidTraffic> traffic, std::shared_ptr<EmulatedFlash> flash)
    : FakeHidDevice(traffic)
    , _traffic(std::move(traffic))
    , _flash(std::move(flash))
{
}

bool FlashEmulator::write(const std::uint8_t* report)
{
    FakeHidDevice::write(report);
    Report copy {};
    std::copy_n(report, copy.size(), copy.begin());
    command(copy);
    if (_flash->onWrite)
        _flash->onWrite(copy);
    return true;
}

void FlashEmulator::command(const Report& report)
{
    auto& flash = _flash->flash;
    if (_dataReportsDue > 0) {
        const std::size_t to = _programAddress + (2 - _dataReportsDue) * blockSize;
        std::copy_n(report.begin() + 1, blockSize, flash.begin() + static_cast<std::ptrdiff_t>(to));
        --_dataReportsDue;
        return;
    }
    if (report[1] == Cmd::EnterUpdateMode)
        _flash->updateMode = true;
    if (!_flash->updateMode)
        return;
    switch (report[1]) {
    case Cmd::EraseFlash:
        for (std::size_t i = 0; i < flash.size(); ++i) {
            if (i != _flash->survivesErase)
                flash[i] = 0xFF;
        }
        break;
    case Cmd::FlashChecksum: {
        if (_flash->silentChecksum)
            break;
        const std::size_t sum = std::accumulate(flash.begin(), flash.end(), std::size_t {0});
        Report answer {};
        answer[1] = static_cast<std::uint8_t>(sum >> 16);
        answer[2] = static_cast<std::uint8_t>(sum >> 8);
        answer[3] = static_cast<std::uint8_t>(sum);
        _traffic->answer(answer);
        break;
    }
    case Cmd::ProgramPage:
        if (addressOf(report) + flashPageSize <= flash.size()) {
            _programAddress = addressOf(report);
            _dataReportsDue = 2;
            _flash->programmedPages.push_back(_programAddress);
        }
        break;
    case Cmd::SetReadAddress: _readAddress = addressOf(report); break;
    case Cmd::ReadFlashBlock: {
        const std::size_t from = _readAddress;
        _readAddress += blockSize;
        if (from + blockSize > flash.size() || from == _flash->silentReadFrom)
            break;
        Report answer {};
        std::copy_n(flash.begin() + static_cast<std::ptrdiff_t>(from), blockSize, answer.begin() + 1);
        if (_flash->wrongReadAt && *_flash->wrongReadAt >= from && *_flash->wrongReadAt < from + blockSize)
            answer[1 + *_flash->wrongReadAt - from] ^= 0x01;
        _traffic->answer(answer);
        break;
    }
    case Cmd::LeaveUpdateMode:
        _flash->updateMode = false;
        _flash->left = true;
        break;
    default: break;
    }
}
