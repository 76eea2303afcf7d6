#include "VirtualTransport.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <sstream>
#include <utility>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int answerTimeoutMs = 1000;
constexpr int watchRetryMs = 1000;
constexpr std::size_t maxLineLength = 4096;
const std::string pathPrefix = "virtual:";

int connectTo(const std::string& path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path))
        return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool sendAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// One connection to the server, read line by line.
class LineConnection {
public:
    explicit LineConnection(int fd)
        : _fd(fd)
    {
    }
    ~LineConnection()
    {
        if (_fd >= 0)
            close(_fd);
    }
    LineConnection(const LineConnection&) = delete;
    LineConnection& operator=(const LineConnection&) = delete;

    bool sendLine(const std::string& line) { return _fd >= 0 && sendAll(_fd, line + '\n'); }

    // 1 with `line` set, 0 when `timeoutMs` passed (negative: no limit), -1 when the connection is gone.
    int readLine(std::string& line, int timeoutMs)
    {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            if (takeLine(line))
                return 1;
            if (_fd < 0)
                return -1;
            int wait = -1;
            if (timeoutMs >= 0) {
                const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
                wait = static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, left.count()));
            }
            pollfd p {_fd, POLLIN, 0};
            const int ready = poll(&p, 1, wait);
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready < 0)
                return fail();
            if (ready == 0)
                return 0;
            if (receive() <= 0)
                return fail();
        }
    }

    // Drops every line that has arrived, and the one arriving now.
    void dropPending()
    {
        while (_fd >= 0) {
            pollfd p {_fd, POLLIN, 0};
            if (poll(&p, 1, 0) <= 0 || receive() <= 0)
                break;
        }
        const std::size_t lastNewline = _buffer.rfind('\n');
        _discardNextLine = lastNewline != _buffer.size() - 1 && !_buffer.empty();
        _buffer.clear();
    }

private:
    ssize_t receive()
    {
        char chunk[4096];
        ssize_t n;
        do {
            n = recv(_fd, chunk, sizeof(chunk), 0);
        } while (n < 0 && errno == EINTR);
        if (n > 0)
            _buffer.append(chunk, static_cast<std::size_t>(n));
        if (_buffer.size() > maxLineLength && _buffer.find('\n') == std::string::npos)
            return -1;
        return n;
    }

    bool takeLine(std::string& line)
    {
        for (;;) {
            const std::size_t end = _buffer.find('\n');
            if (end == std::string::npos)
                return false;
            line = _buffer.substr(0, end);
            _buffer.erase(0, end + 1);
            if (!std::exchange(_discardNextLine, false))
                return true;
        }
    }

    int fail()
    {
        close(_fd);
        _fd = -1;
        return -1;
    }

    int _fd;
    std::string _buffer;
    bool _discardNextLine = false;
};

// A reply line of the server within the answer time.
std::optional<std::string> ask(LineConnection& connection, const std::string& request)
{
    std::string line;
    if (!connection.sendLine(request) || connection.readLine(line, answerTimeoutMs) != 1)
        return std::nullopt;
    return line;
}

// Input lines are kept as they come while a write waits for its "ok".
class VirtualHidDevice : public HidDevice {
public:
    explicit VirtualHidDevice(int fd)
        : _connection(fd)
    {
    }

    // Returns once the device has taken the report, its answers kept for read().
    bool write(const std::uint8_t* report) override
    {
        Report copy {};
        std::copy_n(report, reportSize, copy.begin());
        if (!_connection.sendLine("write " + reportToHex(copy)))
            return false;
        std::string line;
        for (;;) {
            if (_connection.readLine(line, answerTimeoutMs) != 1)
                return false;
            if (line == "ok")
                return true;
            if (line.rfind("error", 0) == 0)
                return false;
            keepInput(line);
        }
    }

    int read(std::uint8_t* report, int timeoutMs) override
    {
        std::string line;
        while (_inputs.empty()) {
            const int result = _connection.readLine(line, timeoutMs);
            if (result != 1)
                return result;
            keepInput(line);
        }
        std::copy(_inputs.front().begin(), _inputs.front().end(), report);
        _inputs.pop_front();
        return 1;
    }

    void drainInput() override
    {
        _connection.dropPending();
        _inputs.clear();
    }

    // Asks the server for the device; false when it is unplugged or the server does not answer.
    bool claim() { return ask(_connection, "open") == "ok"; }

private:
    void keepInput(const std::string& line)
    {
        if (line.rfind("input ", 0) != 0)
            return; // a reply to another verb
        if (const std::optional<Report> input = reportFromHex(std::string_view(line).substr(6)))
            _inputs.push_back(*input);
    }

    LineConnection _connection;
    std::deque<Report> _inputs;
};

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string reportToHex(const Report& report)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(report.size() * 2);
    for (const std::uint8_t b : report) {
        text += digits[b >> 4];
        text += digits[b & 0x0F];
    }
    return text;
}

std::optional<Report> reportFromHex(std::string_view hex)
{
    if (hex.size() != reportSize * 2)
        return std::nullopt;
    Report report {};
    for (std::size_t i = 0; i < reportSize; ++i) {
        const int high = hexDigit(hex[2 * i]);
        const int low = hexDigit(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        report[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return report;
}

VirtualTransport::VirtualTransport(std::string socketPath)
    : _socketPath(std::move(socketPath))
{
}

VirtualTransport::~VirtualTransport()
{
    _notifier.reset();
    if (_watchFd >= 0)
        close(_watchFd);
}

std::vector<HidDeviceInfo> VirtualTransport::enumerate()
{
    LineConnection connection(connectTo(_socketPath));
    const std::optional<std::string> reply = ask(connection, "enumerate");
    if (!reply)
        return {};
    // device <plugged> <vid> <pid> <release> <product string>
    std::istringstream fields(*reply);
    std::string word;
    int plugged = 0;
    unsigned vendorId = 0;
    unsigned productId = 0;
    unsigned release = 0;
    fields >> word >> plugged >> std::hex >> vendorId >> productId >> release;
    if (!fields || word != "device" || plugged != 1 || vendorId > 0xFFFF || productId > 0xFFFF || release > 0xFFFF)
        return {};
    std::string product;
    std::getline(fields >> std::ws, product);
    HidDeviceInfo info;
    info.path = pathPrefix + _socketPath;
    info.vendorId = static_cast<std::uint16_t>(vendorId);
    info.productId = static_cast<std::uint16_t>(productId);
    info.releaseNumber = static_cast<std::uint16_t>(release);
    info.productString = QString::fromStdString(product);
    return {info};
}

std::unique_ptr<HidDevice> VirtualTransport::open(const HidDeviceInfo& info)
{
    if (info.path != pathPrefix + _socketPath)
        return nullptr;
    const int fd = connectTo(_socketPath);
    if (fd < 0)
        return nullptr;
    auto device = std::make_unique<VirtualHidDevice>(fd);
    if (!device->claim())
        return nullptr;
    return device;
}

void VirtualTransport::watch(std::function<void()> changed)
{
    _changed = std::move(changed);
    if (!_retry) {
        _retry = std::make_unique<QTimer>();
        _retry->setInterval(watchRetryMs);
        QObject::connect(_retry.get(), &QTimer::timeout, _retry.get(), [this] {
            connectWatch();
            if (_watchFd >= 0 && _changed)
                _changed(); // the server is back: whatever it serves may be new
        });
    }
    connectWatch();
}

void VirtualTransport::connectWatch()
{
    if (_watchFd >= 0)
        return;
    const int fd = connectTo(_socketPath);
    if (fd < 0 || !sendAll(fd, "watch\n")) {
        if (fd >= 0)
            close(fd);
        _retry->start();
        return;
    }
    _retry->stop();
    _watchFd = fd;
    _watchBuffer.clear();
    _notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(_notifier.get(), &QSocketNotifier::activated, _notifier.get(), [this] { onWatchReadable(); });
}

void VirtualTransport::onWatchReadable()
{
    char chunk[4096];
    const ssize_t n = recv(_watchFd, chunk, sizeof(chunk), MSG_DONTWAIT);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        return;
    if (n <= 0) {
        // The server went away, and the device with it.
        dropWatch();
        _retry->start();
        if (_changed)
            _changed();
        return;
    }
    _watchBuffer.append(chunk, static_cast<std::size_t>(n));
    bool anyChange = false;
    for (std::size_t end; (end = _watchBuffer.find('\n')) != std::string::npos;) {
        anyChange = anyChange || _watchBuffer.compare(0, end, "changed") == 0;
        _watchBuffer.erase(0, end + 1);
    }
    if (_watchBuffer.size() > maxLineLength)
        _watchBuffer.clear();
    // One call covers every change that arrived together.
    if (anyChange && _changed)
        _changed();
}

void VirtualTransport::dropWatch()
{
    // Called from the notifier's own signal: it may only be deleted later.
    if (_notifier) {
        _notifier->setEnabled(false);
        _notifier.release()->deleteLater();
    }
    close(_watchFd);
    _watchFd = -1;
}
