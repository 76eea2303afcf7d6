#include "VirtualZolvoServer.h"

#include "VirtualTransport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A longer line is not ours: the longest request is "write" and 130 digits.
constexpr std::size_t maxLineLength = 4096;
// A client that stops reading is dropped rather than letting its output grow without end.
constexpr std::size_t maxPendingOutput = 64 * 1024 * 1024;

bool fillAddress(const std::string& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool someoneListens(const sockaddr_un& address)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool listens = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return listens;
}

std::string hex4(std::uint16_t value)
{
    char text[8];
    std::snprintf(text, sizeof(text), "%04x", static_cast<unsigned>(value));
    return text;
}

} // namespace

struct VirtualZolvoServer::ChangeQueue {
    std::mutex mutex;
    std::vector<VirtualZolvo::Change> changes;
    int wakeWrite = -1;

    void push(VirtualZolvo::Change change)
    {
        std::lock_guard lock(mutex);
        if (wakeWrite < 0)
            return;
        changes.push_back(change);
        const char byte = 1;
        // A full pipe already wakes the loop.
        [[maybe_unused]] const auto written = ::write(wakeWrite, &byte, 1);
    }

    std::vector<VirtualZolvo::Change> take()
    {
        std::lock_guard lock(mutex);
        return std::exchange(changes, {});
    }
};

VirtualZolvoServer::VirtualZolvoServer(VirtualZolvo& device, std::string socketPath)
    : _device(device)
    , _socketPath(std::move(socketPath))
{
}

VirtualZolvoServer::~VirtualZolvoServer()
{
    stop();
}

bool VirtualZolvoServer::start(std::string* error)
{
    bool bound = false;
    auto fail = [&](const std::string& message) {
        if (error)
            *error = message;
        if (_listenFd >= 0)
            close(_listenFd);
        _listenFd = -1;
        if (bound)
            unlink(_socketPath.c_str());
        return false;
    };
    if (_thread.joinable())
        return fail("already serving");

    sockaddr_un address {};
    if (!fillAddress(_socketPath, address))
        return fail("socket path empty or too long: " + _socketPath);
    if (someoneListens(address))
        return fail("another server is serving " + _socketPath);
    struct stat info { };
    if (lstat(_socketPath.c_str(), &info) == 0 && S_ISSOCK(info.st_mode))
        unlink(_socketPath.c_str()); // left behind by a server that did not stop cleanly

    _listenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (_listenFd < 0)
        return fail(std::string("socket: ") + std::strerror(errno));
    if (bind(_listenFd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
        return fail("bind " + _socketPath + ": " + std::strerror(errno));
    bound = true;
    if (listen(_listenFd, 16) != 0)
        return fail(std::string("listen: ") + std::strerror(errno));

    int wakePipe[2];
    if (pipe2(wakePipe, O_NONBLOCK | O_CLOEXEC) != 0)
        return fail(std::string("pipe: ") + std::strerror(errno));
    _wakeRead = wakePipe[0];
    _queue = std::make_shared<ChangeQueue>();
    _queue->wakeWrite = wakePipe[1];
    _device.setChangeListener([queue = _queue](VirtualZolvo::Change change) { queue->push(change); });

    _stopping = false;
    _thread = std::thread([this] { run(); });
    return true;
}

void VirtualZolvoServer::stop()
{
    if (!_thread.joinable())
        return;
    _device.setChangeListener({});
    _stopping = true;
    {
        std::lock_guard lock(_queue->mutex);
        const char byte = 0;
        [[maybe_unused]] const auto written = ::write(_queue->wakeWrite, &byte, 1);
    }
    _thread.join();
    {
        std::lock_guard lock(_queue->mutex);
        close(_queue->wakeWrite);
        _queue->wakeWrite = -1;
    }
    for (const auto& [fd, client] : _clients)
        close(fd);
    _clients.clear();
    close(_wakeRead);
    _wakeRead = -1;
    close(_listenFd);
    _listenFd = -1;
    unlink(_socketPath.c_str());
}

void VirtualZolvoServer::run()
{
    std::vector<pollfd> fds;
    while (!_stopping) {
        fds.clear();
        fds.push_back({_wakeRead, POLLIN, 0});
        fds.push_back({_listenFd, POLLIN, 0});
        for (const auto& [fd, client] : _clients)
            fds.push_back({fd, static_cast<short>(POLLIN | (client.output.empty() ? 0 : POLLOUT)), 0});

        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[0].revents & POLLIN) {
            char drain[64];
            while (read(_wakeRead, drain, sizeof(drain)) > 0) { }
        }
        processChanges();
        for (std::size_t i = 2; i < fds.size(); ++i) {
            const auto found = _clients.find(fds[i].fd);
            if (found == _clients.end() || found->second.dead)
                continue;
            Client& client = found->second;
            if ((fds[i].revents & (POLLIN | POLLHUP | POLLERR)) && !readClient(fds[i].fd, client))
                client.dead = true;
            if (!client.dead && (fds[i].revents & POLLOUT) && !flush(fds[i].fd, client))
                client.dead = true;
        }
        if (fds[1].revents & POLLIN)
            acceptClient();
        reapClients();
    }
}

void VirtualZolvoServer::acceptClient()
{
    for (;;) {
        const int fd = accept4(_listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return;
        _clients[fd] = Client {};
    }
}

bool VirtualZolvoServer::readClient(int fd, Client& client)
{
    bool open = true;
    char buffer[4096];
    for (;;) {
        const ssize_t n = recv(fd, buffer, sizeof(buffer), 0);
        if (n > 0) {
            client.input.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (n < 0 && errno == EINTR)
            continue;
        open = false; // end of stream or error: answer what came, then close
        break;
    }
    std::size_t start = 0;
    for (std::size_t end; !client.dead && (end = client.input.find('\n', start)) != std::string::npos;
         start = end + 1) {
        std::string line = client.input.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        handleLine(fd, client, line);
    }
    client.input.erase(0, start);
    if (client.input.size() > maxLineLength)
        return false;
    return open && !client.dead;
}

void VirtualZolvoServer::handleLine(int fd, Client& client, const std::string& line)
{
    const std::size_t space = line.find(' ');
    const std::string verb = line.substr(0, space);
    const std::string argument = space == std::string::npos ? std::string() : line.substr(space + 1);

    if (verb == "enumerate") {
        const HidDeviceInfo info = _device.info();
        send(fd, client,
            "device " + std::string(_device.plugged() ? "1" : "0") + " " + hex4(info.vendorId) + " " +
                hex4(info.productId) + " " + hex4(info.releaseNumber) + " " + info.productString.toStdString());
    } else if (verb == "open") {
        client.opened = _device.plugged();
        send(fd, client, client.opened ? "ok" : "error unplugged");
    } else if (verb == "write") {
        const std::optional<Report> report = reportFromHex(argument);
        if (!client.opened)
            send(fd, client, "error not open");
        else if (!report)
            send(fd, client, "error bad report");
        else {
            // The answers first: once the writer sees "ok" they are all on
            // their way, so the report and its effects are complete.
            for (const Report& answer : _device.handle(*report))
                send(fd, client, "input " + reportToHex(answer));
            send(fd, client, "ok");
        }
    } else if (verb == "watch") {
        client.watching = true;
        send(fd, client, "ok");
    } else if (verb == "plug" || verb == "unplug") {
        verb == "plug" ? _device.plug() : _device.unplug();
        send(fd, client, "ok");
    } else if (verb == "identity") {
        const std::size_t split = argument.find(' ');
        const auto release = parseReleaseNumber(argument.substr(0, split));
        const auto productId = split == std::string::npos ? std::nullopt : parseProductId(argument.substr(split + 1));
        if (release && productId) {
            _device.setIdentity(*release, *productId);
            send(fd, client, "ok");
        } else {
            send(fd, client, "error usage: identity <release> <product id>");
        }
    } else if (verb == "dump") {
        send(fd, client, _device.dump());
    } else if (verb == "trace") {
        for (const std::string& entry : _device.trace())
            send(fd, client, entry);
        send(fd, client, "end");
    } else if (verb == "clear-trace") {
        _device.clearTrace();
        send(fd, client, "ok");
    } else {
        send(fd, client, "error unknown command: " + verb);
    }
    // Changes the line caused take effect before the next line is read, so
    // a handle that the device's restart closed takes no further reports.
    processChanges();
}

void VirtualZolvoServer::send(int fd, Client& client, const std::string& line)
{
    if (client.dead)
        return;
    client.output += line;
    client.output += '\n';
    if (!flush(fd, client) || client.output.size() > maxPendingOutput)
        client.dead = true;
}

bool VirtualZolvoServer::flush(int fd, Client& client)
{
    while (!client.output.empty()) {
        const ssize_t n = ::send(fd, client.output.data(), client.output.size(), MSG_NOSIGNAL);
        if (n > 0) {
            client.output.erase(0, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
    return true;
}

void VirtualZolvoServer::processChanges()
{
    for (const VirtualZolvo::Change change : _queue->take()) {
        for (auto& [fd, client] : _clients) {
            // A removed device takes its open handles with it.
            if (change == VirtualZolvo::Change::Unplugged && client.opened)
                client.dead = true;
            if (client.watching)
                send(fd, client, "changed");
        }
    }
}

void VirtualZolvoServer::reapClients()
{
    for (auto it = _clients.begin(); it != _clients.end();) {
        if (it->second.dead) {
            close(it->first);
            it = _clients.erase(it);
        } else {
            ++it;
        }
    }
}
