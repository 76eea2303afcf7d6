#include "VirtualZolvo.h"

#include "MyDevFunctions.h"
#include "VirtualTransport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <charconv>
#include <numeric>

namespace {

constexpr std::size_t maxChunk = 60;
constexpr std::size_t blockSize = 64;
constexpr std::size_t halfPage = flashPageSize / 2;

std::size_t offsetOf(const Report& request)
{
    return static_cast<std::size_t>(request[2]) | static_cast<std::size_t>(request[3]) << 8;
}

std::uint8_t checkByteFor(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3)
{
    return static_cast<std::uint8_t>(255 - ((b1 + b2 + b3) % 256));
}

QString hexText(const std::vector<std::uint8_t>& bytes)
{
    static constexpr char digits[] = "0123456789abcdef";
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size() * 2));
    for (const std::uint8_t b : bytes) {
        text += QLatin1Char(digits[b >> 4]);
        text += QLatin1Char(digits[b & 0x0F]);
    }
    return text;
}

template <std::size_t N> QJsonArray numbers(const std::array<std::uint8_t, N>& bytes)
{
    QJsonArray array;
    for (const std::uint8_t b : bytes)
        array.append(b);
    return array;
}

std::optional<unsigned> parseUnsigned(std::string_view text, int base)
{
    if (text.empty())
        return std::nullopt;
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc {} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string_view withoutHexPrefix(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return text.substr(2);
    return text;
}

} // namespace

VirtualZolvo::VirtualZolvo(std::vector<std::uint8_t> currentFirmware, Identity identity)
    : _currentFirmware([&] {
        currentFirmware.resize(flashSize, 0xFF);
        return currentFirmware;
    }())
    , _identity(std::move(identity))
    , _progTable(progTableSize, 0)
    , _sceneTable(sceneTableSize, 0)
    , _sunTable(sunTableSize, 0)
{
    const bool current = _identity.productId == currentProductId && _identity.releaseNumber == currentRelease;
    _flash = current ? _currentFirmware : std::vector<std::uint8_t>(flashSize, 0xFF);
}

std::vector<Report> VirtualZolvo::handle(const Report& request)
{
    std::vector<Report> answers;
    bool restarting = false;
    {
        std::lock_guard lock(_mutex);
        if (!_plugged)
            return {};
        _trace.push_back("> " + reportToHex(request));
        answers = _updateMode ? handleUpdate(request, restarting) : handleNormal(request);
        for (const Report& answer : answers)
            _trace.push_back("< " + reportToHex(answer));
    }
    if (restarting)
        restart();
    return answers;
}

std::vector<Report> VirtualZolvo::handleNormal(const Report& request)
{
    Report answer {};
    switch (request[1]) {
    case Cmd::Switch: _lastSwitch = SwitchCommand {request[2], request[3], request[4]}; return {};
    case Cmd::ExecuteScene: _lastScene = request[2]; return {};
    case Cmd::SetClock:
        _clock = DeviceClock {
            2000 + request[2], request[3], request[4], request[5], request[6], request[7], request[8], request[9]};
        return {};
    case Cmd::ReadDstRules: std::copy(_dstRules.begin(), _dstRules.end(), answer.begin() + 1); return {answer};
    case Cmd::WriteDstRules: std::copy_n(request.begin() + 2, _dstRules.size(), _dstRules.begin()); return {};
    case Cmd::ReadDeviceCode: std::copy(_deviceCode.begin(), _deviceCode.end(), answer.begin() + 1); return {answer};
    case Cmd::WriteDeviceCode:
        _deviceCode = {request[2], request[3], request[4], checkByteFor(request[2], request[3], request[4])};
        return {};
    case Cmd::WriteProgTable: writeTable(_progTable, request); return {};
    case Cmd::WriteSceneTable: writeTable(_sceneTable, request); return {};
    case Cmd::WriteSunTable: writeTable(_sunTable, request); return {};
    case Cmd::ReadProgTable: return {readTable(_progTable, request)};
    case Cmd::ReadSceneTable: return {readTable(_sceneTable, request)};
    case Cmd::ReadSunTable: return {readTable(_sunTable, request)};
    case Cmd::EnterUpdateMode:
        _updateMode = true;
        _pageReportsDue = 0;
        return {};
    default: return {};
    }
}

std::vector<Report> VirtualZolvo::handleUpdate(const Report& request, bool& restarting)
{
    if (_pageReportsDue > 0) {
        programHalfPage(request);
        return {};
    }
    Report answer {};
    switch (request[1]) {
    case Cmd::EnterUpdateMode: return {};
    case Cmd::EraseFlash: std::fill(_flash.begin(), _flash.end(), 0xFF); return {};
    case Cmd::FlashChecksum: {
        const std::uint32_t sum = flashSumLocked();
        answer[1] = static_cast<std::uint8_t>(sum >> 16);
        answer[2] = static_cast<std::uint8_t>(sum >> 8);
        answer[3] = static_cast<std::uint8_t>(sum);
        return {answer};
    }
    case Cmd::ProgramPage:
        _pageAddress = offsetOf(request) & ~(flashPageSize - 1);
        _pageReportsDue = 2;
        return {};
    case Cmd::SetReadAddress: _readAddress = offsetOf(request); return {};
    case Cmd::ReadFlashBlock:
        for (std::size_t i = 0; i < blockSize; ++i) {
            const std::size_t address = _readAddress + i;
            answer[1 + i] = address < _flash.size() ? _flash[address] : 0xFF;
        }
        _readAddress += blockSize;
        return {answer};
    case Cmd::LeaveUpdateMode:
        _updateMode = false;
        _pageReportsDue = 0;
        _readAddress = 0;
        restarting = true;
        return {};
    default: return {};
    }
}

void VirtualZolvo::writeTable(std::vector<std::uint8_t>& table, const Report& request)
{
    const std::size_t offset = offsetOf(request);
    const std::size_t count = std::clamp<std::size_t>(request[4], 1, maxChunk);
    for (std::size_t i = 0; i < count; ++i) {
        if (offset + i < table.size())
            table[offset + i] = request[5 + i];
    }
}

Report VirtualZolvo::readTable(const std::vector<std::uint8_t>& table, const Report& request) const
{
    Report answer {};
    const std::size_t offset = offsetOf(request);
    for (std::size_t i = 0; i < blockSize; ++i) {
        if (offset + i < table.size())
            answer[1 + i] = table[offset + i];
    }
    return answer;
}

void VirtualZolvo::programHalfPage(const Report& data)
{
    const std::size_t start = _pageAddress + (_pageReportsDue == 2 ? 0 : halfPage);
    --_pageReportsDue;
    for (std::size_t i = 0; i < halfPage; ++i) {
        if (start + i < _flash.size())
            _flash[start + i] &= data[1 + i];
    }
}

void VirtualZolvo::restart()
{
    // The device drops off the bus and enumerates again with the identity of
    // the firmware it now runs; in between it is really gone.
    {
        std::lock_guard lock(_mutex);
        _plugged = false;
    }
    notify(Change::Unplugged);
    {
        std::lock_guard lock(_mutex);
        if (_flash == _currentFirmware) {
            _identity.productId = currentProductId;
            _identity.releaseNumber = currentRelease;
        }
        _plugged = true;
    }
    notify(Change::Plugged);
}

std::uint32_t VirtualZolvo::flashSumLocked() const
{
    return std::accumulate(_flash.begin(), _flash.end(), std::uint32_t {0});
}

void VirtualZolvo::notify(Change change)
{
    ChangeListener listener;
    {
        std::lock_guard lock(_mutex);
        listener = _listener;
    }
    if (listener)
        listener(change);
}

void VirtualZolvo::plug()
{
    {
        std::lock_guard lock(_mutex);
        if (_plugged)
            return;
        _plugged = true;
    }
    notify(Change::Plugged);
}

void VirtualZolvo::unplug()
{
    {
        std::lock_guard lock(_mutex);
        if (!_plugged)
            return;
        _plugged = false;
        // Power is gone: a half-received page is lost, update mode ends.
        _updateMode = false;
        _pageReportsDue = 0;
    }
    notify(Change::Unplugged);
}

void VirtualZolvo::setIdentity(std::uint16_t releaseNumber, std::uint16_t productId)
{
    {
        std::lock_guard lock(_mutex);
        _identity.releaseNumber = releaseNumber;
        _identity.productId = productId;
    }
    notify(Change::Identity);
}

void VirtualZolvo::setChangeListener(ChangeListener listener)
{
    std::lock_guard lock(_mutex);
    _listener = std::move(listener);
}

bool VirtualZolvo::plugged() const
{
    std::lock_guard lock(_mutex);
    return _plugged;
}

VirtualZolvo::Identity VirtualZolvo::identity() const
{
    std::lock_guard lock(_mutex);
    return _identity;
}

HidDeviceInfo VirtualZolvo::info() const
{
    std::lock_guard lock(_mutex);
    return HidDeviceInfo {{}, vendorId, _identity.productId, _identity.releaseNumber, _identity.productString};
}

bool VirtualZolvo::updateMode() const
{
    std::lock_guard lock(_mutex);
    return _updateMode;
}

VirtualZolvo::DeviceClock VirtualZolvo::clock() const
{
    std::lock_guard lock(_mutex);
    return _clock;
}

std::array<std::uint8_t, 8> VirtualZolvo::dstRules() const
{
    std::lock_guard lock(_mutex);
    return _dstRules;
}

std::array<std::uint8_t, 4> VirtualZolvo::deviceCode() const
{
    std::lock_guard lock(_mutex);
    return _deviceCode;
}

std::vector<std::uint8_t> VirtualZolvo::progTable() const
{
    std::lock_guard lock(_mutex);
    return _progTable;
}

std::vector<std::uint8_t> VirtualZolvo::sceneTable() const
{
    std::lock_guard lock(_mutex);
    return _sceneTable;
}

std::vector<std::uint8_t> VirtualZolvo::sunTable() const
{
    std::lock_guard lock(_mutex);
    return _sunTable;
}

std::vector<std::uint8_t> VirtualZolvo::flash() const
{
    std::lock_guard lock(_mutex);
    return _flash;
}

std::uint32_t VirtualZolvo::flashSum() const
{
    std::lock_guard lock(_mutex);
    return flashSumLocked();
}

std::optional<VirtualZolvo::SwitchCommand> VirtualZolvo::lastSwitch() const
{
    std::lock_guard lock(_mutex);
    return _lastSwitch;
}

std::optional<int> VirtualZolvo::lastScene() const
{
    std::lock_guard lock(_mutex);
    return _lastScene;
}

std::string VirtualZolvo::dump() const
{
    std::lock_guard lock(_mutex);
    QJsonObject clock {{"year", _clock.year}, {"month", _clock.month}, {"day", _clock.day}, {"hour", _clock.hour},
        {"minute", _clock.minute}, {"second", _clock.second}, {"dayOfWeek", _clock.dayOfWeek}, {"dst", _clock.dst}};
    QJsonObject root {
        {"plugged", _plugged},
        {"productId", _identity.productId},
        {"release", releaseText(_identity.releaseNumber)},
        {"product", _identity.productString},
        {"clock", clock},
        {"dstRules", numbers(_dstRules)},
        {"deviceCode", numbers(_deviceCode)},
        {"progTable", hexText(_progTable)},
        {"sceneTable", hexText(_sceneTable)},
        {"sunTable", hexText(_sunTable)},
        {"updateMode", _updateMode},
        {"flashSum", static_cast<qint64>(flashSumLocked())},
    };
    if (_lastSwitch)
        root.insert("lastSwitch", QJsonArray {_lastSwitch->code, _lastSwitch->value, _lastSwitch->extra});
    else
        root.insert("lastSwitch", QJsonValue::Null);
    root.insert("lastScene", _lastScene ? QJsonValue(*_lastScene) : QJsonValue::Null);
    return QJsonDocument(root).toJson(QJsonDocument::Compact).toStdString();
}

std::vector<std::string> VirtualZolvo::trace() const
{
    std::lock_guard lock(_mutex);
    return _trace;
}

void VirtualZolvo::clearTrace()
{
    std::lock_guard lock(_mutex);
    _trace.clear();
}

std::optional<std::uint16_t> parseReleaseNumber(std::string_view text)
{
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) {
        if (withoutHexPrefix(text).size() == text.size())
            return std::nullopt;
        const auto value = parseUnsigned(withoutHexPrefix(text), 16);
        if (!value || *value > 0xFFFF)
            return std::nullopt;
        return static_cast<std::uint16_t>(*value);
    }
    const auto major = parseUnsigned(text.substr(0, point), 10);
    const auto minor = parseUnsigned(text.substr(point + 1), 10);
    if (!major || !minor || *major > 0xFF || *minor > 0xFF)
        return std::nullopt;
    return static_cast<std::uint16_t>(*major << 8 | *minor);
}

std::optional<std::uint16_t> parseProductId(std::string_view text)
{
    const auto value = parseUnsigned(withoutHexPrefix(text), 16);
    if (!value || *value > 0xFFFF)
        return std::nullopt;
    return static_cast<std::uint16_t>(*value);
}
